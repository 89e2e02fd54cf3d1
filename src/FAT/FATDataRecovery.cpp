#include "FAT/FATDataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/StartPath.h"
#include "Utils/FileNameRules.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cstring>

static constexpr const char* LogSource = "src/FAT/FATDataRecovery";

namespace FAT {

namespace {

constexpr int progressDivisor = 200;

bool IsStopOrDiskError(const std::exception& e)
{
    return dynamic_cast<const Exceptions::DiskException*>(&e) ||
           dynamic_cast<const Exceptions::ProcessControllerException*>(&e);
}

// Zero-filled scratch memory, wiped when it goes.
struct WipedBuffer {
    explicit WipedBuffer(size_t size) : bytes(size, 0) {}
    ~WipedBuffer() { std::fill(bytes.begin(), bytes.end(), 0); }
    std::vector<uint8_t> bytes;
};

}

FATDataRecovery::FATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback)
    : DataRecoveryEntity(std::move(info), std::move(callback)), volumeSize(volume.length)
{
    scanSize = volume.length;
}

FATDataRecovery::~FATDataRecovery() = default;

void FATDataRecovery::CheckRunState()
{
    PollRunState(*scanState, &pausedPolls);
}

int FATDataRecovery::Start()
{
    return Scan(GetRootInode());
}

uint64_t FATDataRecovery::GetDataAreaOffset()
{
    auto* table = GetTablePtr();
    return table ? table->DataStart() : 0;
}

uint64_t FATDataRecovery::GetDataStartOffset()
{
    return GetDataAreaOffset();
}

uint64_t FATDataRecovery::GetVolumeOffset()
{
    return GetRawReader()->Start();
}

uint64_t FATDataRecovery::RunShift()
{
    return LostVolumeShift(GetVolumeOffset());
}

void FATDataRecovery::ReportFileNode(const FileManagerSP::FileNode& node, const std::string& path, int kind)
{
    const uint64_t shift = RunShift();
    if (shift == 0) {
        DataRecoveryEntity::ReportFileNode(node, path, kind);
        return;
    }
    FileManagerSP::FileNode shifted = node;
    for (auto& run : shifted.runs)
        run.offset += shift;
    DataRecoveryEntity::ReportFileNode(shifted, path, kind);
}

std::vector<DataRun> FATDataRecovery::FullRunList(const DataRecoveryInfo& file)
{
    auto* table = GetTablePtr();
    const uint64_t shift = RunShift();
    if (!table || file.runCount == 0 || !file.runs || file.runs[0].offset < shift)
        return {};
    const uint64_t first = file.runs[0].offset - shift;
    if (first < table->DataStart())
        return {};
    const uint64_t cluster = table->ClusterOfPosition(first);
    if (table->ClusterOffset(cluster) != first)
        return {};
    // A deleted file's list is built again the way it was first built.
    const bool deleted = file.deletedState == 1 && KnowsAllocation() && !IsClusterInUse(cluster);
    auto runs = deleted ? FreeClusterRuns(cluster, file.fileSize) : table->GetClusterRuns(cluster);
    for (auto& run : runs)
        run.offset += shift;
    return runs;
}

void FATDataRecovery::RegisterRoot(uint64_t rootId)
{
    FileManagerSP::FileNode root;
    root.name = ".\\";
    root.id = static_cast<uint32_t>(rootId);
    root.parentId = static_cast<uint32_t>(rootId);
    root.folderFlag = 1;
    nodeStore.AddNode(root);
}

bool FATDataRecovery::IsDotName(const std::string& name)
{
    return name == "." || name == "..";
}

bool FATDataRecovery::NamesMatch(const std::string& a, const std::string& b)
{
    return StartPath::SameNameIgnoringCase(a, b);
}

namespace {

// Adds [offset, offset + length) to a map of disjoint intervals, merging what touches it.
void AddInterval(std::map<uint64_t, uint64_t>& intervals, uint64_t offset, uint64_t length)
{
    if (length == 0)
        return;
    uint64_t begin = offset;
    uint64_t end = offset + length;
    auto it = intervals.upper_bound(begin);
    if (it != intervals.begin()) {
        auto before = std::prev(it);
        if (before->first + before->second >= begin)
            it = before;
    }
    while (it != intervals.end() && it->first <= end) {
        begin = std::min(begin, it->first);
        end = std::max(end, it->first + it->second);
        it = intervals.erase(it);
    }
    intervals[begin] = end - begin;
}

bool Overlaps(const std::map<uint64_t, uint64_t>& intervals, uint64_t offset, uint64_t length)
{
    auto it = intervals.upper_bound(offset);
    if (it != intervals.begin() && std::prev(it)->first + std::prev(it)->second > offset)
        return true;
    return it != intervals.end() && it->first < offset + length;
}

}

void FATDataRecovery::AddExtent(uint64_t offset, uint64_t length)
{
    AddInterval(extents, offset, length);
}

bool FATDataRecovery::IsClaimed(uint64_t offset, uint64_t length) const
{
    return Overlaps(extents, offset, length) || Overlaps(claims, offset, length);
}

bool FATDataRecovery::IsHeld(const FileManagerSP::FileNode& file)
{
    auto* table = GetTablePtr();
    return file.dataState == DataGuessed && table;
}

void FATDataRecovery::ClaimRuns(const FileManagerSP::FileNode& file)
{
    if (file.deletedState != 0 || IsHeld(file))
        return;
    for (const auto& run : file.runs) {
        AddInterval(claims, run.offset, run.length);
        // A cut file's clusters are left to the carving, which may find it whole.
        if (file.dataState != DataCut)
            AddExtent(run.offset, run.length);
    }
}

bool FATDataRecovery::GetClusterState(uint64_t position, uint64_t* length)
{
    auto it = extents.upper_bound(position);
    if (it != extents.begin()) {
        --it;
        if (it->first + it->second > position) {
            *length = it->first + it->second - position;
            return true;
        }
    }
    *length = GetRawBlockSize();
    return false;
}

bool FATDataRecovery::MarksInUse(uint64_t position)
{
    auto* table = GetTablePtr();
    if (!table || !KnowsAllocation() || position < table->DataStart())
        return false;
    const uint64_t cluster = table->ClusterOfPosition(position);
    return table->IsDataCluster(cluster) && IsClusterInUse(cluster);
}

uint64_t FATDataRecovery::GetUsedBytes()
{
    auto* table = GetTablePtr();
    const uint64_t cs = table ? table->ClusterSize() : 1;
    uint64_t sum = 0;
    for (const auto& [offset, length] : extents)
        sum += (length + cs - 1) / cs * cs;
    return sum;
}

void FATDataRecovery::UpdateFileNodeDataInfo(FileManagerSP::FileNode& node)
{
    auto table = GetTable();
    node.runs.clear();
    node.dataState = DataWhole;
    if (node.size == 0 || !table->IsDataCluster(node.id))
        return;
    if (node.deletedState != 0 && KnowsAllocation() && !IsClusterInUse(node.id)) {
        node.runs = FreeClusterRuns(node.id, node.size);
        return;
    }
    if (node.deletedState == 0 && table->HasTable()) {
        ChainEnd end = ChainEnd::Broken;
        auto runs = table->GetClusterRuns(node.id, &end);
        uint64_t sum = 0;
        for (const auto& run : runs)
            sum += run.length;
        node.runs = std::move(runs);
        if (end == ChainEnd::Mark && sum >= node.size && sum - node.size < table->ClusterSize())
            return;
        if (end == ChainEnd::Mark && sum < node.size) {
            // The chain says where the file ends: past it lie other files' clusters.
            VLOG_INFO("File at cluster %u claims %llu bytes, its chain holds %llu; cut to the chain", node.id,
                      static_cast<unsigned long long>(node.size), static_cast<unsigned long long>(sum));
            node.size = sum;
            node.dataState = DataCut;
            return;
        }
        // Held: what it has so far is checked against every other chain.
        node.dataState = DataGuessed;
        if (node.runs.empty())
            node.runs = ContiguousRuns(node.id, node.size); // a free first cluster
        else
            node.runs = CutRuns(std::move(node.runs), node.size);
        return;
    }
    auto runs = table->GetClusterRuns(node.id);
    uint64_t sum = 0;
    for (const auto& run : runs)
        sum += run.length;
    // Taken as contiguous from the first cluster: a free or damaged chain.
    if (runs.empty() || sum < node.size || sum - node.size > table->ClusterSize())
        runs = ContiguousRuns(node.id, node.size);
    node.runs = std::move(runs);
    // Without a FAT nothing tells where a live file goes on past its first
    // cluster: read on from there, a fragmented one would hold another's bytes.
    if (!table->HasTable() && node.deletedState == 0) {
        liveStarts.insert(node.id);
        if (node.size > table->ClusterSize()) {
            VLOG_INFO("File %s at cluster %u: no FAT gives its chain; read on from its first cluster, guessed",
                      node.name.c_str(), node.id);
            node.dataState = DataGuessed; // held until every live file's first cluster is known
        }
    }
}

std::vector<DataRun> FATDataRecovery::ContiguousRuns(uint64_t first, uint64_t size)
{
    const uint64_t offset = GetTablePtr()->ClusterOffset(first);
    if (offset >= volumeSize)
        return {};
    return {{offset, std::min(size, volumeSize - offset)}};
}

std::vector<DataRun> FATDataRecovery::CutRuns(std::vector<DataRun> runs, uint64_t size)
{
    uint64_t left = size;
    for (auto& run : runs) {
        run.length = std::min(run.length, left);
        left -= run.length;
    }
    std::erase_if(runs, [](const DataRun& r) { return r.length == 0; });
    return runs;
}

void FATDataRecovery::ResolveHeld(FileManagerSP::FileNode& node, bool claimsComplete)
{
    auto* table = GetTablePtr();
    const uint64_t cs = table->ClusterSize();
    // Without a FAT the file is read on from its first cluster: it ends where another live file or a folder begins.
    const bool chainless = !table->HasTable();
    auto startsAnother = [&](uint64_t offset) {
        const uint64_t cluster = table->ClusterOfPosition(offset);
        return chainless && cluster != node.id && liveStarts.count(cluster) != 0;
    };
    std::vector<DataRun> kept;
    uint64_t have = 0;
    uint64_t next = node.id; // where the file goes on when its chain gives out
    bool crossed = false;
    auto take = [&](uint64_t offset) {
        const uint64_t length = std::min({cs, node.size - have, volumeSize - offset});
        if (!kept.empty() && kept.back().offset + kept.back().length == offset)
            kept.back().length += length;
        else
            kept.push_back({offset, length});
        have += length;
    };
    for (const auto& run : node.runs) {
        for (uint64_t at = run.offset; at < run.offset + run.length && have < node.size && !crossed; at += cs) {
            // A link into another file's chain: those clusters stay that file's.
            crossed = IsClaimed(at, cs) || startsAnother(at);
            if (crossed)
                break;
            take(at);
            next = table->ClusterOfPosition(at) + 1;
        }
        if (crossed || have >= node.size)
            break;
    }
    if (crossed)
        VLOG_INFO("File %s at cluster %u: its chain runs into clusters another file holds after %llu bytes",
                  node.name.c_str(), node.id, static_cast<unsigned long long>(have));
    const uint64_t chained = have;
    // Past the last good cluster, over those no chain claims (as deleted files go on).
    const bool startClaimed = crossed && kept.empty();
    for (uint64_t c = next, steps = 0; claimsComplete && !chainless && !startClaimed && have < node.size &&
                                       table->IsDataCluster(c) &&
                                       steps < table->ClusterCount();
         ++c, ++steps) {
        const uint64_t offset = table->ClusterOffset(c);
        if (offset >= volumeSize)
            break;
        if (!IsClaimed(offset, cs))
            take(offset);
    }
    node.runs = std::move(kept);
    if (have >= node.size && have == chained && !chainless) {
        node.dataState = DataWhole; // a chain longer than its size, nothing of it claimed
        return;
    }
    if (have >= node.size && chainless) {
        node.dataState = DataGuessed; // whole only where it is not fragmented
        return;
    }
    if (have >= node.size) {
        VLOG_INFO("File %s at cluster %u: its chain gives %llu of %llu bytes; the rest guessed over the clusters "
                  "after it that no file holds",
                  node.name.c_str(), node.id, static_cast<unsigned long long>(chained),
                  static_cast<unsigned long long>(node.size));
        node.dataState = DataGuessed;
        return;
    }
    VLOG_INFO("File %s at cluster %u: %llu of %llu bytes found; cut", node.name.c_str(), node.id,
              static_cast<unsigned long long>(have), static_cast<unsigned long long>(node.size));
    node.size = have;
    node.dataState = DataCut;
}

void FATDataRecovery::ResolveHeldFiles(bool claimsComplete)
{
    auto held = std::move(heldFiles);
    heldFiles.clear();
    // In cluster order: each file claims what it was given before the next is placed.
    std::stable_sort(held.begin(), held.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    for (auto& node : held) {
        CheckRunState();
        ResolveHeld(node, claimsComplete);
        ClaimRuns(node);
        PassOn(node);
    }
}

bool FATDataRecovery::KnowsAllocation()
{
    auto* table = GetTablePtr();
    return table && table->HasTable();
}

bool FATDataRecovery::IsClusterInUse(uint64_t cluster)
{
    return !GetTablePtr()->IsFree(cluster);
}

std::vector<DataRun> FATDataRecovery::FreeClusterRuns(uint64_t first, uint64_t size)
{
    // A deleted file's chain is gone: it is taken from its first cluster over
    // the clusters still free, stepping over those other files hold (as The
    // Sleuth Kit recovers), so one written between files' fragments comes back.
    auto* table = GetTablePtr();
    const uint64_t cs = table->ClusterSize();
    std::vector<DataRun> runs;
    uint64_t remaining = size;
    for (uint64_t c = first, steps = 0; remaining > 0 && table->IsDataCluster(c) && steps < table->ClusterCount();
         ++c, ++steps) {
        if (c != first && IsClusterInUse(c))
            continue;
        const uint64_t offset = table->ClusterOffset(c);
        if (offset >= volumeSize)
            break;
        const uint64_t length = std::min({cs, remaining, volumeSize - offset});
        if (!runs.empty() && runs.back().offset + runs.back().length == offset)
            runs.back().length += length;
        else
            runs.push_back({offset, length});
        remaining -= length;
        if (length < cs && remaining > 0)
            break; // the volume ended
    }
    return runs;
}

void FATDataRecovery::AddPendingFile(const FileManagerSP::FileNode& file)
{
    if (file.name.empty() || file.size > FileManagerSP::FileNodeStore::maxPendingSize)
        return;
    std::lock_guard lock(nodeStore.pendingMutex);
    auto& group = nodeStore.pendingMap[file.id];
    for (const auto& held : group) {
        const bool sameFirstRun = held.runs.empty() == file.runs.empty() &&
                                  (held.runs.empty() || (held.runs[0].offset == file.runs[0].offset &&
                                                         held.runs[0].length == file.runs[0].length));
        if (held.name == file.name && held.parentId == file.parentId && sameFirstRun)
            return;
    }
    group.push_back(file);
}

bool FATDataRecovery::IsInRecycleBin(uint32_t parentId)
{
    return recycleBinFolders.count(parentId) != 0;
}

void FATDataRecovery::HandleDirectory(const FileManagerSP::FileNode& directory, DirectoryQueue* queue,
                                      VisitedSet* visited)
{
    if (IsDotName(directory.name) || directory.name == "System Volume Information")
        return;
    auto* table = GetTablePtr();
    if (table && !table->HasTable() && directory.deletedState == 0)
        liveStarts.insert(directory.id);
    if (queue && visited && table && table->IsDataCluster(directory.id) && visited->insert(directory.id).second)
        queue->push(directory.id);
    if (directory.name == "$RECYCLE.BIN") {
        recycleBinFolders.insert(directory.id);
        return;
    }
    if (IsInRecycleBin(directory.parentId) && directory.id >= 2)
        recycleBinFolders.insert(directory.id);
    nodeStore.AddNode(directory);
}

void FATDataRecovery::HandleFile(const FileManagerSP::FileNode& file)
{
    if (IsHeld(file)) {
        heldFiles.push_back(file);
        return;
    }
    PassOn(file);
}

void FATDataRecovery::PassOn(const FileManagerSP::FileNode& file)
{
    for (const auto& node : recyclePairs.Pair(file, *GetRawReader(), IsInRecycleBin(file.parentId)))
        AddPendingFile(node);
}

void FATDataRecovery::ReleaseHeldBackFiles()
{
    for (const auto& node : recyclePairs.TakeHeldBack())
        AddPendingFile(node);
}

void FATDataRecovery::ClearPassState()
{
    recyclePairs.TakeHeldBack();
    heldFiles.clear();
    blockChains.clear();
    chainRuns.clear();
}

void FATDataRecovery::ReportResolvedNodes()
{
    const int kind = static_cast<int>(GetFileInfoKind());
    for (const auto& [path, node] : nodeStore.TakeResolvedNodes(0)) {
        CheckRunState();
        ReportFileNode(node, path, kind);
    }
}

void FATDataRecovery::ReportPendingNodes()
{
    const auto nodes = nodeStore.TakeAllNodes();
    const int kind = static_cast<int>(GetFileInfoKind());
    for (const auto& [path, node] : nodes) {
        CheckRunState();
        ReportFileNode(node, path, kind);
    }
    nodeStore.ClearPending();
}

uint64_t FATDataRecovery::DirectoryEntriesIn(uint64_t id, uint64_t offset, const uint8_t* piece, uint64_t length,
                                             bool* ended)
{
    auto* table = GetTablePtr();
    const uint64_t cs = table->ClusterSize();
    // Its first cluster was checked before: the root by the geometry, a folder where its entry was met.
    const uint64_t first = table->IsDataCluster(id) ? table->ClusterOffset(id) : UINT64_MAX;
    *ended = false;
    for (uint64_t at = 0; at < length; at += cs) {
        const uint64_t n = std::min(cs, length - at);
        const bool holds = HoldsEntries(piece + at, n, ended);
        // A cluster of another file's chain, or one that holds no entries: the chain ran out of the directory.
        if (offset + at != first && (!holds || IsClaimed(offset + at, n)))
            return at;
    }
    return length;
}

bool FATDataRecovery::HoldsEntries(const uint8_t*, uint64_t, bool* ended)
{
    *ended = false;
    return true;
}

bool FATDataRecovery::ReadDirectoryPiece(uint64_t id, uint64_t at, uint64_t n, std::vector<uint8_t>& piece,
                                         DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited,
                                         bool* ended)
{
    auto* table = GetTablePtr();
    const uint64_t dataStart = table->DataStart();
    const uint64_t cs = table->ClusterSize();
    std::fill_n(piece.begin(), n, 0);
    GetReader()->Read(at, piece.data(), static_cast<uint32_t>(n));
    const uint64_t held = DirectoryEntriesIn(id, at, piece.data(), n, ended);
    for (uint64_t c = (at - dataStart) / cs; c * cs < at - dataStart + held; ++c)
        MarkDirectoryCluster(c + 2);
    AddExtent(at, held);
    ProcessFATDataItem(items, at, piece.data(), held, id);
    WalkDirectoryItems(items, queue, visited);
    items.clear();
    if (held < n)
        VLOG_INFO("Directory %llu: its chain leaves its entries at %llu; the rest is not read",
                  static_cast<unsigned long long>(id), static_cast<unsigned long long>(at + held));
    return held == n;
}

void FATDataRecovery::ReadDirectory(uint64_t id, DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited)
{
    auto table = GetTable();
    const uint64_t dataStart = table->DataStart();
    uint64_t budget = MaxDirectoryBytes();
    const auto runs = GetDirectoryRuns(id);
    uint64_t total = 0;
    for (const auto& run : runs)
        total += run.length;
    WipedBuffer piece(static_cast<size_t>(std::min({directoryPiece, budget, std::max(total, table->ClusterSize())})));
    bool ended = false;
    uint64_t end = 0;
    for (const auto& run : runs) {
        OnDirectoryRun(run.offset);
        if (run.offset < dataStart)
            throw Exceptions::FATException("Position is before the data area start.");
        for (uint64_t done = 0; done < run.length && budget > 0;) {
            const uint64_t n = std::min({run.length - done, uint64_t{piece.bytes.size()}, budget});
            if (!ReadDirectoryPiece(id, run.offset + done, n, piece.bytes, items, queue, visited, &ended))
                return;
            done += n;
            budget -= n;
            end = run.offset + done;
        }
        if (budget == 0) {
            VLOG_INFO("Directory %llu is longer than %llu bytes; the rest is not read.",
                      static_cast<unsigned long long>(id), static_cast<unsigned long long>(MaxDirectoryBytes()));
            return;
        }
    }
    // Its runs gave out before its end marker: it may go on in the clusters after them.
    while (!ended && end != 0 && budget >= table->ClusterSize()) {
        const uint64_t at = NextDirectoryCluster(id, end);
        if (at == 0 || !ReadDirectoryPiece(id, at, table->ClusterSize(), piece.bytes, items, queue, visited, &ended))
            return;
        end = at + table->ClusterSize();
        budget -= table->ClusterSize();
    }
}

int FATDataRecovery::ScanStructure(int64_t inode)
{
    auto reader = GetReader();
    auto table = GetTable();
    if (!table)
        throw Exceptions::FATException("FAT table is not initialized.");
    CheckGeometry();
    reader->SetBufferSize(table->ClusterSize());
    DirectoryQueue queue;
    VisitedSet visited;
    queue.push(static_cast<uint64_t>(inode));
    visited.insert(static_cast<uint64_t>(inode));
    nodeStore.startId = static_cast<uint64_t>(inode);
    RegisterRoot(static_cast<uint64_t>(inode));
    int n = 1;
    int every = 0;
    DirectoryItems items;
    while (!queue.empty()) {
        CheckRunState();
        const uint64_t id = queue.top();
        queue.pop();
        try {
            ReadDirectory(id, items, &queue, &visited);
        } catch (const std::exception& e) {
            if (IsStopOrDiskError(e))
                throw;
            VLOG_INFO("FAT Scan Exception: %s\n", e.what());
        }
        items.clear();
        // Files whose folders are all known go out now, so memory holds folders, not files.
        ReportResolvedNodes();
        bool report = false;
        if (n <= progressDivisor) {
            report = true;
        } else if (++every > 10) {
            every = 0;
            report = true;
        }
        if (report) {
            auto record = MakeDataRecoveryInfo(StructureScanProgress);
            record.diskIndex = info.diskIndex;
            record.volIndex = info.volIndex;
            record.progress = static_cast<double>(n) / progressDivisor;
            reportCallback(record);
        }
        if (n <= progressDivisor)
            ++n;
    }
    // Every chain the walk met is known now, those of the whole volume when it started at the root.
    ResolveHeldFiles(static_cast<uint64_t>(inode) == static_cast<uint64_t>(GetRootInode()));
    OnScanPassEnd();
    ReleaseHeldBackFiles();
    ReportPendingNodes();
    return 0;
}

std::optional<uint64_t> FATDataRecovery::FindFolder(uint64_t cluster, const std::string& name)
{
    CheckRunState();
    auto reader = GetReader();
    DirectoryItems items;
    WipedBuffer piece(directoryPiece);
    std::optional<uint64_t> live;
    std::optional<uint64_t> deleted;
    uint64_t budget = MaxDirectoryBytes();
    for (const auto& run : GetDirectoryRuns(cluster)) {
        for (uint64_t done = 0; done < run.length && budget > 0;) {
            const uint64_t n = std::min({run.length - done, uint64_t{piece.bytes.size()}, budget});
            std::fill_n(piece.bytes.begin(), n, 0);
            reader->Read(run.offset + done, piece.bytes.data(), static_cast<uint32_t>(n));
            ProcessFATDataItem(items, run.offset + done, piece.bytes.data(), n, cluster);
            for (const auto& item : items) {
                if (item.folderFlag != 1 || IsDotName(item.name) || !NamesMatch(item.name, name))
                    continue;
                auto& slot = item.deletedState == 0 ? live : deleted;
                if (!slot)
                    slot = item.id;
            }
            items.clear();
            done += n;
            budget -= n;
        }
    }
    const auto found = live ? live : deleted;
    if (found && (StartPath::IsRecycleBinName(name) || IsInRecycleBin(static_cast<uint32_t>(cluster))))
        recycleBinFolders.insert(*found);
    return found;
}

int FATDataRecovery::Start(const std::string& path)
{
    if (!GetTablePtr())
        throw Exceptions::FATException("FAT table is not initialized.");
    CheckGeometry();
    const auto components = StartPath::Split(path, info.volumeLetter);
    if (!components)
        throw Exceptions::FATException("Only absolute paths are supported.");
    const auto start = StartPath::Resolve(*components, static_cast<uint64_t>(GetRootInode()),
                                          [this](uint64_t cluster, const std::string& name) {
                                              return FindFolder(cluster, name);
                                          });
    // What resolving parsed belongs to no scan.
    FinishScan();
    ClearPassState();
    if (!start.missing.empty()) {
        VLOG_INFO("FATDataRecovery::Start - Path component not found: %s\n", start.missing.c_str());
        throw Exceptions::FATException("Path component not found: " + start.missing);
    }
    if (start.noRecycleBin) {
        VLOG_INFO("FATDataRecovery::Start - the volume has no Recycle Bin folder; nothing to scan.");
        return 0;
    }
    nodeStore.startId = start.folder;
    const int result = ScanStructure(static_cast<int64_t>(start.folder));
    FinishScan();
    return result;
}

void FATDataRecovery::ProcessBlock(uint64_t offset, const uint8_t* block, uint64_t length, uint64_t inode, bool raw)
{
    auto* table = GetTablePtr();
    MarkDirectoryCluster(table->ClusterOfPosition(offset));
    AddExtent(offset, length);
    DirectoryItems items;
    ProcessFATDataItem(items, offset, block, length, inode);
    if (raw) {
        // Found by the raw volume search: no live directory leads here.
        for (auto& item : items)
            if (Utils::IsValidFileName(item.name))
                item.deletedState = 1;
    }
    WalkDirectoryItems(items, nullptr, nullptr);
}

int FATDataRecovery::ScanRaw()
{
    auto reader = GetReader();
    reader->SetBufferSize(ReadAheadSizeFor(GetUsedBytes(), volumeSize));
    auto table = GetTable();
    if (!table)
        throw Exceptions::FATException("FAT table is not initialized.");
    CheckGeometry();
    const uint64_t step = GetRawBlockSize();
    const uint64_t dataStart = table->DataStart();
    WipedBuffer block(step);
    uint64_t t = dataStart;
    uint64_t acc = 0;
    while (t < volumeSize && volumeSize - t >= step) {
        CheckRunState();
        try {
            ReportRawProgress(t, volumeSize, step, acc);
            uint64_t skip = 0;
            if (GetClusterState(t, &skip)) {
                t += std::max<uint64_t>((skip + step - 1) / step * step, step);
                continue;
            }
            std::fill(block.bytes.begin(), block.bytes.end(), 0);
            reader->Read(t, block.bytes.data(), static_cast<uint32_t>(step));
            if (IsDirectoryBlock(t, block.bytes.data(), step))
                ProcessBlock(t, block.bytes.data(), step, table->ClusterOfPosition(t), false);
        } catch (const std::exception& e) {
            if (IsStopOrDiskError(e))
                throw;
            VLOG_INFO("FAT Scan Exception: %s\n", e.what());
        }
        t += step;
    }
    ResolveHeldFiles(true);
    OnScanPassEnd();
    return 0;
}

int FATDataRecovery::ScanBlock(uint64_t offset, const uint8_t* block, size_t length)
{
    auto* table = GetTablePtr();
    // A volume none of whose layouts holds gives no file data from its blocks.
    if (!table || !table->Geometry().failure.empty())
        return 0;
    uint64_t inode = 0;
    int code = 0;
    try {
        // A block anywhere inside a chain already met belongs to that directory.
        bool known = false;
        auto run = chainRuns.upper_bound(offset);
        if (run != chainRuns.begin()) {
            --run;
            if (offset < run->second.first) {
                inode = run->second.second;
                known = true;
            }
        }
        if (!known) {
            const uint64_t cluster = table->ClusterOfPosition(offset);
            inode = cluster;
            if (blockChains.count(cluster)) {
                code = 2;
            } else {
                auto runs = table->GetClusterRuns(cluster);
                if (runs.empty()) {
                    code = 2;
                } else {
                    for (const auto& r : runs)
                        chainRuns[r.offset] = {r.offset + r.length, cluster};
                    blockChains[cluster] = std::move(runs);
                }
            }
        }
    } catch (const std::exception& e) {
        if (IsStopOrDiskError(e))
            throw;
        VLOG_INFO("FAT Scan Exception: %s\n", e.what());
        return 0;
    }
    try {
        ProcessBlock(offset, block, length, inode, true);
    } catch (const std::exception& e) {
        if (IsStopOrDiskError(e))
            throw;
        VLOG_INFO("FAT Scan Exception: %s\n", e.what());
    }
    return code;
}

int FATDataRecovery::AfterScanRaw()
{
    ResolveHeldFiles(true);
    ReportPendingNodes();
    OnScanPassEnd();
    ReleaseHeldBackFiles();
    ReportPendingNodes();
    return 0;
}

}
