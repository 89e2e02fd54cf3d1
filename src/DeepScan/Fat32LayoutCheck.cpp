#include "DeepScan/Fat32LayoutCheck.h"

#include "DeepScan/Carving/ByteOrder.h"
#include "Utils/DataRecognize.h"
#include "Utils/PartReader.h"

#include <array>

namespace DeepScan {

namespace {
constexpr uint64_t blockSize = 512;
// Folders looked up per block: enough to tell a layout, few enough to stay cheap.
constexpr size_t maxLookups = 8;

uint64_t EntryCluster(std::span<const uint8_t> block, size_t at)
{
    return uint64_t{Carving::LE16(block, at + 20)} << 16 | Carving::LE16(block, at + 26);
}
}

std::optional<uint64_t> ClusterLayout::PositionOf(uint64_t cluster) const
{
    if (clusterSize == 0 || cluster < 2 || cluster - 2 > (UINT64_MAX - dataStart) / clusterSize)
        return std::nullopt;
    return dataStart + (cluster - 2) * clusterSize;
}

Fat32FolderEntries ReadFat32FolderEntries(std::span<const uint8_t> block)
{
    Fat32FolderEntries entries;
    for (size_t at = 0; at + 32 <= block.size(); at += 32) {
        const uint8_t first = block[at];
        const uint8_t attribute = block[at + 11];
        if (first == 0)
            break;
        if (first == 0xE5 || attribute == 0x0F || (attribute & 0x08) || !(attribute & 0x10))
            continue;
        const bool dot = first == '.' && block[at + 1] == ' ';
        const bool dotDot = first == '.' && block[at + 1] == '.' && block[at + 2] == ' ';
        if (dot)
            entries.self = EntryCluster(block, at);
        else if (dotDot)
            entries.parent = EntryCluster(block, at);
        else if (const uint64_t cluster = EntryCluster(block, at); cluster >= 2)
            entries.subfolders.push_back(cluster);
    }
    return entries;
}

Fat32LayoutCheck::Fat32LayoutCheck(Utils::PartReader& reader, uint64_t volumeLength, Utils::DataRecognize& recogniser)
    : reader(reader), volumeLength(volumeLength), recogniser(recogniser)
{
}

std::optional<Fat32FolderEntries> Fat32LayoutCheck::StartAt(uint64_t position) const
{
    std::array<uint8_t, blockSize> block{};
    if (!reader.Read(position, block.data(), blockSize) ||
        !recogniser.IsDirectoryStart(position, block.data(), block.size()))
        return std::nullopt;
    return ReadFat32FolderEntries(block);
}

LayoutEvidence Fat32LayoutCheck::Check(const ClusterLayout& layout, std::span<const uint8_t> block) const
{
    const auto entries = ReadFat32FolderEntries(block);
    std::vector<uint64_t> named = entries.subfolders;
    if (named.size() > maxLookups)
        named.resize(maxLookups);
    // The root (parent 0) has no start of its own to look at.
    if (entries.parent >= 2)
        named.push_back(entries.parent);
    LayoutEvidence evidence;
    for (const uint64_t cluster : named) {
        const auto position = layout.PositionOf(cluster);
        if (!position || volumeLength < blockSize || *position > volumeLength - blockSize) {
            ++evidence.contradicted;
            continue;
        }
        if (const auto start = StartAt(*position)) {
            if (start->self == cluster)
                ++evidence.confirmed;
            else
                ++evidence.contradicted;
        }
    }
    return evidence;
}

}
