#include "NTFS/NTFSDataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NTFSRecognize.h"
#include "NTFS/StartFolder.h"
#include "Utils/ThreadPool.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <list>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

NTFSDataRecovery::NTFSDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                   DataRecoveryCallback callback)
    : DataRecoveryEntity(std::move(info), std::move(callback))
{
    pool = std::make_shared<Thread::ThreadPool>(Thread::ThreadPool::DefaultWorkerCount());
    scanSize = volume.length;
    explorer = std::make_shared<NTFS::NTFSExplorer>(volume);
    if (!explorer->reader)
        throw Exceptions::NTFSException("NTFS Reader not init.");
    clusterSize = explorer->reader->clusterSize;
    recordBuffer.assign(explorer->reader->recordSize, 0);
    recogniser = std::make_unique<NTFS::NTFSRecognize>();
    nodeStore.rootId = 5;
    try {
        ConstructBitmap();
    } catch (const Exceptions::NTFSException& e) {
        VLOG_INFO("ConstructBitmap fails %s\n", e.what());
    }
}

NTFSDataRecovery::~NTFSDataRecovery()
{
    // The workers may still hold records of this engine's scan.
    pool.reset();
    std::fill(recordBuffer.begin(), recordBuffer.end(), 0);
}

int NTFSDataRecovery::Start()
{
    return Scan(5);
}

bool NTFSDataRecovery::IsStructureBlock(const uint8_t* block)
{
    return std::memcmp(block, "FILE", 4) == 0;
}

uint32_t NTFSDataRecovery::GetVolumeSerial()
{
    return explorer->GetReader()->volumeSerial;
}

uint64_t NTFSDataRecovery::GetVolumeOffset()
{
    return explorer->GetReader()->Start();
}

std::shared_ptr<Utils::PartReader> NTFSDataRecovery::GetReader()
{
    return explorer->GetReader();
}

Utils::PartReader* NTFSDataRecovery::GetRawReader()
{
    return explorer->GetReader().get();
}

void NTFSDataRecovery::FinishScan()
{
    {
        std::lock_guard lock(recycleMutex);
        recycleHalves.clear();
        recycleNames.clear();
        recycleItems.clear();
    }
    {
        std::lock_guard lock(oversizedMutex);
        oversized.clear();
    }
    {
        std::lock_guard lock(liveMutex);
        liveFiles.clear();
        namelessFiles.clear();
    }
    unplacedFiles.clear();
    mftAnchors.clear();
    nodeStore.ClearPending();
    {
        std::lock_guard lock(nodeStore.idMutex);
        nodeStore.idMap.clear();
        nodeStore.idMap.rehash(0);
    }
    bitmap.clear();
    bitmap.shrink_to_fit();
    pool->ClearQueue();
}

int NTFSDataRecovery::Start(const std::string& path)
{
    auto mft = explorer->GetMFT();
    try {
        const auto start = NTFS::FindStartFolder(*mft, path, info.volumeLetter);
        if (!start) {
            VLOG_INFO("NTFS: the volume has no Recycle Bin folder; nothing to scan.");
            FinishScan();
            return 0;
        }
        const int result = ScanStructure(static_cast<int64_t>(*start));
        for (const auto& [nodePath, node] : nodeStore.TakeAllNodes()) {
            PollRunState(*scanState);
            if (node.RunCount() != 0 && node.pathState == nodeStore.lostState)
                ReportFileNode(node, nodePath, static_cast<int>(GetFileInfoKind()));
        }
        FinishScan();
        return result;
    } catch (const std::exception& e) {
        VLOG_INFO("NTFS Scan Exception: %s\n", e.what());
        FinishScan();
        throw;
    }
}

void NTFSDataRecovery::ReportResolved()
{
    for (const auto& [path, node] : nodeStore.TakeResolvedNodes(0)) {
        PollRunState(*scanState);
        ReportFileNode(node, path, NtfsFile);
    }
}

void NTFSDataRecovery::ReadChunk(NTFS::MFT& mft, uint64_t first, uint64_t count, uint8_t* out)
{
    auto& reader = *explorer->GetReader();
    const uint64_t size = reader.recordSize;
    try {
        NTFS::ReadRunBytes(reader, mft.runs, first * size, out, count * size);
        return;
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
    }
    // A bad stretch costs only its own records: read the chunk again one record
    // at a time, through a read-ahead window of one record so that a bad sector
    // does not fail the window of its neighbours.
    const uint64_t previousWindow = reader.GetBufferSize();
    reader.SetBufferSize(size);
    struct RestoreWindow {
        Utils::PartReader& reader;
        uint64_t size;
        ~RestoreWindow() { reader.SetBufferSize(size); }
    } restore{reader, previousWindow};
    uint64_t badFrom = 0, badCount = 0;
    auto closeStretch = [&] {
        if (badCount)
            VLOG_ERROR("$MFT records %llu to %llu unreadable, skipped", static_cast<unsigned long long>(badFrom),
                       static_cast<unsigned long long>(badFrom + badCount - 1));
        badCount = 0;
    };
    for (uint64_t i = 0; i < count; ++i) {
        try {
            NTFS::ReadRunBytes(reader, mft.runs, (first + i) * size, out + i * size, size);
            closeStretch();
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const Exceptions::DiskException&) {
            std::fill(out + i * size, out + (i + 1) * size, 0);
            if (!badCount)
                badFrom = first + i;
            ++badCount;
            ++unreadableRecords;
        }
    }
    closeStretch();
}

int NTFSDataRecovery::ScanStructure(int64_t inode)
{
    auto mft = explorer->GetMFT();
    if (mft->runs.empty())
        throw Exceptions::NTFSException("MFT not found");
    nodeStore.startId = static_cast<uint64_t>(inode);
    FileManagerSP::FileNode start;
    start.name = ".\\";
    start.id = static_cast<uint32_t>(inode);
    start.parentId = static_cast<uint32_t>(inode);
    if (auto record = mft->GetRecord(static_cast<uint64_t>(inode)))
        start.sequence = record->ReferenceSequence();
    nodeStore.AddNode(start);
    auto reader = explorer->GetReader();
    unreadableRecords = 0;

    const uint64_t recordSize = reader->recordSize;
    const uint64_t perChunk = std::max<uint64_t>(1, chunkBytes / recordSize);
    const uint64_t total = mft->RecordCount();
    const uint64_t recordsPerTask = 128;
    // Two chunks: the next one is read and parsed while the files the last one
    // completed are reported.
    const uint64_t chunkRecords = std::min(perChunk, std::max<uint64_t>(total, 1));
    std::vector<uint8_t> chunks[2] = {std::vector<uint8_t>(chunkRecords * recordSize),
                                      std::vector<uint8_t>(chunkRecords * recordSize)};
    std::list<std::future<void>> futures[2];
    // Tasks view a chunk: none may outlive it, whatever leaves this scope.
    struct WaitAll {
        std::list<std::future<void>>* lists;
        ~WaitAll()
        {
            for (int i = 0; i < 2; ++i)
                for (auto& future : lists[i])
                    if (future.valid())
                        future.wait();
        }
    } waitAll{futures};
    auto finish = [&](std::list<std::future<void>>& list, uint64_t done) {
        if (list.empty())
            return;
        while (!list.empty()) {
            list.front().get();
            list.pop_front();
        }
        ReportResolved();
        auto progress = MakeDataRecoveryInfo(StructureScanProgress);
        progress.diskIndex = info.diskIndex;
        progress.volIndex = info.volIndex;
        progress.progress = static_cast<double>(done) / static_cast<double>(total);
        reportCallback(progress);
    };

    uint64_t previousDone = 0;
    int current = 0;
    for (uint64_t first = 0; first < total; first += perChunk, current ^= 1) {
        PollRunState(*scanState);
        const uint64_t count = std::min(perChunk, total - first);
        uint8_t* base = chunks[current].data();
        ReadChunk(*mft, first, count, base);
        // Records go to the pool in batches: one task per record would spend
        // more on waking workers than on parsing.
        for (uint64_t from = 0; from < count; from += recordsPerTask) {
            const uint64_t to = std::min(count, from + recordsPerTask);
            futures[current].push_back(pool->enqueue([this, base, from, to, first, mft, reader] {
                const uint32_t size = reader->recordSize;
                for (uint64_t i = from; i < to; ++i) {
                    uint8_t* slot = base + i * size;
                    if (std::memcmp(slot, "FILE", 4) != 0)
                        continue;
                    try {
                        auto record = std::make_shared<NTFS::MFTRecord>(slot, mft.get(), reader.get(), false, size);
                        record->SetPlaceInMft(first + i);
                        ProcessMFTRecord(record, first + i);
                    } catch (const std::exception& e) {
                        VLOG_INFO("ProcessMFTRecord fail %s.", e.what());
                    }
                }
            }));
        }
        finish(futures[current ^ 1], previousDone);
        previousDone = first + count;
    }
    finish(futures[current ^ 1], previousDone);
    for (auto& chunk : chunks)
        std::fill(chunk.begin(), chunk.end(), 0);
    FlushUnpairedRecycleHalves();
    NameNamelessFiles(nodeStore.startId == nodeStore.rootId);
    ReleaseLiveFiles(true);
    ReportRecycleItemsUnderStart();
    ReportResolved();
    ParseLogFile();
    ReportResolved();
    ReportOversized();
    VLOG_INFO("NTFS structure scan done: %llu records, %llu unreadable", static_cast<unsigned long long>(total),
              static_cast<unsigned long long>(unreadableRecords));
    return 0;
}
