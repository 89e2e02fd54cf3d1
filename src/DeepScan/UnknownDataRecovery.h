#pragma once
// The raw volume search over one volume: walks the volume block by block,
// hands directory blocks to the volume's own engine, builds engines for lost
// volumes it finds by their boot sectors or directory blocks, and carves
// files out of every block no file system claims. Every volume container
// holds one, with or without a file-system engine.
#include "DataRecovery/DataRecoveryEntity.h"
#include "Utils/DataRecognize.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "DeepScan/BootSectors.h"
#include "DeepScan/ChunkReader.h"
#include "DeepScan/Fat32LayoutCheck.h"

class DeepScanManager;

// Makes the recogniser of one file-system type; volumes with the given serials count as known.
using RecogniserMaker = std::function<std::unique_ptr<Utils::DataRecognize>(const std::vector<uint32_t>& knownSerials)>;
// By file-system type: 0 NTFS, 1 FAT32, 2 exFAT. A type without a maker is not searched.
using RecogniserMakers = std::map<int, RecogniserMaker>;

class UnknownDataRecovery : public DataRecoveryEntity {
public:
    // volumeEngine is empty when the container found no engine for the volume.
    UnknownDataRecovery(std::shared_ptr<DataRecoveryEntity> volumeEngine, const VolumeInfoItem& volume,
                        DiskAndVolumeInfo info, DataRecoveryCallback callback, RecogniserMakers makers = {});
    ~UnknownDataRecovery() override;

    int Start() override;
    int Start(const std::string& path) override;
    int Scan(int64_t inode) override;
    int ScanStructure(int64_t inode) override;
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) override;
    // Slot 14: the raw pass over the whole volume range; reports RawScanProgress,
    // throws on failure and Exceptions::ProcessControllerException when stopped.
    int ScanRaw() override;
    int AfterScanRaw() override;
    int64_t GetRootInode() override;
    bool GetClusterState(uint64_t position, uint64_t* length) override;
    uint64_t GetDataAreaOffset() override;
    void AdjustReadAhead() override;
    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    int GetFileSystemType() override;
    std::shared_ptr<Utils::PartReader> GetReader() override;
    Utils::PartReader* GetRawReader() override;
    void FinishScan() override;

    // Lost volumes found by the last pass, by type, in the order they were found.
    struct FoundVolume {
        uint64_t start = 0; // volume-relative
        uint64_t length = 0;
        std::shared_ptr<DataRecoveryEntity> engine;
        bool fromLayout = false; // built from directory starts, over the whole range
        uint64_t backupAt = UINT64_MAX; // where its backup boot sector lies; none unless found by its boot sector
        bool FoundByBootSector() const { return backupAt != UINT64_MAX; }
    };
    const std::map<int, std::vector<FoundVolume>>& FoundVolumes() const { return found; }

    // Carving workers of the raw pass; 0 (the default) takes DeepScan::CarveWorkerCount().
    void SetCarveWorkers(size_t workers) { carveWorkers = workers; }

    // The full run list (over 255 runs) that the engine of lost volume
    // lostNumber kept for a file whose record carried recordRuns.
    std::optional<std::vector<DataRun>> FindLostRunList(uint8_t lostNumber, uint32_t nodeId, const std::string& path,
                                                        const DataRun* recordRuns);
    // The same for a request that names no lost volume: the list any lost
    // volume's engine kept that begins with recordRuns.
    std::optional<std::vector<DataRun>> FindLostRunList(const DataRun* recordRuns);
    // A file decoded from its record (a record reference leads its runs) on
    // the lost volume that holds the record: the one the file names, else any
    // whose range holds the reference. False when no lost volume's engine reads it.
    bool RecoverLostFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file,
                               const std::function<void(uint64_t)>& progress);

protected:
    std::shared_ptr<DataRecoveryEntity> volumeEngine;
    VolumeInfoItem volumeRecord;

private:
    std::vector<bool> ScanChunk(uint64_t& position, const DeepScan::Chunk& chunk, const std::vector<bool>& marks);
    bool Candidate(uint64_t position, const std::vector<bool>& marks, size_t index) const;
    void ScanBlockAt(uint64_t position, std::span<const uint8_t> block, bool candidate);
    void FeedFound(int type, uint64_t position, std::span<const uint8_t> block, bool layoutVolumes = true);
    bool RecognizeBoot(uint64_t position, std::span<const uint8_t> block);
    void BuildFromDirectoryBlock(int type, uint64_t position, std::span<const uint8_t> block);
    void DirectoryStart(int type, uint64_t position, std::span<const uint8_t> block);
    void FatDirectoryBlock(int type, uint64_t position, std::span<const uint8_t> block, bool ownMayTake);
    bool FitsFat32Geometry(uint64_t dataStart, uint64_t clusterSize, uint64_t position, uint64_t cluster) const;
    std::optional<DeepScan::ClusterLayout> OwnLayout() const;
    bool FitsOwnLayout(uint64_t position, uint64_t cluster) const;
    void Fat32DirectoryStart(uint64_t position, std::span<const uint8_t> block);
    void ExFatDirectoryStart(uint64_t position, std::span<const uint8_t> block);
    DataRecoveryEntity* BuildExFatLayout(uint64_t heap, uint64_t clusterSize);
    std::optional<DeepScan::ClusterLayout> LayoutPlacing(uint64_t position, uint64_t cluster, uint64_t clusterSize) const;
    // Builds the volume of a layout found from directory starts; false when known or not built.
    bool BuildEarlierLayout(const DeepScan::ClusterLayout& layout);
    void FeedOwn(uint64_t position, std::span<const uint8_t> block);
    void FlushHeldBlocks();
    DataRecoveryEntity* PlacingEngine(uint64_t position, std::span<const uint8_t> block, bool ownMayTake);
    struct HeldBlock {
        int type = 1;
        uint64_t position = 0;
        bool ownMayTake = false; // the own engine took it for one of its directory blocks
        std::vector<uint8_t> bytes;
    };
    void RouteHeldBlock(const HeldBlock& held);
    void ListWithoutData(int type, uint64_t position, std::span<const uint8_t> block);
    // Builds, numbers and registers a lost volume's engine; false when building failed.
    bool AddLostVolume(int type, uint64_t start, uint64_t length, const std::function<std::unique_ptr<DataRecoveryEntity>()>& make,
                       bool fromLayout = false, uint64_t backupAt = UINT64_MAX);
    // Whether a boot sector of the type at position is the backup of the own volume or of one found.
    bool IsKnownBackup(int type, uint64_t position) const;
    std::pair<uint64_t, uint64_t> Geometry(const FoundVolume& row);
    VolumeInfoItem LostVolumeRecord(uint64_t start, uint64_t length) const;
    void ReportProgress(uint64_t position);

    RecogniserMakers makers;
    std::map<int, std::unique_ptr<Utils::DataRecognize>> recognisers;
    std::vector<const Utils::DataRecognize*> recogniserList;
    std::shared_ptr<DeepScanManager> carving;
    std::shared_ptr<Utils::PartReader> reader;
    int ownType = 0;
    // The own engine's file-system type, -1 without one, and where its backup boot sector lies.
    int ownFileSystem = -1;
    std::optional<uint64_t> ownBackupAt;
    uint64_t volumeLength = 0;
    std::map<int, std::vector<FoundVolume>> found;
    // Guards found against recoveries asking for run lists while the pass adds volumes.
    std::mutex foundMutex;
    // (data-area start, cluster size) of volumes built, relative to the scanned volume.
    std::map<int, std::set<std::pair<uint64_t, uint64_t>>> knownGeometries;
    // FAT32 directory starts that fit no known layout.
    struct UnplacedStart {
        uint64_t position = 0;
        uint64_t cluster = 0;
        std::vector<uint8_t> block;
    };
    std::vector<UnplacedStart> unplacedStarts;
    // FAT32 and exFAT directory blocks that neither the own layout places as a
    // start nor a volume found by its boot sector holds, held until the pass
    // knows the layouts that might place them.
    std::vector<HeldBlock> heldBlocks;
    uint64_t heldBytes = 0;
    // The own layout placed a directory start in the volume's free space.
    bool ownStartsInFreeSpace = false;
    // By type: list the files of blocks no layout places, without data.
    std::map<int, std::unique_ptr<DataRecoveryEntity>> listings;
    // exFAT roots whose up-case table and bitmap gave a layout, with its engine.
    std::map<uint64_t, DataRecoveryEntity*> exFatRoots;
    // Types whose build from a directory block was tried.
    std::set<int> triedDirectoryTypes;
    uint64_t progressSum = 0;
    uint64_t lastStep = 512;
    size_t carveWorkers = 0;
};

// Numbers the lost volumes the raw search finds; a whole-volume scan resets it.
std::atomic<int>& LostVolumeCounter();

// Marks the blocks of a chunk that one of the recognisers may take (their MayRecognize).
DeepScan::ChunkInspection MarkCandidates(std::vector<const Utils::DataRecognize*> recognisers);
