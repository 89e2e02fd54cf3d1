#include "Utils/XorBuffer.h"

namespace Utils {

void XorBuffer(uint8_t* bytes, uint32_t count, const uint8_t* key, uint32_t keyLength)
{
    if (!bytes || !key || keyLength == 0)
        return;
    for (uint32_t i = 0, k = 0; i < count; ++i) {
        bytes[i] ^= key[k];
        if (++k == keyLength)
            k = 0;
    }
}

}
