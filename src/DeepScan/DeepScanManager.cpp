#include "DeepScan/DeepScanManager.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DeepScan/Carving/SignatureTable.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cmath>

static constexpr const char* LogSource = "src/DeepScan/DeepScanManager";

namespace {
// Large reads go straight to the device; the carves see them as one stretch.
constexpr uint64_t readChunk = 1 << 20;
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

void DeepScanManager::CarveBytes(uint64_t offset, std::span<const uint8_t> bytes, const std::vector<bool>& startAllowed)
{
    runner.Feed(offset, bytes, startAllowed);
    Report(runner.TakeReady(), false);
}

void DeepScanManager::EndCarving()
{
    Report(runner.Finish(), false);
}

void DeepScanManager::CarveWholeVolume(DeepScan::CarveRunner& carver, bool inTypeFolder)
{
    std::vector<uint8_t> buffer(readChunk);
    for (uint64_t position = 0; position < volumeLength; position += readChunk) {
        PollRunState(*scanState);
        const auto length = static_cast<uint32_t>(std::min<uint64_t>(readChunk, volumeLength - position));
        reader->Read(position, buffer.data(), length);
        Progress(position);
        carver.Feed(position, std::span<const uint8_t>(buffer.data(), length));
        Report(carver.TakeReady(), inTypeFolder);
    }
    Report(carver.Finish(), inTypeFolder);
    std::fill(buffer.begin(), buffer.end(), 0);
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
    CarveBytes(offset, std::span<const uint8_t>(block, length), {});
    return 0;
}

int DeepScanManager::ScanRaw()
{
    VLOG_INFO("ScanRaw...");
    DeepScan::CarveRunner carver(volumeLength);
    CarveWholeVolume(carver, false);
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
}
