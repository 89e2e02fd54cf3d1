#pragma once
// The FAT32 engine: directory entries and their long names, deleted entries
// (with the first cluster's high word guessed where the file system cleared
// it), deleted folders, and the extents of live files.
#include "FAT/FAT32Names.h"
#include "FAT/FATDataRecovery.h"
#include "FAT/FATExplorer.h"
#include "FAT/NeighbourSearch.h"

#include <functional>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

namespace FAT {

class FAT32DataRecovery : public FATDataRecovery {
public:
    FAT32DataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback);
    // A volume found without a boot sector: its data-area start and cluster size.
    FAT32DataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback,
                      uint64_t dataStart, uint64_t clusterSize);
    ~FAT32DataRecovery() override;

    int64_t GetRootInode() override;
    int GetFileSystemType() override { return 1; }
    uint32_t GetFileInfoKind() override { return Fat32File; }
    uint32_t GetVolumeSerial() override;
    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    // A volume built from a layout looks for its FAT at its first block.
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) override;
    bool IsStructureBlock(const uint8_t* block) override;
    std::shared_ptr<Utils::PartReader> GetReader() override;
    Utils::PartReader* GetRawReader() override;
    std::shared_ptr<FATTable> GetTable() override;
    FATTable* GetTablePtr() override;
    std::vector<DataRun> GetDirectoryRuns(uint64_t cluster) override;
    void WalkDirectoryItems(DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited) override;
    void MarkDirectoryCluster(uint64_t cluster) override;
    void OnScanPassEnd() override;
    void ProcessFATDataItem(DirectoryItems& items, uint64_t offset, const uint8_t* block, uint64_t length,
                            uint64_t inode) override;
    void FinishScan() override;
    void CheckGeometry() override;
    bool HoldsEntries(const uint8_t* cluster, uint64_t length, bool* ended) override;

    using Neighbour = FAT::Neighbour;
    // A deleted file whose first cluster's high word is to be guessed.
    struct DeletedEntry {
        bool firstOfBlock = false;
        uint64_t blockCluster = 0;
        FileManagerSP::FileNode node;
    };
    using NeighbourMap = std::map<int64_t, std::vector<Neighbour>>;
    using DeletedMap = std::map<int64_t, std::vector<DeletedEntry>>;

    // Each deleted entry gets the first cluster its live neighbours suggest,
    // with its runs built from there; one node for each cluster that ties
    // on the best score.
    std::vector<FileManagerSP::FileNode> GuessDeletedEntryCluster(DeletedMap& deleted);

    NeighbourMap liveNeighbours;
    DeletedMap deletedEntries;

private:
    // The engine's own short-entry test: the recogniser's, with first clusters inside the data area.
    bool IsPlausibleEntry(const uint8_t* entry, uint32_t now);
    std::vector<DataRun> DeletedFolderRuns(uint64_t cluster);
    // Whether a folder begins at cluster: its "." names it.
    bool IsFolderAt(uint64_t cluster);
    // The runs of a file entry; false (logged) when building them failed.
    bool BuildRuns(FileManagerSP::FileNode& node);

    // A volume known by its layout alone: its FAT is looked for before its
    // first block is read (or the first few that name too few folders and
    // files to judge one by), and taken where they bear it out.
    void FindLostTable(uint64_t offset, const uint8_t* block, size_t length);

    std::shared_ptr<FAT32Explorer> explorer;
    bool tableToFind = false;
    unsigned tableTries = 0;
    // Long-name entries at the end of a block, whose short entry begins the
    // next block of the same directory: in a raw pass the block after it on
    // the disk, for the raw search the next block of its chain met.
    struct Carried {
        uint64_t inode = 0;
        uint64_t end = 0; // the volume offset just past the block
        std::vector<RawEntry> entries;
    };
    std::vector<RawEntry> TakeCarried(uint64_t offset, uint64_t inode,
                                      const std::function<bool(const std::vector<RawEntry>&)>& joins);
    void Carry(uint64_t end, uint64_t inode, std::vector<RawEntry> entries);
    void ForgetCarried();
    std::vector<Carried> carried;
    std::unordered_set<uint64_t> directoryClusters;
};

}
