#include "FAT/FATGeometry.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"
#include "FAT/GeometryCheck.h"
#include "Utils/PartReader.h"

#include <cstring>
#include <vector>

static constexpr const char* LogSource = "src/FAT/FATGeometry";

namespace FAT {

namespace {

constexpr uint64_t KiB = 1024;
constexpr uint64_t MiB = 1024 * KiB;
constexpr uint64_t GiB = 1024 * MiB;

bool IsPowerOfTwo(uint64_t v)
{
    return v != 0 && (v & (v - 1)) == 0;
}

bool HasSignature(const uint8_t* s)
{
    return DiskBytes::U16(s, 512, 510) == 0xAA55;
}

// FAT and data area must lie inside the volume when its length is known.
bool AreasFit(const VolumeGeometry& g, uint64_t volumeLength)
{
    const uint64_t tablesEnd = g.tableStart + g.tableLength * g.tableCount;
    if (g.tableLength == 0 || tablesEnd > g.dataStart)
        return false;
    return volumeLength == 0 || g.dataStart + g.clusterSize <= volumeLength;
}

uint64_t DataClusters(const VolumeGeometry& g, uint64_t declaredBytes, uint64_t volumeLength)
{
    uint64_t end = declaredBytes;
    if (volumeLength != 0 && (end == 0 || end > volumeLength))
        end = volumeLength;
    const uint64_t byArea = end > g.dataStart ? (end - g.dataStart) / g.clusterSize : 0;
    return byArea;
}

// The fields only a FAT32 boot sector has so: no root-entry count, no 16-bit
// sizes, the extended boot signature. Its type text is a label for old
// readers and may be damaged alone.
bool HasFAT32Fields(const uint8_t* s)
{
    return DiskBytes::U16(s, 512, 17) == 0 && DiskBytes::U16(s, 512, 19) == 0 && DiskBytes::U16(s, 512, 22) == 0 &&
           s[66] == 0x29;
}

// "EXFAT   " with at most one byte damaged, and the 53 bytes that must be zero so.
bool HasExFATName(const uint8_t* s)
{
    int differ = 0;
    for (int i = 0; i < 8; ++i)
        differ += s[3 + i] != static_cast<uint8_t>("EXFAT   "[i]);
    if (differ == 0)
        return true;
    for (int i = 11; i < 64; ++i)
        if (s[i] != 0)
            return false;
    return differ == 1;
}

}

bool ParseFAT32BootSector(const uint8_t* s, uint64_t volumeLength, VolumeGeometry& g)
{
    if ((std::memcmp(s + 82, "FAT32   ", 8) != 0 && !HasFAT32Fields(s)) || !HasSignature(s))
        return false;
    // BitLocker keeps "FAT32   " at 82 for old readers; its OEM name tells.
    if (std::memcmp(s + 3, "-FVE-FS-", 8) == 0)
        return false;
    const uint32_t sector = DiskBytes::U16(s, 512, 11);
    const uint32_t perCluster = s[13];
    const uint32_t reserved = DiskBytes::U16(s, 512, 14);
    const uint32_t fats = s[16];
    const uint64_t totalSectors = DiskBytes::U32(s, 512, 32);
    const uint64_t fatSectors = DiskBytes::U32(s, 512, 36);
    if (sector < 512 || sector > 4096 || !IsPowerOfTwo(sector))
        return false;
    if (!IsPowerOfTwo(perCluster) || perCluster > 128)
        return false;
    if (reserved == 0 || fats == 0 || fats > 4 || fatSectors == 0)
        return false;
    VolumeGeometry out;
    out.fromBootSector = true;
    out.hasTable = true;
    out.sectorSize = sector;
    out.clusterSize = sector * perCluster;
    out.tableStart = uint64_t{reserved} * sector;
    out.tableLength = fatSectors * sector;
    out.tableCount = fats;
    out.dataStart = out.tableStart + out.tableLength * fats;
    out.rootCluster = DiskBytes::U32(s, 512, 44);
    out.serial = DiskBytes::U32(s, 512, 67);
    out.volumeLength = volumeLength;
    if (!AreasFit(out, volumeLength))
        return false;
    out.clusterCount = DataClusters(out, totalSectors * sector, volumeLength);
    // The FAT cannot describe more clusters than it has entries for.
    out.clusterCount = std::min<uint64_t>(out.clusterCount, out.tableLength / 4 > 2 ? out.tableLength / 4 - 2 : 0);
    if (out.clusterCount == 0 || out.rootCluster < 2 || out.rootCluster >= ClusterLimit(out))
        return false;
    g = out;
    return true;
}

bool ParseExFATBootSector(const uint8_t* s, uint64_t volumeLength, VolumeGeometry& g)
{
    if (!HasExFATName(s) || !HasSignature(s))
        return false;
    const uint32_t sectorShift = s[108];
    const uint32_t clusterShift = s[109];
    // Sectors of 512-4096 bytes, clusters of at most 32 MiB.
    if (sectorShift < 9 || sectorShift > 12 || sectorShift + clusterShift > 25)
        return false;
    const uint64_t sector = uint64_t{1} << sectorShift;
    const uint32_t fats = s[110];
    VolumeGeometry out;
    out.fromBootSector = true;
    out.hasTable = true;
    out.sectorSize = static_cast<uint32_t>(sector);
    out.clusterSize = static_cast<uint32_t>(sector << clusterShift);
    out.tableStart = uint64_t{DiskBytes::U32(s, 512, 80)} * sector;
    out.tableLength = uint64_t{DiskBytes::U32(s, 512, 84)} * sector;
    out.tableCount = fats == 0 ? 1 : fats;
    out.dataStart = uint64_t{DiskBytes::U32(s, 512, 88)} * sector;
    out.rootCluster = DiskBytes::U32(s, 512, 96);
    out.serial = DiskBytes::U32(s, 512, 100);
    out.volumeLength = volumeLength;
    if (fats > 2 || out.tableStart == 0)
        return false;
    if (!AreasFit(out, volumeLength))
        return false;
    const uint64_t declared = DiskBytes::U32(s, 512, 92);
    uint64_t clusters = DataClusters(out, 0, volumeLength);
    if (volumeLength == 0 || declared < clusters)
        clusters = declared;
    clusters = std::min<uint64_t>(clusters, out.tableLength / 4 > 2 ? out.tableLength / 4 - 2 : 0);
    out.clusterCount = clusters;
    if (out.clusterCount == 0 || out.rootCluster < 2 || out.rootCluster >= ClusterLimit(out))
        return false;
    g = out;
    return true;
}

uint64_t GuessFAT32DataStart(uint64_t L)
{
    if (L <= 1 * GiB)
        return 4 * MiB;
    if (L <= 3 * GiB)
        return 8 * MiB;
    if (L <= 5 * GiB)
        return 12 * MiB;
    if (L <= 7 * GiB)
        return 16 * MiB;
    if (L <= 11 * GiB)
        return 12 * MiB;
    if (L <= 15 * GiB)
        return 16 * MiB;
    if (L <= 23 * GiB)
        return 12 * MiB;
    if (L <= 31 * GiB)
        return 16 * MiB;
    return 12 * MiB;
}

namespace {

using Parser = bool (*)(const uint8_t*, uint64_t, VolumeGeometry&);
using Check = bool (*)(Utils::PartReader&, const VolumeGeometry&, std::string&);

// The primary sector the reader copied, then the backup at backupSector for
// each sector size the backup's own geometry may claim (backupFirst: the
// other way round); the first whose geometry holds. What did not hold goes to
// rejected.
bool FindBootSector(Utils::PartReader& reader, Parser parse, Check holds, uint32_t backupSector, VolumeGeometry& g,
                    std::string& rejected, bool backupFirst = false)
{
    const uint64_t length = reader.Size();
    auto accept = [&](VolumeGeometry& candidate, const std::string& source) {
        std::string why;
        if (holds(reader, candidate, why)) {
            candidate.source = source;
            g = candidate;
            return true;
        }
        VLOG_ERROR("geometry of the %s does not hold: %s", source.c_str(), why.c_str());
        rejected += (rejected.empty() ? "" : "; ") + source + ": " + why;
        return false;
    };
    VolumeGeometry candidate;
    const auto primary = [&] { return parse(reader.bootSector, length, candidate) && accept(candidate, "primary boot sector"); };
    if (!backupFirst && primary())
        return true;
    uint8_t sector[512];
    for (uint32_t size = 512; size <= 4096; size *= 2) {
        const uint64_t at = uint64_t{backupSector} * size;
        if (at + 512 > length)
            break;
        try {
            reader.Read(at, sector, 512);
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const Exceptions::DiskException& e) {
            VLOG_ERROR("backup boot sector at %llu unreadable: %s", static_cast<unsigned long long>(at), e.what());
            continue;
        }
        if (parse(sector, length, candidate) && candidate.sectorSize == size &&
            accept(candidate, "backup boot sector at sector " + std::to_string(backupSector)))
            return true;
    }
    return backupFirst && primary();
}

// Whether the exFAT boot region from sector first (0 main, 12 backup) matches
// its checksum sector: a field changed in the main region alone is seen there.
bool ExFATBootRegionHolds(Utils::PartReader& reader, uint64_t first)
{
    uint8_t boot[512];
    const uint64_t length = reader.Size();
    try {
        for (uint64_t size = 512; size <= 4096; size *= 2) {
            const uint64_t at = first * size;
            if (at + 12 * size > length)
                return false;
            reader.Read(at, boot, sizeof boot);
            if ((uint64_t{1} << boot[108]) != size)
                continue;
            std::vector<uint8_t> region(static_cast<size_t>(12 * size), 0);
            reader.Read(at, region.data(), static_cast<uint32_t>(region.size()));
            uint32_t sum = 0;
            for (uint64_t i = 0; i < 11 * size; ++i)
                if (i != 106 && i != 107 && i != 112)
                    sum = ((sum & 1) ? 0x80000000u : 0) + (sum >> 1) + region[i];
            return DiskBytes::U32(region.data(), region.size(), 11 * size) == sum;
        }
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
    }
    return false;
}

void ApplyHints(VolumeGeometry& g, uint32_t clusterSizeHint, uint64_t dataStartHint)
{
    if (clusterSizeHint != 0) {
        g.clusterSize = clusterSizeHint;
        g.sectorSize = 512;
    }
    if (dataStartHint != 0) {
        // A volume found without a boot sector: its table's place is unknown.
        g.dataStart = dataStartHint;
        g.hasTable = false;
        g.fromBootSector = false;
        g.source = "layout";
    }
    g.clusterCount = g.volumeLength > g.dataStart && g.clusterSize ? (g.volumeLength - g.dataStart) / g.clusterSize : 0;
}

// A volume with a boot sector none of whose geometries held: the guess is
// taken when it holds, else the volume's structures cannot be read.
void CheckGuess(Utils::PartReader& reader, Check holds, const std::string& rejected, VolumeGeometry& g)
{
    if (rejected.empty())
        return;
    std::string why;
    if (holds(reader, g, why))
        return;
    g.failure = rejected + "; guess: " + why;
    VLOG_ERROR("no geometry holds: %s", g.failure.c_str());
}

// Both boot sectors may carry one wrong cluster size (their other fields
// holding): the size the volume's own folders and files bear out.
bool FindFAT32ClusterSize(Utils::PartReader& reader, VolumeGeometry& g)
{
    uint8_t sectors[2][512];
    std::memcpy(sectors[0], reader.bootSector, 512);
    const uint64_t sector = DiskBytes::U16(reader.bootSector, 512, 11);
    const uint64_t backup = 6 * (sector >= 512 && sector <= 4096 && IsPowerOfTwo(sector) ? sector : 512);
    try {
        if (backup + 512 > reader.Size())
            return false;
        reader.Read(backup, sectors[1], 512);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
        std::memcpy(sectors[1], sectors[0], 512);
    }
    for (const auto& sector : sectors) {
        uint8_t copy[512];
        std::memcpy(copy, sector, 512);
        for (uint32_t perCluster = 1; perCluster <= 128; perCluster *= 2) {
            copy[13] = static_cast<uint8_t>(perCluster);
            VolumeGeometry candidate;
            std::string why;
            if (perCluster == sector[13] || !ParseFAT32BootSector(copy, reader.Size(), candidate) ||
                !FAT32ClusterSizeConfirmed(reader, candidate, why))
                continue;
            VLOG_ERROR("the boot sector says %u sectors a cluster; the volume's folders and files say %u",
                       static_cast<unsigned>(sector[13]), perCluster);
            candidate.source = "boot sector with the cluster size the volume bears out";
            g = candidate;
            return true;
        }
    }
    return false;
}

void LogGeometry(const VolumeGeometry& g, const char* fileSystem)
{
    VLOG_INFO("%s geometry from %s: sector %u, cluster %u, FAT at %llu (%llu bytes x %u), data at %llu, %llu clusters",
              fileSystem, g.source.c_str(), g.sectorSize, g.clusterSize, static_cast<unsigned long long>(g.tableStart),
              static_cast<unsigned long long>(g.tableLength), g.tableCount,
              static_cast<unsigned long long>(g.dataStart), static_cast<unsigned long long>(g.clusterCount));
}

}

VolumeGeometry ReadFAT32Geometry(Utils::PartReader& reader, uint32_t clusterSizeHint, uint64_t dataStartHint)
{
    VolumeGeometry g;
    const uint64_t L = reader.Size();
    std::string rejected;
    if (clusterSizeHint == 0 && dataStartHint == 0 &&
        (FindBootSector(reader, ParseFAT32BootSector, FAT32GeometryHolds, 6, g, rejected) ||
         (!rejected.empty() && FindFAT32ClusterSize(reader, g)))) {
        LogGeometry(g, "FAT32");
        return g;
    }
    g = VolumeGeometry{};
    g.volumeLength = L;
    g.source = "guess";
    g.clusterSize = L < 8 * GiB ? 4096 : L < 16 * GiB ? 8192 : L < 32 * GiB ? 16384 : 32768;
    g.dataStart = GuessFAT32DataStart(L);
    g.rootCluster = 2;
    g.tableCount = 2;
    ApplyHints(g, clusterSizeHint, dataStartHint);
    CheckGuess(reader, FAT32GeometryHolds, rejected, g);
    LogGeometry(g, "FAT32");
    return g;
}

VolumeGeometry ReadExFATGeometry(Utils::PartReader& reader, uint32_t clusterSizeHint, uint64_t dataStartHint)
{
    VolumeGeometry g;
    const uint64_t L = reader.Size();
    std::string rejected;
    // A main region that fails its checksum where the backup's holds is tried after it.
    const bool backupFirst = clusterSizeHint == 0 && dataStartHint == 0 && !ExFATBootRegionHolds(reader, 0) &&
                             ExFATBootRegionHolds(reader, 12);
    if (clusterSizeHint == 0 && dataStartHint == 0 &&
        FindBootSector(reader, ParseExFATBootSector, ExFATGeometryHolds, 12, g, rejected, backupFirst)) {
        LogGeometry(g, "exFAT");
        return g;
    }
    g = VolumeGeometry{};
    g.volumeLength = L;
    g.source = "guess";
    g.clusterSize = L < 512 * GiB ? 131072 : 262144;
    g.dataStart = ((L >> 35) + 2) * MiB;
    g.rootCluster = 2;
    g.tableCount = 1;
    ApplyHints(g, clusterSizeHint, dataStartHint);
    CheckGuess(reader, ExFATGeometryHolds, rejected, g);
    LogGeometry(g, "exFAT");
    return g;
}

}
