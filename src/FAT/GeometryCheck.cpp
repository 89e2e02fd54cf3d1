#include "FAT/GeometryCheck.h"

#include "DataRecovery/Exceptions.h"
#include "FAT/EntryBytes.h"
#include "FAT/ExFATDirectoryBlock.h"
#include "FAT/FAT32DirectoryBlock.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace FAT {

namespace {

// The first bytes of a cluster: enough for a directory's first entries.
constexpr uint64_t rootProbeBytes = 4096;
// The part of the first FAT the cluster-size check follows chains in.
constexpr uint64_t chainProbeBytes = 256 * 1024;
// The root entries whose folders and chains the cluster-size check looks at.
constexpr int maxWitnesses = 16;

bool ReadAt(Utils::PartReader& reader, uint64_t offset, uint8_t* buffer, uint64_t length, std::string& why)
{
    if (offset + length > reader.Size()) {
        why = "offset " + std::to_string(offset) + " lies past the volume";
        return false;
    }
    try {
        reader.Read(offset, buffer, static_cast<uint32_t>(length));
        return true;
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException& e) {
        why = std::string("unreadable: ") + e.what();
        return false;
    }
}

// A FAT's first sector: the media entry, or the end-of-chain mark of entry 1
// (FAT32 may clear its two top flags). One bad entry 0 is not a misplaced FAT.
bool LooksLikeFatStart(const uint8_t* f, bool exfat)
{
    const uint32_t mask = exfat ? 0xFFFFFFFF : 0x0FFFFFFF;
    const uint32_t first = EntryU32(f) & mask;
    const uint32_t second = EntryU32(f + 4) & mask;
    const bool media = (first & (mask & 0xFFFFFF00)) == (mask & 0xFFFFFF00) && (first & 0xFF) >= 0xF0;
    const bool endMark = exfat ? second == 0xFFFFFFFF : (second | 0x0C000000) == 0x0FFFFFFF;
    return media || endMark;
}

// Every FAT copy lies where the boot sector puts it: it begins like a FAT, or
// it repeats (past its first two entries) a copy that does.
bool FatCopiesHold(Utils::PartReader& reader, const VolumeGeometry& g, bool exfat, std::string& why)
{
    const uint64_t length = std::min<uint64_t>(512, g.tableLength);
    if (length < 8) {
        why = "the FAT is shorter than its first two entries";
        return false;
    }
    const uint32_t copies = std::max<uint32_t>(g.tableCount, 1);
    std::vector<std::vector<uint8_t>> starts(copies, std::vector<uint8_t>(static_cast<size_t>(length), 0));
    std::vector<bool> like(copies, false);
    for (uint32_t copy = 0; copy < copies; ++copy) {
        if (!ReadAt(reader, g.tableStart + copy * g.tableLength, starts[copy].data(), length, why))
            return false;
        like[copy] = LooksLikeFatStart(starts[copy].data(), exfat);
    }
    for (uint32_t copy = 0; copy < copies; ++copy) {
        bool repeats = like[copy];
        for (uint32_t k = 0; k < copies && !repeats; ++k)
            repeats = like[k] && std::equal(starts[k].begin() + 8, starts[k].end(), starts[copy].begin() + 8);
        if (!repeats) {
            why = "FAT " + std::to_string(copy + 1) + " does not begin where the boot sector puts it";
            return false;
        }
    }
    return true;
}

bool ReadsAsFAT32Root(const uint8_t* block, uint64_t length, bool strict, std::string& why)
{
    if (IsFAT32DirectoryStart(block, length)) {
        why = "the root cluster holds a subfolder's \".\" and \"..\"";
        return false;
    }
    const auto count = CountFAT32Entries(block, length);
    // A guessed layout must show entries and nothing else; a boot sector's
    // layout stands with one damaged entry among many.
    const bool holds = strict ? count.good > 0 && count.bad == 0 : count.Holds();
    if (!holds)
        why = "the root cluster holds " + std::to_string(count.bad) + " entries that are none, " +
              std::to_string(count.good) + " that are";
    return holds;
}

// The clusters of a chain from first, as the first FAT's start (chain) holds
// them: their number, or 0 when the chain breaks or leaves the part read.
uint64_t ChainLength(const std::vector<uint8_t>& fat, uint64_t first, uint64_t limit, uint64_t most)
{
    uint64_t count = 0;
    for (uint64_t c = first; count <= most;) {
        if (c < 2 || c >= limit || 4 * c + 4 > fat.size())
            return 0;
        ++count;
        const uint32_t next = EntryU32(fat.data() + 4 * c) & 0x0FFFFFFF;
        if (next >= 0x0FFFFFF8)
            return count;
        if (next == c)
            return 0;
        c = next;
    }
    return count;
}

struct Witnesses {
    int agree = 0;
    int disagree = 0;
};

// The cluster size against the volume: a folder in the root begins with a
// "." naming its own cluster, a file's chain counts the clusters its size
// needs.
bool CountWitnesses(Utils::PartReader& reader, const VolumeGeometry& g, const uint8_t* root, uint64_t length,
                    Witnesses& w, std::string& why)
{
    std::vector<uint8_t> fat(static_cast<size_t>(std::min(g.tableLength, chainProbeBytes)), 0);
    if (!ReadAt(reader, g.tableStart, fat.data(), fat.size(), why))
        return false;
    int& agree = w.agree;
    int& disagree = w.disagree;
    for (uint64_t at = 0; at + 32 <= length && agree + disagree < maxWitnesses; at += 32) {
        const uint8_t* e = root + at;
        if (e[0] == 0 && RestIsZero(root, at, length))
            break;
        const uint8_t attribute = e[11];
        if (e[0] == 0 || e[0] == 0xE5 || e[0] == '.' || attribute == 0x0F || (attribute & 0x08) ||
            !LooksLikeDirectoryEntry(e))
            continue;
        const uint64_t cluster = uint64_t{EntryU16(e + 20)} << 16 | EntryU16(e + 26);
        if (cluster < 2 || cluster >= ClusterLimit(g))
            continue;
        if (attribute & 0x10) {
            uint8_t start[64];
            const uint64_t offset = g.dataStart + (cluster - 2) * g.clusterSize;
            if (offset + sizeof start > reader.Size() || !ReadAt(reader, offset, start, sizeof start, why))
                ++disagree;
            else
                ++(IsFAT32DirectoryStartOf(start, sizeof start, cluster) ? agree : disagree);
            continue;
        }
        const uint64_t size = EntryU32(e + 28);
        if (size == 0)
            continue;
        const uint64_t needed = (size + g.clusterSize - 1) / g.clusterSize;
        const uint64_t chain = ChainLength(fat, cluster, ClusterLimit(g), needed);
        if (chain != 0)
            ++(chain == needed ? agree : disagree);
    }
    return true;
}

// Most witnesses must agree, and one alone never rejects: a damaged entry is one witness.
bool ClusterSizeHolds(Utils::PartReader& reader, const VolumeGeometry& g, const uint8_t* root, uint64_t length,
                      std::string& why)
{
    Witnesses w;
    if (!CountWitnesses(reader, g, root, length, w, why))
        return false;
    if (w.disagree > w.agree && w.disagree >= 2) {
        why = "the cluster size of " + std::to_string(g.clusterSize) + " bytes disagrees with " +
              std::to_string(w.disagree) + " of the root's folders and files";
        return false;
    }
    return true;
}

bool ReadRootProbe(Utils::PartReader& reader, const VolumeGeometry& g, std::vector<uint8_t>& block, std::string& why)
{
    block.assign(static_cast<size_t>(std::min<uint64_t>(g.clusterSize, rootProbeBytes)), 0);
    const uint64_t root = g.dataStart + (uint64_t{g.rootCluster} - 2) * g.clusterSize;
    return ReadAt(reader, root, block.data(), block.size(), why);
}

}

bool FAT32GeometryHolds(Utils::PartReader& reader, const VolumeGeometry& g, std::string& why)
{
    if (g.hasTable) {
        if (!FatCopiesHold(reader, g, false, why))
            return false;
        uint8_t entry[4];
        if (!ReadAt(reader, g.tableStart + 4 * uint64_t{g.rootCluster}, entry, 4, why))
            return false;
        const uint32_t next = EntryU32(entry) & 0x0FFFFFFF;
        if (next == 0x0FFFFFF7 || (next != 0 && next < 0x0FFFFFF8 && (next < 2 || next >= ClusterLimit(g)))) {
            why = "the FAT does not hold the root cluster " + std::to_string(g.rootCluster);
            return false;
        }
    }
    std::vector<uint8_t> block;
    if (!ReadRootProbe(reader, g, block, why) || !ReadsAsFAT32Root(block.data(), block.size(), !g.hasTable, why))
        return false;
    return !g.hasTable || ClusterSizeHolds(reader, g, block.data(), block.size(), why);
}

bool FAT32ClusterSizeConfirmed(Utils::PartReader& reader, const VolumeGeometry& g, std::string& why)
{
    if (!g.hasTable || !FAT32GeometryHolds(reader, g, why))
        return false;
    std::vector<uint8_t> block;
    Witnesses w;
    if (!ReadRootProbe(reader, g, block, why) || !CountWitnesses(reader, g, block.data(), block.size(), w, why))
        return false;
    if (w.agree < 2 || w.disagree != 0) {
        why = "the root's folders and files do not bear out a cluster size of " + std::to_string(g.clusterSize);
        return false;
    }
    return true;
}

bool ExFATGeometryHolds(Utils::PartReader& reader, const VolumeGeometry& g, std::string& why)
{
    if (g.hasTable && !FatCopiesHold(reader, g, true, why))
        return false;
    std::vector<uint8_t> block(static_cast<size_t>(std::min<uint64_t>(g.clusterSize, rootProbeBytes)), 0);
    const uint64_t root = g.dataStart + (uint64_t{g.rootCluster} - 2) * g.clusterSize;
    if (!ReadAt(reader, root, block.data(), block.size(), why))
        return false;
    bool bitmap = false;
    bool upcase = false;
    bool own = false; // any entry only a root holds: label, bitmap, up-case table
    for (size_t at = 0; at + 32 <= block.size(); at += 32) {
        const uint8_t* e = block.data() + at;
        const uint64_t first = EntryU32(e + 20);
        const uint64_t length = EntryU64(e + 24);
        const bool inHeap = first >= 2 && first < ClusterLimit(g);
        own = own || e[0] == 0x81 || e[0] == 0x82 || e[0] == 0x83 || (e[0] == 0x03 && RestIsZero(e, 1, 32));
        if (e[0] == 0x81 && inHeap && length >= (g.clusterCount + 7) / 8)
            bitmap = true;
        else if (e[0] == 0x82 && inHeap && length != 0 && length <= 2 * 65536)
            upcase = true;
    }
    const auto count = CountExFATEntries(block.data(), block.size());
    if (!g.hasTable) {
        // A guessed layout must show both, in a cluster of entries.
        if (!bitmap || !upcase || !count.Holds()) {
            why = !count.Holds() ? std::string("the root cluster holds no directory")
                                 : std::string("the root cluster holds no ") +
                                       (bitmap ? "up-case table" : "allocation bitmap") + " entry";
            return false;
        }
        return true;
    }
    // The bitmap and the up-case table are not needed to list files: a root
    // that holds its own entries (one of them may be damaged) stands.
    if (!own || !count.Holds()) {
        why = own ? "the root cluster holds " + std::to_string(count.bad) + " entries that are none"
                  : std::string("the root cluster holds no label, bitmap or up-case entry");
        return false;
    }
    return true;
}

}
