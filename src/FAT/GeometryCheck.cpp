#include "FAT/GeometryCheck.h"

#include "DataRecovery/Exceptions.h"
#include "FAT/EntryBytes.h"
#include "FAT/FAT32DirectoryBlock.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace FAT {

namespace {

// The first bytes of a cluster: enough for a directory's first entries.
constexpr uint64_t rootProbeBytes = 4096;

bool ReadAt(Utils::PartReader& reader, uint64_t offset, uint8_t* buffer, uint32_t length, std::string& why)
{
    if (offset + length > reader.Size()) {
        why = "offset " + std::to_string(offset) + " lies past the volume";
        return false;
    }
    try {
        reader.Read(offset, buffer, length);
        return true;
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException& e) {
        why = std::string("unreadable: ") + e.what();
        return false;
    }
}

// A root entry as any FAT32 writer leaves one: a long-name entry, a deleted
// entry, or a short entry with a legal name and attributes.
bool IsRootEntry(const uint8_t* e)
{
    if (e[0] == 0xE5)
        return true;
    if (e[11] == 0x0F)
        return e[26] == 0 && e[27] == 0 && (e[0] & 0x3F) >= 1 && (e[0] & 0x3F) <= 20;
    if (e[11] & 0xC0 || e[0] == ' ')
        return false;
    if (e[11] & 0x08)
        return true; // the volume label, whose characters are the user's
    for (int i = 0; i < 11; ++i) {
        const uint8_t c = e[i];
        if (i == 0 && c == 0x05)
            continue; // a name whose first byte is 0xE5
        if (c < 0x20 || std::strchr("\"*+,./:;<=>?[\\]|", c))
            return false;
    }
    return true;
}

bool ReadsAsRoot(const uint8_t* block, uint64_t length, bool requireEntry, std::string& why)
{
    if (IsFAT32DirectoryStart(block, length)) {
        why = "the root cluster holds a subfolder's \".\" and \"..\"";
        return false;
    }
    uint64_t entries = 0;
    for (uint64_t at = 0; at + 32 <= length && block[at] != 0; at += 32, ++entries)
        if (!IsRootEntry(block + at)) {
            why = "the root cluster holds no directory entry at byte " + std::to_string(at);
            return false;
        }
    if (requireEntry && entries == 0) {
        why = "the root cluster is empty";
        return false;
    }
    return true;
}

}

bool FAT32GeometryHolds(Utils::PartReader& reader, const VolumeGeometry& g, std::string& why)
{
    if (g.hasTable) {
        uint8_t entry[4];
        uint32_t media = 0;
        for (uint32_t copy = 0; copy < g.tableCount; ++copy) {
            if (!ReadAt(reader, g.tableStart + copy * g.tableLength, entry, 4, why))
                return false;
            const uint32_t first = EntryU32(entry) & 0x0FFFFFFF;
            if ((first & 0x0FFFFF00) != 0x0FFFFF00 || (first & 0xFF) < 0xF0 || (copy > 0 && first != media)) {
                why = "FAT " + std::to_string(copy + 1) + " does not begin with the media entry";
                return false;
            }
            media = first;
        }
        if (!ReadAt(reader, g.tableStart + 4 * uint64_t{g.rootCluster}, entry, 4, why))
            return false;
        const uint32_t next = EntryU32(entry) & 0x0FFFFFFF;
        if (next == 0 || next == 0x0FFFFFF7 || (next < 0x0FFFFFF8 && next >= ClusterLimit(g))) {
            why = "the FAT does not hold the root cluster " + std::to_string(g.rootCluster);
            return false;
        }
    }
    std::vector<uint8_t> block(static_cast<size_t>(std::min<uint64_t>(g.clusterSize, rootProbeBytes)), 0);
    const uint64_t root = g.dataStart + (uint64_t{g.rootCluster} - 2) * g.clusterSize;
    if (!ReadAt(reader, root, block.data(), static_cast<uint32_t>(block.size()), why))
        return false;
    return ReadsAsRoot(block.data(), block.size(), !g.hasTable, why);
}

bool ExFATGeometryHolds(Utils::PartReader& reader, const VolumeGeometry& g, std::string& why)
{
    if (g.hasTable) {
        uint8_t entry[4];
        if (!ReadAt(reader, g.tableStart, entry, 4, why))
            return false;
        if ((EntryU32(entry) & 0xFFFFFF00) != 0xFFFFFF00) {
            why = "the FAT does not begin with the media entry";
            return false;
        }
    }
    std::vector<uint8_t> block(static_cast<size_t>(std::min<uint64_t>(g.clusterSize, rootProbeBytes)), 0);
    const uint64_t root = g.dataStart + (uint64_t{g.rootCluster} - 2) * g.clusterSize;
    if (!ReadAt(reader, root, block.data(), static_cast<uint32_t>(block.size()), why))
        return false;
    bool bitmap = false;
    bool upcase = false;
    for (size_t at = 0; at + 32 <= block.size() && block[at] != 0; at += 32) {
        const uint8_t* e = block.data() + at;
        const uint64_t first = EntryU32(e + 20);
        const uint64_t length = EntryU64(e + 24);
        const bool inHeap = first >= 2 && first < ClusterLimit(g);
        if (e[0] == 0x81 && inHeap && length >= (g.clusterCount + 7) / 8)
            bitmap = true;
        else if (e[0] == 0x82 && inHeap && length != 0 && length <= 2 * 65536)
            upcase = true;
    }
    if (!bitmap || !upcase) {
        why = std::string("the root cluster holds no ") + (bitmap ? "up-case table" : "allocation bitmap") + " entry";
        return false;
    }
    return true;
}

}
