#include "DataRecovery/ResidentFixup.h"

#include "NTFS/UpdateSequence.h"

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
    // One entry for the sequence number plus one per sector; 4096-byte records have 9.
    if (Read16(record + 6) > 9)
        return false;
    const uint32_t length = recordLength > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(recordLength);
    return NTFS::ApplyUpdateSequence(record, length);
}

}
