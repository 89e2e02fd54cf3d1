#pragma once
// One selected volume: a reader over its byte range, the file-system engine
// its name selects, the raw volume search, and the rescaling of their progress
// so that a whole-volume scan runs from 0 to 1 once.
#include "DataRecovery/DataRecoveryCommon.h"
#include "DataRecovery/EngineFactory.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class DataRecoveryEntity;
class UnknownDataRecovery;
namespace Utils {
class DataWriter;
class PartReader;
}

class VelmoraContainer : public DataRecoveryCommon {
public:
    VelmoraContainer(DiskAndVolumeInfo info, DataRecoveryCallback callback,
                     const EngineFactory& factory = EngineFactory::Default());
    ~VelmoraContainer() override;

    using DataRecoveryCommon::Start;
    int Start() override;
    int Start(const std::string& path) override;
    int Scan(int64_t inode) override;
    int RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item) override;
    int RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& items) override;
    int RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item) override;
    int Pause(int which) override;
    int SetRun(int which) override;
    int SetStop(int which) override;

    // The callback the engine and the raw search report through.
    void ReportInfo(const DataRecoveryInfo& record);

    const std::shared_ptr<DataRecoveryEntity>& GetEngine() const { return engine; }
    const std::shared_ptr<Utils::PartReader>& GetPartReader() const { return reader; }
    // Empty when every engine this volume needs is part of the build.
    const std::string& MissingEngine() const { return missingEngine; }

    // The runs of a found file: those of its record, or the full list its
    // engine kept when they did not fit the record.
    std::vector<DataRun> RunsOf(const DataRecoveryInfo& file);

    // Copies one run (volume-relative offset and length) of file to writer,
    // at most total - doneBefore bytes; returns the bytes written. *soFar
    // follows the count while it copies, so a failure can say how far it got.
    uint64_t RecoverDataRun(Utils::DataWriter& writer, Utils::PartReader& source, const DataRecoveryInfo& file,
                            DataRun run, uint64_t doneBefore, uint64_t total, bool silent,
                            uint64_t* soFar = nullptr);

    // Recovers a file whose first run references its file record through the
    // engine (DataRecoveryEntity::RecoverFromRecord); returns the bytes
    // written, *soFar following them. Code 3 when the engine cannot.
    uint64_t RecoverFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file, bool silent,
                               uint64_t* soFar = nullptr);
    // A found NTFS file whose first run is {record offset, 0}.
    static bool IsRecordReference(const DataRecoveryInfo& file);

private:
    void ReportStart();
    // Writes one found file under the folder; returns the path written. Throws
    // VelmoraContainerException with the result code and the bytes written.
    std::string RecoverFile(const std::string& folder, const DataRecoveryInfo& file);
    uint64_t CopyResident(Utils::DataWriter& writer, Utils::PartReader& source, DataRun run, uint64_t length);

    std::mutex recoverMutex;
    // Under recoverMutex: the folder the last file went into, made or checked folder by folder.
    std::string verifiedParent;
    std::atomic<bool> fullScan{false};
    std::shared_ptr<DataRecoveryEntity> engine;
    std::shared_ptr<UnknownDataRecovery> rawSearch;
    std::shared_ptr<Utils::PartReader> reader;
    std::string missingEngine;
};
