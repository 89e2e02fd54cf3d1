// velmora-probe partitions IMAGE_OR_DEVICE: one JSON line per partition-table
// entry and per free region the partition-table scan would offer.
#include "Commands.h"

#include "Disk/BootSectorName.h"
#include "Disk/GuidText.h"
#include "Disk/PartitionLayout.h"
#include "Disk/SectorReader.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace {

std::string FileSystemAt(SectorReader& reader, uint64_t offset)
{
    uint8_t sector[512] = {};
    if (!reader.ReadAt(offset, sector, sizeof sector))
        return "";
    return GetFileSystemNameFromBootSector(sector);
}

std::string MbrTypeText(uint8_t type)
{
    char text[8];
    std::snprintf(text, sizeof text, "%x", type);
    return text;
}

void Print(const nlohmann::ordered_json& line)
{
    std::cout << line.dump() << '\n';
}

}

int RunPartitions(const Arguments& args)
{
    if (args.size() != 1)
        return Fail("usage: velmora-probe partitions IMAGE_OR_DEVICE", 2);
    SectorReader reader(args[0]);
    if (!reader.Open())
        return Fail("partitions: cannot open " + args[0]);

    const PartitionLayout layout = ReadPartitionLayout(reader);
    const uint64_t sectorSize = layout.sectorSize;
    const std::string style = layout.IsGpt() ? "GPT" : "MBR";
    if (layout.IsGpt()) {
        for (const auto& e : layout.gptEntries) {
            const bool sane = e.lastLba >= e.firstLba && e.lastLba < UINT64_MAX / sectorSize;
            const uint64_t start = sane ? e.firstLba * sectorSize : 0;
            Print({{"style", style},
                   {"index", e.partitionNumber},
                   {"start", start},
                   {"length", sane ? (e.lastLba - e.firstLba + 1) * sectorSize : 0},
                   {"type", FormatGuid(e.typeGuid.data())},
                   {"name", e.Name()},
                   {"fileSystem", sane ? FileSystemAt(reader, start) : ""},
                   {"free", false}});
        }
    } else if (layout.IsMbr()) {
        for (const auto& r : layout.mbrEntries) {
            if (r.sectorCount == 0)
                continue;
            const uint64_t start = r.firstSector * sectorSize;
            Print({{"style", style},
                   {"index", r.partitionNumber},
                   {"start", start},
                   {"length", uint64_t{r.sectorCount} * sectorSize},
                   {"type", MbrTypeText(r.type)},
                   {"name", ""},
                   {"fileSystem", FileSystemAt(reader, start)},
                   {"free", false}});
        }
    } else if (layout.error.empty()) {
        std::cerr << "velmora-probe: no partition table on " << args[0] << std::endl;
    }
    uint32_t freeIndex = 0;
    for (const auto& region : layout.freeRegions) {
        if (!IsListedFreeRegion(layout, region))
            continue;
        Print({{"style", style},
               {"index", ++freeIndex},
               {"start", region.start},
               {"length", region.length},
               {"type", ""},
               {"name", ""},
               {"fileSystem", FileSystemAt(reader, region.start)},
               {"free", true}});
    }
    std::cout.flush();
    if (!layout.error.empty())
        return Fail("partitions: " + layout.error);
    return 0;
}
