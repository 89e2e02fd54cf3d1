#pragma once
// A FAT engine for the common scan's tests: its hooks serve directories from
// a table keyed by cluster, over the reader and FAT of a real FAT32 image.
#include "FAT/FATDataRecovery.h"
#include "FAT/FATExplorer.h"

#include <map>
#include <ostream>
#include <mutex>
#include <string>
#include <vector>

inline bool operator==(const DataRun& a, const DataRun& b)
{
    return a.offset == b.offset && a.length == b.length;
}
inline void PrintTo(const DataRun& run, std::ostream* out)
{
    *out << "{" << run.offset << ", " << run.length << "}";
}

namespace FatTest {

struct TableEntry {
    std::string name;
    bool folder = false;
    uint32_t id = 0; // first cluster
    uint64_t size = 0;
    bool deleted = false;
};

// What the callback received, copied out of the record.
struct Reported {
    uint32_t kind = 0;
    double progress = 0;
    std::string path;
    std::vector<DataRun> runs;
    uint64_t size = 0;
    int64_t time = 0;
    uint32_t nodeId = 0;
    uint8_t deletedState = 0;
    uint8_t pathState = 0;
};

class Recorder {
public:
    DataRecoveryCallback Callback();
    std::vector<Reported> Files();
    std::vector<double> Progress(uint32_t kind);
    const Reported* File(const std::string& path);

    std::mutex mutex;
    std::vector<Reported> records;
};

class TableEngine : public FAT::FATDataRecovery {
public:
    // dataStart and clusterSize: 0, or the layout of a volume known without its boot sector.
    TableEngine(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback,
                uint64_t dataStart = 0, uint64_t clusterSize = 0);

    std::map<uint64_t, std::vector<TableEntry>> directories; // by cluster
    std::vector<uint64_t> walked;                            // directory ids in the order read
    std::vector<uint64_t> rawChecked;                        // positions the raw pass tested

    int64_t GetRootInode() override { return 2; }
    int GetFileSystemType() override { return 1; }
    uint32_t GetFileInfoKind() override { return Fat32File; }
    std::shared_ptr<Utils::PartReader> GetReader() override { return explorer.reader; }
    Utils::PartReader* GetRawReader() override { return explorer.reader.get(); }
    std::shared_ptr<FAT::FATTable> GetTable() override { return explorer.table; }
    FAT::FATTable* GetTablePtr() override { return explorer.table.get(); }
    std::vector<DataRun> GetDirectoryRuns(uint64_t cluster) override;
    void WalkDirectoryItems(FAT::DirectoryItems& items, FAT::DirectoryQueue* queue, FAT::VisitedSet* visited) override;
    void ProcessFATDataItem(FAT::DirectoryItems& items, uint64_t offset, const uint8_t* block, uint64_t length,
                            uint64_t inode) override;
    bool IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length) override;
    void FinishScan() override {}

    using FATDataRecovery::AddExtent;

private:
    FAT::FAT32Explorer explorer;
};

}
