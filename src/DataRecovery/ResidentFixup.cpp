#include "DataRecovery/ResidentFixup.h"

#include <cstring>

namespace ResidentFixup {

namespace {
uint16_t Read16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
}

bool ApplyToRecord(uint8_t* record, size_t recordLength)
{
    if (recordLength < 512 || std::memcmp(record, "FILE", 4) != 0)
        return false;
    const size_t arrayOffset = Read16(record + 4);
    const size_t count = Read16(record + 6);
    // One entry for the sequence number plus one per sector; 4096-byte records have 9.
    if (count < 2 || count > 9 || arrayOffset + 2 * count > recordLength)
        return false;
    const uint16_t sequence = Read16(record + arrayOffset);
    for (size_t sector = 0; sector + 1 < count; ++sector) {
        const size_t end = sector * 512 + 510;
        if (end + 2 > recordLength)
            break;
        if (Read16(record + end) != sequence)
            continue;
        std::memcpy(record + end, record + arrayOffset + 2 * (sector + 1), 2);
    }
    return true;
}

}
