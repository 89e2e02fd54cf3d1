#include "DeepScan/DeepScanManager.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DeepScan/Carving/SignatureTable.h"
#include "Utils/PartReader.h"
#include "Utils/ThreadPool.h"

#include <algorithm>
#include <cmath>

static constexpr const char* LogSource = "src/DeepScan/DeepScanManager";

namespace {
// Chunks read ahead of the sequential carving.
constexpr size_t readAhead = 4;
}

DeepScanManager::DeepScanManager(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback)
    : DataRecoveryEntity(std::move(info), std::move(callback)),
      volumeRecord(volume),
      volumeLength(volume.length),
      reader(std::make_shared<Utils::PartReader>(volume.devicePath, volume.offset, volume.length)),
      runner(volume.length)
{
    scanSize = volumeLength;
}

DeepScanManager::~DeepScanManager() = default;

std::string DeepScanManager::CarvedName(int32_t typeId, uint64_t start)
{
    const auto extension = TypeExtension(typeId);
    if (!extension)
        return {};
    const std::string ext(*extension);
    return ext + "_" + std::to_string(start) + "." + ext;
}

void DeepScanManager::Report(const std::vector<DeepScan::CarvedFile>& files, bool inTypeFolder)
{
    if (!reportCallback)
        return;
    for (const auto& file : files) {
        const std::string name = CarvedName(file.typeId, file.start);
        if (name.empty())
            continue;
        const std::string path = inTypeFolder ? std::string(*TypeExtension(file.typeId)) + "/" + name : name;
        const DataRun run{file.start, file.size};
        auto record = MakeDataRecoveryInfo(CarvedFile);
        record.diskIndex = info.diskIndex;
        record.volIndex = info.volIndex;
        record.fileSize = file.size;
        record.runs = &run;
        record.runCount = 1;
        record.path = path.c_str();
        record.pathLength = static_cast<uint16_t>(path.size());
        record.deletedState = 1;
        record.pathState = 2;
        reportCallback(record);
    }
}

void DeepScanManager::Progress(uint64_t position)
{
    if (!reportCallback || volumeLength == 0)
        return;
    const double percentage = std::min(100.0, std::floor(static_cast<double>(position) * 100.0 / volumeLength));
    if (percentage == lastPercentage)
        return;
    lastPercentage = percentage;
    auto record = MakeDataRecoveryInfo(DeepScanProgress);
    record.diskIndex = info.diskIndex;
    record.volIndex = info.volIndex;
    record.progress = percentage * 0.01;
    reportCallback(record);
}

void DeepScanManager::BeginCarving(std::shared_ptr<Thread::ThreadPool> workers, SharedRunState runState)
{
    parallel.reset();
    if (!workers)
        workers = std::make_shared<Thread::ThreadPool>(CarveWorkers());
    parallel = std::make_unique<DeepScan::ParallelCarver>(*reader, volumeLength, chunkSize, std::move(workers),
                                                          runState ? runState : scanState);
    VLOG_INFO("Carving with %zu workers.", parallel->Workers());
}

void DeepScanManager::CarveChunk(DeepScan::SharedChunk chunk, std::vector<bool> startAllowed)
{
    if (!parallel)
        BeginCarving();
    parallel->Add(std::move(chunk), std::move(startAllowed));
    Report(parallel->TakeReady(), false);
}

void DeepScanManager::EndCarving()
{
    if (!parallel)
        return;
    Report(parallel->Finish(), false);
    parallel.reset();
}

void DeepScanManager::AbandonCarving()
{
    parallel.reset();
}

void DeepScanManager::CarveWholeVolume(DeepScan::CarveRunner& carver, bool inTypeFolder)
{
    DeepScan::ChunkReader chunks(*reader, volumeLength, chunkSize, readAhead);
    while (const auto chunk = chunks.Next().chunk) {
        PollRunState(*scanState);
        Progress(chunk->offset);
        carver.Feed(chunk->offset, chunk->bytes);
        Report(carver.TakeReady(), inTypeFolder);
    }
    Report(carver.Finish(), inTypeFolder);
}

int DeepScanManager::Start()
{
    VLOG_INFO("DeepScanManager::Start()...");
    DeepScan::CarveRunner carver(volumeLength, true);
    CarveWholeVolume(carver, true);
    VLOG_INFO("DeepScanManager::Start() scan end.");
    return 0;
}

int DeepScanManager::Start(const std::string&)
{
    return Start();
}

int DeepScanManager::ScanStructure(int64_t)
{
    return 0;
}

int DeepScanManager::ScanBlock(uint64_t offset, const uint8_t* block, size_t length)
{
    // Blocks must follow one another; a gap restarts nothing but is logged.
    if (offset != blockFeedOffset)
        VLOG_ERROR("DeepScanManager::ScanBlock: block at %llu follows %llu.", static_cast<unsigned long long>(offset),
                   static_cast<unsigned long long>(blockFeedOffset));
    blockFeedOffset = offset + length;
    if (!block || length == 0)
        return 0;
    runner.Feed(offset, std::span<const uint8_t>(block, length));
    Report(runner.TakeReady(), false);
    return 0;
}

int DeepScanManager::ScanRaw()
{
    VLOG_INFO("ScanRaw...");
    try {
        auto workers = std::make_shared<Thread::ThreadPool>(CarveWorkers());
        BeginCarving(workers);
        DeepScan::ChunkReader chunks(*reader, volumeLength, chunkSize, workers->WorkerCount() + 2, workers);
        while (auto chunk = chunks.Next().chunk) {
            PollRunState(*scanState);
            Progress(chunk->offset);
            CarveChunk(std::move(chunk), {});
        }
        EndCarving();
    } catch (...) {
        AbandonCarving();
        throw;
    }
    VLOG_INFO("ScanRaw End.");
    return 0;
}

int DeepScanManager::AfterScanRaw()
{
    return 0;
}

int64_t DeepScanManager::GetRootInode()
{
    return 0;
}

bool DeepScanManager::GetClusterState(uint64_t, uint64_t* length)
{
    if (length)
        *length = 0;
    return false;
}

int DeepScanManager::GetFileSystemType()
{
    return 3;
}

std::shared_ptr<Utils::PartReader> DeepScanManager::GetReader()
{
    return reader;
}

Utils::PartReader* DeepScanManager::GetRawReader()
{
    return reader.get();
}

void DeepScanManager::FinishScan()
{
    AbandonCarving();
}
