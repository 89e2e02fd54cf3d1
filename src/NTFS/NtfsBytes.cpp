#include "NTFS/NtfsBytes.h"

namespace NTFS {

std::u16string ReadUtf16(const uint8_t* data, size_t size, size_t offset, size_t count)
{
    if (offset > size || count > (size - offset) / 2)
        throw Exceptions::NTFSException("Name outside its structure.");
    std::u16string text(count, u'\0');
    for (size_t i = 0; i < count; ++i)
        text[i] = static_cast<char16_t>(data[offset + 2 * i] | (data[offset + 2 * i + 1] << 8));
    return text;
}

}
