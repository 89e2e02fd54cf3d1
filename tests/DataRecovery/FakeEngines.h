#pragma once
// Scripted engines behind the volume container's factory seam, and a disk
// table filled with volumes that lie on a small image file.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/EngineFactory.h"
#include "DeepScan/UnknownDataRecovery.h"
#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace FakeEngines {

// A found NTFS file of 512 bytes at the volume's start, named "a", for recovery tests.
inline DataRecoveryInfo OneRunFile(const DataRun& run)
{
    auto file = MakeDataRecoveryInfo(NtfsFile);
    file.fileSize = 512;
    file.runs = &run;
    file.runCount = 1;
    file.path = "a";
    file.pathLength = 1;
    return file;
}

// What one fake engine phase does.
struct Script {
    std::vector<double> progress{0.25, 0.5, 1.0}; // reported one per step, polling the run state before each
    std::function<void()> fail;                   // thrown after the steps when set
    bool blockUntilStopped = false;               // keeps polling until a stop arrives
    std::chrono::milliseconds stepDelay{0};
};

struct VolumeScript {
    Script structure; // the file-system engine's ScanStructure / Start(path)
    Script raw;       // the raw volume search
    bool hasEngine = true;
};

// Counts calls so tests can see which phases ran.
struct Trace {
    std::atomic<int> structureCalls{0};
    std::atomic<int> pathCalls{0};
    std::atomic<int> rawCalls{0};
    std::atomic<int> steps{0};
    std::atomic<uint64_t> pausedPolls{0}; // waits at Pause: a held script's acknowledgement
    std::atomic<int> running{0};          // scripts running now, on any engine
    std::atomic<int> mostRunning{0};      // the most that ever ran at once
    std::mutex mutex;
    std::vector<std::string> paths;
};

class FakeEngine : public DataRecoveryEntity {
public:
    FakeEngine(DiskAndVolumeInfo info, DataRecoveryCallback callback, Script script, Trace& trace,
               uint64_t length);

    int Start() override { return 0; }
    int Start(const std::string& path) override;
    int ScanStructure(int64_t inode) override;
    int ScanBlock(uint64_t, const uint8_t*, size_t) override { return 0; }
    int ScanRaw() override { return 0; }
    int AfterScanRaw() override { return 0; }
    int64_t GetRootInode() override { return 5; }
    bool GetClusterState(uint64_t, uint64_t*) override { return false; }
    int GetFileSystemType() override { return 0; }
    std::shared_ptr<Utils::PartReader> GetReader() override { return reader; }
    Utils::PartReader* GetRawReader() override { return reader.get(); }
    void FinishScan() override { ++finishCalls; }

    void RunScript(DataRecoveryInfoKind kind);

    std::shared_ptr<Utils::PartReader> reader;
    Script script;
    Trace& trace;
    int finishCalls = 0;
    int structureResult = 0;
};

class FakeRawSearch : public UnknownDataRecovery {
public:
    FakeRawSearch(std::shared_ptr<DataRecoveryEntity> engine, const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                  DataRecoveryCallback callback, Script script, Trace& trace);

    int Start() override { return 0; }
    int Start(const std::string&) override { return 0; }
    int ScanStructure(int64_t) override { return 0; }
    int ScanBlock(uint64_t, const uint8_t*, size_t) override { return 0; }
    int ScanRaw() override;
    int AfterScanRaw() override { return 0; }
    int64_t GetRootInode() override { return 0; }
    bool GetClusterState(uint64_t, uint64_t*) override { return false; }
    int GetFileSystemType() override { return 3; }
    std::shared_ptr<Utils::PartReader> GetReader() override { return nullptr; }
    Utils::PartReader* GetRawReader() override { return nullptr; }
    void FinishScan() override {}

    Script script;
    Trace& trace;
};

// Runs a script's steps, reporting progress of the given kind through report.
void RunSteps(const Script& script, const std::atomic<int>& state, DataRecoveryInfoKind kind,
              const DiskAndVolumeInfo& info, const DataRecoveryCallback& report, Trace& trace);

// An image file with volumes registered in the process-wide disk table.
class Disk {
public:
    // Each volume is 64 KiB long; its file-system name chooses the engine.
    explicit Disk(const std::vector<std::string>& fileSystems, uint8_t diskIndex = 0);
    ~Disk();

    DiskAndVolumeInfo Record(uint8_t volIndex) const;
    std::vector<DiskAndVolumeInfo> Records() const;
    std::string ImagePath() const { return image; }

private:
    TestSupport::TempDir dir;
    std::string image;
    std::vector<std::string> fileSystems;
    uint8_t diskIndex;
};

// A factory whose engines follow scripts chosen by volume index.
EngineFactory MakeFactory(std::map<uint8_t, VolumeScript> scripts, Trace& trace);

// Collects every event the caller's callback receives, from any thread.
class Events {
public:
    DataRecoveryCallback Callback();
    std::vector<DataRecoveryInfo> All();
    std::vector<DataRecoveryInfo> OfKind(uint32_t kind);
    size_t Count();

private:
    std::mutex mutex;
    std::vector<DataRecoveryInfo> events;
};

DataRecoveryMultiImpl::Options TestOptions(EngineFactory factory, std::atomic<int>* sleeps = nullptr);

}
