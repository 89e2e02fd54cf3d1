#pragma once
// The object behind DataRecoveryMulti: one container per selected volume, run
// one after another, with every event mapped into one overall progress.
#include "DataRecovery/DataRecoveryMulti.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "DataRecovery/EngineFactory.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <utility>
#include <vector>

class VelmoraContainer;

class DataRecoveryMultiImpl : public DataRecoveryMulti {
public:
    struct Options {
        EngineFactory engines = EngineFactory::Default();
        // How the construction retry waits (5 s per failed attempt); tests pass one that returns at once.
        std::function<void(std::chrono::milliseconds)> sleep;
    };

    DataRecoveryMultiImpl(const std::vector<DiskAndVolumeInfo>& volumes, DataRecoveryCallback callback);
    DataRecoveryMultiImpl(const std::vector<DiskAndVolumeInfo>& volumes, DataRecoveryCallback callback,
                          Options options);
    ~DataRecoveryMultiImpl() override;

    int Start(const std::vector<ScanPathInfo>& rows) override;
    int Start() override;
    int ScanRecycleBin() override;
    int RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item) override;
    int RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& items) override;
    int RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item) override;
    int Pause(int which) override;
    int SetRun(int which) override;
    int SetStop(int which) override;

    void ReportInfo(const DataRecoveryInfo& record);

    uint64_t ContainerCount() const { return containerCount; }
    uint64_t TotalScanSize() const { return totalScanSize; }
    size_t HeldContainers() const;
    std::shared_ptr<VelmoraContainer> FindContainer(uint8_t diskIndex, uint8_t volIndex) const;

private:
    using Pair = std::pair<uint8_t, uint8_t>;

    void BuildContainer(const DiskAndVolumeInfo& record);
    // The run-control bodies, for callers that already hold the lock shared.
    void PauseAll(int which);
    void SetRunAll(int which);
    void SetStopAll(int which);
    bool StopRequested(int which) const;
    // Result code for a pair that has no container: its build failure's, else 1.
    int MissingPairCode(Pair pair) const;
    void SendFailure(DataRecoveryInfoKind kind, Pair pair, double progress, int code, uint64_t value = 0);
    int RecoverOne(VelmoraContainer& container, const std::string& folder, const DataRecoveryInfo& file,
                   uint64_t* written);

    mutable std::shared_mutex lock;
    std::map<uint8_t, std::map<uint8_t, std::shared_ptr<VelmoraContainer>>> containers;
    std::map<Pair, int> buildFailures;
    uint64_t containerCount = 0;
    uint64_t totalScanSize = 0;
    std::atomic<uint64_t> currentShare{0};
    std::atomic<uint64_t> doneAmount{0};
    std::atomic<uint64_t> totalAmount{0};
    std::vector<DiskAndVolumeInfo> items;
    Options options;

    std::atomic<int> runState[2] = {0, 0};
    // One scan at a time on this object: a second one waits until the first has
    // unwound, so no engine's scan state is rebuilt under a running pass.
    std::mutex scanRunMutex;
};
