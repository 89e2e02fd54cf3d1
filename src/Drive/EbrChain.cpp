#include "Drive/EbrChain.h"

#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"
#include "Disk/PartitionEntries.h"

#include <set>

static constexpr const char* LogSource = "src/Drive/EbrChain";

namespace Drive {

namespace {
void PutU32(Sector& sector, size_t at, uint64_t value)
{
    for (int i = 0; i < 4; ++i)
        sector[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
}

std::vector<EbrRecord> ReadEbrChain(Platform::DeviceFile& device, uint64_t extendedStart, uint32_t sectorSize,
                                 uint64_t diskSize)
{
    std::vector<EbrRecord> chain;
    std::set<uint64_t> visited;
    const uint64_t sectors = sectorSize ? diskSize / sectorSize : 0;
    uint64_t current = extendedStart;
    while (true) {
        if (current == 0 || current >= sectors) {
            if (!chain.empty() || current != 0)
                VLOG_ERROR("EBR chain leaves the disk at sector %llu.", static_cast<unsigned long long>(current));
            break;
        }
        if (!visited.insert(current).second) {
            VLOG_ERROR("EBR chain returns to sector %llu; walk ended.", static_cast<unsigned long long>(current));
            break;
        }
        if (chain.size() >= MaxPartitionEntries) {
            VLOG_ERROR("EBR chain longer than %u records; walk ended.", MaxPartitionEntries);
            break;
        }
        Sector record{};
        if (device.ReadAt(current * sectorSize, record.data(), record.size()) != static_cast<int64_t>(record.size()))
            break;
        if (record[510] != 0x55 || record[511] != 0xAA)
            break;
        const uint64_t partitionStart = DiskBytes::U32(record.data(), record.size(), 0x1C6);
        const uint64_t link = DiskBytes::U32(record.data(), record.size(), 0x1D6);
        const uint8_t linkType = record[0x1D2];
        // Logical partitions count from their own EBR; links from the extended partition's start.
        EbrRecord entry;
        entry.type = record[0x1C2];
        entry.status = record[0x1BE];
        entry.partitionStart = current + partitionStart;
        entry.sectorCount = DiskBytes::U32(record.data(), record.size(), 0x1CA);
        if (entry.type != 0)
            PutU32(record, 0x1C6, entry.partitionStart);
        if (linkType != 0)
            PutU32(record, 0x1D6, extendedStart + link);
        entry.sector = record;
        chain.push_back(entry);
        if (linkType == 0 || link == 0)
            break;
        current = extendedStart + link;
    }
    return chain;
}

}
