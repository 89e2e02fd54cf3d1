#include "NTFS/IndexEntry.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/UpdateSequence.h"

#include <algorithm>
#include <cstring>

namespace NTFS {

IndexEntry::IndexEntry(const uint8_t* entry, uint64_t length, const std::string& indexName) : indexName(indexName)
{
    const size_t L = static_cast<size_t>(length);
    if (L < 17)
        return;
    subNodeVcn = U64(entry, L, L - 8);
    if (L < 84) {
        fileReference = U64(entry, L, 0);
        entryFlags = static_cast<int16_t>(U16(entry, L, 12));
        return;
    }
    if (indexName == "$I30") {
        fileReference = U64(entry, L, 0);
        parentRecord = U64(entry, L, 16) & RecordNumberMask;
        parentSequence = static_cast<uint16_t>(U64(entry, L, 16) >> 48);
        nameSpace = entry[81];
        fileAttributes = U32(entry, L, 72);
        entryFlags = static_cast<int16_t>(U16(entry, L, 12));
        name = ReadUtf16(entry, L, 82, entry[80]);
        // A zero unit ends the name; what follows it is not part of it.
        const auto zero = name.find(u'\0');
        if (zero != std::u16string::npos)
            std::fill(name.begin() + zero, name.end(), u'\0');
    } else if (indexName == "$R") {
        fileReference = U64(entry, L, 20);
        reparseTag = U32(entry, L, 16);
    }
}

std::vector<EntrySpan> WalkIndexNode(const uint8_t* node, size_t nodeSize, bool fileNameKeys)
{
    std::vector<EntrySpan> entries;
    if (nodeSize < 16)
        return entries;
    const uint64_t first = U32(node, nodeSize, 0);
    const uint64_t end = std::min<uint64_t>(U32(node, nodeSize, 4), nodeSize);
    uint64_t pos = first;
    while (pos < end && end - pos >= 16) {
        const uint8_t* e = node + pos;
        const uint16_t length = U16(e, 16, 8);
        const uint16_t keyLength = U16(e, 16, 10);
        const uint16_t flags = U16(e, 16, 12);
        if (length < 16 || length > end - pos || keyLength > length - 16)
            break;
        if (flags & 2) {
            if (U64(e, 16, 0) != 0)
                entries.push_back({e, length});
            break;
        }
        if (fileNameKeys && (keyLength < 0x42 || 0x52u + 2u * e[0x50] > 16u + keyLength))
            break;
        entries.push_back({e, length});
        pos += length;
    }
    return entries;
}

std::vector<IndexBlockEntries> ParseIndexBlockList(uint8_t* bytes, size_t size, uint32_t step, bool fileNameKeys)
{
    std::vector<IndexBlockEntries> blocks;
    if (step < 512 || step % 512 != 0)
        return blocks;
    for (uint64_t pos = 0; size - pos >= step && pos < size; pos += step) {
        uint8_t* block = bytes + pos;
        if (std::memcmp(block, "INDX", 4) != 0)
            continue;
        try {
            FixupBlock(block, step);
        } catch (const Exceptions::NTFSException&) {
            continue;
        }
        const uint32_t used = U32(block, step, 0x1C);
        const uint32_t allocated = U32(block, step, 0x20);
        if (allocated == 0 || allocated > step - 0x18 || used > allocated)
            continue;
        blocks.push_back({pos / step, U64(block, step, 0x10), WalkIndexNode(block + 0x18, allocated, fileNameKeys)});
    }
    return blocks;
}

std::vector<EntrySpan> ParseIndexBlocks(uint8_t* bytes, size_t size, uint32_t step)
{
    std::vector<EntrySpan> entries;
    for (auto& block : ParseIndexBlockList(bytes, size, step, false))
        entries.insert(entries.end(), block.entries.begin(), block.entries.end());
    return entries;
}

}
