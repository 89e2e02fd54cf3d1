#include "DataRecovery/DataRecoveryMultiImpl.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/VelmoraContainer.h"
#include "DeepScan/UnknownDataRecovery.h"

#include <set>
#include <typeinfo>
#include <thread>

static constexpr const char* LogSource = "src/DataRecovery/Velmora";

namespace {

constexpr double almostDone = 0.999999;
constexpr int attemptsPerVolume = 3;
constexpr std::chrono::milliseconds retryDelay{5000};
constexpr int stoppedCode = 14;
constexpr int badRecordCode = 17;

bool IsFoundFile(const DataRecoveryInfo& file)
{
    if (file.kind < NtfsFile || file.kind > CarvedFile)
        return false;
    return file.runCount == 0 || file.runs != nullptr;
}

}

DataRecoveryMultiImpl::DataRecoveryMultiImpl(const std::vector<DiskAndVolumeInfo>& volumes,
                                             DataRecoveryCallback callback)
    : DataRecoveryMultiImpl(volumes, std::move(callback), Options{})
{
}

DataRecoveryMultiImpl::DataRecoveryMultiImpl(const std::vector<DiskAndVolumeInfo>& volumes,
                                             DataRecoveryCallback callback, Options options)
    : DataRecoveryMulti(std::move(callback)), items(volumes), options(std::move(options))
{
    if (!this->options.sleep)
        this->options.sleep = [](std::chrono::milliseconds delay) { std::this_thread::sleep_for(delay); };
    // An empty callback would throw std::bad_function_call out of every operation.
    if (!this->callback)
        this->callback = [](const DataRecoveryInfo&) {};
    VLOG_INFO("DataRecoveryMultiImpl constructor called with %d disks.", static_cast<int>(volumes.size()));
    for (const auto& record : volumes)
        BuildContainer(record);
    for (auto it = buildFailures.begin(); it != buildFailures.end();)
        it = FindContainer(it->first.first, it->first.second) ? buildFailures.erase(it) : std::next(it);
    VLOG_INFO("DataRecoveryMultiImpl initialized with %d Velmoras.", static_cast<int>(HeldContainers()));
}

void DataRecoveryMultiImpl::BuildContainer(const DiskAndVolumeInfo& record)
{
    auto report = [this](const DataRecoveryInfo& info) { ReportInfo(info); };
    for (int attempt = 1; attempt <= attemptsPerVolume; ++attempt) {
        std::unique_lock exclusive(lock);
        try {
            auto container = std::make_shared<VelmoraContainer>(record, report, options.engines);
            totalScanSize += container->GetScanSize();
            containers[record.diskIndex][record.volIndex] = std::move(container);
            ++containerCount;
            return;
        } catch (const std::exception& e) {
            VLOG_ERROR("Failed to create VelmoraContainer for disk: %s, error: %s", record.diskName.c_str(), e.what());
            buildFailures[{record.diskIndex, record.volIndex}] = Exceptions::ErrorCodeFromException(e);
            options.sleep(retryDelay);
        }
    }
}

DataRecoveryMultiImpl::~DataRecoveryMultiImpl()
{
    VLOG_INFO("DataRecoveryMultiImpl destructor called.");
    std::unique_lock exclusive(lock);
    containers.clear();
}

size_t DataRecoveryMultiImpl::HeldContainers() const
{
    size_t count = 0;
    for (const auto& [disk, volumes] : containers)
        count += volumes.size();
    return count;
}

std::shared_ptr<VelmoraContainer> DataRecoveryMultiImpl::FindContainer(uint8_t diskIndex, uint8_t volIndex) const
{
    auto disk = containers.find(diskIndex);
    if (disk == containers.end())
        return {};
    auto volume = disk->second.find(volIndex);
    return volume == disk->second.end() ? nullptr : volume->second;
}

int DataRecoveryMultiImpl::MissingPairCode(Pair pair) const
{
    auto failure = buildFailures.find(pair);
    return failure == buildFailures.end() ? 1 : failure->second;
}

void DataRecoveryMultiImpl::ReportInfo(const DataRecoveryInfo& record)
{
    if (record.kind == StructureScanProgress || record.kind == RawScanProgress || record.kind == DeepScanProgress) {
        auto overall = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(record.kind));
        overall.diskIndex = record.diskIndex;
        overall.volIndex = record.volIndex;
        const double total = static_cast<double>(totalAmount.load(std::memory_order_relaxed));
        double progress = 0.0;
        if (total > 0)
            progress = (static_cast<double>(currentShare.load(std::memory_order_relaxed)) * record.progress +
                        static_cast<double>(doneAmount.load(std::memory_order_relaxed))) /
                       total;
        overall.progress = progress >= 1.0 ? almostDone : progress;
        callback(overall);
        return;
    }
    if (record.kind == RecoverProgress && record.progress >= 1.0) {
        auto copy = record;
        copy.progress = almostDone;
        callback(copy);
        return;
    }
    callback(record);
}

void DataRecoveryMultiImpl::SendFailure(DataRecoveryInfoKind kind, Pair pair, double progress, int code,
                                        uint64_t value)
{
    auto record = MakeDataRecoveryInfo(kind);
    record.diskIndex = pair.first;
    record.volIndex = pair.second;
    record.progress = progress;
    record.value = value;
    record.errorCode = code;
    ReportInfo(record);
}

bool DataRecoveryMultiImpl::StopRequested(int which) const
{
    return runState[which].load(std::memory_order_relaxed) == static_cast<int>(RunState::Stop);
}

int DataRecoveryMultiImpl::Start(const std::vector<ScanPathInfo>& rows)
{
    VLOG_INFO("DataRecoveryMultiImpl::Start() called.");
    std::shared_lock shared(lock);
    std::lock_guard oneScan(scanRunMutex);
    // A stop or pause left from an earlier scan (or asked while none ran) ends here.
    SetRunAll(0);
    uint64_t runnable = 0;
    for (const auto& row : rows)
        runnable += FindContainer(row.diskIndex, row.volIndex) ? 1 : 0;
    currentShare = 1;
    doneAmount = 0;
    totalAmount = runnable;
    for (const auto& row : rows) {
        const Pair pair{row.diskIndex, row.volIndex};
        auto container = FindContainer(row.diskIndex, row.volIndex);
        if (!container) {
            VLOG_INFO("DataRecoveryMultiImpl::Start fail, disk index %d, volume index %d", row.diskIndex, row.volIndex);
            SendFailure(ScanFailed, pair, 1.0, MissingPairCode(pair));
            continue;
        }
        try {
            if (StopRequested(0))
                throw Exceptions::ProcessControllerException("Process stopped by user.");
            container->Start(row.path);
        } catch (const std::exception& e) {
            VLOG_ERROR("DataRecoveryMultiImpl::Start() exception: %s\n", e.what());
            SendFailure(ScanFailed, pair, 1.0, Exceptions::ErrorCodeFromException(e));
        }
        doneAmount += 1;
    }
    auto finished = MakeDataRecoveryInfo(ScanFinished);
    finished.progress = 1.0;
    callback(finished);
    VLOG_INFO("DataRecoveryMultiImpl::Start() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::Start()
{
    VLOG_INFO("DataRecoveryMultiImpl::Start() called.");
    std::shared_lock shared(lock);
    std::lock_guard oneScan(scanRunMutex);
    SetRunAll(0);
    LostVolumeCounter().store(0);
    totalAmount = totalScanSize;
    doneAmount = 0;

    std::set<Pair> pairs;
    for (const auto& [disk, volumes] : containers)
        for (const auto& [volume, container] : volumes)
            pairs.insert({disk, volume});
    for (const auto& [pair, code] : buildFailures)
        pairs.insert(pair);

    for (const auto& pair : pairs) {
        auto container = FindContainer(pair.first, pair.second);
        if (!container) {
            VLOG_INFO("DataRecoveryMultiImpl::Start fail, disk index %d, volume index %d", pair.first, pair.second);
            SendFailure(ScanFailed, pair, 1.0, MissingPairCode(pair));
            continue;
        }
        currentShare = container->GetScanSize();
        try {
            if (StopRequested(0))
                throw Exceptions::ProcessControllerException("Process stopped by user.");
            container->Start();
        } catch (const std::exception& e) {
            VLOG_ERROR("DataRecoveryMultiImpl::Start() exception: %s\n", e.what());
            SendFailure(ScanFailed, pair, 1.0, Exceptions::ErrorCodeFromException(e));
        }
        // A failed volume's share is over too, so the overall figure never goes back.
        doneAmount += container->GetScanSize();
    }
    auto finished = MakeDataRecoveryInfo(ScanFinished);
    finished.progress = 1.0;
    callback(finished);
    VLOG_INFO("DataRecoveryMultiImpl::Start() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::ScanRecycleBin()
{
    VLOG_INFO("DataRecoveryMultiImpl::ScanRecycleBin() called.");
    std::shared_lock shared(lock);
    std::lock_guard oneScan(scanRunMutex);
    SetRunAll(0);
    totalAmount = containerCount;
    currentShare = 1;
    doneAmount = 0;
    for (const auto& record : items) {
        const Pair pair{record.diskIndex, record.volIndex};
        auto container = FindContainer(record.diskIndex, record.volIndex);
        if (record.volumeLetter.empty() || !container) {
            VLOG_INFO("DataRecoveryMultiImpl::ScanRecycleBin fail, disk index %d, volume index %d", record.diskIndex,
                      record.volIndex);
            if (!container)
                SendFailure(ScanFailed, pair, 1.0, MissingPairCode(pair));
            continue;
        }
        try {
            if (StopRequested(0))
                throw Exceptions::ProcessControllerException("Process stopped by user.");
            container->Start(record.volumeLetter + "$RECYCLE.BIN");
        } catch (const std::exception& e) {
            VLOG_ERROR("DataRecoveryMultiImpl::ScanRecycleBin() exception: %s\n", e.what());
            SendFailure(ScanFailed, pair, 1.0, Exceptions::ErrorCodeFromException(e));
        }
        doneAmount += 1;
    }
    auto finished = MakeDataRecoveryInfo(ScanFinished);
    finished.progress = 1.0;
    callback(finished);
    VLOG_INFO("DataRecoveryMultiImpl::ScanRecycleBin() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::RecoverOne(VelmoraContainer& container, const std::string& folder,
                                      const DataRecoveryInfo& file, uint64_t* written)
{
    *written = 0;
    try {
        if (StopRequested(1))
            throw Exceptions::ProcessControllerException("Process stopped by user.");
        container.RecoverData(folder, file);
        return 0;
    } catch (const Exceptions::VelmoraContainerException& e) {
        VLOG_ERROR("DataRecoveryMultiImpl::RecoverData() exception: %s\n", e.what());
        if (typeid(e) == typeid(Exceptions::VelmoraContainerException)) {
            *written = e.value;
            return e.code;
        }
        return Exceptions::ErrorCodeFromException(e);
    } catch (const std::exception& e) {
        VLOG_ERROR("DataRecoveryMultiImpl::RecoverData() exception: %s\n", e.what());
        return Exceptions::ErrorCodeFromException(e);
    }
}

int DataRecoveryMultiImpl::RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item)
{
    VLOG_DEBUG("DataRecoveryMultiImpl::RecoverData() called.");
    const Pair pair{item.diskIndex, item.volIndex};
    std::shared_lock shared(lock);
    if (!IsFoundFile(item)) {
        VLOG_ERROR("DataRecoveryMultiImpl::RecoverData() record of kind %u is not a found file.", item.kind);
        SendFailure(RecoverFailed, pair, 1.0, badRecordCode);
        return badRecordCode;
    }
    SetRunAll(1);
    auto container = FindContainer(item.diskIndex, item.volIndex);
    if (!container) {
        VLOG_INFO("DataRecoveryMultiImpl::RecoverData fail, disk index %d, volume index %d", item.diskIndex,
                  item.volIndex);
        const int code = MissingPairCode(pair);
        SendFailure(RecoverFailed, pair, 1.0, code);
        return code;
    }
    uint64_t written = 0;
    const int code = RecoverOne(*container, targetFolder, item, &written);
    if (code != 0) {
        SendFailure(RecoverFailed, pair, 1.0, code, written);
        return code;
    }
    shared.unlock();
    auto done = MakeDataRecoveryInfo(RecoverDone);
    done.diskIndex = item.diskIndex;
    done.volIndex = item.volIndex;
    done.progress = 1.0;
    done.value = item.fileSize;
    done.dataState = item.dataState;
    callback(done);
    VLOG_DEBUG("DataRecoveryMultiImpl::RecoverData() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& files)
{
    VLOG_INFO("DataRecoveryMultiImpl::RecoverData() called.");
    std::shared_lock shared(lock);
    SetRunAll(1);
    const double count = files.empty() ? 1.0 : static_cast<double>(files.size());
    int firstFailure = 0;
    size_t handled = 0;
    size_t failed = 0;
    bool stopped = false;
    for (const auto& file : files) {
        const Pair pair{file.diskIndex, file.volIndex};
        const double progress = static_cast<double>(handled) / count;
        int code = 0;
        uint64_t written = 0;
        if (StopRequested(1)) {
            code = stoppedCode;
        } else if (!IsFoundFile(file)) {
            VLOG_ERROR("DataRecoveryMultiImpl::RecoverData() record of kind %u is not a found file.", file.kind);
            code = badRecordCode;
        } else if (auto container = FindContainer(file.diskIndex, file.volIndex)) {
            code = RecoverOne(*container, targetFolder, file, &written);
        } else {
            VLOG_INFO("DataRecoveryMultiImpl::RecoverData fail, disk index %d, volume index %d", file.diskIndex,
                      file.volIndex);
            code = MissingPairCode(pair);
        }
        ++handled;
        if (code == 0) {
            auto record = MakeDataRecoveryInfo(RecoverProgress);
            record.diskIndex = pair.first;
            record.volIndex = pair.second;
            record.progress = progress;
            record.value = file.fileSize;
            record.dataState = file.dataState;
            ReportInfo(record);
            continue;
        }
        SendFailure(RecoverFailed, pair, progress, code);
        ++failed;
        if (firstFailure == 0)
            firstFailure = code;
        // A stop ends the list; any other failure only ends its own file.
        if ((stopped = code == stoppedCode))
            break;
    }
    VLOG_INFO("DataRecoveryMultiImpl::RecoverData() %zu of %zu files handled: %zu written, %zu failed.", handled,
              files.size(), handled - failed, failed);
    if (stopped)
        return stoppedCode;
    shared.unlock();
    auto done = MakeDataRecoveryInfo(RecoverDone);
    done.progress = 1.0;
    callback(done);
    VLOG_INFO("DataRecoveryMultiImpl::RecoverData() completed successfully.");
    return firstFailure;
}

int DataRecoveryMultiImpl::RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item)
{
    VLOG_INFO("DataRecoveryMultiImpl::RecoverToMemory() called.");
    try {
        std::shared_lock shared(lock);
        if (!size || (!buffer && *size != 0) || !IsFoundFile(item)) {
            VLOG_ERROR("DataRecoveryMultiImpl::RecoverToMemory() invalid arguments (kind %u).", item.kind);
            return badRecordCode;
        }
        auto container = FindContainer(item.diskIndex, item.volIndex);
        if (!container)
            throw Exceptions::DataRecoveryMultiException("Disk index " + std::to_string(item.diskIndex) +
                                                         ", volume index " + std::to_string(item.volIndex) +
                                                         " not found.");
        return container->RecoverToMemory(buffer, size, item);
    } catch (const std::exception& e) {
        VLOG_ERROR("DataRecoveryMultiImpl::RecoverToMemory() exception: %s\n", e.what());
        return Exceptions::ErrorCodeFromException(e);
    }
}

void DataRecoveryMultiImpl::PauseAll(int which)
{
    if (which == 0 || which == 1)
        runState[which].store(static_cast<int>(RunState::Pause), std::memory_order_relaxed);
    for (const auto& [disk, volumes] : containers)
        for (const auto& [volume, container] : volumes)
            container->Pause(which);
}

void DataRecoveryMultiImpl::SetRunAll(int which)
{
    if (which == 0 || which == 1)
        runState[which].store(static_cast<int>(RunState::Run), std::memory_order_relaxed);
    for (const auto& [disk, volumes] : containers)
        for (const auto& [volume, container] : volumes)
            container->SetRun(which);
}

void DataRecoveryMultiImpl::SetStopAll(int which)
{
    if (which == 0 || which == 1)
        runState[which].store(static_cast<int>(RunState::Stop), std::memory_order_relaxed);
    for (const auto& [disk, volumes] : containers)
        for (const auto& [volume, container] : volumes)
            container->SetStop(which);
}

int DataRecoveryMultiImpl::Pause(int which)
{
    VLOG_INFO("DataRecoveryMultiImpl::Pause() called.");
    std::shared_lock shared(lock);
    PauseAll(which);
    VLOG_INFO("DataRecoveryMultiImpl::Pause() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::SetRun(int which)
{
    VLOG_INFO("DataRecoveryMultiImpl::SetRun() called.");
    std::shared_lock shared(lock);
    SetRunAll(which);
    VLOG_INFO("DataRecoveryMultiImpl::SetRun() completed successfully.");
    return 0;
}

int DataRecoveryMultiImpl::SetStop(int which)
{
    VLOG_INFO("DataRecoveryMultiImpl::SetStop() called.");
    std::shared_lock shared(lock);
    SetStopAll(which);
    return 0;
}
