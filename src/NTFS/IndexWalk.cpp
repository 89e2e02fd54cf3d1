// A directory's entries: those of $INDEX_ROOT, then those of every INDX block
// in use, in ascending VCN order; the pieces may lie in extension records.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <map>

static constexpr const char* LogSource = "src/NTFS/ntfs_mft_record";

namespace NTFS {

namespace {
bool IsIndexBlockSize(uint32_t size)
{
    return size >= 512 && size <= 65536 && (size & (size - 1)) == 0;
}
}

std::vector<std::shared_ptr<IndexEntry>> MFTRecord::GetIndexEntries() const
{
    std::vector<std::shared_ptr<IndexEntry>> result;
    std::string indexName = "$I30";
    auto root = GetAttributes(AttrIndexRoot, indexName);
    if (root.empty()) {
        indexName = "$R";
        root = GetAttributes(AttrIndexRoot, indexName);
    }
    if (root.empty() || root.front().header.nonResident)
        return result;
    const bool fileNameKeys = indexName == "$I30";
    auto rootValue = ReadAttributeValue({root.front()}, true);
    if (rootValue->length < 0x20)
        return result;
    const uint8_t* value = rootValue->data;
    const size_t valueSize = rootValue->length;
    auto add = [&](const std::vector<EntrySpan>& spans) {
        for (const auto& span : spans)
            result.push_back(std::make_shared<IndexEntry>(span.data, span.length, indexName));
    };
    add(WalkIndexNode(value + 0x10, valueSize - 0x10, fileNameKeys));
    if (!(U8(value, valueSize, 0x1C) & 1))
        return result;

    auto allocation = GetAttributes(AttrIndexAllocation, indexName);
    if (allocation.empty()) {
        VLOG_DEBUG("Attribute $INDEX_ALLOCATION not found");
        return result;
    }
    uint32_t blockSize = U32(value, valueSize, 0x08);
    if (!IsIndexBlockSize(blockSize))
        blockSize = reader ? reader->indexBlockSize : 4096;
    auto blocks = ReadAttributeValue(allocation, true);
    std::shared_ptr<Utils::Buffer<uint8_t>> bitmap;
    auto bitmapPieces = GetAttributes(AttrBitmap, indexName);
    if (!bitmapPieces.empty())
        bitmap = ReadAttributeValue(bitmapPieces, true);
    std::map<uint64_t, std::vector<EntrySpan>> byVcn;
    for (auto& block : ParseIndexBlockList(blocks->data, blocks->length, blockSize, fileNameKeys)) {
        // Blocks the index bitmap marks free hold stale entries.
        if (bitmap && (block.position / 8 >= bitmap->length || !(bitmap->data[block.position / 8] >> (block.position % 8) & 1)))
            continue;
        byVcn[block.vcn] = std::move(block.entries);
    }
    for (const auto& [vcn, spans] : byVcn)
        add(spans);
    return result;
}

}
