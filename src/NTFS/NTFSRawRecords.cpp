// The allocation bitmap, file records found in free space by the raw pass,
// and the NTFS copy of one run.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/ResidentFixup.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/UpdateSequence.h"
#include "Utils/DataWriter.h"
#include "Utils/FileNameRules.h"
#include "Utils/FileTime.h"
#include "Utils/TextConversion.h"

#include <bit>
#include <cstring>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

void NTFSDataRecovery::ConstructBitmap()
{
    auto mft = explorer->GetMFT();
    auto record = mft->GetRecord(6);
    if (!record)
        throw Exceptions::NTFSException("Failed to read $Bitmap");
    if (record->GetAttributes(NTFS::AttrData, "").empty())
        throw Exceptions::NTFSException("Failed to read bitmap data");
    auto value = record->ReadData("", true);
    bitmap.assign(value->data, value->data + value->length);
}

bool NTFSDataRecovery::GetClusterState(uint64_t position, uint64_t* length)
{
    const uint64_t cluster = position / clusterSize;
    const bool used = cluster / 8 < bitmap.size() && (bitmap[cluster / 8] >> (cluster % 8) & 1);
    if (length)
        *length = used ? clusterSize : 0;
    return used;
}

uint64_t NTFSDataRecovery::GetUsedBytes()
{
    uint64_t bits = 0;
    for (uint8_t byte : bitmap)
        bits += std::popcount(byte);
    return bits * clusterSize;
}

void NTFSDataRecovery::ProcessFoundRecord(NTFS::MFTRecord& record, uint64_t position)
{
    // An extension record is part of its base record's file, not a file.
    if (record.BaseRecord() != 0)
        return;
    auto chosen = record.ChooseFileName();
    if (chosen && (chosen->name.empty() || !Utils::IsValidFileNameW(chosen->name)))
        chosen.reset();
    const bool checked = explorer->GetReader()->geometryChecked;
    if (!checked && chosen && record.RecordNumber() == 0 && chosen->name == u"$MFT" &&
        mftAnchors.size() < maxMftAnchors)
        mftAnchors.push_back(position);
    FileManagerSP::FileNode node;
    node.id = record.RecordNumber();
    node.sequence = record.ReferenceSequence();
    // A lost volume is known only through the records found raw, so their
    // in-use flag tells live files from deleted ones; on a scanned volume a
    // record found raw is an old copy.
    node.deletedState = lostPartitionFlag && record.InUse() ? 0 : 1;
    if (chosen) {
        node.name = Utils::Utf16ToUtf8(chosen->name);
        node.parentId = static_cast<uint32_t>(chosen->parentRecord);
        node.parentSequence = chosen->parentSequence;
    }
    auto data = record.GetAttributes(NTFS::AttrData, "");
    if (data.empty() || (record.Flags() & 2)) {
        if (!chosen)
            return; // a folder without a name holds nothing to list
        node.folderFlag = 1;
        nodeStore.AddNode(node);
        return;
    }
    auto locate = [position](const NTFS::MFTRecord&, uint64_t offset, uint64_t length) {
        return std::vector<DataRun>{{position + offset, length}};
    };
    auto [size, runs] = GetAttributeRuns(data, locate);
    node.size = size;
    node.runs = std::move(runs);
    if (!chosen && node.size == 0)
        return; // nothing to recover, no name to show
    const auto modified = record.StandardModifiedTime();
    node.time = modified ? Utils::FileTimeToUnixTime(*modified)
                         : chosen ? Utils::FileTimeToUnixTime(chosen->modifiedTime) : 0;
    AddRecordReference(record, data, position, node.runs);
    const auto& header = data.front().header;
    const bool live = lostPartitionFlag && record.InUse() && header.nonResident;
    if (!checked && header.nonResident) {
        // Clusters are numbered by a geometry that held no check against the
        // volume: the runs wait for the records to place it.
        if (node.runs.empty() || node.runs.front().length != 0)
            node.runs.clear();
        else
            node.runs.resize(1);
        unplacedFiles.push_back({std::move(node), data.front().record->JoinRuns(data), header.realSize,
                                 header.initializedSize, position, chosen.has_value(), live});
        return;
    }
    ListFoundFile(std::move(node), record.RecordNumber(), chosen.has_value(), live);
}

void NTFSDataRecovery::ListFoundFile(FileManagerSP::FileNode node, uint64_t record, bool named, bool live)
{
    if (named) {
        KeepFile(std::move(node), record, live);
        return;
    }
    // Its folder's index may still name it (NameNamelessFiles).
    std::lock_guard lock(liveMutex);
    namelessFiles.push_back({std::move(node), record, live});
}

int NTFSDataRecovery::ScanBlock(uint64_t offset, const uint8_t* block, size_t length)
{
    try {
        const uint32_t capacity = static_cast<uint32_t>(recordBuffer.size());
        // Only consecutive blocks make one record: a block that starts a record
        // starts gathering afresh, and a gap drops what was gathered.
        if (length >= 4 && std::memcmp(block, "FILE", 4) == 0) {
            recordFilled = 0;
            recordStart = offset;
        } else if (recordFilled == 0 || offset != recordStart + recordFilled) {
            recordFilled = 0;
            return 0;
        }
        const uint32_t take = static_cast<uint32_t>(std::min<uint64_t>(capacity - recordFilled, length));
        std::memcpy(recordBuffer.data() + recordFilled, block, take);
        recordFilled += take;
        if (recordFilled < capacity)
            return 0;
        recordFilled = 0;
        // Through the volume's $MFT, when it could be read: a file of many runs
        // keeps its name and the rest of its runs in extension records that its
        // attribute list names. Runs numbered by an unchecked geometry are not
        // held against the length it guesses: their volume is placed later.
        auto* reader = explorer->GetReader().get();
        NTFS::MFTRecord record(recordBuffer.data(), explorer->mft.get(), reader->geometryChecked ? reader : nullptr,
                               false, capacity);
        ProcessFoundRecord(record, recordStart);
    } catch (const std::exception& e) {
        recordFilled = 0;
        VLOG_INFO("NTFS Scan Exception: %s", e.what());
    }
    return 0;
}

int NTFSDataRecovery::AfterScanRaw()
{
    PlaceFoundFiles();
    NameNamelessFiles(true);
    ReleaseLiveFiles(false);
    ReportOversized();
    for (const auto& [path, node] : nodeStore.TakeAllNodes()) {
        PollRunState(*scanState);
        if (node.RunCount() != 0 || (node.size != 0 && node.dataState != DataWhole))
            ReportFileNode(node, path, NtfsFile);
    }
    return 0;
}

int NTFSDataRecovery::ScanRaw()
{
    auto reader = explorer->GetReader();
    const uint64_t volumeLength = reader->Size();
    const uint32_t recordSize = reader->recordSize;
    std::vector<uint8_t> buffer(recordSize);
    uint64_t sinceReport = 0;
    auto lastFlush = std::chrono::steady_clock::now();
    for (uint64_t pos = 0; pos + recordSize <= volumeLength;) {
        PollRunState(*scanState);
        if (std::chrono::steady_clock::now() - lastFlush >= std::chrono::seconds(10)) {
            for (const auto& [path, node] : nodeStore.TakeResolvedNodes(0))
                ReportFileNode(node, path, NtfsFile);
            lastFlush = std::chrono::steady_clock::now();
        }
        ReportRawProgress(pos, volumeLength, GetRawBlockSize(), sinceReport);
        if (GetClusterState(pos, nullptr)) {
            pos = (pos / clusterSize + 1) * clusterSize;
            continue;
        }
        reader->Read(pos, buffer.data(), recordSize);
        if (IsStructureBlock(buffer.data())) {
            try {
                NTFS::MFTRecord record(buffer.data(), nullptr, reader.get(), false, recordSize);
                ProcessFoundRecord(record, pos);
            } catch (const Exceptions::NTFSException& e) {
                VLOG_INFO("NTFS Scan Exception: %s", e.what());
            }
        }
        pos += GetRawBlockSize();
    }
    std::fill(buffer.begin(), buffer.end(), 0);
    return 0;
}

uint64_t NTFSDataRecovery::RecoverRun(Utils::DataWriter* writer, DataRun run, uint64_t written, uint64_t fileSize)
{
    auto reader = explorer->GetReader();
    if (run.offset == sparseRunOffset) {
        // A hole holds no clusters: zeros, up to the file's size.
        const std::vector<char> zeros(64 * 1024, 0);
        for (uint64_t left = std::min(run.length, fileSize - std::min(written, fileSize)); left;) {
            PollRunState(*recoverState);
            const uint64_t n = std::min<uint64_t>(left, zeros.size());
            writer->Write(zeros.data(), n);
            written += n;
            left -= n;
        }
        return written;
    }
    const uint64_t lead = run.offset % reader->sectorSize;
    if (lead == 0)
        return DataRecoveryEntity::RecoverRun(writer, run, written, fileSize);
    // A value resident in a file record: read from its sector start and undo the record's protection.
    if (lead + run.length > NTFS::MFTRecord::maxValueBytes)
        throw Exceptions::NTFSException("Resident run too long.");
    std::vector<uint8_t> bytes(lead + run.length);
    reader->Read(run.offset - lead, bytes.data(), static_cast<uint32_t>(bytes.size()));
    if (bytes.size() >= 512)
        ResidentFixup::ApplyToRecord(bytes.data(), bytes.size());
    writer->Write(reinterpret_cast<const char*>(bytes.data() + lead), run.length);
    written += run.length;
    auto progress = MakeDataRecoveryInfo(RecoverProgress);
    progress.diskIndex = info.diskIndex;
    progress.volIndex = info.volIndex;
    progress.progress = fileSize == 0 ? 1.0 : static_cast<double>(written) / static_cast<double>(fileSize);
    progress.value = written;
    reportCallback(progress);
    std::fill(bytes.begin(), bytes.end(), 0);
    return written;
}
