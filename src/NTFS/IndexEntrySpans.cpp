#include "NTFS/IndexEntrySpans.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/UpdateSequence.h"

namespace NTFS {

std::shared_ptr<Utils::Buffer<uint8_t>> ReadRunsData(const std::vector<DataRun>& runs, uint64_t allocated,
                                                     uint64_t real, std::shared_ptr<NTFSReader> reader)
{
    CheckRunsInsideVolume(runs, reader->totalClusters ? reader->totalClusters : reader->Size() / reader->clusterSize);
    if (RunClusters(runs) * reader->clusterSize != allocated)
        throw Exceptions::NTFSException("Invalid allocated length.");
    if (allocated > MFTRecord::maxValueBytes || real > allocated)
        throw Exceptions::NTFSException("Attribute value too large.");
    auto block = Utils::MakeBuffer(static_cast<uint32_t>(allocated));
    if (allocated && !block->data)
        throw Exceptions::NTFSException("Out of memory for an attribute value.");
    ReadRunBytes(*reader, runs, 0, block->data, allocated);
    return block;
}

IndexEntrySpans ReadIndexEntries(const FileRecordView& record, std::shared_ptr<MFT> mft,
                                 std::shared_ptr<NTFSReader> reader)
{
    IndexEntrySpans result;
    const auto roots = record.AttributesOfType(AttrIndexRoot);
    if (roots.empty()) {
        const auto lists = record.AttributesOfType(AttrAttributeList);
        if (lists.empty() || !mft)
            return result;
        const ByteSpan list = AttributeView::FromSpan(lists.front()).ResidentContent();
        for (const auto& e : ParseAttributeList(list.data(), list.size())) {
            if (e.type != AttrIndexRoot || e.recordNumber == record.RecordNumber())
                continue;
            auto bytes = mft->ReadRecord(e.recordNumber);
            ApplyUpdateSequence(bytes->data, bytes->length);
            auto followed = FileRecordView::Parse(bytes);
            auto inner = ReadIndexEntries(followed, mft, reader);
            inner.keepAlive.push_back(bytes);
            return inner;
        }
        return result;
    }
    AttributeView rootView = AttributeView::FromSpan(roots.front());
    const ByteSpan root = rootView.IndexRootContent();
    const bool fileNameKeys = U32(root.data(), root.size(), 0) == AttrFileName;
    result.entries = WalkIndexNode(root.data() + 0x10, root.size() - 0x10, fileNameKeys);
    result.storage = rootView;

    const auto allocations = record.AttributesOfType(AttrIndexAllocation);
    if (allocations.empty())
        return result;
    AttributeView allocationView = AttributeView::FromSpan(allocations.front());
    const ByteSpan runList = allocationView.NonResidentContent();
    const ByteSpan header = allocationView.HeaderBytes();
    auto data = ReadRunsData(DecodeRunList(runList.data(), runList.size()), U64(header.data(), header.size(), 0x28),
                             U64(header.data(), header.size(), 0x30), reader);
    uint32_t step = U32(root.data(), root.size(), 0x08);
    if (step < 512 || step > 65536 || (step & (step - 1)) != 0)
        step = reader->indexBlockSize;
    const auto blockEntries = ParseIndexBlocks(data->data, data->length, step);
    result.entries.insert(result.entries.end(), blockEntries.begin(), blockEntries.end());
    result.keepAlive.push_back(data);
    return result;
}

}
