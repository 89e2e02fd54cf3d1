#pragma once
// The scan passes both FAT engines share: the directory walk from a start
// cluster, the start at a path, the raw pass over the data area, the block
// hook of the raw volume search and the pass after it. What a directory block
// holds and how its entries become nodes is the subclasses' part.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/FileNode.h"
#include "FAT/FATTable.h"
#include "FAT/RecycleBinPairing.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <queue>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace FAT {

using DirectoryItems = std::vector<FileManagerSP::FileNode>;
using DirectoryQueue = std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<uint64_t>>;
using VisitedSet = std::unordered_set<uint64_t>;

class FATDataRecovery : public DataRecoveryEntity {
public:
    // The most bytes of one directory read in one piece.
    static constexpr uint64_t directoryPiece = 1024 * 1024;

    FATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~FATDataRecovery() override;

    using DataRecoveryEntity::Start;
    int Start() override;
    int Start(const std::string& path) override;
    int ScanStructure(int64_t inode) override;
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) override;
    int ScanRaw() override;
    int AfterScanRaw() override;
    bool GetClusterState(uint64_t position, uint64_t* length) override;
    bool MarksInUse(uint64_t position) override;
    uint32_t GetRawBlockSize() override { return 512; }
    uint64_t GetDataAreaOffset() override;
    uint64_t GetDataStartOffset() override;
    uint64_t GetVolumeOffset() override;
    uint64_t GetUsedBytes() override;
    // The chain from the first run's cluster, for a file whose record
    // carried only its first runs.
    std::vector<DataRun> FullRunList(const DataRecoveryInfo& file) override;
    // Runs go to the caller relative to the volume its container reads.
    void ReportFileNode(const FileManagerSP::FileNode& node, const std::string& path, int kind) override;

    // Hooks of the two engines.
    virtual std::shared_ptr<FATTable> GetTable() = 0;
    virtual FATTable* GetTablePtr() = 0;
    // The runs of a directory, at most MaxDirectoryBytes in all.
    virtual std::vector<DataRun> GetDirectoryRuns(uint64_t cluster) = 0;
    // Enters the start folder as the root node ".\" (its own parent).
    virtual void RegisterRoot(uint64_t rootId);
    virtual void OnDirectoryRun(uint64_t offset) {}
    // The part of a piece read for directory id that holds its entries: a
    // cluster after its first that holds none, or that another file's chain
    // claims, ends it (the chain ran into other data); *ended: its last
    // cluster holds the directory's end marker.
    uint64_t DirectoryEntriesIn(uint64_t id, uint64_t offset, const uint8_t* piece, uint64_t length, bool* ended);
    // Whether one cluster of a directory reads as its entries; *ended: it holds its end marker.
    virtual bool HoldsEntries(const uint8_t* cluster, uint64_t length, bool* ended);
    // A directory whose runs end without its end marker: the offset of the
    // cluster that goes on with it, 0 for none.
    virtual uint64_t NextDirectoryCluster(uint64_t id, uint64_t after) { return 0; }
    // A file's runs. A live file whose chain ends at its end mark with the
    // clusters its size needs is whole; one whose mark comes before its size
    // is cut to its chain (marked cut); any other (a broken chain, one longer
    // than its size) is held until every chain of the pass is known
    // (ResolveHeldFiles).
    virtual void UpdateFileNodeDataInfo(FileManagerSP::FileNode& node);
    // Whether the volume says which clusters are in use (FAT32: its table;
    // exFAT: its allocation bitmap), and whether one is.
    virtual bool KnowsAllocation();
    virtual bool IsClusterInUse(uint64_t cluster);
    virtual bool IsDotName(const std::string& name);
    virtual void WalkDirectoryItems(DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited) = 0;
    virtual void MarkDirectoryCluster(uint64_t cluster) {}
    virtual void OnScanPassEnd() {}
    virtual void ProcessFATDataItem(DirectoryItems& items, uint64_t offset, const uint8_t* block, uint64_t length,
                                    uint64_t inode) = 0;
    virtual void ReportPendingNodes();
    // Throws the engine's own exception when no geometry of the volume holds.
    virtual void CheckGeometry() {}
    // Reports the pending files whose paths reach the start folder.
    void ReportResolvedNodes();
    // Whether two names of this file system name the same entry.
    virtual bool NamesMatch(const std::string& a, const std::string& b);
    // The most bytes of one directory the walks read (FAT32: 65,536 entries).
    virtual uint64_t MaxDirectoryBytes() { return 2 * 1024 * 1024; }

    // The byte offset of this engine's volume within the volume its
    // container reads: not 0 only for a volume the raw search found.
    uint64_t RunShift();

protected:
    // Pause and stop between units of work.
    void CheckRunState();
    // A directory item as every walk treats it: queued when new, entered in
    // the node store unless it is a Recycle Bin root; "." "..", "System
    // Volume Information" are neither.
    void HandleDirectory(const FileManagerSP::FileNode& directory, DirectoryQueue* queue, VisitedSet* visited);
    // A file item: through the Recycle Bin pairing, then pending.
    void HandleFile(const FileManagerSP::FileNode& file);
    // Adds a file to the pending nodes unless an equal one is there.
    void AddPendingFile(const FileManagerSP::FileNode& file);
    // Holds the volume bytes [offset, offset + length) as accounted for: a
    // directory's, or a live file's (its chain claims them).
    void AddExtent(uint64_t offset, uint64_t length);
    // Whether any of [offset, offset + length) is a directory's or a live file's.
    bool IsClaimed(uint64_t offset, uint64_t length) const;
    // A live file's runs claim their clusters, unless it is held; they are
    // accounted for unless the file is cut.
    void ClaimRuns(const FileManagerSP::FileNode& file);
    // Whether a file waits for every chain of the pass to be known (on a
    // volume without a FAT: for every live file's first cluster).
    bool IsHeld(const FileManagerSP::FileNode& file);
    // Gives each held file the clusters of its chain no other file claims, up
    // to its size; where the chain broke it goes on over the clusters after
    // its last good one that no chain claims (claimsComplete: every live
    // chain of the volume is known), as deleted files do. Logged and marked
    // guessed; one that cannot reach its size is cut.
    void ResolveHeldFiles(bool claimsComplete);
    void ClearHeldFiles() { heldFiles.clear(); }
    // Ends a pass: the Recycle Bin files still waiting for a partner are reported under their own names.
    void ReleaseHeldBackFiles();
    // Whether a folder id is a Recycle Bin folder or directly in one.
    bool IsInRecycleBin(uint32_t parentId);
    void ClearPassState();
    // size bytes from first over the clusters not in use.
    std::vector<DataRun> FreeClusterRuns(uint64_t first, uint64_t size);
    // size bytes from first in one piece, cut at the volume's end.
    std::vector<DataRun> ContiguousRuns(uint64_t first, uint64_t size);
    static std::vector<DataRun> CutRuns(std::vector<DataRun> runs, uint64_t size);

    uint64_t volumeSize = 0;
    std::map<uint64_t, uint64_t> extents; // volume offset -> length
    std::map<uint64_t, uint64_t> claims;  // the live files' chains, cut ones included
    std::map<uint64_t, std::vector<DataRun>> blockChains;
    std::map<uint64_t, std::pair<uint64_t, uint64_t>> chainRuns; // run offset -> (run end, chain's first cluster)
    RecycleBinPairs recyclePairs;
    std::set<uint64_t> recycleBinFolders;
    std::vector<FileManagerSP::FileNode> heldFiles;
    std::set<uint64_t> liveStarts; // on a volume without a FAT: the first clusters of its live files and folders

private:
    // A file on its way to the pending nodes, through the Recycle Bin pairing.
    void PassOn(const FileManagerSP::FileNode& file);
    void ResolveHeld(FileManagerSP::FileNode& file, bool claimsComplete);
    // Reads a piece of directory id; false when the directory ends there.
    bool ReadDirectoryPiece(uint64_t id, uint64_t at, uint64_t n, std::vector<uint8_t>& piece, DirectoryItems& items,
                            DirectoryQueue* queue, VisitedSet* visited, bool* ended);
    void ReadDirectory(uint64_t id, DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited);
    void ProcessBlock(uint64_t offset, const uint8_t* block, uint64_t length, uint64_t inode, bool raw);
    // The folder named name inside the folder at cluster, a live one before a
    // deleted one; a folder of the Recycle Bin is marked so.
    std::optional<uint64_t> FindFolder(uint64_t cluster, const std::string& name);
};

}
