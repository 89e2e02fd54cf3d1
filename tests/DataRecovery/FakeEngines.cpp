#include "DataRecovery/FakeEngines.h"

#include "DataRecovery/RunState.h"
#include "Disk/DiskTable.h"
#include "Utils/PartReader.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace FakeEngines {

namespace {
constexpr uint64_t volumeLength = 64 * 1024;
}

void RunSteps(const Script& script, const std::atomic<int>& state, DataRecoveryInfoKind kind,
              const DiskAndVolumeInfo& info, const DataRecoveryCallback& report, Trace& trace)
{
    const int now = ++trace.running;
    for (int most = trace.mostRunning.load(); now > most && !trace.mostRunning.compare_exchange_weak(most, now);) {
    }
    struct Leave {
        Trace& trace;
        ~Leave() { --trace.running; }
    } leave{trace};
    for (double value : script.progress) {
        PollRunState(state, &trace.pausedPolls);
        auto record = MakeDataRecoveryInfo(kind);
        record.diskIndex = info.diskIndex;
        record.volIndex = info.volIndex;
        record.progress = value;
        report(record);
        ++trace.steps;
        if (script.stepDelay.count() > 0)
            std::this_thread::sleep_for(script.stepDelay);
    }
    while (script.blockUntilStopped) {
        PollRunState(state, &trace.pausedPolls);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (script.fail)
        script.fail();
}

FakeEngine::FakeEngine(DiskAndVolumeInfo info, DataRecoveryCallback callback, Script script, Trace& trace,
                       uint64_t length)
    : DataRecoveryEntity(std::move(info), std::move(callback)), script(std::move(script)), trace(trace)
{
    scanSize = length;
}

int FakeEngine::Start(const std::string& path)
{
    ++trace.pathCalls;
    {
        std::lock_guard lock(trace.mutex);
        trace.paths.push_back(path);
    }
    RunSteps(script, *scanState, StructureScanProgress, info, reportCallback, trace);
    return 0;
}

int FakeEngine::ScanStructure(int64_t)
{
    ++trace.structureCalls;
    RunSteps(script, *scanState, StructureScanProgress, info, reportCallback, trace);
    return structureResult;
}

FakeRawSearch::FakeRawSearch(std::shared_ptr<DataRecoveryEntity> engine, const VolumeInfoItem& volume,
                             DiskAndVolumeInfo info, DataRecoveryCallback callback, Script script, Trace& trace)
    : UnknownDataRecovery(std::move(engine), volume, std::move(info), std::move(callback)),
      script(std::move(script)),
      trace(trace)
{
}

int FakeRawSearch::ScanRaw()
{
    ++trace.rawCalls;
    RunSteps(script, *scanState, RawScanProgress, info, reportCallback, trace);
    return 0;
}

Disk::Disk(const std::vector<std::string>& fileSystems, uint8_t diskIndex)
    : image(dir / "disk.img"), fileSystems(fileSystems), diskIndex(diskIndex)
{
    {
        std::ofstream out(image, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(volumeLength * (fileSystems.size() + 1)) - 1);
        out.put('\0');
    }
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskNumber = diskIndex;
    disk.diskSize = volumeLength * (fileSystems.size() + 1);
    for (size_t i = 0; i < fileSystems.size(); ++i) {
        VolumeInfoItem volume;
        volume.entryKind = VolumeInfoItem::MbrPartition;
        volume.devicePath = image;
        volume.fileSystem = fileSystems[i];
        volume.offset = volumeLength * (i + 1);
        volume.length = volumeLength;
        disk.volumes.push_back(volume);
    }
    auto table = DiskTable::Snapshot();
    std::erase_if(table, [&](const DiskInfoWithVolumes& d) { return d.diskNumber == diskIndex; });
    table.push_back(disk);
    DiskTable::Replace(table);
}

Disk::~Disk()
{
    auto table = DiskTable::Snapshot();
    std::erase_if(table, [&](const DiskInfoWithVolumes& d) { return d.diskNumber == diskIndex; });
    DiskTable::Replace(table);
}

DiskAndVolumeInfo Disk::Record(uint8_t volIndex) const
{
    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.volumeLetter = "V" + std::to_string(volIndex) + ":\\";
    info.fileSystem = fileSystems.at(volIndex);
    info.startOffset = volumeLength * (volIndex + 1);
    info.endOffset = info.startOffset + volumeLength;
    info.deviceSize = volumeLength * (fileSystems.size() + 1);
    info.volumeKind = 2;
    info.diskIndex = diskIndex;
    info.volIndex = volIndex;
    return info;
}

std::vector<DiskAndVolumeInfo> Disk::Records() const
{
    std::vector<DiskAndVolumeInfo> records;
    for (size_t i = 0; i < fileSystems.size(); ++i)
        records.push_back(Record(static_cast<uint8_t>(i)));
    return records;
}

EngineFactory MakeFactory(std::map<uint8_t, VolumeScript> scripts, Trace& trace)
{
    auto shared = std::make_shared<std::map<uint8_t, VolumeScript>>(std::move(scripts));
    EngineFactory factory;
    factory.createFileSystemEngine = [shared, &trace](FileSystemEngineKind, const VolumeInfoItem& volume,
                                                      DiskAndVolumeInfo info, DataRecoveryCallback callback) {
        const VolumeScript script = (*shared)[info.volIndex];
        if (!script.hasEngine)
            return std::shared_ptr<DataRecoveryEntity>();
        return std::shared_ptr<DataRecoveryEntity>(std::make_shared<FakeEngine>(
            std::move(info), std::move(callback), script.structure, trace, volume.length));
    };
    factory.createRawSearch = [shared, &trace](std::shared_ptr<DataRecoveryEntity> engine, const VolumeInfoItem& volume,
                                               DiskAndVolumeInfo info, DataRecoveryCallback callback) {
        const VolumeScript script = (*shared)[info.volIndex];
        return std::shared_ptr<UnknownDataRecovery>(std::make_shared<FakeRawSearch>(
            std::move(engine), volume, std::move(info), std::move(callback), script.raw, trace));
    };
    return factory;
}

DataRecoveryCallback Events::Callback()
{
    return [this](const DataRecoveryInfo& info) {
        std::lock_guard lock(mutex);
        events.push_back(info);
    };
}

std::vector<DataRecoveryInfo> Events::All()
{
    std::lock_guard lock(mutex);
    return events;
}

std::vector<DataRecoveryInfo> Events::OfKind(uint32_t kind)
{
    std::lock_guard lock(mutex);
    std::vector<DataRecoveryInfo> result;
    for (const auto& e : events)
        if (e.kind == kind)
            result.push_back(e);
    return result;
}

size_t Events::Count()
{
    std::lock_guard lock(mutex);
    return events.size();
}

DataRecoveryMultiImpl::Options TestOptions(EngineFactory factory, std::atomic<int>* sleeps)
{
    DataRecoveryMultiImpl::Options options;
    options.engines = std::move(factory);
    options.sleep = [sleeps](std::chrono::milliseconds delay) {
        if (sleeps && delay.count() == 5000)
            ++*sleeps;
    };
    return options;
}

}
