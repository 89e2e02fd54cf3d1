// Recovery of files whose bytes are not a copy of their runs: compressed and
// system-compressed files, and files of more runs than a record carries, are
// decoded from their file record, found again by its volume offset.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "Utils/DataWriter.h"

#include <algorithm>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

namespace {

constexpr uint32_t recoverChunk = 1u << 20;

}

void NTFSDataRecovery::AddRecordReference(const NTFS::MFTRecord& record,
                                          const std::vector<NTFS::AttributePiece>& data, uint64_t recordOffset,
                                          std::vector<DataRun>& runs)
{
    bool decoded = false;
    try {
        const bool compressed = !data.empty() && data.front().header.nonResident && (data.front().header.flags & 1);
        decoded = compressed || record.GetWofAlgorithm().has_value() ||
                  (runs.size() > maxRecordRuns && MergeAdjacentRuns(runs).size() > maxRecordRuns);
    } catch (const std::exception& e) {
        VLOG_INFO("NTFS record %u: data kind unknown (%s).", record.RecordNumber(), e.what());
        // Copying runs of a file that may be compressed could hand out compressed bytes.
        decoded = true;
    }
    if (!decoded || recordOffset == 0)
        return;
    std::vector<DataRun> reference{{recordOffset, 0}};
    AddVolumeOffset(reference);
    runs.insert(runs.begin(), reference.front());
}

std::shared_ptr<NTFS::MFTRecord> NTFSDataRecovery::RecordAtOffset(uint64_t offset)
{
    auto reader = explorer->GetReader();
    auto mft = explorer->GetMFT();
    // The reference was shifted as the runs were (AddVolumeOffset).
    const uint64_t shift = RunShift();
    if (offset < shift)
        throw Exceptions::NTFSException("The file's record lies outside the volume.");
    offset -= shift;
    const uint64_t recordSize = reader->recordSize;
    uint64_t vcn = 0;
    for (const auto& run : mft->runs) {
        const uint64_t first = static_cast<uint64_t>(run.lcn) * clusterSize;
        if (!run.sparse && offset >= first && offset - first < run.length * clusterSize) {
            const uint64_t stream = vcn * clusterSize + (offset - first);
            if (stream % recordSize != 0)
                throw Exceptions::NTFSException("The file's record reference does not start a record.");
            auto record = mft->GetRecord(stream / recordSize);
            if (!record)
                throw Exceptions::NTFSException("The file's record cannot be read.");
            return record;
        }
        vcn += run.length;
    }
    // A record that the raw search found in free space.
    if (offset > reader->Size() || reader->Size() - offset < recordSize)
        throw Exceptions::NTFSException("The file's record lies outside the volume.");
    auto bytes = Utils::MakeBuffer(static_cast<uint32_t>(recordSize));
    reader->Read(offset, bytes->data, static_cast<uint32_t>(recordSize));
    return std::make_shared<NTFS::MFTRecord>(bytes, mft.get(), reader.get());
}

bool NTFSDataRecovery::RecoverFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file,
                                         const std::function<void(uint64_t)>& progress)
{
    if (file.runCount == 0 || !file.runs)
        return false;
    auto record = RecordAtOffset(file.runs[0].offset);
    if (record->IsDirectory() || record->BaseRecord() != 0 || record->GetDataSize("", true) != file.fileSize) {
        VLOG_ERROR("NTFS record %u changed since the scan; the file is not recovered.", record->RecordNumber());
        throw Exceptions::NTFSException("The file's record changed since the scan.");
    }
    uint64_t written = 0;
    // Decoding stops once the writer is full: a preview of a large compressed
    // file decodes (and reads) only its first units.
    const uint64_t room = writer.Room();
    const uint32_t chunkSize =
        room < recoverChunk ? static_cast<uint32_t>(std::max<uint64_t>(4096, (room + 4095) & ~uint64_t{4095}))
                            : recoverChunk;
    auto chunks = record->ReadDataTrimmed("", chunkSize, false);
    while (writer.Room() > 0 && chunks.Next()) {
        const auto& chunk = chunks.Current();
        writer.Write(reinterpret_cast<const char*>(chunk.data), chunk.length);
        writer.Flush();
        written += chunk.length;
        progress(written);
    }
    if (writer.Room() == 0)
        return true;
    if (written != file.fileSize) {
        VLOG_ERROR("NTFS record %u: data ends after %llu of %llu bytes.", record->RecordNumber(),
                   static_cast<unsigned long long>(written), static_cast<unsigned long long>(file.fileSize));
        throw Exceptions::NTFSException("The file's data ends before its size.");
    }
    return true;
}
