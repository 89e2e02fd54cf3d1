#include "FAT/FATTable.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "FAT/EntryBytes.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

static constexpr const char* LogSource = "src/FAT/FATTable";

namespace FAT {

FATTable::FATTable(std::shared_ptr<Utils::PartReader> partReader, const VolumeGeometry& volumeGeometry)
    : reader(std::move(partReader)), geometry(volumeGeometry)
{
    if (!reader)
        throw Exceptions::FATException("FATTable: Reader is null");
    windowSize = static_cast<uint32_t>(std::min<uint64_t>(geometry.tableLength, maxWindowSize) & ~uint64_t{3});
    if (geometry.hasTable && windowSize == 0)
        throw Exceptions::FATException("FATTable: empty allocation table");
}

FATTable::~FATTable()
{
    std::fill(window.begin(), window.end(), 0);
}

void FATTable::CheckCluster(uint64_t cluster) const
{
    if (!IsDataCluster(cluster))
        throw std::out_of_range("Cluster number exceeds the maximum limit.");
}

uint32_t FATTable::RawEntry(uint64_t n)
{
    const uint64_t at = n * 4;
    if (at + 4 > geometry.tableLength)
        throw std::out_of_range("Cluster number exceeds the maximum limit.");
    std::lock_guard lock(windowMutex);
    if (!windowLoaded || at < windowOffset || at + 4 > windowOffset + windowSize) {
        const uint64_t offset = at / windowSize * windowSize;
        const uint64_t length = std::min<uint64_t>(windowSize, geometry.tableLength - offset);
        window.assign(windowSize, 0);
        windowLoaded = false;
        reader->Read(geometry.tableStart + offset, window.data(), static_cast<uint32_t>(length));
        windowOffset = offset;
        windowLoaded = true;
    }
    return EntryU32(window.data() + (at - windowOffset));
}

uint32_t FAT32Table::NextCluster(uint64_t cluster)
{
    CheckCluster(cluster);
    return RawEntry(cluster) & 0x0FFFFFFF;
}

bool FAT32Table::IsEndOfChain(uint32_t entry) const
{
    entry &= 0x0FFFFFFF;
    return entry >= 0x0FFFFFF8 || entry == 0x0FFFFFF7;
}

uint32_t ExFATTable::NextCluster(uint64_t cluster)
{
    CheckCluster(cluster);
    return RawEntry(cluster);
}

bool ExFATTable::IsEndOfChain(uint32_t entry) const
{
    return entry == 0xFFFFFFFF || entry == 0xFFFFFFF7;
}

uint64_t FATTable::ClusterOfPosition(uint64_t position) const
{
    if (position < geometry.dataStart)
        throw Exceptions::FATException("Position is before the data area start.");
    return (position - geometry.dataStart) / geometry.clusterSize + 2;
}

bool FATTable::IsFree(uint64_t cluster)
{
    return geometry.hasTable && IsDataCluster(cluster) && NextCluster(cluster) == 0;
}

std::vector<DataRun> FATTable::GetClusterRuns(uint64_t first, ChainEnd* ending)
{
    std::vector<DataRun> runs;
    ChainEnd ignored;
    ChainEnd& how = ending ? *ending : ignored;
    how = ChainEnd::Broken;
    if (!IsDataCluster(first))
        return runs;
    const uint64_t cs = geometry.clusterSize;
    const uint64_t end = geometry.volumeLength;
    // Appends one cluster; false once the volume ends.
    auto add = [&](uint64_t cluster) {
        const uint64_t offset = ClusterOffset(cluster);
        if (offset >= end)
            return false;
        const uint64_t length = std::min(cs, end - offset);
        if (!runs.empty() && runs.back().offset + runs.back().length == offset)
            runs.back().length += length;
        else
            runs.push_back({offset, length});
        return length == cs;
    };
    if (!geometry.hasTable) {
        add(first);
        how = ChainEnd::Mark;
        return runs;
    }
    uint64_t k = first;
    uint32_t e = NextCluster(k);
    if (e == 0 && !IsUsedEntry(e))
        return runs; // a free first cluster: no chain
    // The clusters met so far: the stretches before the current one (first ->
    // one past the last), and the current stretch from stretchFirst to k.
    std::map<uint64_t, uint64_t> before;
    uint64_t stretchFirst = k;
    auto met = [&](uint64_t c) {
        if (c >= stretchFirst && c <= k)
            return true;
        auto it = before.upper_bound(c);
        return it != before.begin() && c < std::prev(it)->second;
    };
    for (uint64_t steps = 0; steps < geometry.clusterCount; ++steps) {
        if (!add(k))
            break;
        if (IsEndOfChain(e)) {
            if ((e & 0x0FFFFFFF) != 0x0FFFFFF7) // the bad-cluster mark ends no file
                how = ChainEnd::Mark;
            break;
        }
        if (!IsDataCluster(e)) {
            if (e != 0)
                VLOG_INFO("FAT chain from cluster %llu ends at an invalid link %u after cluster %llu",
                          static_cast<unsigned long long>(first), e, static_cast<unsigned long long>(k));
            break;
        }
        if (met(e)) {
            LogLoop(first, k, e);
            break;
        }
        const uint32_t after = NextCluster(e);
        if (after == 0) {
            VLOG_INFO("FAT chain from cluster %llu links to the free cluster %u after cluster %llu",
                      static_cast<unsigned long long>(first), e, static_cast<unsigned long long>(k));
            break;
        }
        if (e != k + 1) {
            before[stretchFirst] = k + 1;
            stretchFirst = e;
        }
        k = e;
        e = after;
    }
    return runs;
}

void FATTable::LogLoop(uint64_t first, uint64_t last, uint64_t back)
{
    std::lock_guard lock(loopMutex);
    if (!loopsLogged.insert(first).second)
        return;
    VLOG_INFO("FAT chain from cluster %llu loops back to cluster %llu after cluster %llu; it ends there",
              static_cast<unsigned long long>(first), static_cast<unsigned long long>(back),
              static_cast<unsigned long long>(last));
}

std::vector<FreeRange> FATTable::GetFreeRanges()
{
    std::vector<FreeRange> ranges;
    if (!geometry.hasTable)
        return ranges;
    const uint64_t cs = geometry.clusterSize;
    bool open = false;
    for (uint64_t n = 2; n < ClusterLimit(geometry); ++n) {
        uint32_t e = 1;
        try {
            e = NextCluster(n);
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const std::exception& ex) {
            VLOG_INFO("FAT entry %llu unreadable: %s", static_cast<unsigned long long>(n), ex.what());
            continue;
        }
        if (e == 0) {
            if (!open)
                ranges.push_back({n, 0});
            open = true;
            ranges.back().second += cs;
        } else {
            open = false;
        }
    }
    return ranges;
}

}
