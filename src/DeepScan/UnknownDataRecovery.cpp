#include "DeepScan/UnknownDataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DeepScan/BootSectors.h"
#include "DeepScan/ChunkReader.h"
#include "DeepScan/DeepScanManager.h"
#include "DeepScan/ExFatHeapCheck.h"
#include "DeepScan/Fat32LayoutCheck.h"
#include "Utils/PartReader.h"
#include "Utils/ThreadPool.h"

#include <algorithm>
#include <exception>
#include <utility>

static constexpr const char* LogSource = "src/DeepScan/UnknownDataRecovery";

namespace {

constexpr uint64_t blockSize = 512;
constexpr uint64_t MiB = 1 << 20;
// The FAT32 cluster sizes a layout found from directory starts may have.
constexpr uint64_t minClusterSize = 512;
constexpr uint64_t maxClusterSize = 64 * 1024;
// Own directory blocks held back at most, before they are placed with what the pass knows so far.
constexpr uint64_t maxHeldBytes = 32 * MiB;

}

// Marks the blocks of a chunk that some recogniser may take; the recognisers'
// quick looks are free of state, so the workers run them.
DeepScan::ChunkInspection MarkCandidates(std::vector<const Utils::DataRecognize*> recognisers)
{
    return [recognisers = std::move(recognisers)](const DeepScan::Chunk& chunk) {
        const uint64_t length = chunk.bytes.size();
        std::vector<bool> marks((length + blockSize - 1) / blockSize, false);
        for (uint64_t at = 0; at < length; at += blockSize) {
            const uint8_t* block = chunk.bytes.data() + at;
            const uint64_t size = std::min(blockSize, length - at);
            for (const auto* recogniser : recognisers)
                if (recogniser->MayRecognize(block, size)) {
                    marks[at / blockSize] = true;
                    break;
                }
        }
        return marks;
    };
}

UnknownDataRecovery::UnknownDataRecovery(std::shared_ptr<DataRecoveryEntity> volumeEngine,
                                         const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                         DataRecoveryCallback callback, RecogniserMakers makers)
    : DataRecoveryEntity(std::move(info), std::move(callback)),
      volumeEngine(std::move(volumeEngine)),
      volumeRecord(volume),
      makers(std::move(makers))
{
    volumeLength = volumeRecord.length ? volumeRecord.length : this->info.endOffset - this->info.startOffset;
    if (this->volumeEngine) {
        const int type = this->volumeEngine->GetFileSystemType();
        ownType = type == 1 || type == 2 ? type : 0;
        ownFileSystem = type;
    }
    scanSize = volumeLength;
}

UnknownDataRecovery::~UnknownDataRecovery() = default;

std::atomic<int>& LostVolumeCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}

int UnknownDataRecovery::Start()
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int UnknownDataRecovery::Start(const std::string&)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int UnknownDataRecovery::Scan(int64_t)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int UnknownDataRecovery::ScanStructure(int64_t)
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int UnknownDataRecovery::ScanBlock(uint64_t offset, const uint8_t* block, size_t length)
{
    return volumeEngine ? volumeEngine->ScanBlock(offset, block, length) : 0;
}

int UnknownDataRecovery::AfterScanRaw()
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

int64_t UnknownDataRecovery::GetRootInode()
{
    throw Exceptions::ExceptionCommon("Not implemented");
}

bool UnknownDataRecovery::GetClusterState(uint64_t position, uint64_t* length)
{
    if (volumeEngine)
        return volumeEngine->GetClusterState(position, length);
    if (length)
        *length = blockSize;
    return false;
}

uint64_t UnknownDataRecovery::GetDataAreaOffset()
{
    return volumeEngine ? volumeEngine->GetDataAreaOffset() : 0;
}

void UnknownDataRecovery::AdjustReadAhead()
{
    if (volumeEngine)
        volumeEngine->AdjustReadAhead();
}

bool UnknownDataRecovery::IsDirectoryBlock(uint64_t position, const uint8_t* block, uint64_t length)
{
    return volumeEngine && volumeEngine->IsDirectoryBlock(position, block, length);
}

int UnknownDataRecovery::GetFileSystemType()
{
    return 3;
}

std::shared_ptr<Utils::PartReader> UnknownDataRecovery::GetReader()
{
    return reader;
}

Utils::PartReader* UnknownDataRecovery::GetRawReader()
{
    return reader.get();
}

void UnknownDataRecovery::FinishScan()
{
    volumeEngine.reset();
    carving.reset();
    {
        std::lock_guard lock(foundMutex);
        found.clear();
    }
    recognisers.clear();
    recogniserList.clear();
    knownGeometries.clear();
    unplacedStarts.clear();
    heldBlocks.clear();
    heldBytes = 0;
    ownStartsInFreeSpace = false;
    listings.clear();
    exFatRoots.clear();
}

VolumeInfoItem UnknownDataRecovery::LostVolumeRecord(uint64_t start, uint64_t length) const
{
    VolumeInfoItem record = volumeRecord;
    record.offset = volumeRecord.offset + start;
    record.length = length;
    for (auto& extent : record.extents) {
        extent.start = record.offset;
        extent.length = length;
    }
    return record;
}

std::pair<uint64_t, uint64_t> UnknownDataRecovery::Geometry(const FoundVolume& row)
{
    const auto* rowReader = row.engine->GetRawReader();
    return {row.start + row.engine->GetDataAreaOffset(), rowReader ? rowReader->clusterSize : 0};
}

bool UnknownDataRecovery::AddLostVolume(int type, uint64_t start, uint64_t length,
                                        const std::function<std::unique_ptr<DataRecoveryEntity>()>& make,
                                        bool fromLayout, uint64_t backupAt)
{
    std::shared_ptr<DataRecoveryEntity> engine;
    try {
        engine = make();
    } catch (const std::exception& e) {
        VLOG_ERROR("Lost volume of type %d at %llu could not be built: %s", type, static_cast<unsigned long long>(start),
                   e.what());
        return false;
    }
    if (!engine)
        return false;
    engine->lostPartitionFlag = 1;
    engine->lostPartitionNumber = static_cast<uint8_t>(++LostVolumeCounter());
    FoundVolume row{start, length, engine, fromLayout, backupAt};
    knownGeometries[type].insert(Geometry(row));
    std::lock_guard lock(foundMutex);
    found[type].push_back(std::move(row));
    return true;
}

std::optional<std::vector<DataRun>> UnknownDataRecovery::FindLostRunList(uint8_t lostNumber, uint32_t nodeId,
                                                                         const std::string& path,
                                                                         const DataRun* recordRuns)
{
    std::lock_guard lock(foundMutex);
    for (const auto& [type, rows] : found)
        for (const auto& row : rows)
            if (row.engine->lostPartitionNumber == lostNumber)
                if (auto runs = row.engine->FindFullRunList(nodeId, path, recordRuns))
                    return runs;
    return std::nullopt;
}

std::optional<std::vector<DataRun>> UnknownDataRecovery::FindLostRunList(const DataRun* recordRuns)
{
    std::lock_guard lock(foundMutex);
    for (const auto& [type, rows] : found)
        for (const auto& row : rows)
            if (auto runs = row.engine->FindFullRunList(recordRuns))
                return runs;
    return std::nullopt;
}

bool UnknownDataRecovery::RecoverLostFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file,
                                                const std::function<void(uint64_t)>& progress)
{
    if (file.runCount == 0 || !file.runs)
        return false;
    const uint64_t reference = file.runs[0].offset;
    std::vector<std::shared_ptr<DataRecoveryEntity>> engines;
    {
        std::lock_guard lock(foundMutex);
        for (const auto& [type, rows] : found)
            for (const auto& row : rows) {
                const bool named = file.lostPartitionFlag && row.engine->lostPartitionNumber == file.lostPartitionNumber;
                const bool holds = !file.lostPartitionFlag && reference >= row.start && reference - row.start < row.length;
                if (named || holds)
                    engines.push_back(row.engine);
            }
    }
    // Volumes found twice overlap: an engine that refuses the record before
    // writing a byte leaves it to the next one.
    std::exception_ptr refused;
    for (const auto& engine : engines) {
        bool wrote = false;
        try {
            if (engine->RecoverFromRecord(writer, file, [&](uint64_t bytes) {
                    wrote = true;
                    progress(bytes);
                }))
                return true;
        } catch (const Exceptions::NTFSException&) {
            if (wrote)
                throw;
            refused = std::current_exception();
        }
    }
    if (refused)
        std::rethrow_exception(refused);
    return false;
}

// Hands a block to the found volumes of a type whose range holds it, at their own positions.
void UnknownDataRecovery::FeedFound(int type, uint64_t position, std::span<const uint8_t> block, bool layoutVolumes)
{
    const auto it = found.find(type);
    if (it == found.end())
        return;
    const auto holds = [position](const FoundVolume& row) {
        return position >= row.start && position - row.start < row.length;
    };
    // A volume built from directory blocks covers the whole range: a block of
    // a volume found by its boot sector is that volume's, not listed twice.
    const bool claimed = std::any_of(it->second.begin(), it->second.end(),
                                     [&](const FoundVolume& row) { return row.FoundByBootSector() && holds(row); });
    for (const auto& row : it->second) {
        if ((!layoutVolumes && row.fromLayout) || !holds(row))
            continue;
        if (claimed && !row.FoundByBootSector() && !row.fromLayout)
            continue;
        row.engine->ScanBlock(position - row.start, block.data(), block.size());
    }
}

// A boot sector starts a volume wherever it lies, whatever its serial (a
// cloned partition keeps it): only where the own volume or one found keeps
// its backup is it none.
bool UnknownDataRecovery::RecognizeBoot(uint64_t position, std::span<const uint8_t> block)
{
    if (block.size() < blockSize)
        return false;
    for (auto& [type, recogniser] : recognisers) {
        if (!recogniser->IsBootSectorAnySerial(block.data()))
            continue;
        if (IsKnownBackup(type, position))
            return false;
        const uint64_t start = VolumeStartOfBoot(*reader, volumeLength, type, position, block);
        if (start == 0 && type == ownFileSystem)
            return false; // the own volume's
        VLOG_INFO("RecognizeBoot: %d, Found Position: %llu\n", type, static_cast<unsigned long long>(start));
        const uint64_t said = BootSectorVolumeLength(type, block);
        const uint64_t length = said ? std::min(said, volumeLength - start) : volumeLength - start;
        const uint64_t backup = BootSectorBackupOffset(type, block);
        const VolumeInfoItem record = LostVolumeRecord(start, length);
        auto* r = recogniser.get();
        return AddLostVolume(
            type, start, length, [&] { return r->CreateRecovery(record, info, reportCallback); }, false,
            start + backup);
    }
    return false;
}

bool UnknownDataRecovery::IsKnownBackup(int type, uint64_t position) const
{
    if (type == ownFileSystem && ownBackupAt == position)
        return true;
    const auto list = found.find(type);
    return list != found.end() && std::any_of(list->second.begin(), list->second.end(),
                                              [&](const FoundVolume& row) { return row.backupAt == position; });
}

void UnknownDataRecovery::BuildFromDirectoryBlock(int type, uint64_t position, std::span<const uint8_t> block)
{
    if (!triedDirectoryTypes.insert(type).second)
        return;
    const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
    auto* r = recognisers.at(type).get();
    if (!AddLostVolume(type, 0, volumeLength, [&] { return r->CreateRecovery(record, info, reportCallback); }))
        return;
    VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", type, static_cast<unsigned long long>(position));
    FeedFound(type, position, block);
}

void UnknownDataRecovery::DirectoryStart(int type, uint64_t position, std::span<const uint8_t> block)
{
    const auto recogniser = recognisers.find(type);
    if (recogniser == recognisers.end() || type == 0 ||
        !recogniser->second->IsDirectoryStart(position, block.data(), block.size()))
        return;
    // A directory of a volume found by its boot sector belongs to that volume:
    // a guess from it would build a second, misplaced copy.
    if (const auto list = found.find(type); list != found.end())
        for (const auto& row : list->second)
            if (row.FoundByBootSector() && position >= row.start && position - row.start < row.length)
                return;
    if (type == 1) {
        Fat32DirectoryStart(position, block);
        return;
    }
    ExFatDirectoryStart(position, block);
}

// An exFAT root that no known volume holds gives a layout only where the
// volume bears it out (ExFatHeapOfRoot); a guess at a fixed distance before
// the root gave files other files' bytes.
void UnknownDataRecovery::ExFatDirectoryStart(uint64_t position, std::span<const uint8_t> block)
{
    if (const auto layout = DeepScan::ExFatHeapOfRoot(*reader, volumeLength, position, block))
        if (auto* engine = BuildExFatLayout(layout->dataStart, layout->clusterSize))
            exFatRoots[position] = engine;
}

// The engine of the exFAT layout: one built before, or a new one; none for
// the own volume's layout or when building failed.
DataRecoveryEntity* UnknownDataRecovery::BuildExFatLayout(uint64_t heap, uint64_t clusterSize)
{
    const uint64_t ownHeap = volumeEngine && ownType == 2 ? volumeEngine->GetDataAreaOffset() : UINT64_MAX;
    if (heap == ownHeap)
        return nullptr;
    if (const auto list = found.find(2); list != found.end())
        for (const auto& row : list->second)
            if (Geometry(row) == std::pair{heap, clusterSize})
                return row.engine.get();
    if (!knownGeometries[2].insert({heap, clusterSize}).second)
        return nullptr;
    auto* r = recognisers.at(2).get();
    const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
    if (!AddLostVolume(
            2, 0, volumeLength,
            [&] { return r->CreateRecoveryWithLayout(record, info, reportCallback, heap, clusterSize); }, true))
        return nullptr;
    VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", 2, static_cast<unsigned long long>(heap));
    return found[2].back().engine.get();
}

bool UnknownDataRecovery::FitsFat32Geometry(uint64_t dataStart, uint64_t clusterSize, uint64_t position,
                                            uint64_t cluster) const
{
    return DeepScan::ClusterLayout{dataStart, clusterSize}.Places(position, cluster);
}

std::optional<DeepScan::ClusterLayout> UnknownDataRecovery::OwnLayout() const
{
    const auto* ownReader = ownType == 1 && volumeEngine ? volumeEngine->GetRawReader() : nullptr;
    if (!ownReader)
        return std::nullopt;
    return DeepScan::ClusterLayout{volumeEngine->GetDataAreaOffset(), ownReader->clusterSize};
}

bool UnknownDataRecovery::FitsOwnLayout(uint64_t position, uint64_t cluster) const
{
    const auto own = OwnLayout();
    return own && own->Places(position, cluster);
}

// A FAT32 directory start that no known layout places belongs to a volume
// without a boot sector, or to an earlier format of the own one (a quick
// format with other parameters leaves the old folders where the new layout
// puts other clusters). Its layout is taken only where the volume's blocks
// bear it out: the folders this start names lie where the layout puts them,
// or an earlier unplaced start fits the same layout and no folder either
// names contradicts it. Files then never get runs from a mere guess.
void UnknownDataRecovery::Fat32DirectoryStart(uint64_t position, std::span<const uint8_t> block)
{
    constexpr size_t maxUnplaced = 64;
    const uint64_t cluster = DeepScan::ReadFat32FolderEntries(block).self;
    if (cluster < 2 || FitsOwnLayout(position, cluster))
        return;
    for (const auto& [dataStart, clusterSize] : knownGeometries[1])
        if (FitsFat32Geometry(dataStart, clusterSize, position, cluster))
            return;
    const DeepScan::Fat32LayoutCheck check(*reader, volumeLength, *recognisers.at(1));
    for (uint64_t clusterSize = minClusterSize; clusterSize <= maxClusterSize; clusterSize *= 2) {
        const auto layout = LayoutPlacing(position, cluster, clusterSize);
        if (!layout)
            continue;
        const auto evidence = check.Check(*layout, block);
        if (evidence.contradicted == 0 && evidence.confirmed > 0 && BuildEarlierLayout(*layout))
            return;
    }
    for (const auto& earlier : unplacedStarts) {
        if (earlier.position >= position || earlier.cluster >= cluster)
            continue;
        const uint64_t bytes = position - earlier.position;
        const uint64_t clusters = cluster - earlier.cluster;
        if (bytes % clusters != 0)
            continue;
        const uint64_t clusterSize = bytes / clusters;
        if (clusterSize < minClusterSize || clusterSize > maxClusterSize || (clusterSize & (clusterSize - 1)) != 0)
            continue;
        const auto layout = LayoutPlacing(position, cluster, clusterSize);
        if (!layout)
            continue;
        auto evidence = check.Check(*layout, block);
        evidence += check.Check(*layout, earlier.block);
        if (evidence.contradicted == 0 && !knownGeometries[1].count({layout->dataStart, layout->clusterSize})) {
            // Building drops the unplaced starts the layout places, this one among them.
            BuildEarlierLayout(*layout);
            return;
        }
    }
    if (unplacedStarts.size() < maxUnplaced)
        unplacedStarts.push_back({position, cluster, std::vector<uint8_t>(block.begin(), block.end())});
}

// The layout with this cluster size that puts cluster at position; none when
// its data area would begin before the scanned volume.
std::optional<DeepScan::ClusterLayout> UnknownDataRecovery::LayoutPlacing(uint64_t position, uint64_t cluster,
                                                                         uint64_t clusterSize) const
{
    if (cluster < 2 || cluster - 2 > position / clusterSize)
        return std::nullopt;
    const uint64_t before = (cluster - 2) * clusterSize;
    if (before >= position)
        return std::nullopt;
    return DeepScan::ClusterLayout{position - before, clusterSize};
}

bool UnknownDataRecovery::BuildEarlierLayout(const DeepScan::ClusterLayout& layout)
{
    if (!knownGeometries[1].insert({layout.dataStart, layout.clusterSize}).second)
        return false;
    auto* r = recognisers.at(1).get();
    const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
    if (!AddLostVolume(
            1, 0, volumeLength,
            [&] {
                return r->CreateRecoveryWithLayout(record, info, reportCallback, layout.dataStart, layout.clusterSize);
            },
            true))
        return false;
    VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", 1, static_cast<unsigned long long>(layout.dataStart));
    std::erase_if(unplacedStarts, [&](const UnplacedStart& start) { return layout.Places(start.position, start.cluster); });
    return true;
}

void UnknownDataRecovery::FeedOwn(uint64_t position, std::span<const uint8_t> block)
{
    volumeEngine->ScanBlock(position, block.data(), block.size());
    // Volumes built from directory starts lie over the own one: its blocks are not theirs.
    FeedFound(ownType, position, block, ownType != 1);
}

void UnknownDataRecovery::FlushHeldBlocks()
{
    auto held = std::move(heldBlocks);
    heldBlocks.clear();
    heldBytes = 0;
    for (const auto& block : held) {
        try {
            RouteHeldBlock(block);
        } catch (const Exceptions::ProcessControllerException&) {
            throw;
        } catch (const std::exception& e) {
            VLOG_ERROR("UnknownDataRecovery: block at %llu: %s", static_cast<unsigned long long>(block.position),
                       e.what());
        }
    }
}

// The engine whose checked layout places a FAT32 directory block: the own
// engine (where it may take the block), or one built from directory starts;
// none when no check tells, or when several layouts could hold it.
DataRecoveryEntity* UnknownDataRecovery::PlacingEngine(uint64_t position, std::span<const uint8_t> block,
                                                       bool ownMayTake)
{
    struct Candidate {
        DeepScan::ClusterLayout layout;
        DataRecoveryEntity* engine;
    };
    std::vector<Candidate> candidates;
    const auto own = ownMayTake ? OwnLayout() : std::nullopt;
    if (own)
        candidates.push_back({*own, volumeEngine.get()});
    if (const auto list = found.find(1); list != found.end())
        for (const auto& row : list->second)
            if (row.fromLayout) {
                const auto [dataStart, clusterSize] = Geometry(row);
                candidates.push_back({{dataStart, clusterSize}, row.engine.get()});
            }
    auto* recogniser = recognisers.at(1).get();
    if (recogniser->IsDirectoryStart(position, block.data(), block.size())) {
        const uint64_t cluster = DeepScan::ReadFat32FolderEntries(block).self;
        for (const auto& candidate : candidates)
            if (candidate.layout.Places(position, cluster))
                return candidate.engine;
        return nullptr;
    }
    const DeepScan::Fat32LayoutCheck check(*reader, volumeLength, *recogniser);
    // A cluster the own FAT marks in use that no chain reaches (a folder's
    // cluster its chain lost) is the own volume's: a quick format leaves an
    // earlier format's folders in the free space only.
    if (own && volumeEngine->MarksInUse(position) && check.Check(*own, block).contradicted == 0)
        return volumeEngine.get();
    // A block past a folder's first cluster: the folders it names tell, else
    // a layout whose root lies there, else the one layout that can hold it.
    std::vector<const Candidate*> confirmed, open;
    for (const auto& candidate : candidates) {
        const auto evidence = check.Check(candidate.layout, block);
        if (evidence.contradicted == 0)
            (evidence.confirmed ? confirmed : open).push_back(&candidate);
    }
    if (!confirmed.empty())
        return confirmed.size() == 1 ? confirmed.front()->engine : nullptr;
    for (const auto* candidate : open)
        if (candidate->engine != volumeEngine.get() && candidate->layout.dataStart == position)
            return candidate->engine;
    // Without a folder start of its own in the free space, the own layout has
    // shown no folder there: the block is another format's.
    std::erase_if(open, [&](const Candidate* c) { return c->engine == volumeEngine.get() && !ownStartsInFreeSpace; });
    return open.size() == 1 ? open.front()->engine : nullptr;
}

// A FAT32 or exFAT directory block that no volume found by its boot sector
// holds, once the pass knows the layouts: it goes to the engine whose checked
// layout places it (exFAT, whose folders do not name their own clusters: the
// one checked layout there is). The files of a block no layout places are
// listed under the lost-path folder without data: read through a layout that
// is not theirs, they would get other files' bytes.
void UnknownDataRecovery::RouteHeldBlock(const HeldBlock& held)
{
    const std::span<const uint8_t> block(held.bytes);
    DataRecoveryEntity* engine = nullptr;
    if (held.type == 1) {
        engine = PlacingEngine(held.position, block, held.ownMayTake);
    } else if (recognisers.at(2)->IsDirectoryStart(held.position, block.data(), block.size())) {
        // A root: the layout its own up-case table and bitmap gave, if any.
        if (const auto root = exFatRoots.find(held.position); root != exFatRoots.end())
            engine = root->second;
    } else if (const auto list = found.find(2); list != found.end()) {
        std::vector<DataRecoveryEntity*> layouts;
        for (const auto& row : list->second)
            if (row.fromLayout)
                layouts.push_back(row.engine.get());
        engine = layouts.size() == 1 ? layouts.front() : nullptr;
    }
    if (engine && engine == volumeEngine.get())
        FeedOwn(held.position, block);
    else if (engine)
        engine->ScanBlock(held.position, block.data(), block.size());
    else
        ListWithoutData(held.type, held.position, block);
}

void UnknownDataRecovery::ListWithoutData(int type, uint64_t position, std::span<const uint8_t> block)
{
    // Built once; a type whose engine cannot be built lists nothing.
    const bool tried = listings.count(type) != 0;
    auto& listing = listings[type];
    if (!tried) {
        auto listed = [callback = reportCallback](const DataRecoveryInfo& record) {
            if (record.kind != Fat32File && record.kind != ExFatFile) {
                callback(record);
                return;
            }
            DataRecoveryInfo copy = record;
            const std::string path = record.path ? std::string(record.path, record.pathLength) : std::string();
            const std::string leaf = path.substr(path.find_last_of('\\') + 1);
            copy.path = leaf.c_str();
            copy.pathLength = static_cast<uint16_t>(leaf.size());
            copy.runs = nullptr;
            copy.runCount = 0;
            copy.pathState = 1;
            copy.dataState = record.fileSize ? DataCut : DataWhole;
            callback(copy);
        };
        const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
        try {
            listing = recognisers.at(type)->CreateRecoveryWithLayout(record, info, listed, blockSize, blockSize);
        } catch (const std::exception& e) {
            VLOG_ERROR("UnknownDataRecovery: no engine to list unplaced folders of type %d: %s", type, e.what());
        }
    }
    if (listing)
        listing->ScanBlock(position, block.data(), block.size());
}

// A FAT32 or exFAT directory block not the own engine's to take at once.
// After a quick format the card holds the old format's directories in the
// new one's free space; a disk whose table is gone, volumes without a boot
// sector: the block waits until the pass knows the layouts that might place
// it, unless a volume found by its boot sector holds it.
void UnknownDataRecovery::FatDirectoryBlock(int type, uint64_t position, std::span<const uint8_t> block,
                                            bool ownMayTake)
{
    if (type == 1 && ownMayTake && recognisers.count(1) &&
        recognisers.at(1)->IsDirectoryStart(position, block.data(), block.size()) &&
        FitsOwnLayout(position, DeepScan::ReadFat32FolderEntries(block).self)) {
        ownStartsInFreeSpace = true;
        FeedOwn(position, block);
        return;
    }
    DirectoryStart(type, position, block);
    if (const auto list = found.find(type); list != found.end())
        for (const auto& row : list->second)
            if (row.FoundByBootSector() && position >= row.start && position - row.start < row.length) {
                FeedFound(type, position, block, false);
                return;
            }
    heldBlocks.push_back({type, position, ownMayTake, std::vector<uint8_t>(block.begin(), block.end())});
    heldBytes += block.size();
    if (heldBytes > maxHeldBytes)
        FlushHeldBlocks();
}

// The order-dependent work for one block beyond the own structures that the
// own engine does not skip.
void UnknownDataRecovery::ScanBlockAt(uint64_t position, std::span<const uint8_t> block, bool candidate)
{
    if (volumeEngine && volumeEngine->IsDirectoryBlock(position, block.data(), block.size())) {
        if (ownType == 1) {
            FatDirectoryBlock(1, position, block, true);
            return;
        }
        DirectoryStart(ownType, position, block);
        volumeEngine->ScanBlock(position, block.data(), block.size());
        FeedFound(ownType, position, block);
        return;
    }
    if (!candidate)
        return;
    RecognizeBoot(position, block);
    for (auto& [type, recogniser] : recognisers) {
        if (!recogniser->IsDirectoryBlock(position, block.data(), block.size()))
            continue;
        if (type == 1 || type == 2) {
            FatDirectoryBlock(type, position, block, false);
            return;
        }
        const auto list = found.find(type);
        if (list != found.end() && !list->second.empty()) {
            DirectoryStart(type, position, block);
            FeedFound(type, position, block);
            return;
        }
        if (type != ownType || !volumeEngine) {
            BuildFromDirectoryBlock(type, position, block);
            return;
        }
    }
}

void UnknownDataRecovery::ReportProgress(uint64_t position)
{
    ReportRawProgress(position, volumeLength, lastStep, progressSum);
}

// Whether any recogniser may have something to say about the block: the
// workers' look at its bytes, or a structure begun in earlier blocks.
bool UnknownDataRecovery::Candidate(uint64_t position, const std::vector<bool>& marks, size_t index) const
{
    if (index >= marks.size() || marks[index])
        return true;
    for (const auto* recogniser : recogniserList)
        if (recogniser->Expects(position))
            return true;
    return false;
}

// The order-dependent work of one chunk, block by block from position (which
// it advances past skipped stretches): returns where carves may start.
// marks (one per block, empty for all) tell the blocks a recogniser may take.
std::vector<bool> UnknownDataRecovery::ScanChunk(uint64_t& position, const DeepScan::Chunk& chunk,
                                                 const std::vector<bool>& marks)
{
    const uint64_t base = chunk.offset;
    const uint64_t length = chunk.bytes.size();
    std::vector<bool> startAllowed((length + blockSize - 1) / blockSize, false);
    const uint64_t ownEnd = volumeEngine ? volumeEngine->GetDataAreaOffset() : 0;
    for (; position < base + length;) {
        const auto block =
            chunk.bytes.subspan(position - base, std::min<uint64_t>(blockSize, base + length - position));
        const size_t index = (position - base) / blockSize;
        if (position < ownEnd) {
            // The own structures: only directories of other volumes are looked for.
            if (!Candidate(position, marks, index)) {
                position += blockSize;
                continue;
            }
            if (ownType != 0)
                DirectoryStart(ownType, position, block);
            for (auto& [type, recogniser] : recognisers)
                if (found.count(type) && recogniser->IsDirectoryBlock(position, block.data(), block.size()))
                    FeedFound(type, position, block);
            position += blockSize;
            continue;
        }
        ReportProgress(position);
        uint64_t skipLength = 0;
        if (volumeEngine && volumeEngine->GetClusterState(position, &skipLength)) {
            lastStep = (std::max(skipLength, blockSize) + blockSize - 1) / blockSize * blockSize;
            position += lastStep;
            continue;
        }
        lastStep = blockSize;
        startAllowed[index] = true;
        try {
            ScanBlockAt(position, block, Candidate(position, marks, index));
        } catch (const Exceptions::ProcessControllerException&) {
            throw;
        } catch (const std::exception& e) {
            VLOG_ERROR("UnknownDataRecovery: block at %llu: %s", static_cast<unsigned long long>(position), e.what());
        }
        position += blockSize;
    }
    return startAllowed;
}

int UnknownDataRecovery::ScanRaw()
{
    VLOG_INFO("UnknownDataRecovery::ScanRaw()...");
    if (!reader)
        reader = std::make_shared<Utils::PartReader>(volumeRecord.devicePath, volumeRecord.offset, volumeLength);
    reader->LockReaderBuffer();
    VolumeInfoItem carvingRecord = volumeRecord;
    carvingRecord.length = volumeLength;
    carving = std::make_shared<DeepScanManager>(carvingRecord, info, reportCallback);
    std::vector<uint32_t> known;
    if (volumeEngine)
        known.push_back(volumeEngine->GetVolumeSerial());
    recognisers.clear();
    recogniserList.clear();
    for (const auto& [type, make] : makers)
        if (make)
            if (auto recogniser = make(known))
                recognisers.emplace(type, std::move(recogniser));
    for (const auto& [type, recogniser] : recognisers)
        recogniserList.push_back(recogniser.get());
    if (volumeEngine)
        volumeEngine->AdjustReadAhead();
    ownBackupAt.reset();
    if (const auto own = recognisers.find(ownFileSystem); own != recognisers.end()) {
        std::vector<uint8_t> boot(blockSize);
        if (reader->Read(0, boot.data(), blockSize) && own->second->IsBootSectorAnySerial(boot.data()))
            ownBackupAt = BootSectorBackupOffset(ownFileSystem, boot);
    }
    progressSum = 0;
    lastStep = blockSize;

    try {
        carving->SetCarveWorkers(carveWorkers);
        auto workers = std::make_shared<Thread::ThreadPool>(carving->CarveWorkers());
        carving->BeginCarving(workers, scanState);
        const size_t ahead = workers->WorkerCount() + 2;
        DeepScan::ChunkReader chunks(*reader, volumeLength, DeepScanManager::chunkSize, ahead, workers,
                                     recogniserList.empty() ? nullptr : MarkCandidates(recogniserList));
        uint64_t position = 0;
        for (auto delivered = chunks.Next(); delivered.chunk; delivered = chunks.Next()) {
            PollRunState(*scanState, &pausedPolls);
            auto startAllowed = ScanChunk(position, *delivered.chunk, delivered.marks);
            carving->CarveChunk(std::move(delivered.chunk), std::move(startAllowed));
        }
        FlushHeldBlocks();
        carving->EndCarving();
    } catch (...) {
        carving->AbandonCarving();
        throw;
    }

    if (volumeEngine)
        volumeEngine->AfterScanRaw();
    for (auto& [type, rows] : found)
        for (auto& row : rows)
            row.engine->AfterScanRaw();
    for (auto& [type, listing] : listings)
        if (listing)
            listing->AfterScanRaw();
    VLOG_INFO("UnknownDataRecovery::ScanRaw() End.");
    return 0;
}
