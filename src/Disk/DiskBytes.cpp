#include "Disk/DiskBytes.h"

#include "Utils/TextConversion.h"

namespace DiskBytes {

std::string Utf16LeToUtf8(const uint8_t* data, size_t byteCount)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < byteCount; i += 2) {
        const char16_t unit = U16(data, byteCount, i);
        if (unit == 0)
            break;
        units += unit;
    }
    return Utils::Utf16ToUtf8(units);
}

}
