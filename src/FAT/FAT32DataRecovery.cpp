#include "FAT/FAT32DataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "FAT/DosTime.h"
#include "FAT/EntryBytes.h"
#include "FAT/FAT32DirectoryBlock.h"
#include "FAT/FATRecognize.h"
#include "FAT/FreeStretches.h"
#include "FAT/LostFatSearch.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>

static constexpr const char* LogSource = "src/FAT/FAT32DataRecovery";

namespace FAT {

namespace {

constexpr uint8_t longNameAttribute = 0x0F;


RawEntry Copy(const uint8_t* e)
{
    RawEntry r;
    std::memcpy(r.data(), e, 32);
    return r;
}

// One short entry with the long-name entries met before it.
struct DirItem {
    RawEntry entry{};
    bool hasShort = false;
    std::vector<RawEntry> longs;
};

// A short entry whose first byte was zeroed, given back by its long name:
// the first character, as a short name has it, that makes the checksum agree.
std::optional<RawEntry> RestoreFirstByte(const uint8_t* e, const std::vector<RawEntry>& longs)
{
    if (longs.empty() || e[11] == longNameAttribute)
        return std::nullopt;
    RawEntry restored = Copy(e);
    const uint8_t c = longs.back()[1];
    restored[0] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (restored[0] == 0 || ShortNameChecksum(restored.data()) != longs.front()[13])
        return std::nullopt;
    return restored;
}

// The items of a block. A zero first byte ends the directory only where
// nothing but zeros follows it, or no valid entry does: one damaged entry
// costs that entry, not the siblings after it.
std::vector<DirItem> SplitItems(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible)
{
    std::vector<DirItem> items;
    DirItem open;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        if (e[0] == 0) {
            if (RestIsZero(block, at, length))
                break;
            if (IsZeroedLongNameEntry(e)) {
                open.longs.push_back(Copy(e));
                continue;
            }
            if (auto restored = RestoreFirstByte(e, open.longs)) {
                open.entry = *restored;
                open.hasShort = true;
                items.push_back(std::move(open));
                open = DirItem{};
                continue;
            }
            open = DirItem{};
            uint64_t after = at + 32;
            while (after + 32 <= length && block[after] == 0)
                after += 32;
            if (after + 32 > length || !BeginsDirectoryItem(block, after, length, plausible))
                break;
            at = after - 32;
            continue;
        }
        if (e[11] == longNameAttribute) {
            open.longs.push_back(Copy(e));
            continue;
        }
        open.entry = Copy(e);
        open.hasShort = true;
        items.push_back(std::move(open));
        open = DirItem{};
    }
    if (!open.longs.empty())
        items.push_back(std::move(open));
    return items;
}

int64_t CreationKey(const uint8_t* e)
{
    return DosDateTimeToUnix(EntryU16(e + 16), EntryU16(e + 14)) * 1000 + 10 * int64_t{e[13]};
}

bool ChecksumsAgree(const std::vector<RawEntry>& longs, uint8_t checksum)
{
    return std::all_of(longs.begin(), longs.end(), [&](const RawEntry& l) { return l[13] == checksum; });
}

// Whether a long name holds its end: a live chain begins with the entry
// flagged last (0x40) and counts down to 1. A deleted one has lost its order
// bytes: where its first entry opens the block (the entries before it lay in
// a block not met), that entry must hold the name's end mark; a name of a
// multiple of 13 units has none, and then gives way to the short name.
bool LongNameWhole(const std::vector<RawEntry>& longs, bool deleted, bool opensBlock)
{
    if (longs.empty())
        return false;
    if (deleted)
        return !opensBlock || HoldsLongNameEnd(longs.front());
    // An order byte zeroed alone (the entry's other fields stand) keeps its place.
    const auto zeroed = [](const RawEntry& l) { return IsZeroedLongNameEntry(l.data()); };
    const uint8_t count = static_cast<uint8_t>(longs.size());
    if (!zeroed(longs.front()) && (!(longs.front()[0] & 0x40) || (longs.front()[0] & 0x3F) != count))
        return false;
    for (size_t i = 0; i < longs.size(); ++i)
        if (!zeroed(longs[i]) && (longs[i][0] & 0x3F) != count - i)
            return false;
    return true;
}

// The long-name entries of an earlier block's end that begin the name of a
// block's first item: those whose checksum is its short name's (a deleted
// one's with its lost first letter taken from them) or its own long entries'.
std::vector<RawEntry> StartOfName(const DirItem& item, const std::vector<RawEntry>& before)
{
    const uint8_t* e = item.entry.data();
    uint8_t name[11];
    std::memcpy(name, e, 11);
    if (e[0] == 0xE5 && !before.empty()) {
        const uint8_t c = before.back()[1];
        name[0] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
    const uint8_t wanted = item.longs.empty() ? ShortNameChecksum(name) : item.longs.front()[13];
    std::vector<RawEntry> joined;
    for (const auto& l : before)
        if (l[13] == wanted)
            joined.push_back(l);
    return joined;
}

}

FAT32DataRecovery::FAT32DataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                     DataRecoveryCallback callback)
    : FAT32DataRecovery(volume, std::move(info), std::move(callback), 0, 0)
{
}

FAT32DataRecovery::FAT32DataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                     DataRecoveryCallback callback, uint64_t dataStart, uint64_t clusterSize)
    : FATDataRecovery(volume, std::move(info), std::move(callback)),
      explorer(std::make_shared<FAT32Explorer>(volume, dataStart, clusterSize)),
      tableToFind(dataStart != 0 && !explorer->table->HasTable())
{
    recogniser = std::make_unique<FAT32Recognize>();
    nodeStore.rootId = static_cast<uint64_t>(GetRootInode());
}

FAT32DataRecovery::~FAT32DataRecovery()
{
    ForgetCarried();
}

void FAT32DataRecovery::ForgetCarried()
{
    for (auto& names : carried)
        for (auto& e : names.entries)
            e.fill(0);
    carried.clear();
}

std::vector<RawEntry> FAT32DataRecovery::TakeCarried(uint64_t offset, uint64_t inode,
                                                     const std::function<bool(const std::vector<RawEntry>&)>& joins)
{
    // The end of the block before in the same directory, else of the block
    // just before this one on the disk when its entries join this block's first.
    auto it = std::find_if(carried.begin(), carried.end(), [&](const Carried& c) { return c.inode == inode; });
    if (it == carried.end())
        it = std::find_if(carried.begin(), carried.end(),
                          [&](const Carried& c) { return c.end == offset && joins(c.entries); });
    if (it == carried.end())
        return {};
    auto entries = std::move(it->entries);
    carried.erase(it);
    return entries;
}

void FAT32DataRecovery::Carry(uint64_t end, uint64_t inode, std::vector<RawEntry> entries)
{
    constexpr size_t maxCarried = 64;
    if (carried.size() >= maxCarried) {
        for (auto& e : carried.front().entries)
            e.fill(0);
        carried.erase(carried.begin());
    }
    carried.push_back({inode, end, std::move(entries)});
}

int64_t FAT32DataRecovery::GetRootInode()
{
    return explorer->reader->geometry.rootCluster;
}

uint32_t FAT32DataRecovery::GetVolumeSerial()
{
    return EntryU32(GetRawReader()->bootSector + 67);
}

void FAT32DataRecovery::CheckGeometry()
{
    const auto& failure = GetTable()->Geometry().failure;
    if (!failure.empty())
        throw Exceptions::FAT32Exception("FAT32 boot sector geometry does not hold: " + failure);
}

std::shared_ptr<Utils::PartReader> FAT32DataRecovery::GetReader()
{
    if (!explorer || !explorer->reader)
        throw Exceptions::FAT32Exception("FAT32 reader not init.");
    return explorer->reader;
}

Utils::PartReader* FAT32DataRecovery::GetRawReader()
{
    return GetReader().get();
}

std::shared_ptr<FATTable> FAT32DataRecovery::GetTable()
{
    if (!explorer || !explorer->table)
        throw Exceptions::FAT32Exception("FAT32 FAT table not init.");
    return explorer->table;
}

FATTable* FAT32DataRecovery::GetTablePtr()
{
    return explorer ? explorer->table.get() : nullptr;
}

bool FAT32DataRecovery::IsPlausibleEntry(const uint8_t* e, uint32_t now)
{
    if (!IsPlausibleShortEntry(e, now))
        return false;
    const uint64_t first = uint64_t{EntryU16(e + 20)} << 16 | EntryU16(e + 26);
    return first < GetTablePtr()->EntryLimit();
}

bool FAT32DataRecovery::IsDirectoryBlock(uint64_t, const uint8_t* block, uint64_t length)
{
    const uint32_t now = DosNowStamp();
    return IsFAT32DirectoryBlock(block, length, [&](const uint8_t* e) { return IsPlausibleEntry(e, now); });
}

int FAT32DataRecovery::ScanBlock(uint64_t offset, const uint8_t* block, size_t length)
{
    if (tableToFind)
        FindLostTable(offset, block, length);
    return FATDataRecovery::ScanBlock(offset, block, length);
}

void FAT32DataRecovery::FindLostTable(uint64_t offset, const uint8_t* block, size_t length)
{
    // Blocks that name too few folders and files to judge a FAT by: the next ones may name more.
    constexpr unsigned maxTries = 16;
    const VolumeGeometry& layout = explorer->table->Geometry();
    LostFatSearch search(explorer->reader, layout);
    bool judged = true;
    try {
        if (const auto found = search.Find(offset, block, length, &judged)) {
            VLOG_INFO("FAT32 volume with its data area at %llu reads its chains from the FAT at %llu",
                      static_cast<unsigned long long>(layout.dataStart),
                      static_cast<unsigned long long>(found->tableStart));
            explorer->table = std::make_shared<FAT32Table>(explorer->reader, *found);
            tableToFind = false;
            return;
        }
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_INFO("FAT32 volume with its data area at %llu: %s", static_cast<unsigned long long>(layout.dataStart),
                  e.what());
    }
    if (!judged && ++tableTries < maxTries)
        return;
    tableToFind = false;
    VLOG_INFO("FAT32 volume with its data area at %llu has no FAT that holds: its files are read on from their first "
              "clusters, those of more than one cluster as guesses",
              static_cast<unsigned long long>(layout.dataStart));
}

bool FAT32DataRecovery::IsStructureBlock(const uint8_t* block)
{
    return IsFAT32DirectoryStart(block, 512);
}

bool FAT32DataRecovery::HoldsEntries(const uint8_t* cluster, uint64_t length, bool* ended)
{
    const auto count = CountFAT32Entries(cluster, length);
    *ended = count.ended;
    return count.Holds();
}

bool FAT32DataRecovery::IsFolderAt(uint64_t cluster)
{
    auto table = GetTable();
    if (!table->IsDataCluster(cluster) || table->ClusterOffset(cluster) + 64 > volumeSize)
        return false;
    uint8_t start[64];
    GetReader()->Read(table->ClusterOffset(cluster), start, sizeof start);
    return IsFAT32DirectoryStartOf(start, sizeof start, cluster);
}

bool FAT32DataRecovery::BuildRuns(FileManagerSP::FileNode& node)
{
    try {
        UpdateFileNodeDataInfo(node);
        if (node.size > volumeSize) {
            VLOG_INFO("Entry %s claims %llu bytes, more than the volume holds; not listed", node.name.c_str(),
                      static_cast<unsigned long long>(node.size));
            return false;
        }
        return true;
    } catch (const std::exception& ex) {
        if (dynamic_cast<const Exceptions::DiskException*>(&ex))
            throw;
        VLOG_INFO("FAT32 UpdateFileNodeDataInfo Exception: %s\n", ex.what());
        return false;
    }
}

void FAT32DataRecovery::MarkDirectoryCluster(uint64_t cluster)
{
    directoryClusters.insert(cluster);
}

std::vector<DataRun> FAT32DataRecovery::DeletedFolderRuns(uint64_t cluster)
{
    auto table = GetTable();
    auto reader = GetReader();
    if (!table->HasTable() || !table->IsFree(cluster))
        return {};
    uint8_t first[512];
    reader->Read(table->ClusterOffset(cluster), first, sizeof first);
    const uint32_t self = uint32_t{EntryU16(first + 20)} << 16 | EntryU16(first + 26);
    if (!IsFAT32DirectoryStart(first, sizeof first) || self != cluster)
        return {};
    // A deleted folder's chain is gone: its clusters are taken as they follow
    // one another while they stay free and read as directory blocks.
    const uint64_t cs = table->ClusterSize();
    std::vector<DataRun> runs{{table->ClusterOffset(cluster), cs}};
    std::vector<uint8_t> block(512);
    for (uint64_t c = cluster + 1; table->IsDataCluster(c) && runs[0].length + cs <= MaxDirectoryBytes(); ++c) {
        if (!table->IsFree(c))
            break;
        reader->Read(table->ClusterOffset(c), block.data(), 512);
        if (!IsDirectoryBlock(0, block.data(), 512))
            break;
        runs[0].length += cs;
    }
    return runs;
}

std::vector<DataRun> FAT32DataRecovery::GetDirectoryRuns(uint64_t cluster)
{
    auto runs = GetTable()->GetClusterRuns(cluster);
    if (runs.empty())
        runs = DeletedFolderRuns(cluster);
    return runs;
}

void FAT32DataRecovery::ProcessFATDataItem(DirectoryItems& items, uint64_t offset, const uint8_t* block,
                                           uint64_t length, uint64_t inode)
{
    auto table = GetTable();
    const uint64_t blockCluster = offset >= table->DataStart() ? table->ClusterOfPosition(offset) : 0;
    const uint64_t cs = table->ClusterSize();
    // Whether a deleted file's high word must be guessed: only a volume with
    // more clusters than 16 bits count, and only when it was cleared.
    const bool bigVolume = table->ClusterCount() > 0x10000;
    const uint32_t now = DosNowStamp();
    auto parsed = SplitItems(block, length, [&](const uint8_t* e) { return IsPlausibleEntry(e, now); });
    std::vector<RawEntry> trailing;
    if (!parsed.empty() && !parsed.back().hasShort) {
        trailing = std::move(parsed.back().longs);
        parsed.pop_back();
    }
    std::vector<RawEntry> fromBefore;
    if (!parsed.empty())
        fromBefore = TakeCarried(offset, inode, [&](const std::vector<RawEntry>& entries) {
            return !StartOfName(parsed.front(), entries).empty();
        });
    for (size_t k = 0; k < parsed.size(); ++k) {
        auto& item = parsed[k];
        const uint8_t* e = item.entry.data();
        const bool deleted = e[0] == 0xE5;
        if (k == 0 && !fromBefore.empty()) {
            auto joined = StartOfName(item, fromBefore);
            joined.insert(joined.end(), item.longs.begin(), item.longs.end());
            item.longs = std::move(joined);
        }
        const uint8_t attribute = e[11];
        if ((attribute & 0x08) && !(attribute & 0x10))
            continue; // volume label
        std::string name;
        const bool opensBlock = k == 0 && fromBefore.empty() && block[11] == longNameAttribute;
        if (LongNameWhole(item.longs, deleted, opensBlock) &&
            (deleted || ChecksumsAgree(item.longs, ShortNameChecksum(e))))
            name = LongName(item.longs);
        if (name.empty())
            name = ShortName(e);
        const uint32_t high = EntryU16(e + 20);
        FileManagerSP::FileNode node;
        node.name = std::move(name);
        node.size = EntryU32(e + 28);
        node.id = high << 16 | EntryU16(e + 26);
        node.parentId = static_cast<uint32_t>(inode);
        node.deletedState = deleted ? 1 : 0;
        const int64_t key = CreationKey(e);
        // A folder begins with a "." naming its own cluster; an entry whose
        // cluster does not is a file with a damaged attribute, or nothing.
        bool folder = (attribute & 0x10) != 0;
        if (folder && !deleted && !IsDotName(node.name) && !IsFolderAt(node.id)) {
            folder = false;
            if (node.size == 0) {
                VLOG_INFO("Entry %s names cluster %u as a folder, which holds none; not listed", node.name.c_str(),
                          node.id);
                continue;
            }
            VLOG_INFO("Entry %s names cluster %u as a folder, which holds none; read as a file", node.name.c_str(),
                      node.id);
        }
        if (folder) {
            // "." and ".." repeat folders met in their parents: no chain walk, no neighbour.
            if (!IsDotName(node.name)) {
                uint64_t chain = 0;
                for (const auto& run : table->GetClusterRuns(node.id))
                    chain += run.length;
                liveNeighbours[key].push_back({0, std::max(chain, cs), node.id});
            }
            node.size = EntryU32(e + 28);
            node.folderFlag = 1;
            items.push_back(std::move(node));
            continue;
        }
        node.time = DosDateTimeToUnix(EntryU16(e + 24), EntryU16(e + 22));
        if (deleted && high == 0 && bigVolume && node.size != 0) {
            deletedEntries[key].push_back({k == 0, blockCluster, std::move(node)});
            continue;
        }
        if (!BuildRuns(node))
            continue;
        if (node.id != 0 && (attribute & 0x20))
            liveNeighbours[key].push_back({0, node.size, node.id});
        ClaimRuns(node);
        items.push_back(std::move(node));
    }
    if (!trailing.empty())
        Carry(offset + length, inode, std::move(trailing));
}

void FAT32DataRecovery::WalkDirectoryItems(DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited)
{
    for (const auto& item : items) {
        if (item.folderFlag)
            HandleDirectory(item, queue, visited);
        else
            HandleFile(item);
    }
}

void FAT32DataRecovery::OnScanPassEnd()
{
    auto found = GuessDeletedEntryCluster(deletedEntries);
    WalkDirectoryItems(found, nullptr, nullptr);
    deletedEntries.clear();
}

void FAT32DataRecovery::FinishScan()
{
    ClearHeldFiles();
    ForgetCarried();
    liveNeighbours.clear();
    deletedEntries.clear();
    directoryClusters.clear();
    nodeStore.ClearPending();
}

std::vector<FileManagerSP::FileNode> FAT32DataRecovery::GuessDeletedEntryCluster(DeletedMap& deleted)
{
    std::vector<FileManagerSP::FileNode> out;
    if (deleted.empty())
        return out;
    auto table = GetTable();
    const uint64_t cs = table->ClusterSize();
    const uint64_t limit = table->EntryLimit();
    struct Candidate {
        uint32_t high;
        int32_t score;
    };
    // Candidates per deleted entry, never shared by entries of one name.
    std::unordered_map<const DeletedEntry*, std::vector<Candidate>> candidates;
    NeighbourSearch search(directoryClusters, limit, cs);
    // Each pass starts from the table's own free stretches, read once when first needed.
    std::optional<std::vector<FreeRange>> tableFree;
    std::optional<FreeStretches> stretches;
    auto clustersOf = [&](uint64_t bytes) { return (bytes + cs - 1) / cs; };
    // Tries a deleted entry against the neighbours under listKey; what it
    // finds is entered under the entry's own key for later entries to follow.
    auto tryEntry = [&](const DeletedEntry& d, int64_t key, int64_t listKey, bool forward) {
        const auto& list = liveNeighbours[listKey];
        if (list.empty())
            return;
        const uint16_t low = static_cast<uint16_t>(d.node.id & 0xFFFF);
        std::optional<NeighbourSearch::Hit> hit;
        Neighbour tried;
        bool nonZero = true;
        if (forward && d.firstOfBlock) {
            // The first entry of a block follows the block's own cluster.
            tried = {0, cs, d.blockCluster};
            const uint64_t c = search.ForwardCluster(tried);
            if (NeighbourSearch::Agrees(c, low))
                hit = NeighbourSearch::Hit{0, c};
            nonZero = d.blockCluster != 0;
        } else if (forward) {
            hit = search.LastForward(listKey, list, low);
            if (hit)
                tried = list[hit->position];
            else
                nonZero = search.AnyNonZero(listKey, list);
        } else {
            hit = search.LastBackward(listKey, list, low, clustersOf(d.node.size));
            if (hit)
                tried = list[hit->position];
        }
        auto& mine = liveNeighbours[key];
        if (hit) {
            const int32_t score = tried.score == 0 ? 1 : tried.score;
            const uint32_t high = static_cast<uint32_t>(hit->cluster >> 16);
            candidates[&d].push_back({high, score});
            mine.push_back({score, d.node.size, uint64_t{high} << 16 | low});
            if (!forward)
                return;
            if (!tableFree)
                tableFree = table->GetFreeRanges();
            if (!stretches)
                stretches.emplace(*tableFree, cs, volumeSize);
            const uint64_t placed = uint64_t{low} | uint64_t{high} << 16;
            if (const auto excess = stretches->Place(placed, clustersOf(d.node.size)))
                mine.push_back({mine.back().score, excess->bytes, excess->cluster});
            return;
        }
        if (forward && !nonZero)
            return;
        // No neighbour agrees: the last one tried, moved by whole multiples of 65,536 clusters.
        const Neighbour last = list.front();
        const uint64_t steps = clustersOf(forward ? last.size : d.node.size) / 0x10000 * 0x10000;
        const uint64_t moved = forward ? last.firstCluster + steps
                                       : (last.firstCluster >= steps ? last.firstCluster - steps : 0);
        const uint64_t f = ((moved & 0xFFFF0000) | low) % limit;
        candidates[&d].push_back({static_cast<uint32_t>(f >> 16), last.score + 2});
        mine.push_back({last.score + 2, d.node.size, f});
    };
    for (int pass = 0; pass < 2; ++pass) {
        const bool forwardPass = pass == 0;
        stretches.reset();
        auto visit = [&](int64_t key, const DeletedEntry& d) {
            if (d.node.size == 0) {
                candidates[&d].push_back({0, 0});
                return;
            }
            if (liveNeighbours.empty())
                return;
            if (forwardPass) {
                auto it = liveNeighbours.upper_bound(key);
                if (it == liveNeighbours.begin())
                    return;
                tryEntry(d, key, std::prev(it)->first, true);
            } else {
                auto it = liveNeighbours.lower_bound(key);
                if (it == liveNeighbours.end())
                    tryEntry(d, key, std::prev(it)->first, true);
                else
                    tryEntry(d, key, it->first, false);
            }
        };
        if (forwardPass) {
            for (auto& [key, list] : deleted)
                for (auto& d : list)
                    visit(key, d);
        } else {
            for (auto it = deleted.rbegin(); it != deleted.rend(); ++it)
                for (auto d = it->second.rbegin(); d != it->second.rend(); ++d)
                    visit(it->first, *d);
        }
    }
    for (auto& [key, list] : deleted) {
        for (auto& d : list) {
            auto& found = candidates[&d];
            if (found.empty())
                found.push_back({0, 0});
            // Every distinct cluster of the lowest score, in the order found.
            std::stable_sort(found.begin(), found.end(),
                             [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
            std::vector<uint32_t> tried;
            for (const auto& candidate : found) {
                if (candidate.score != found.front().score)
                    break;
                if (std::find(tried.begin(), tried.end(), candidate.high) != tried.end())
                    continue;
                tried.push_back(candidate.high);
                FileManagerSP::FileNode node = d.node;
                node.id = candidate.high << 16 | (node.id & 0xFFFF);
                if (BuildRuns(node))
                    out.push_back(std::move(node));
            }
        }
    }
    return out;
}

}
