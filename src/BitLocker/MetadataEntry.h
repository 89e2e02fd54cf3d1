#pragma once
// The size-prefixed entries of BitLocker metadata and key files: 16-bit size,
// entry type, value type and version, then the value.
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace Bitlocker {

constexpr uint32_t EntryHeaderSize = 8;

constexpr uint16_t EntryTypeProperty = 0;
constexpr uint16_t EntryTypeVmk = 2;
constexpr uint16_t EntryTypeFvek = 3;
constexpr uint16_t EntryTypeStartupKey = 6;
constexpr uint16_t EntryTypeVolumeHeader = 15;

constexpr uint16_t ValueTypeKey = 1;
constexpr uint16_t ValueTypeStretchKey = 3;
constexpr uint16_t ValueTypeAesCcm = 5;
constexpr uint16_t ValueTypeVmk = 8;
constexpr uint16_t ValueTypeExternalKey = 9;

struct EntryHeader {
    uint16_t size = 0;
    uint16_t type = 0;
    uint16_t valueType = 0;
    uint16_t version = 0;
};

// The header of the entry at the start of area; empty when its size is below
// the header or past the area.
std::optional<EntryHeader> ParseEntryHeader(const uint8_t* area, uint32_t areaSize);

// Walks a run of property entries to the first key property (value type 1:
// header, 4-byte method, key) of 32 bytes and returns the key; null when the
// walk ends first or meets a bad size.
std::shared_ptr<Utils::Buffer<uint8_t>> FindKeyProperty(const uint8_t* area, uint32_t areaSize);

// Walks a run of entries to the first with this value type; its offset in the area.
std::optional<uint32_t> FindValue(const uint8_t* area, uint32_t areaSize, uint16_t valueType);

}
