#include "FAT/LostFatSearch.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "FAT/EntryBytes.h"
#include "FAT/FAT32DirectoryBlock.h"
#include "FAT/FATTable.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <deque>
#include <set>

static constexpr const char* LogSource = "src/FAT/LostFatSearch";

namespace FAT {

namespace {

constexpr uint64_t sector = 512;
constexpr uint64_t windowChunk = 1024 * 1024;
// Enough witnesses to tell a FAT, few enough reads to stay cheap.
constexpr size_t maxFolders = 16;
constexpr size_t maxFiles = 64;
constexpr size_t maxCandidates = 8;
// FAT32 numbers its clusters in 28 bits.
constexpr uint64_t maxClusters = 0x0FFFFFF5;
// The clusters of one folder's chain looked at.
constexpr uint64_t maxFolderClusters = 64;
constexpr uint64_t folderProbe = 4096;

// A FAT32 table's first sector: the media entry, then the end mark of entry 1
// (its two top flags may be cleared).
bool BeginsLikeFat32Table(const uint8_t* s)
{
    const uint32_t media = EntryU32(s) & 0x0FFFFFFF;
    const uint32_t end = EntryU32(s + 4) & 0x0FFFFFFF;
    return (media & 0x0FFFFF00) == 0x0FFFFF00 && (media & 0xFF) >= 0xF0 && (end | 0x0C000000) == 0x0FFFFFFF;
}

uint64_t EntryCluster(const uint8_t* e)
{
    return uint64_t{EntryU16(e + 20)} << 16 | EntryU16(e + 26);
}

bool IsDotDot(const uint8_t* e)
{
    return e[0] == '.' && e[1] == '.' && e[2] == ' ';
}

// What one directory block names: its live subfolders, its parent (when it
// opens a folder; 0 for the root), its live files.
struct Named {
    std::vector<uint64_t> folders;
    std::vector<std::pair<uint64_t, uint64_t>> files;
    std::optional<uint64_t> parent;
};

Named ReadEntries(const uint8_t* block, uint64_t length)
{
    Named named;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        if (e[0] == 0 && RestIsZero(block, at, length))
            break;
        const uint8_t attribute = e[11];
        const uint64_t cluster = EntryCluster(e);
        if ((attribute & 0x10) && IsDotDot(e))
            named.parent = cluster;
        if (e[0] == 0 || e[0] == 0xE5 || e[0] == '.' || attribute == 0x0F || (attribute & 0x08) ||
            !LooksLikeDirectoryEntry(e))
            continue;
        if (attribute & 0x10) {
            if (cluster >= 2)
                named.folders.push_back(cluster);
        } else if (const uint64_t size = EntryU32(e + 28); size != 0 && cluster >= 2) {
            named.files.push_back({cluster, size});
        }
    }
    return named;
}

}

LostFatSearch::LostFatSearch(std::shared_ptr<Utils::PartReader> reader, const VolumeGeometry& layout)
    : reader(std::move(reader)), layout(layout)
{
}

std::vector<uint8_t> LostFatSearch::ClusterStart(uint64_t cluster, uint64_t bytes)
{
    if (cluster < 2 || cluster >= ClusterLimit(layout))
        return {};
    const uint64_t offset = layout.dataStart + (cluster - 2) * layout.clusterSize;
    const uint64_t length = std::min<uint64_t>({bytes, layout.clusterSize, folderProbe});
    if (offset + length > reader->Size())
        return {};
    std::vector<uint8_t> start(static_cast<size_t>(length), 0);
    reader->ReadRun(offset, start.data(), length);
    return start;
}

VolumeGeometry LostFatSearch::Placed(uint64_t start, uint64_t length, uint32_t copies) const
{
    VolumeGeometry g = layout;
    g.hasTable = true;
    g.source = "FAT found before the data area";
    g.tableStart = start;
    g.tableLength = length;
    g.tableCount = copies;
    g.clusterCount = std::min<uint64_t>(layout.clusterCount, length / 4 - 2);
    return g;
}

bool LostFatSearch::BeginsLikeTableAt(uint64_t offset)
{
    uint8_t first[sector];
    reader->ReadRun(offset, first, sector);
    return BeginsLikeFat32Table(first);
}

std::optional<VolumeGeometry> LostFatSearch::Search(const Witnesses& witnesses)
{
    const uint64_t dataStart = layout.dataStart / sector * sector;
    // The FAT holds an entry for every cluster the layout can have (FAT32
    // numbers 28 bits), with room for the formatters' rounding; two copies at most.
    const uint64_t entries = (std::min<uint64_t>(layout.clusterCount, maxClusters) + 2) * 4;
    const uint64_t largest = (entries + sector - 1) / sector * sector;
    const uint64_t span = std::min(dataStart, 2 * (largest + largest / 64 + layout.clusterSize + 64 * 1024));
    const uint64_t from = (dataStart - span) / sector * sector;
    size_t judged = 0;
    auto holds = [&](const VolumeGeometry& candidate) {
        ++judged;
        const Verdict verdict = Judge(candidate, witnesses);
        VLOG_INFO("FAT32 layout with its data area at %llu: a FAT at %llu (%llu bytes x %u) agrees with %u of %u "
                  "folders and files",
                  static_cast<unsigned long long>(layout.dataStart), static_cast<unsigned long long>(candidate.tableStart),
                  static_cast<unsigned long long>(candidate.tableLength), candidate.tableCount, verdict.agree,
                  verdict.agree + verdict.disagree);
        return verdict.Holds();
    };
    // Backwards from the data area, nearest first: the last copy ends there,
    // and the search ends at the first place that holds.
    std::optional<VolumeGeometry> found;
    std::vector<uint8_t> chunk;
    for (uint64_t end = dataStart; end > from && judged < maxCandidates && !found;) {
        const uint64_t begin = end - std::min(windowChunk, end - from);
        chunk.assign(static_cast<size_t>(end - begin), 0);
        reader->ReadRun(begin, chunk.data(), chunk.size());
        for (uint64_t at = end; at >= begin + sector && judged < maxCandidates && !found;) {
            at -= sector;
            if (!BeginsLikeFat32Table(chunk.data() + (at - begin)))
                continue;
            const uint64_t length = dataStart - at;
            if (length / 4 <= 2 || !holds(Placed(at, length, 1)))
                continue;
            // The copy nearest the data area holds; an equal one before it is the first.
            const bool first = at >= length && BeginsLikeTableAt(at - length);
            found = first ? Placed(at - length, length, 2) : Placed(at, length, 1);
        }
        end = begin;
    }
    std::fill(chunk.begin(), chunk.end(), 0);
    return found;
}

LostFatSearch::Witnesses LostFatSearch::Gather(uint64_t position, const uint8_t* block, uint64_t length)
{
    Witnesses w;
    std::deque<uint64_t> queue;
    std::set<uint64_t> seen;
    auto take = [&](const Named& named) {
        for (const auto& file : named.files)
            if (w.files.size() < maxFiles)
                w.files.push_back(file);
        queue.insert(queue.end(), named.folders.begin(), named.folders.end());
        if (named.parent && *named.parent >= 2)
            queue.push_back(*named.parent);
    };
    // The block itself: a folder where it opens one at the place the layout gives its "." cluster.
    if (IsFAT32DirectoryStart(block, length)) {
        const uint64_t self = EntryCluster(block);
        if (self >= 2 && self < ClusterLimit(layout) &&
            layout.dataStart + (self - 2) * layout.clusterSize == position) {
            w.folders.push_back(self);
            seen.insert(self);
        }
    }
    take(ReadEntries(block, length));
    // The root has no "." to name it: its usual cluster, where it reads as a root.
    const uint64_t root = layout.rootCluster;
    if (seen.insert(root).second) {
        const auto start = ClusterStart(root, folderProbe);
        const auto count = CountFAT32Entries(start.data(), start.size());
        if (!start.empty() && !IsFAT32DirectoryStart(start.data(), start.size()) && count.good > 0 && count.Holds()) {
            w.folders.push_back(root);
            take(ReadEntries(start.data(), start.size()));
        }
    }
    while (!queue.empty() && w.folders.size() < maxFolders) {
        const uint64_t cluster = queue.front();
        queue.pop_front();
        if (!seen.insert(cluster).second)
            continue;
        const auto start = ClusterStart(cluster, folderProbe);
        if (!IsFAT32DirectoryStartOf(start.data(), start.size(), cluster))
            continue;
        w.folders.push_back(cluster);
        take(ReadEntries(start.data(), start.size()));
    }
    return w;
}

LostFatSearch::Verdict LostFatSearch::Judge(const VolumeGeometry& candidate, const Witnesses& w)
{
    FAT32Table table(reader, candidate);
    const uint64_t cs = candidate.clusterSize;
    Verdict verdict;
    auto chain = [&](uint64_t first, ChainEnd& end) {
        try {
            return table.GetClusterRuns(first, &end);
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const std::exception&) {
            end = ChainEnd::Broken;
            return std::vector<DataRun>{};
        }
    };
    for (const uint64_t folder : w.folders) {
        ChainEnd end = ChainEnd::Broken;
        const auto runs = chain(folder, end);
        bool holds = end == ChainEnd::Mark && !runs.empty();
        // Its first cluster was read as the folder's start; the others must hold entries.
        uint64_t looked = 0;
        for (const auto& run : runs)
            for (uint64_t at = run.offset; holds && at < run.offset + run.length && looked < maxFolderClusters;
                 at += cs, ++looked) {
                if (looked == 0)
                    continue;
                uint8_t entries[sector];
                reader->ReadRun(at, entries, sector);
                holds = CountFAT32Entries(entries, sector).Holds();
            }
        ++(holds ? verdict.agree : verdict.disagree);
    }
    for (const auto& [first, size] : w.files) {
        ChainEnd end = ChainEnd::Broken;
        uint64_t bytes = 0;
        for (const auto& run : chain(first, end))
            bytes += run.length;
        const uint64_t needed = (size + cs - 1) / cs;
        ++(end == ChainEnd::Mark && (bytes + cs - 1) / cs == needed ? verdict.agree : verdict.disagree);
    }
    return verdict;
}

std::optional<VolumeGeometry> LostFatSearch::Find(uint64_t position, const uint8_t* block, uint64_t length,
                                                  bool* judged)
{
    if (judged)
        *judged = true;
    if (!block || layout.hasTable || layout.clusterSize == 0 || layout.dataStart < 2 * sector)
        return std::nullopt;
    try {
        const Witnesses witnesses = Gather(position, block, length);
        if (witnesses.folders.size() + witnesses.files.size() < 2) {
            VLOG_INFO("FAT32 layout with its data area at %llu: too few folders and files to check a FAT by",
                      static_cast<unsigned long long>(layout.dataStart));
            if (judged)
                *judged = false;
            return std::nullopt;
        }
        if (auto found = Search(witnesses))
            return found;
        VLOG_INFO("FAT32 layout with its data area at %llu: no FAT before it agrees with its folders and files",
                  static_cast<unsigned long long>(layout.dataStart));
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException& e) {
        VLOG_ERROR("FAT32 layout with its data area at %llu: its FAT not looked for: %s",
                   static_cast<unsigned long long>(layout.dataStart), e.what());
    }
    return std::nullopt;
}

}
