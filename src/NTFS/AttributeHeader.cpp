#include "NTFS/AttributeHeader.h"

#include "NTFS/NtfsBytes.h"
#include "Utils/TextConversion.h"

namespace NTFS {

bool ReadAttributeHeader(const uint8_t* record, size_t size, size_t offset, AttributeHeader& a)
{
    if (offset > size || size - offset < 8)
        return false;
    a.type = U32(record, size, offset);
    if (a.type == AttrEnd)
        return false;
    a.length = U32(record, size, offset + 4);
    // An attribute that ends at the record's end leaves no room for the end
    // marker that every record carries: the record is damaged there.
    if (a.length < 0x18 || a.length >= size - offset || a.length % 8 != 0)
        return false;
    const uint8_t* p = record + offset;
    a.offset = static_cast<uint32_t>(offset);
    a.nonResident = p[8] != 0;
    if (p[8] > 1)
        return false;
    const uint8_t nameLength = p[9];
    const uint16_t nameOffset = U16(p, a.length, 0x0A);
    a.flags = U16(p, a.length, 0x0C);
    a.id = U16(p, a.length, 0x0E);
    if (nameLength) {
        if (nameOffset < 0x10 || nameOffset + 2u * nameLength > a.length)
            return false;
        a.name = Utils::Utf16ToUtf8(ReadUtf16(p, a.length, nameOffset, nameLength));
    } else {
        a.name.clear();
    }
    if (!a.nonResident) {
        a.valueLength = U32(p, a.length, 0x10);
        a.valueOffset = U16(p, a.length, 0x14);
        if (a.valueOffset < 0x18 || a.valueOffset > a.length || a.valueLength > a.length - a.valueOffset)
            return false;
        a.startVcn = a.lastVcn = a.runsOffset = 0;
        a.allocatedSize = a.realSize = a.initializedSize = a.valueLength;
    } else {
        if (a.length < 0x40)
            return false;
        a.startVcn = U64(p, a.length, 0x10);
        a.lastVcn = U64(p, a.length, 0x18);
        a.runsOffset = U16(p, a.length, 0x20);
        a.allocatedSize = U64(p, a.length, 0x28);
        a.realSize = U64(p, a.length, 0x30);
        a.initializedSize = U64(p, a.length, 0x38);
        if (a.runsOffset < 0x40 || a.runsOffset >= a.length || a.startVcn > a.lastVcn + 1)
            return false;
        a.valueOffset = a.valueLength = 0;
    }
    return true;
}

std::vector<AttributeHeader> WalkAttributes(const uint8_t* record, size_t size)
{
    const uint16_t first = U16(record, size, 0x14);
    if (first < 0x18 || first >= size)
        throw Exceptions::NTFSException("Invalid first attribute offset.");
    std::vector<AttributeHeader> attributes;
    size_t offset = first;
    AttributeHeader a;
    while (ReadAttributeHeader(record, size, offset, a)) {
        attributes.push_back(a);
        offset += a.length;
    }
    return attributes;
}

}
