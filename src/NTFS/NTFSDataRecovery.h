#pragma once
// The NTFS engine: lists every file of a volume from its $MFT (live and
// deleted, Recycle Bin items under their former paths), finds file records in
// free space during the raw pass, and knows the volume's allocation bitmap.
#include "DataRecovery/DataRecoveryEntity.h"
#include "NTFS/LogRestartArea.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/VolumeFromRecords.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace NTFS {
class MFT;
class NTFSExplorer;
class NTFSReader;
}
namespace Thread {
class ThreadPool;
}

class NTFSDataRecovery : public DataRecoveryEntity {
public:
    // The $MFT is read in chunks of this many bytes: large enough for sequential
    // reads, small enough not to dominate the memory of a scan.
    static constexpr uint32_t chunkBytes = 4u << 20;

    NTFSDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~NTFSDataRecovery() override;

    using DataRecoveryEntity::Start;
    int Start() override;
    int Start(const std::string& path) override;
    int ScanStructure(int64_t inode) override;
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) override;
    int ScanRaw() override;
    int AfterScanRaw() override;
    uint64_t RecoverRun(Utils::DataWriter* writer, DataRun run, uint64_t written, uint64_t fileSize) override;
    int64_t GetRootInode() override { return 5; }
    bool GetClusterState(uint64_t position, uint64_t* length) override;
    uint32_t GetRawBlockSize() override { return 512; }
    int GetFileSystemType() override { return 0; }
    bool IsStructureBlock(const uint8_t* block) override;
    uint32_t GetVolumeSerial() override;
    uint64_t GetVolumeOffset() override;
    std::shared_ptr<Utils::PartReader> GetReader() override;
    Utils::PartReader* GetRawReader() override;
    uint32_t GetFileInfoKind() override { return NtfsFile; }
    void FinishScan() override;
    uint64_t GetUsedBytes() override;
    bool RecoverFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file,
                           const std::function<void(uint64_t)>& progress) override;

    // Byte runs and size of an attribute made of pieces: resident values at
    // their bytes on disk (locate gives them), non-resident ones from their
    // clusters; holes as runs at sparseRunOffset. Size = the data size, capped by the runs.
    using ResidentLocator = std::function<std::vector<DataRun>(const NTFS::MFTRecord&, uint64_t, uint64_t)>;
    std::pair<uint64_t, std::vector<DataRun>> GetAttributeRuns(const std::vector<NTFS::AttributePiece>& pieces,
                                                               const ResidentLocator& locate);
    // Byte runs (from cluster 0, unshifted) and size of a non-resident value's clusters.
    static std::pair<uint64_t, std::vector<DataRun>> ClusterRunsToBytes(const std::vector<NTFS::DataRun>& clusters,
                                                                        uint64_t realSize, uint64_t initializedSize,
                                                                        uint64_t clusterSize);
    // Puts {record offset, 0} before the runs of a file whose bytes are not its
    // runs (compressed, system-compressed, more runs than a record carries), so
    // recovery decodes it from the record at that volume offset.
    // data: the pieces of the record's unnamed $DATA.
    void AddRecordReference(const NTFS::MFTRecord& record, const std::vector<NTFS::AttributePiece>& data,
                            uint64_t recordOffset, std::vector<DataRun>& runs);
    // The file record at a volume offset: through the $MFT when the offset lies
    // in it, else read there (a record the raw search found).
    std::shared_ptr<NTFS::MFTRecord> RecordAtOffset(uint64_t offset);
    // Shifts runs by the volume's device offset for an engine of a lost partition.
    void AddVolumeOffset(std::vector<DataRun>& runs);
    // What AddVolumeOffset adds (see LostVolumeShift).
    uint64_t RunShift();

    // How a record of the $MFT is shown: its own name, or for a Recycle Bin pair
    // the former path of the item on the content record.
    struct ConstructedFile {
        std::u16string name;
        std::shared_ptr<NTFS::MFTRecord> record;
        bool fromRecycleBin = false;
    };
    ConstructedFile ConstructFile(const std::shared_ptr<NTFS::MFTRecord>& record);
    static std::u16string GetRecycledItemPath(const NTFS::MFTRecord& information);

    // The per-record worker: turns one base record of the $MFT into a node.
    void ProcessMFTRecord(const std::shared_ptr<NTFS::MFTRecord>& record, uint64_t recordNumber);

    // Records of the $MFT that could not be read in the last structure scan.
    uint64_t UnreadableRecords() const { return unreadableRecords; }

private:
    void ConstructBitmap();
    void ProcessNamedRecord(const std::shared_ptr<NTFS::MFTRecord>& record, uint64_t recordNumber,
                            const std::u16string* ownName);
    void ProcessFoundRecord(NTFS::MFTRecord& record, uint64_t position);
    void ListFoundFile(FileManagerSP::FileNode node, uint64_t record, bool named, bool live);
    void PlaceFoundFiles();
    bool UsePlacedVolume(const NTFS::PlacedVolume& volume);
    void FlushUnpairedRecycleHalves();
    void ReportRecycleItemsUnderStart();
    void AddFileNode(const FileManagerSP::FileNode& node);
    void ReportOversized();
    void ReadChunk(NTFS::MFT& mft, uint64_t first, uint64_t count, uint8_t* out);
    std::vector<DataRun> LocateInMft(const NTFS::MFTRecord& record, uint64_t offset, uint64_t length);
    void ReportResolved();
    // Files known only from the journal ($LogFile), merged as deleted files;
    // a journal that cannot be read is logged and skipped.
    void ParseLogFile();
    void ParseLogFileRecords();
    bool FreedFileFromIndexEntry(const NTFS::LogTransaction& transaction, uint64_t totalClusters,
                                 uint32_t imageRecord, FileManagerSP::FileNode& node);
    bool FileFromRecordImage(const NTFS::LogRecordRef& ref, const uint8_t* image, uint32_t imageLength,
                             const std::vector<NTFS::DataRun>& logRuns, FileManagerSP::FileNode& node);
    void AddSubfoldersFromIndex(const NTFS::MFTRecord& folder, uint32_t folderId);
    std::vector<DataRun> LocateInJournal(const NTFS::LogRecordRef& ref, uint64_t clientOffset, uint64_t length,
                                         const std::vector<NTFS::DataRun>& logRuns);
    static bool StillInMft(NTFS::MFT& mft, const FileManagerSP::FileNode& node);

    // A file in use whose data lies in clusters: held until the $MFT pass has
    // seen every such file, so that of two whose runs claim the same clusters
    // the damaged one is found before either is listed.
    enum class Listing { Store, RecycleItem, Unnamed };
    struct LiveFile {
        FileManagerSP::FileNode node;
        uint64_t record = 0;
        Listing listing = Listing::Store;
        uint64_t folder = 0; // of a Recycle Bin item
    };
    // A record with data whose $FILE_NAME is gone or unreadable.
    struct NamelessFile {
        FileManagerSP::FileNode node;
        uint64_t record = 0;
        bool live = false; // in use, data in clusters
    };
    void KeepFile(FileManagerSP::FileNode node, uint64_t record, bool live);
    void ListRecycleItem(const FileManagerSP::FileNode& node, uint64_t folder);
    // listUnknown: a file no index names is listed under "Unknown" (a scan of
    // the whole volume, or its raw pass).
    void NameNamelessFiles(bool listUnknown);
    // flushResolved: files whose paths are complete are reported a batch at a
    // time (the $MFT pass); the raw pass's end reports them itself.
    void ReleaseLiveFiles(bool flushResolved);
    static void DropRecordCopies(std::deque<LiveFile>& files);
    void CutOverlappingRuns(std::deque<LiveFile>& files);
    bool ClustersInUse(uint64_t start, uint64_t length);

    // A file found raw whose clusters are numbered by a geometry the volume
    // has not borne out (a lost volume known by its records alone): it waits
    // for the raw pass's end, when copies of record 0 may place the volume.
    struct UnplacedFile {
        FileManagerSP::FileNode node; // its runs: a record reference, when it leads them
        std::vector<NTFS::DataRun> clusters;
        uint64_t realSize = 0;
        uint64_t initializedSize = 0;
        uint64_t position = 0; // of its record, in the scanned range
        bool named = false;
        bool live = false;
    };
    std::vector<UnplacedFile> unplacedFiles;
    // Where copies of record 0 ($MFT) were found raw, at most maxMftAnchors.
    std::vector<uint64_t> mftAnchors;
    static constexpr size_t maxMftAnchors = 64;

    // A deque: many files, appended while held, never copied to grow.
    std::deque<LiveFile> liveFiles;
    std::vector<NamelessFile> namelessFiles;
    std::mutex liveMutex;

    struct RecycleHalf {
        std::shared_ptr<NTFS::MFTRecord> record;
        uint64_t recordNumber = 0;
    };
    // (folder record, name without "$I"/"$R") to the half that came first.
    std::map<std::pair<uint64_t, std::u16string>, RecycleHalf> recycleHalves;
    std::set<std::pair<uint64_t, std::u16string>> recycleNames;
    // Recycle Bin items of a path scan wait until the scan knows whether their
    // folder lies under the start: (node, folder record of the content half).
    std::vector<std::pair<FileManagerSP::FileNode, uint64_t>> recycleItems;
    std::mutex recycleMutex;
    // Files larger than the store keeps pending, reported at the scan's end.
    std::vector<FileManagerSP::FileNode> oversized;
    std::mutex oversizedMutex;
    std::shared_ptr<NTFS::NTFSExplorer> explorer;
    std::vector<uint8_t> bitmap;
    std::shared_ptr<Thread::ThreadPool> pool;
    std::vector<uint8_t> recordBuffer;
    uint64_t recordStart = 0;
    uint32_t recordFilled = 0;
    uint32_t recycleBinRecord = 0;
    uint32_t clusterSize = 0;
    uint64_t unreadableRecords = 0;
};
