#include "DataRecovery/VelmoraContainer.h"

#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DeepScan/UnknownDataRecovery.h"
#include "Utils/Base64.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <exception>
#include <utility>

static constexpr const char* LogSource = "src/DataRecovery/Velmora";

VelmoraContainer::VelmoraContainer(DiskAndVolumeInfo volumeInfo, DataRecoveryCallback callback,
                                   const EngineFactory& factory)
    : DataRecoveryCommon(std::move(volumeInfo), std::move(callback))
{
    VLOG_INFO("VelmoraContainer::VelmoraContainer() called. DiskIndex: %d, VolIndex: %d", info.diskIndex,
              info.volIndex);
    reader = std::make_shared<Utils::PartReader>(volumeRecord.devicePath, info.startOffset,
                                                 info.endOffset - info.startOffset);
    VLOG_INFO("filesystem: %s", volumeRecord.fileSystem.c_str());

    auto report = [this](const DataRecoveryInfo& record) { ReportInfo(record); };
    if (auto kind = ChooseFileSystemEngine(volumeRecord.fileSystem)) {
        engine = factory.createFileSystemEngine(*kind, volumeRecord, info, report);
        if (!engine) {
            missingEngine = FileSystemEngineName(*kind);
            VLOG_INFO("VelmoraContainer: the %s is not built; disk %d volume %d cannot be scanned.",
                       missingEngine.c_str(), info.diskIndex, info.volIndex);
        }
    }
    scanSize = engine ? engine->GetScanSize() : volumeRecord.length;
    rawSearch = factory.createRawSearch(engine, volumeRecord, info, report);
}

VelmoraContainer::~VelmoraContainer()
{
    reader.reset();
    rawSearch.reset();
    engine.reset();
}

void VelmoraContainer::ReportInfo(const DataRecoveryInfo& record)
{
    const bool full = fullScan.load(std::memory_order_relaxed);
    if (full && (record.kind == StructureScanProgress || record.kind == RawScanProgress)) {
        auto scaled = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(record.kind));
        scaled.diskIndex = info.diskIndex;
        scaled.volIndex = info.volIndex;
        scaled.progress = record.kind == StructureScanProgress ? record.progress * 0.1 : record.progress * 0.9 + 0.1;
        reportCallback(scaled);
        return;
    }
    reportCallback(record);
}

void VelmoraContainer::ReportStart()
{
    // Tells the caller this volume's turn has come, also when it then fails.
    auto record = MakeDataRecoveryInfo(StructureScanProgress);
    record.diskIndex = info.diskIndex;
    record.volIndex = info.volIndex;
    record.progress = 0.0;
    ReportInfo(record);
}

int VelmoraContainer::Start()
{
    VLOG_INFO("VelmoraContainer::Start() called.");
    fullScan = true;
    ReportStart();
    if (!missingEngine.empty()) {
        VLOG_ERROR("VelmoraContainer::Start() cannot scan: the %s is not built.", missingEngine.c_str());
        throw Exceptions::ExceptionCommon("The " + missingEngine + " is not built.");
    }
    // A damaged structure must not cost the files the raw search can still
    // find: its failure is reported after the raw search. A stop or a lost
    // device ends the scan at once.
    std::exception_ptr structureFailure;
    if (engine) {
        VLOG_INFO("entity_Start()...");
        try {
            engine->ScanStructure(engine->GetRootInode());
        } catch (const Exceptions::ProcessControllerException&) {
            throw;
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const std::exception& e) {
            VLOG_ERROR("VelmoraContainer::Start() structure scan failed: %s; the raw search still runs.", e.what());
            structureFailure = std::current_exception();
        }
        VLOG_INFO("entity_Start() End.");
    }
    if (!rawSearch) {
        VLOG_ERROR("VelmoraContainer::Start() cannot scan: the raw volume search (UnknownDataRecovery) is not built.");
        throw Exceptions::ExceptionCommon("The raw volume search (UnknownDataRecovery) is not built.");
    }
    rawSearch->ScanRaw();
    if (structureFailure)
        std::rethrow_exception(structureFailure);
    VLOG_INFO("VelmoraContainer::Start() completed successfully.");
    return 0;
}

int VelmoraContainer::Start(const std::string& path)
{
    VLOG_INFO("VelmoraContainer::Start(path: %s) called.", path.c_str());
    fullScan = false;
    VLOG_INFO("base64Path: %s", Utils::Base64EncodeString(path).c_str());
    ReportStart();
    if (!missingEngine.empty()) {
        VLOG_ERROR("VelmoraContainer::Start(path) cannot scan: the %s is not built.", missingEngine.c_str());
        throw Exceptions::ExceptionCommon("The " + missingEngine + " is not built.");
    }
    if (!engine)
        throw Exceptions::ExceptionCommon("No supported filesystem found for data recovery.");
    VLOG_INFO("entity_Start(%s)...", path.c_str());
    engine->Start(path);
    VLOG_INFO("entity_Start() End.");
    VLOG_INFO("VelmoraContainer::Start(path: %s) completed successfully.", path.c_str());
    return 0;
}

int VelmoraContainer::Scan(int64_t inode)
{
    VLOG_INFO("VelmoraContainer::Scan(inode: %lld) called.", static_cast<long long>(inode));
    fullScan = true;
    if (engine) {
        VLOG_INFO("entity_ScanStructure()...");
        engine->ScanStructure(inode);
        VLOG_INFO("entity_ScanStructure() End.");
    }
    VLOG_INFO("VelmoraContainer::Scan(inode: %lld) completed successfully.", static_cast<long long>(inode));
    return 0;
}

int VelmoraContainer::Pause(int which)
{
    if (engine)
        engine->Pause(which);
    if (rawSearch)
        rawSearch->Pause(which);
    scanState->store(static_cast<int>(RunState::Pause), std::memory_order_relaxed);
    recoverState->store(static_cast<int>(RunState::Pause), std::memory_order_relaxed);
    VLOG_DEBUG("VelmoraContainer::Pause() completed successfully.");
    return 0;
}

int VelmoraContainer::SetRun(int which)
{
    if (engine)
        engine->SetRun(which);
    if (rawSearch)
        rawSearch->SetRun(which);
    scanState->store(static_cast<int>(RunState::Run), std::memory_order_relaxed);
    recoverState->store(static_cast<int>(RunState::Run), std::memory_order_relaxed);
    VLOG_DEBUG("VelmoraContainer::Resume() completed successfully.");
    return 0;
}

int VelmoraContainer::SetStop(int which)
{
    if (engine)
        engine->SetStop(which);
    if (rawSearch)
        rawSearch->SetStop(which);
    scanState->store(static_cast<int>(RunState::Stop), std::memory_order_relaxed);
    recoverState->store(static_cast<int>(RunState::Stop), std::memory_order_relaxed);
    VLOG_DEBUG("VelmoraContainer::Stop() completed successfully.");
    return 0;
}

std::vector<DataRun> VelmoraContainer::RunsOf(const DataRecoveryInfo& file)
{
    // A lost volume's files: their engine lives in the raw search.
    if (file.runCount == DataRecoveryEntity::maxRecordRuns && file.lostPartitionFlag && rawSearch && file.runs &&
        file.path) {
        if (auto full = rawSearch->FindLostRunList(file.lostPartitionNumber, file.nodeId,
                                                   std::string(file.path, file.pathLength), file.runs))
            return *full;
    }
    // The program's requests name no lost volume and no node: any lost
    // volume's list that begins with the record's runs.
    if (file.runCount == DataRecoveryEntity::maxRecordRuns && rawSearch && file.runs)
        if (auto full = rawSearch->FindLostRunList(file.runs))
            return *full;
    if (file.runCount == DataRecoveryEntity::maxRecordRuns && engine && file.runs) {
        if (file.path) {
            if (auto full = engine->FindFullRunList(file.nodeId, std::string(file.path, file.pathLength), file.runs))
                return *full;
        }
        // A request built elsewhere (node id 0, another engine): the engine
        // rebuilds the list; only one that begins with the record's runs is used.
        auto rebuilt = engine->FullRunList(file);
        if (rebuilt.size() > DataRecoveryEntity::maxRecordRuns &&
            std::equal(file.runs, file.runs + file.runCount, rebuilt.begin(),
                       [](const DataRun& a, const DataRun& b) { return a.offset == b.offset && a.length == b.length; }))
            return rebuilt;
    }
    if (file.runCount == 0 || !file.runs)
        return {};
    return std::vector<DataRun>(file.runs, file.runs + file.runCount);
}
