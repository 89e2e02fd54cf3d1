#include "DeepScan/UnknownDataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/ChunkReader.h"
#include "DeepScan/DeepScanManager.h"
#include "Utils/PartReader.h"
#include "Utils/ThreadPool.h"

#include <algorithm>
#include <exception>
#include <utility>

static constexpr const char* LogSource = "src/DeepScan/UnknownDataRecovery";

namespace {

constexpr uint64_t blockSize = 512;
constexpr uint64_t MiB = 1 << 20;
constexpr uint64_t exFatHeapGuess = 0x40000;
// Own directory blocks held back at most, before they go to the own engine unsorted.
constexpr uint64_t maxHeldBytes = 32 * MiB;

// The first cluster named by a FAT "." entry in the block, or 0 when there is none.
uint64_t DotEntryCluster(std::span<const uint8_t> block)
{
    for (size_t at = 0; at + 32 <= block.size(); at += 32) {
        if (block[at] == '.' && block[at + 1] == ' ' && (block[at + 11] & 0x10))
            return uint64_t{Carving::LE16(block, at + 20)} << 16 | Carving::LE16(block, at + 26);
    }
    return 0;
}

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

namespace {
// count units of unit bytes; a product past 64 bits (a damaged field) is
// "everything", so the volume runs to the scanned range's end rather than wrapping short.
uint64_t SaturatingBytes(uint64_t count, uint64_t unit)
{
    return unit != 0 && count > UINT64_MAX / unit ? UINT64_MAX : count * unit;
}
}

uint64_t BootSectorVolumeLength(int type, std::span<const uint8_t> block)
{
    if (block.size() < 512)
        return 0;
    switch (type) {
    case 0: { // NTFS: total sectors, plus the backup boot sector past them
        const uint64_t sectors = Carving::LE64(block, 0x28);
        return sectors == UINT64_MAX ? UINT64_MAX : SaturatingBytes(sectors + 1, Carving::LE16(block, 0x0B));
    }
    case 1: {
        const uint64_t sectors = Carving::LE16(block, 0x13) ? Carving::LE16(block, 0x13) : Carving::LE32(block, 0x20);
        return sectors * Carving::LE16(block, 0x0B);
    }
    case 2: {
        const uint64_t shift = block[0x6C];
        return shift >= 9 && shift <= 12 ? SaturatingBytes(Carving::LE64(block, 0x48), uint64_t{1} << shift) : 0;
    }
    default:
        return 0;
    }
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
    earlierFormat = false;
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
                                        bool fromLayout)
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
    FoundVolume row{start, length, engine, fromLayout};
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
    for (const auto& row : it->second)
        if ((layoutVolumes || !row.fromLayout) && position >= row.start && position - row.start < row.length)
            row.engine->ScanBlock(position - row.start, block.data(), block.size());
}

bool UnknownDataRecovery::RecognizeBoot(uint64_t position, std::span<const uint8_t> block)
{
    if (block.size() < blockSize)
        return false;
    for (auto& [type, recogniser] : recognisers) {
        if (!recogniser->CheckBootSector(block.data()))
            continue;
        VLOG_INFO("RecognizeBoot: %d, Found Position: %llu\n", type, static_cast<unsigned long long>(position));
        const uint64_t said = BootSectorVolumeLength(type, block);
        const uint64_t length = said ? std::min(said, volumeLength - position) : volumeLength - position;
        const VolumeInfoItem record = LostVolumeRecord(position, length);
        auto* r = recogniser.get();
        return AddLostVolume(type, position, length,
                             [&] { return r->CreateRecovery(record, info, reportCallback); });
    }
    return false;
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
            if (row.length < volumeLength && position >= row.start && position - row.start < row.length)
                return;
    auto* r = recogniser->second.get();
    const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
    if (type == 1) {
        const uint64_t cluster = DotEntryCluster(block);
        if (cluster < 2)
            return;
        // A directory of the own volume, or of a layout already built, builds nothing.
        if (ownType == 1 && FitsOwnLayout(position, cluster))
            return;
        for (const auto& [dataStart, clusterSize] : knownGeometries[1])
            if (FitsFat32Geometry(dataStart, clusterSize, position, cluster))
                return;
        bool built = false;
        for (uint64_t dataStart : {4 * MiB, 8 * MiB, 12 * MiB, 16 * MiB}) {
            for (uint64_t clusterSize : {4096u, 8192u, 16384u, 32768u}) {
                const uint64_t before = clusterSize * (cluster - 2);
                if (before > position || position - before != dataStart)
                    continue;
                if (!knownGeometries[1].insert({dataStart, clusterSize}).second)
                    continue;
                if (AddLostVolume(
                        1, 0, volumeLength,
                        [&] { return r->CreateRecoveryWithLayout(record, info, reportCallback, dataStart, clusterSize); },
                        true)) {
                    VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", 1,
                              static_cast<unsigned long long>(dataStart));
                    built = true;
                }
            }
        }
        if (built)
            EarlierFormatFound();
        else if (ownType == 1)
            LayoutFromDirectoryStarts(position, cluster);
        return;
    }
    if (position < exFatHeapGuess)
        return;
    const uint64_t heap = position - exFatHeapGuess;
    const uint64_t clusterSize = volumeLength - heap >= 0x8000000000ull ? 0x40000 : 0x20000;
    const uint64_t ownHeap = volumeEngine ? volumeEngine->GetDataAreaOffset() : 0;
    const auto list = found.find(2);
    if (heap == ownHeap || knownGeometries[2].count({heap, clusterSize}) || list == found.end() || list->second.empty())
        return;
    for (const auto& row : list->second)
        if (Geometry(row) == std::pair{heap, clusterSize})
            return;
    knownGeometries[2].insert({heap, clusterSize});
    if (AddLostVolume(2, 0, volumeLength,
                      [&] { return r->CreateRecoveryWithLayout(record, info, reportCallback, heap, 0); }))
        VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", 2, static_cast<unsigned long long>(heap));
}

bool UnknownDataRecovery::FitsFat32Geometry(uint64_t dataStart, uint64_t clusterSize, uint64_t position,
                                            uint64_t cluster) const
{
    return clusterSize != 0 && cluster >= 2 && cluster - 2 <= (UINT64_MAX - dataStart) / clusterSize &&
           dataStart + (cluster - 2) * clusterSize == position;
}

bool UnknownDataRecovery::FitsOwnLayout(uint64_t position, uint64_t cluster) const
{
    const auto* ownReader = volumeEngine ? volumeEngine->GetRawReader() : nullptr;
    return ownReader && FitsFat32Geometry(volumeEngine->GetDataAreaOffset(), ownReader->clusterSize, position, cluster);
}

// Two directory starts of one earlier format give its layout: their clusters
// lie (position difference / cluster difference) bytes apart. A quick format
// with other parameters leaves the old directories where no known layout,
// and often none of the usual guesses, places them.
void UnknownDataRecovery::LayoutFromDirectoryStarts(uint64_t position, uint64_t cluster)
{
    constexpr size_t maxUnplaced = 64;
    auto* r = recognisers.at(1).get();
    for (const auto& [earlier, earlierCluster] : unplacedStarts) {
        if (earlier >= position || earlierCluster >= cluster)
            continue;
        const uint64_t bytes = position - earlier;
        const uint64_t clusters = cluster - earlierCluster;
        if (bytes % clusters != 0)
            continue;
        const uint64_t clusterSize = bytes / clusters;
        if (clusterSize < 512 || clusterSize > 64 * 1024 || (clusterSize & (clusterSize - 1)) != 0)
            continue;
        const uint64_t before = (earlierCluster - 2) * clusterSize;
        if (before > earlier || (earlier - before) % blockSize != 0)
            continue;
        const uint64_t dataStart = earlier - before;
        if (!knownGeometries[1].insert({dataStart, clusterSize}).second)
            continue;
        const VolumeInfoItem record = LostVolumeRecord(0, volumeLength);
        if (AddLostVolume(
                1, 0, volumeLength,
                [&] { return r->CreateRecoveryWithLayout(record, info, reportCallback, dataStart, clusterSize); },
                true)) {
            VLOG_INFO("FileSystemType: %d, Found Position: %llu\n", 1, static_cast<unsigned long long>(dataStart));
            unplacedStarts.clear();
            EarlierFormatFound();
            return;
        }
    }
    if (unplacedStarts.size() < maxUnplaced)
        unplacedStarts.push_back({position, cluster});
}

void UnknownDataRecovery::EarlierFormatFound()
{
    if (ownType != 1)
        return;
    earlierFormat = true;
    FlushHeldBlocks();
}

void UnknownDataRecovery::FeedOwn(uint64_t position, std::span<const uint8_t> block)
{
    volumeEngine->ScanBlock(position, block.data(), block.size());
    // Volumes built from directory starts lie over the own one: its blocks are not theirs.
    FeedFound(ownType, position, block, ownType != 1);
}

// Held blocks go to the earlier format once it is known, else to the own engine.
void UnknownDataRecovery::FlushHeldBlocks()
{
    auto held = std::move(heldBlocks);
    heldBlocks.clear();
    heldBytes = 0;
    for (const auto& [position, bytes] : held) {
        try {
            if (earlierFormat)
                FeedFound(1, position, bytes);
            else
                FeedOwn(position, bytes);
        } catch (const Exceptions::ProcessControllerException&) {
            throw;
        } catch (const std::exception& e) {
            VLOG_ERROR("UnknownDataRecovery: block at %llu: %s", static_cast<unsigned long long>(position), e.what());
        }
    }
}

// A FAT32 directory block the own engine takes. After a quick format the
// card holds the old format's directories in the new one's free space: a
// block that no own directory start places waits until the pass knows
// whether an earlier format with a layout of its own claims it, so that its
// files are not reported a second time at the new layout's (wrong) places.
void UnknownDataRecovery::OwnDirectoryBlock(uint64_t position, std::span<const uint8_t> block)
{
    const auto recogniser = recognisers.find(1);
    const bool start = recogniser != recognisers.end() &&
                       recogniser->second->IsDirectoryStart(position, block.data(), block.size());
    if (start && FitsOwnLayout(position, DotEntryCluster(block))) {
        FeedOwn(position, block);
        return;
    }
    DirectoryStart(1, position, block);
    if (earlierFormat) {
        FeedFound(1, position, block);
        return;
    }
    heldBlocks.push_back({position, std::vector<uint8_t>(block.begin(), block.end())});
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
            OwnDirectoryBlock(position, block);
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
    VLOG_INFO("UnknownDataRecovery::ScanRaw() End.");
    return 0;
}
