#pragma once
// The exFAT engine: entry sets (live and deleted, also split across blocks,
// a damaged type byte given back by the set's checksum), names checked by
// their hash, the allocation bitmap that tells deleted files' clusters, and
// the volume's own up-case table.
#include "FAT/ExFATNames.h"
#include "FAT/FATDataRecovery.h"
#include "FAT/FATExplorer.h"

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace FAT {

class ExFATDataRecovery : public FATDataRecovery {
public:
    using Entry = std::array<uint8_t, 32>;
    // The most set beginnings kept waiting for their ends.
    static constexpr size_t maxSavedSets = 4096;

    ExFATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ExFATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback,
                      uint64_t dataStart, uint64_t clusterSize);
    ~ExFATDataRecovery() override;

    int64_t GetRootInode() override;
    int GetFileSystemType() override { return 2; }
    uint32_t GetFileInfoKind() override { return ExFatFile; }
    uint32_t GetVolumeSerial() override;
    bool IsDotName(const std::string&) override { return false; }
    bool NamesMatch(const std::string& a, const std::string& b) override;
    uint64_t MaxDirectoryBytes() override { return 256ull * 1024 * 1024; }
    bool KnowsAllocation() override { return bitmapBits != 0; }
    bool IsClusterInUse(uint64_t cluster) override { return BitmapBit(cluster); }
    uint64_t GetUsedBytes() override;
    std::shared_ptr<Utils::PartReader> GetReader() override;
    Utils::PartReader* GetRawReader() override;
    std::shared_ptr<FATTable> GetTable() override;
    FATTable* GetTablePtr() override;
    std::vector<DataRun> GetDirectoryRuns(uint64_t cluster) override;
    void WalkDirectoryItems(DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited) override;
    void ProcessFATDataItem(DirectoryItems& items, uint64_t offset, const uint8_t* block, uint64_t length,
                            uint64_t inode) override;
    void FinishScan() override;
    void CheckGeometry() override;
    bool HoldsEntries(const uint8_t* cluster, uint64_t length, bool* ended) override;
    // Only a folder whose end is in doubt (its chain broke, its entry fails
    // its checksum) goes on past it, into clusters in use that no chain
    // holds and that hold entry sets.
    uint64_t NextDirectoryCluster(uint64_t id, uint64_t after) override;

    // Where the up-case table came from: "volume", "file" or "built-in".
    const std::string& UpcaseSource() const { return upcaseSource; }
    const std::vector<uint16_t>& UpcaseTable() const { return upcase; }

    // The entries of one set as a block holds them.
    struct EntrySet {
        Entry file{};
        Entry stream{};
        std::vector<Entry> rest; // name entries and benign secondaries, as met
        bool hasFile = false;
        bool hasStream = false;
        size_t names = 0;
        size_t benign = 0;
        bool verify = false; // a repaired entry, or met after a damaged one: listed only when its checksum holds
    };

private:
    void LoadRootSpecials();
    void LoadUpcase(uint64_t cluster, uint64_t length, uint32_t checksum);
    void LoadBitmap(uint64_t cluster, uint64_t length);
    bool BitmapBit(uint64_t cluster) const;
    // Whether the cluster begins with directory entries (or only zeros).
    bool IsFolderAt(uint64_t cluster);
    // A folder's runs by its chain, cut to its length; where the chain is cut
    // short, the clusters after it up to its length (read while they hold entries).
    std::vector<DataRun> FolderChainRuns(uint64_t first, uint64_t length);
    // Builds the node of a whole set; false when it is no set.
    bool ProcessSet(const EntrySet& set, uint64_t inode, DirectoryItems& items);
    void ProcessTail(const EntrySet& tail, uint64_t inode, DirectoryItems& items);
    static std::vector<Entry> NameEntries(const EntrySet& set);
    static std::vector<Entry> AllEntries(const EntrySet& set);

    std::shared_ptr<ExFATExplorer> explorer;
    uint64_t rootCluster = 0;
    std::vector<uint16_t> upcase;
    std::string upcaseSource;
    std::vector<uint8_t> bitmap;
    uint64_t bitmapBits = 0;
    std::mutex directoryRunsMutex;
    std::map<uint64_t, std::vector<DataRun>> directoryRuns;
    std::set<uint64_t> untrustedEnds; // folders that may go on past their runs
    std::vector<EntrySet> saved; // sets whose end lies in a later block
};

// The up-case table file installed beside the library, "" when not found.
std::string InstalledUpcaseTablePath();

}
