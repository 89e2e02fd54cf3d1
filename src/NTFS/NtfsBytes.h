#pragma once
// Little-endian fields of NTFS structures, read with a bounds check: a field
// outside its structure is damaged input and refuses that structure.
#include "DataRecovery/Exceptions.h"
#include "Disk/DiskBytes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace NTFS {

inline uint64_t Field(const uint8_t* data, size_t size, size_t offset, size_t width)
{
    if (offset > size || width > size - offset)
        throw Exceptions::NTFSException("Field outside its structure.");
    return DiskBytes::ReadLittleEndian(data, size, offset, width);
}
inline uint8_t U8(const uint8_t* d, size_t s, size_t o) { return static_cast<uint8_t>(Field(d, s, o, 1)); }
inline uint16_t U16(const uint8_t* d, size_t s, size_t o) { return static_cast<uint16_t>(Field(d, s, o, 2)); }
inline uint32_t U32(const uint8_t* d, size_t s, size_t o) { return static_cast<uint32_t>(Field(d, s, o, 4)); }
inline uint64_t U64(const uint8_t* d, size_t s, size_t o) { return Field(d, s, o, 8); }

// count UTF-16 units at offset, checked against size.
std::u16string ReadUtf16(const uint8_t* data, size_t size, size_t offset, size_t count);

constexpr uint64_t RecordNumberMask = 0xFFFFFFFFFFFFull;

// Attribute types the engine looks for.
enum AttributeType : uint32_t {
    AttrStandardInformation = 0x10,
    AttrAttributeList = 0x20,
    AttrFileName = 0x30,
    AttrData = 0x80,
    AttrIndexRoot = 0x90,
    AttrIndexAllocation = 0xA0,
    AttrBitmap = 0xB0,
    AttrReparsePoint = 0xC0,
    AttrEnd = 0xFFFFFFFF,
};

}
