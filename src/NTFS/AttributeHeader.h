#pragma once
// One attribute of a file record, its header fields checked against the
// attribute and the record that hold it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NTFS {

struct AttributeHeader {
    uint32_t offset = 0; // from the record's start
    uint32_t length = 0;
    uint32_t type = 0;
    bool nonResident = false;
    std::string name; // UTF-8
    uint16_t flags = 0;
    uint16_t id = 0;
    // resident
    uint32_t valueOffset = 0; // from the attribute's start
    uint32_t valueLength = 0;
    // non-resident
    uint64_t startVcn = 0;
    uint64_t lastVcn = 0;
    uint16_t runsOffset = 0;
    uint64_t allocatedSize = 0;
    uint64_t realSize = 0;
    uint64_t initializedSize = 0;
};

// The attributes of the record's bytes in record order. The walk ends at the
// end marker, or at the first attribute whose header, name, value or run list
// does not fit it or the record, or that reaches the record's last byte.
// Throws Exceptions::NTFSException when the first-attribute offset lies
// outside the record.
std::vector<AttributeHeader> WalkAttributes(const uint8_t* record, size_t size);

// Decodes one attribute at offset; false when it is the end or does not fit.
bool ReadAttributeHeader(const uint8_t* record, size_t size, size_t offset, AttributeHeader& out);

}
