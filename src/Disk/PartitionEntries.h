#pragma once
// Records of MBR and GPT partition tables as the table readers return them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct MbrPartitionEntry {
    uint8_t status = 0;
    std::array<uint8_t, 3> firstChs{};
    uint8_t type = 0;
    std::array<uint8_t, 3> lastChs{};
    uint64_t firstSector = 0; // absolute, also for logical partitions
    uint32_t sectorCount = 0;
    uint32_t partitionNumber = 0; // 1-4 primary slot, 5 on for logical partitions

    // Decodes the 16-byte record at offset of a 512-byte sector.
    static MbrPartitionEntry Decode(const uint8_t* sector, size_t offset);
};

struct GptPartitionEntry {
    std::array<uint8_t, 16> typeGuid{};
    std::array<uint8_t, 16> uniqueGuid{};
    uint64_t firstLba = 0;
    uint64_t lastLba = 0; // inclusive
    uint64_t attributes = 0;
    std::array<uint8_t, 72> name{}; // 36 UTF-16LE units
    uint32_t partitionNumber = 0; // slot in the entry array, from 1

    // Decodes the first 128 bytes of an entry.
    static GptPartitionEntry Decode(const uint8_t* entry, size_t size);
    std::string Name() const;
};

// Byte offsets; end is exclusive.
struct FreeRegion {
    uint64_t start = 0;
    uint64_t end = 0;
    uint64_t length = 0;
};

// The tables reject what a real disk never holds: more entries than this makes
// a header or an extended-partition chain hostile.
constexpr uint32_t MaxPartitionEntries = 1024;
