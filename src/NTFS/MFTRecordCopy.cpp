#include "NTFS/MFTRecordCopy.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <cstring>
#include <iostream>
#include <map>
#include <set>

namespace NTFS {

MFTRecordCopy::MFTRecordCopy(const uint8_t* bytes, std::shared_ptr<NTFSReader> volumeReader, MFT* mft, uint32_t size)
    : reader(std::move(volumeReader))
{
    if (!bytes)
        throw Exceptions::NTFSException("Invalid MFT record header");
    if (!size)
        size = reader ? reader->recordSize : 1024;
    const uint32_t offset = U16(bytes, size, 4);
    const uint32_t count = U16(bytes, size, 6);
    if (offset + count == 0 || offset + 2 * count >= size)
        throw Exceptions::NTFSException("Invalid update offset or size");
    record = std::make_unique<MFTRecord>(const_cast<uint8_t*>(bytes), mft, reader.get(), true, size);
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFTRecordCopy::FindAttribute(uint32_t type, const std::string& name,
                                                                     int occurrence)
{
    // The checked walk ends early at a damaged attribute: say so here.
    const auto& attributes = record->Attributes();
    const size_t end = attributes.empty() ? U16(record->Header(), record->Size(), 0x14)
                                          : attributes.back().offset + attributes.back().length;
    if (end + 4 > record->Size() || U32(record->Header(), record->Size(), end) != AttrEnd)
        throw Exceptions::NTFSException("Invalid attribute record length");
    for (const auto& a : attributes) {
        if (a.type != type || a.name != name)
            continue;
        if (occurrence-- != 0)
            continue;
        auto copy = Utils::MakeBuffer(a.length);
        std::memcpy(copy->data, record->AttributeBytes(a), a.length);
        handedOut.push_back(copy);
        return copy;
    }
    return nullptr;
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFTRecordCopy::ReadAttributeData(const AttributeHeader& attribute, bool trim)
{
    try {
        return record->ReadAttributeData(attribute, trim);
    } catch (const Exceptions::NTFSException& e) {
        if (std::strcmp(e.what(), "attribute data Invalid read file size.") == 0)
            std::cout << "[!] Invalid read file size" << std::endl;
        else
            std::cout << "[!] ReadFile failed" << std::endl;
    } catch (const Exceptions::DiskException&) {
        std::cout << "[!] ReadFile failed" << std::endl;
    }
    return nullptr;
}

std::u16string MFTRecordCopy::GetFileName()
{
    for (const auto& a : record->Attributes())
        if (a.type == AttrFileName && (a.nonResident || a.valueOffset + 68u >= a.length))
            throw Exceptions::NTFSException("Invalid attribute name offset or length");
    return record->GetFileName();
}

void MFTRecordCopy::CheckIndexRoot()
{
    const AttributeHeader* root = record->FindAttribute(AttrIndexRoot, "$I30", 0);
    if (!root)
        return;
    auto value = record->ReadAttributeData(*root, true);
    const uint32_t first = value->length >= 0x14 ? U32(value->data, value->length, 0x10) : 0;
    if (static_cast<uint32_t>(first + 32) == 0 || first + 32ull >= value->length)
        throw Exceptions::NTFSException("Invalid attribute index root entry offset");
}

std::vector<std::shared_ptr<IndexEntry>> MFTRecordCopy::GetIndexEntries()
{
    CheckIndexRoot();
    return record->GetIndexEntries();
}

std::vector<std::shared_ptr<IndexEntry>> MFTRecordCopy::GetIndexEntriesInOrder()
{
    CheckIndexRoot();
    std::vector<std::shared_ptr<IndexEntry>> ordered;
    auto roots = record->GetAttributes(AttrIndexRoot, "$I30");
    if (roots.empty())
        return ordered;
    auto rootValue = record->ReadAttributeValue({roots.front()}, true);
    std::map<uint64_t, std::vector<EntrySpan>> blocks;
    std::shared_ptr<Utils::Buffer<uint8_t>> allocation;
    std::set<uint64_t> sound; // blocks whose magic, fix-up and header passed
    auto pieces = record->GetAttributes(AttrIndexAllocation, "$I30");
    if (!pieces.empty()) {
        allocation = record->ReadAttributeValue(pieces, true);
        uint32_t step = U32(rootValue->data, rootValue->length, 0x08);
        for (const auto& block : ParseIndexBlockList(allocation->data, allocation->length, step, true))
            sound.insert(block.position);
    }
    std::set<uint64_t> visited;
    // Each sub-node is entered once, so a loop of VCNs cannot recurse for ever.
    auto walk = [&](auto&& self, const std::vector<EntrySpan>& node) -> void {
        for (const auto& span : node) {
            const uint16_t flags = U16(span.data, span.length, 12);
            if (flags & 1) {
                const uint64_t vcn = U64(span.data, span.length, span.length - 8);
                auto child = blocks.find(vcn);
                if (child != blocks.end() && visited.insert(vcn).second)
                    self(self, child->second);
            }
            if (!(flags & 2))
                ordered.push_back(std::make_shared<IndexEntry>(span.data, span.length, "$I30"));
        }
    };
    // The walk wants the closing entries too: they carry the last sub-node.
    auto withLast = [](const uint8_t* node, size_t size) {
        std::vector<EntrySpan> spans;
        const uint64_t end = std::min<uint64_t>(U32(node, size, 4), size);
        for (uint64_t pos = U32(node, size, 0); pos < end && end - pos >= 16;) {
            const uint16_t length = U16(node + pos, 16, 8);
            if (length < 16 || length > end - pos)
                break;
            spans.push_back({node + pos, length});
            if (U16(node + pos, 16, 12) & 2)
                break;
            pos += length;
        }
        return spans;
    };
    if (allocation) {
        const uint32_t step = U32(rootValue->data, rootValue->length, 0x08);
        for (uint64_t pos = 0; step >= 512 && allocation->length - pos >= step; pos += step) {
            const uint8_t* block = allocation->data + pos;
            if (sound.count(pos / step))
                blocks[U64(block, step, 0x10)] = withLast(block + 0x18, step - 0x18);
        }
    }
    walk(walk, withLast(rootValue->data + 0x10, rootValue->length - 0x10));
    return ordered;
}

}
