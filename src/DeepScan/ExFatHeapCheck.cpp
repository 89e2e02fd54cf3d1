#include "DeepScan/ExFatHeapCheck.h"

#include "DeepScan/Carving/ByteOrder.h"
#include "Utils/PartReader.h"

#include <vector>

namespace DeepScan {

namespace {

constexpr uint64_t minCluster = 512;
constexpr uint64_t maxCluster = 32 * 1024 * 1024;
constexpr uint64_t maxTable = 128 * 1024; // the up-case table of 65,536 characters
constexpr uint64_t rootGap = 64;          // clusters between the table's end and the root, at most

struct Entry {
    uint64_t cluster = 0;
    uint64_t length = 0;
};

// Whether the bitmap of the layout, of the given first cluster and length, marks every one of the clusters in use.
bool BitmapMarks(Utils::PartReader& reader, uint64_t volumeLength, const ClusterLayout& layout, const Entry& bitmap,
                 const std::vector<uint64_t>& clusters)
{
    const auto at = layout.PositionOf(bitmap.cluster);
    if (!at || *at >= volumeLength)
        return false;
    for (const uint64_t cluster : clusters) {
        const uint64_t bit = cluster - 2;
        uint8_t byte = 0;
        if (bit / 8 >= bitmap.length || *at + bit / 8 >= volumeLength || !reader.Read(*at + bit / 8, &byte, 1) ||
            !(byte >> (bit % 8) & 1))
            return false;
    }
    return true;
}

}

uint32_t ExFatTableChecksum(std::span<const uint8_t> table)
{
    uint32_t checksum = 0;
    for (const uint8_t byte : table)
        checksum = (checksum << 31 | checksum >> 1) + byte;
    return checksum;
}

std::optional<ClusterLayout> ExFatHeapOfRoot(Utils::PartReader& reader, uint64_t volumeLength, uint64_t position,
                                             std::span<const uint8_t> block)
{
    std::optional<Entry> table, bitmap;
    uint32_t checksum = 0;
    for (size_t at = 0; at + 32 <= block.size(); at += 32) {
        const Entry entry{Carving::LE32(block, at + 20), Carving::LE64(block, at + 24)};
        if (block[at] == 0x82 && !table) {
            table = entry;
            checksum = Carving::LE32(block, at + 4);
        } else if (block[at] == 0x81 && !bitmap) {
            bitmap = entry;
        }
    }
    if (!table || !bitmap || table->cluster < 2 || bitmap->cluster < 2 || table->length == 0 ||
        table->length > maxTable || bitmap->length == 0 || position >= volumeLength)
        return std::nullopt;
    std::vector<uint8_t> bytes(table->length);
    for (uint64_t clusterSize = minCluster; clusterSize <= maxCluster; clusterSize *= 2) {
        const uint64_t tableClusters = (table->length + clusterSize - 1) / clusterSize;
        for (uint64_t gap = tableClusters; gap <= tableClusters + rootGap && gap * clusterSize <= position; ++gap) {
            const uint64_t at = position - gap * clusterSize;
            if (table->cluster - 2 > at / clusterSize)
                break;
            uint8_t head[2] = {};
            // Character 0 maps to 0, or a compressed table opens with a run mark.
            if (!reader.Read(at, head, 2) || !((head[0] == 0 && head[1] == 0) || (head[0] == 0xFF && head[1] == 0xFF)))
                continue;
            if (at + bytes.size() > volumeLength || !reader.Read(at, bytes.data(), static_cast<uint32_t>(bytes.size())) ||
                ExFatTableChecksum(bytes) != checksum)
                continue;
            const ClusterLayout layout{at - (table->cluster - 2) * clusterSize, clusterSize};
            std::vector<uint64_t> used = {table->cluster + gap};
            for (uint64_t c = 0; c < tableClusters; ++c)
                used.push_back(table->cluster + c);
            if (BitmapMarks(reader, volumeLength, layout, *bitmap, used))
                return layout;
        }
    }
    return std::nullopt;
}

}
