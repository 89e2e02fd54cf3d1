#include "FAT/CardLayout.h"

#include "FAT/FatImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace FatTest {

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}

uint64_t U64(const std::vector<uint8_t>& b, size_t at)
{
    return uint64_t{U32(b, at)} | uint64_t{U32(b, at + 4)} << 32;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> Components(const std::string& path)
{
    std::vector<std::string> parts;
    std::stringstream split(path);
    for (std::string part; std::getline(split, part, '/');)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

// ASCII characters of UTF-16 units, up to the first 0.
void AppendUnits(std::string& name, const std::vector<uint8_t>& e, std::initializer_list<int> offsets)
{
    for (int at : offsets) {
        const uint16_t c = U16(e, static_cast<size_t>(at));
        if (c == 0 || c == 0xFFFF)
            return;
        name.push_back(static_cast<char>(c));
    }
}

std::string ShortName(const std::vector<uint8_t>& e)
{
    std::string base(e.begin(), e.begin() + 8);
    std::string extension(e.begin() + 8, e.begin() + 11);
    base.erase(base.find_last_not_of(' ') + 1);
    extension.erase(extension.find_last_not_of(' ') + 1);
    return extension.empty() ? base : base + "." + extension;
}

// The entries of a FAT32 directory: (disk offset, 32 bytes) up to its end marker.
std::vector<std::pair<uint64_t, std::vector<uint8_t>>> Fat32Entries(const std::string& disk, const CardLayout& l,
                                                                    uint64_t first)
{
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> entries;
    for (uint64_t cluster : ChainOf(disk, l, first)) {
        const uint64_t at = l.ClusterOffset(cluster);
        const auto bytes = ReadBytes(disk, at, l.clusterSize);
        for (size_t i = 0; i + 32 <= bytes.size(); i += 32) {
            if (bytes[i] == 0)
                return entries;
            entries.push_back({at + i, std::vector<uint8_t>(bytes.begin() + i, bytes.begin() + i + 32)});
        }
    }
    return entries;
}

EntryPlace FindFat32(const std::string& disk, const CardLayout& l, uint64_t folder, const std::string& name)
{
    std::vector<uint64_t> longs;
    std::vector<std::vector<uint8_t>> longEntries;
    for (const auto& [offset, e] : Fat32Entries(disk, l, folder)) {
        if (e[0] == 0xE5) {
            longs.clear();
            longEntries.clear();
            continue;
        }
        if (e[11] == 0x0F) {
            longs.push_back(offset);
            longEntries.push_back(e);
            continue;
        }
        std::string longName;
        for (auto it = longEntries.rbegin(); it != longEntries.rend(); ++it)
            AppendUnits(longName, *it, {1, 3, 5, 7, 9, 14, 16, 18, 20, 22, 24, 28, 30});
        if (SameName(longName, name) || SameName(ShortName(e), name)) {
            EntryPlace place;
            place.offset = offset;
            place.longNames = longs;
            place.firstCluster = uint64_t{U16(e, 20)} << 16 | U16(e, 26);
            place.size = U32(e, 28);
            return place;
        }
        longs.clear();
        longEntries.clear();
    }
    return {};
}

std::vector<uint64_t> ExFatClusters(const std::string& disk, const CardLayout& l, const EntryPlace& folder)
{
    if (!folder.noFatChain)
        return ChainOf(disk, l, folder.firstCluster);
    std::vector<uint64_t> clusters;
    for (uint64_t c = 0; c * l.clusterSize < folder.size; ++c)
        clusters.push_back(folder.firstCluster + c);
    return clusters;
}

EntryPlace FindExFat(const std::string& disk, const CardLayout& l, const EntryPlace& folder, const std::string& name)
{
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> entries;
    for (uint64_t cluster : ExFatClusters(disk, l, folder)) {
        const uint64_t at = l.ClusterOffset(cluster);
        const auto bytes = ReadBytes(disk, at, l.clusterSize);
        for (size_t i = 0; i + 32 <= bytes.size(); i += 32)
            entries.push_back({at + i, std::vector<uint8_t>(bytes.begin() + i, bytes.begin() + i + 32)});
    }
    for (size_t i = 0; i + 2 < entries.size(); ++i) {
        const auto& file = entries[i].second;
        if (file[0] == 0)
            break;
        if (file[0] != 0x85)
            continue;
        const auto& stream = entries[i + 1].second;
        std::string found;
        for (size_t k = i + 2; k < entries.size() && k <= i + file[1]; ++k)
            AppendUnits(found, entries[k].second, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30});
        if (!SameName(found, name))
            continue;
        EntryPlace place;
        place.offset = entries[i].first;
        place.streamOffset = entries[i + 1].first;
        place.firstCluster = U32(stream, 20);
        place.size = U64(stream, 24);
        place.noFatChain = (stream[1] & 2) != 0;
        return place;
    }
    return {};
}

EntryPlace FindPlace(const std::string& disk, const CardLayout& l, const std::string& path)
{
    EntryPlace place;
    place.firstCluster = l.rootCluster;
    for (const auto& part : Components(path)) {
        place = l.exfat ? FindExFat(disk, l, place, part) : FindFat32(disk, l, place.firstCluster, part);
        if (place.offset == 0)
            return place;
    }
    return place;
}

}

CardLayout ReadCardLayout(const std::string& disk, uint64_t volumeStart, bool exfat)
{
    const auto b = ReadBytes(disk, volumeStart, 512);
    CardLayout l;
    l.exfat = exfat;
    l.volumeStart = volumeStart;
    if (exfat) {
        l.sectorSize = uint64_t{1} << b[108];
        l.clusterSize = l.sectorSize << b[109];
        l.fatStart = volumeStart + U32(b, 80) * l.sectorSize;
        l.fatLength = U32(b, 84) * l.sectorSize;
        l.fatCount = b[110];
        l.dataStart = volumeStart + U32(b, 88) * l.sectorSize;
        l.clusterCount = U32(b, 92);
        l.rootCluster = U32(b, 96);
        return l;
    }
    l.sectorSize = U16(b, 11);
    l.clusterSize = l.sectorSize * b[13];
    l.fatStart = volumeStart + U16(b, 14) * l.sectorSize;
    l.fatLength = U32(b, 36) * l.sectorSize;
    l.fatCount = b[16];
    l.dataStart = l.fatStart + l.fatCount * l.fatLength;
    l.clusterCount = (U32(b, 32) * l.sectorSize - (l.dataStart - volumeStart)) / l.clusterSize;
    l.rootCluster = U32(b, 44);
    return l;
}

uint32_t FatEntry(const std::string& disk, const CardLayout& l, uint64_t cluster)
{
    const uint32_t value = U32(ReadBytes(disk, l.EntryOffset(cluster), 4), 0);
    return l.exfat ? value : value & 0x0FFFFFFF;
}

void SetFatEntry(const std::string& disk, const CardLayout& l, uint64_t cluster, uint32_t value)
{
    for (uint64_t copy = 0; copy < std::max<uint64_t>(l.fatCount, 1); ++copy)
        PatchU32(disk, l.EntryOffset(cluster, copy), value);
}

std::vector<uint64_t> ChainOf(const std::string& disk, const CardLayout& l, uint64_t first)
{
    std::vector<uint64_t> chain;
    for (uint64_t c = first; c >= 2 && c < l.clusterCount + 2 && chain.size() <= l.clusterCount;
         c = FatEntry(disk, l, c))
        chain.push_back(c);
    return chain;
}

EntryPlace FindEntry(const std::string& disk, const CardLayout& l, const std::string& path)
{
    const auto place = FindPlace(disk, l, path);
    EXPECT_NE(place.offset, 0u) << path << " not found on " << disk;
    return place;
}

std::vector<uint64_t> DirectoryClusters(const std::string& disk, const CardLayout& l, const std::string& path)
{
    const auto clustersOf = [&](const EntryPlace& place) {
        return l.exfat ? ExFatClusters(disk, l, place) : ChainOf(disk, l, place.firstCluster);
    };
    std::vector<uint64_t> offsets;
    EntryPlace place;
    place.firstCluster = l.rootCluster;
    if (!Components(path).empty())
        place = FindEntry(disk, l, path);
    for (uint64_t cluster : clustersOf(place))
        offsets.push_back(l.ClusterOffset(cluster));
    return offsets;
}

void FixExFatSetChecksum(const std::string& disk, uint64_t fileEntry)
{
    const uint8_t count = ReadBytes(disk, fileEntry + 1, 1).at(0);
    const auto set = ReadBytes(disk, fileEntry, 32 * (size_t{count} + 1));
    uint16_t sum = 0;
    for (size_t i = 0; i < set.size(); ++i) {
        if (i == 2 || i == 3)
            continue;
        sum = static_cast<uint16_t>(((sum & 1) ? 0x8000 : 0) + (sum >> 1) + set[i]);
    }
    Patch(disk, fileEntry + 2, {static_cast<uint8_t>(sum), static_cast<uint8_t>(sum >> 8)});
}

}
