#include "DataRecovery/DataRecoveryEntity.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Utils/DataWriter.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <vector>

static constexpr const char* LogSource = "src/DataRecovery/DataRecoveryEntity";

namespace {
bool SameRun(const DataRun& a, const DataRun& b)
{
    return a.offset == b.offset && a.length == b.length;
}
bool SameRuns(const std::vector<DataRun>& a, const std::vector<DataRun>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameRun);
}
}

DataRecoveryEntity::DataRecoveryEntity(DiskAndVolumeInfo info, DataRecoveryCallback callback)
    : Velmora(std::move(info), std::move(callback))
{
}

DataRecoveryEntity::~DataRecoveryEntity() = default;

int DataRecoveryEntity::RecoverData(const std::string&, const DataRecoveryInfo&)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int DataRecoveryEntity::RecoverData(const std::string&, const std::vector<DataRecoveryInfo>&)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int DataRecoveryEntity::RecoverToMemory(char*, size_t*, const DataRecoveryInfo&)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int DataRecoveryEntity::Scan(int64_t inode)
{
    const int code = ScanStructure(inode);
    FlushNodes();
    if (code != 0) {
        VLOG_INFO("ScanStructure returned error code: %d", code);
        return code;
    }
    FinishScan();
    return 0;
}

uint64_t DataRecoveryEntity::RecoverRun(Utils::DataWriter* writer, DataRun run, uint64_t written, uint64_t fileSize)
{
    auto reader = GetReader();
    if (!reader)
        throw Exceptions::ExceptionCommon("Engine has no reader.");
    std::vector<char> staging;
    uint64_t pos = 0;
    while (pos < run.length) {
        PollRunState(*recoverState);
        const uint64_t chunk = std::max<uint64_t>(reader->GetBufferSize(), 512);
        const uint64_t n = std::min(run.length - pos, chunk);
        const uint64_t toWrite = written + n > fileSize ? fileSize - std::min(written, fileSize) : n;
        if (toWrite > 0) {
            staging.assign(toWrite, 0);
            reader->Read(run.offset + pos, staging.data(), static_cast<uint32_t>(toWrite));
            writer->Write(staging.data(), toWrite);
            writer->Flush();
            written += toWrite;
        }
        auto info = MakeDataRecoveryInfo(RecoverProgress);
        info.diskIndex = this->info.diskIndex;
        info.volIndex = this->info.volIndex;
        info.progress = fileSize == 0 ? 1.0 : static_cast<double>(written) / static_cast<double>(fileSize);
        info.value = written;
        reportCallback(info);
        pos += chunk;
    }
    return written;
}

uint32_t DataRecoveryEntity::GetRawBlockSize()
{
    return 4096;
}

uint64_t DataRecoveryEntity::GetDataAreaOffset()
{
    return 0;
}

uint64_t ReadAheadSizeFor(uint64_t usedBytes, uint64_t volumeLength)
{
    const uint64_t defaultSize = Utils::GetDefaultBufferSize();
    if (volumeLength == 0)
        return defaultSize;
    // More used bytes than the volume holds would make the fraction negative.
    const double unused = std::clamp(1.0 - static_cast<double>(usedBytes) / static_cast<double>(volumeLength), 0.0, 1.0);
    uint64_t size = static_cast<uint64_t>(static_cast<double>(defaultSize) * unused);
    size = (size + 1023) & ~uint64_t{1023};
    return std::max<uint64_t>(size, 524288);
}

void DataRecoveryEntity::AdjustReadAhead()
{
    const uint64_t size = ReadAheadSizeFor(GetUsedBytes(), scanSize);
    auto reader = GetReader();
    if (reader)
        reader->SetBufferSize(size);
}

bool DataRecoveryEntity::IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length)
{
    return recogniser && recogniser->IsDirectoryBlock(position, block, length);
}

bool DataRecoveryEntity::IsStructureBlock(const uint8_t*)
{
    return false;
}

bool DataRecoveryEntity::MarksInUse(uint64_t)
{
    return false;
}

uint32_t DataRecoveryEntity::GetVolumeSerial()
{
    return 0;
}

uint64_t DataRecoveryEntity::GetDataStartOffset()
{
    return 0;
}

uint64_t DataRecoveryEntity::GetVolumeOffset()
{
    return 0;
}

uint32_t DataRecoveryEntity::GetFileInfoKind()
{
    return NtfsFile;
}

uint64_t DataRecoveryEntity::GetUsedBytes()
{
    return 0;
}

void DataRecoveryEntity::FlushNodes()
{
    const auto nodes = nodeStore.TakeAllNodes();
    const int kind = static_cast<int>(GetFileInfoKind());
    for (const auto& [path, node] : nodes) {
        PollRunState(*scanState);
        if (node.RunCount() != 0)
            ReportFileNode(node, path, kind);
    }
    nodeStore.ClearPending();
}

bool DataRecoveryEntity::RecoverFromRecord(Utils::DataWriter&, const DataRecoveryInfo&,
                                           const std::function<void(uint64_t)>&)
{
    return false;
}

std::vector<DataRun> MergeAdjacentRuns(const std::vector<DataRun>& runs)
{
    std::vector<DataRun> merged;
    merged.reserve(runs.size());
    for (const auto& run : runs) {
        const auto& last = merged.empty() ? run : merged.back();
        const bool holes = last.offset == DataRecoveryEntity::sparseRunOffset && run.offset == DataRecoveryEntity::sparseRunOffset;
        // A hole joins only a hole; a record reference (length 0) joins nothing.
        const bool adjacent = holes || (last.offset != DataRecoveryEntity::sparseRunOffset &&
                                        run.offset != DataRecoveryEntity::sparseRunOffset &&
                                        last.length != 0 && last.offset + last.length == run.offset);
        if (!merged.empty() && run.length != 0 && adjacent && last.length + run.length >= last.length)
            merged.back().length += run.length;
        else
            merged.push_back(run);
    }
    return merged;
}

size_t Utf8PrefixLength(const std::string& text, size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    size_t length = limit;
    // Step back over continuation bytes (10xxxxxx) to the start of a character.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}

void DataRecoveryEntity::ReportFileNode(const FileManagerSP::FileNode& node, const std::string& path, int kind)
{
    std::vector<DataRun> runs = node.runs.size() > maxRecordRuns ? MergeAdjacentRuns(node.runs) : node.runs;
    const size_t pathLength = Utf8PrefixLength(path, maxRecordPath);
    if (runs.size() > maxRecordRuns) {
        // The record's count is 8-bit: it carries the first runs, and the
        // recovery asks this engine for the rest by node id and path.
        VLOG_DEBUG("File with %zu runs, record carries %zu; full list kept for recovery.", runs.size(),
                  maxRecordRuns);
        std::lock_guard lock(longRunsMutex);
        auto& lists = longRunLists[{node.id, path.substr(0, pathLength)}];
        if (std::none_of(lists.begin(), lists.end(), [&](const auto& list) { return SameRuns(list, runs); }))
            lists.push_back(runs);
    }

    auto info = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    info.diskIndex = this->info.diskIndex;
    info.volIndex = this->info.volIndex;
    info.fileSize = node.size;
    info.modifyTime = node.time;
    info.runs = runs.empty() ? nullptr : runs.data();
    info.path = path.c_str();
    info.nodeId = node.id;
    info.pathLength = static_cast<uint16_t>(pathLength);
    info.runCount = static_cast<uint8_t>(std::min(runs.size(), maxRecordRuns));
    info.lostPartitionNumber = lostPartitionNumber;
    info.deletedState = node.deletedState;
    info.pathState = node.pathState;
    info.lostPartitionFlag = lostPartitionFlag;
    info.dataState = node.dataState;
    reportCallback(info);
}

std::vector<DataRun> DataRecoveryEntity::FullRunList(const DataRecoveryInfo&)
{
    return {};
}

std::optional<std::vector<DataRun>> DataRecoveryEntity::FindFullRunList(uint32_t nodeId, const std::string& path,
                                                                         const DataRun* recordRuns)
{
    std::lock_guard lock(longRunsMutex);
    auto it = longRunLists.find({nodeId, path});
    if (it == longRunLists.end())
        return std::nullopt;
    for (auto list = it->second.rbegin(); list != it->second.rend(); ++list) {
        if (!recordRuns || std::equal(recordRuns, recordRuns + maxRecordRuns, list->begin(), SameRun))
            return *list;
    }
    return std::nullopt;
}

std::optional<std::vector<DataRun>> DataRecoveryEntity::FindFullRunList(const DataRun* recordRuns)
{
    std::lock_guard lock(longRunsMutex);
    for (const auto& [key, lists] : longRunLists)
        for (auto list = lists.rbegin(); list != lists.rend(); ++list)
            if (std::equal(recordRuns, recordRuns + maxRecordRuns, list->begin(), SameRun))
                return *list;
    return std::nullopt;
}

uint64_t DataRecoveryEntity::LostVolumeShift(uint64_t volumeStart) const
{
    if (lostPartitionFlag == 0)
        return 0;
    return volumeStart >= info.startOffset ? volumeStart - info.startOffset : 0;
}

void DataRecoveryEntity::ReportRawProgress(uint64_t position, uint64_t volumeLength, uint64_t step,
                                           uint64_t& sinceReport)
{
    if (volumeLength == 0)
        return;
    if (static_cast<double>(sinceReport) / static_cast<double>(volumeLength) < 0.001) {
        sinceReport += step;
        return;
    }
    sinceReport = 0;
    if (!reportCallback)
        return;
    auto record = MakeDataRecoveryInfo(RawScanProgress);
    record.diskIndex = info.diskIndex;
    record.volIndex = info.volIndex;
    record.progress = static_cast<double>(position) / static_cast<double>(volumeLength);
    reportCallback(record);
}
