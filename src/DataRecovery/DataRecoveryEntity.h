#pragma once
// The common base of every scanning engine: run-state polling, the scan frame,
// the copy of one run, read-ahead sizing, the found-file store and the
// conversion of found nodes into callback records.
#include "DataRecovery/DataRecoveryCommon.h"
#include "DataRecovery/FileNodeStore.h"
#include "Utils/DataRecognize.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Utils {
class DataWriter;
class PartReader;
}

class DataRecoveryEntity : public Velmora {
public:
    // The most runs one callback record can carry.
    static constexpr size_t maxRecordRuns = 255;
    // The longest path one callback record can carry, in bytes.
    static constexpr size_t maxRecordPath = 65535;
    // The offset of a run that holds no clusters (a hole of a sparse NTFS
    // file): it reads as zeros.
    static constexpr uint64_t sparseRunOffset = UINT64_MAX;

    DataRecoveryEntity(DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~DataRecoveryEntity() override;

    using Velmora::Start;
    int RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item) override;
    int RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& items) override;
    int RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item) override;

    int Scan(int64_t inode) override;
    virtual int ScanStructure(int64_t inode) = 0;
    virtual int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) = 0;
    virtual int ScanRaw() = 0;
    virtual int AfterScanRaw() = 0;
    virtual uint64_t RecoverRun(Utils::DataWriter* writer, DataRun run, uint64_t written, uint64_t fileSize);
    virtual int64_t GetRootInode() = 0;
    // Whether the allocation unit at a volume position is in use; its length in *length.
    virtual bool GetClusterState(uint64_t position, uint64_t* length) = 0;
    // Whether the volume's own allocation (a FAT, a bitmap) marks the unit at
    // a volume position in use; false where the engine keeps none.
    virtual bool MarksInUse(uint64_t position);
    virtual uint32_t GetRawBlockSize();
    virtual uint64_t GetDataAreaOffset();
    virtual int GetFileSystemType() = 0;
    virtual void AdjustReadAhead();
    virtual bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length);
    virtual bool IsStructureBlock(const uint8_t* block);
    virtual uint32_t GetVolumeSerial();
    virtual uint64_t GetDataStartOffset();
    virtual uint64_t GetVolumeOffset();
    virtual std::shared_ptr<Utils::PartReader> GetReader() = 0;
    virtual Utils::PartReader* GetRawReader() = 0;
    virtual uint32_t GetFileInfoKind();
    virtual void FlushNodes();
    virtual void FinishScan() = 0;
    virtual uint64_t GetUsedBytes();
    virtual void ReportFileNode(const FileManagerSP::FileNode& node, const std::string& path, int kind);

    // The full run list of a reported file whose runs did not fit one record
    // (the record carried the first 255); empty when the record was complete.
    // Given the runs a record carried, only a list that begins with them.
    std::optional<std::vector<DataRun>> FindFullRunList(uint32_t nodeId, const std::string& path,
                                                        const DataRun* recordRuns = nullptr);
    // The same for a request that names neither (node id 0, a path of its own):
    // the kept list that begins with the maxRecordRuns runs the record carried.
    std::optional<std::vector<DataRun>> FindFullRunList(const DataRun* recordRuns);

    // The full run list of a found file whose record carried only its first
    // maxRecordRuns runs, rebuilt by the engine from the volume (a FAT chain, an
    // NTFS record); empty when the engine cannot rebuild it.
    virtual std::vector<DataRun> FullRunList(const DataRecoveryInfo& file);
    // Recovers a file whose first run is a reference to its file record
    // ({volume offset of the record, length 0}): its bytes are decoded from the
    // record (compressed, system-compressed) rather than copied from its runs.
    // progress(bytes written so far) follows every chunk. False when this
    // engine does not handle record references.
    virtual bool RecoverFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file,
                                   const std::function<void(uint64_t)>& progress);

    FileManagerSP::FileNodeStore& GetNodeStore() { return nodeStore; }

    std::unique_ptr<Utils::DataRecognize> recogniser;
    uint8_t lostPartitionNumber = 0;
    uint8_t lostPartitionFlag = 0;

protected:
    FileManagerSP::FileNodeStore nodeStore{0};

    // One step of a raw pass at position: reports progress once the bytes
    // stepped over since the last report reach 0.1% of the volume, else adds
    // this step to them.
    void ReportRawProgress(uint64_t position, uint64_t volumeLength, uint64_t step, uint64_t& sinceReport);
    // A lost volume's runs count from the scanned volume, which the container
    // reads from its start: where a lost volume starting at volumeStart on the
    // device lies in it; 0 for an own volume.
    uint64_t LostVolumeShift(uint64_t volumeStart) const;

private:
    std::mutex longRunsMutex;
    // Two versions of one file (same id and path) can both be too long for a record.
    std::map<std::pair<uint32_t, std::string>, std::vector<std::vector<DataRun>>> longRunLists;
};

// Joins runs that continue one another; the data they describe is unchanged.
std::vector<DataRun> MergeAdjacentRuns(const std::vector<DataRun>& runs);

// The longest prefix of text of at most limit bytes that ends on a UTF-8
// character boundary.
size_t Utf8PrefixLength(const std::string& text, size_t limit);

// The read-ahead chunk for a raw pass: 10 MiB scaled by the unused fraction,
// rounded up to 1 KiB, at least 512 KiB.
uint64_t ReadAheadSizeFor(uint64_t usedBytes, uint64_t volumeLength);
