#pragma once
// The allocation table of a FAT32 or exFAT volume, read through a sliding
// window of at most 16 MiB, and the cluster chains it describes as runs.
#include "DataRecovery/DataRecoveryInfo.h"
#include "FAT/FATGeometry.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_set>
#include <utility>
#include <vector>

namespace Utils {
class PartReader;
}

namespace FAT {

// (first cluster, byte length) of a stretch of free clusters.
using FreeRange = std::pair<uint64_t, uint64_t>;

// How a chain ended: at its end-of-chain mark, or at a damaged link (a loop,
// a cluster past the table or the volume, a free cluster, a bad-cluster mark).
enum class ChainEnd { Mark, Broken };

class FATTable {
public:
    static constexpr uint32_t maxWindowSize = 16 * 1024 * 1024;

    FATTable(std::shared_ptr<Utils::PartReader> reader, const VolumeGeometry& geometry);
    virtual ~FATTable();

    FATTable(const FATTable&) = delete;
    FATTable& operator=(const FATTable&) = delete;

    // The entry of a cluster of the data area (FAT32: its low 28 bits); a
    // cluster outside 2 .. ClusterLimit() - 1 throws std::out_of_range.
    virtual uint32_t NextCluster(uint64_t cluster) = 0;
    // Whether an entry value ends a chain (the cluster holding it is the last).
    virtual bool IsEndOfChain(uint32_t entry) const = 0;
    // Whether a chain whose first entry holds this value owns its first cluster.
    virtual bool IsUsedEntry(uint32_t entry) const = 0;

    // Runs (volume byte offset, byte length) of the chain from firstCluster,
    // merged where clusters follow one another and cut at the end of the
    // volume; empty for a cluster below 2 or past the data area. A damaged
    // link ends the chain with what was found (a link to a free cluster
    // before it: no chain runs through one); a link back to a cluster the
    // chain already holds ends it there (logged once per chain). Without a
    // known table every chain is one cluster long. ending: how it ended.
    std::vector<DataRun> GetClusterRuns(uint64_t firstCluster, ChainEnd* ending = nullptr);
    // Free stretches of the table, in cluster order; none without a table.
    std::vector<FreeRange> GetFreeRanges();
    // Whether the table marks a cluster free (false without a table).
    bool IsFree(uint64_t cluster);

    uint64_t ClusterOfPosition(uint64_t position) const;
    uint64_t ClusterOffset(uint64_t cluster) const { return (cluster - 2) * geometry.clusterSize + geometry.dataStart; }
    bool IsDataCluster(uint64_t cluster) const { return cluster >= 2 && cluster < ClusterLimit(geometry); }

    uint64_t ClusterSize() const { return geometry.clusterSize; }
    uint64_t DataStart() const { return geometry.dataStart; }
    uint64_t ClusterCount() const { return geometry.clusterCount; }
    uint64_t EntryLimit() const { return ClusterLimit(geometry); }
    bool HasTable() const { return geometry.hasTable; }
    uint64_t VolumeLength() const { return geometry.volumeLength; }
    const VolumeGeometry& Geometry() const { return geometry; }

protected:
    // The raw 32-bit entry n; the caller has checked n.
    uint32_t RawEntry(uint64_t n);
    void CheckCluster(uint64_t cluster) const;

private:
    void LogLoop(uint64_t first, uint64_t last, uint64_t back);

    std::shared_ptr<Utils::PartReader> reader;
    const VolumeGeometry geometry;
    std::mutex windowMutex;
    std::vector<uint8_t> window;
    uint64_t windowOffset = 0;
    uint32_t windowSize = 0;
    bool windowLoaded = false;
    std::mutex loopMutex;
    std::unordered_set<uint64_t> loopsLogged; // first clusters of looping chains
};

class FAT32Table : public FATTable {
public:
    using FATTable::FATTable;
    uint32_t NextCluster(uint64_t cluster) override;
    bool IsEndOfChain(uint32_t entry) const override;
    bool IsUsedEntry(uint32_t entry) const override { return entry != 0; }
};

class ExFATTable : public FATTable {
public:
    using FATTable::FATTable;
    uint32_t NextCluster(uint64_t cluster) override;
    bool IsEndOfChain(uint32_t entry) const override;
    bool IsUsedEntry(uint32_t) const override { return true; }
};

}
