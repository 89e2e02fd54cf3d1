#include "FAT/ExFATDataRecovery.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/StartPath.h"
#include "FAT/DosTime.h"
#include "FAT/EntryBytes.h"
#include "FAT/ExFATDirectoryBlock.h"
#include "FAT/FATRecognize.h"
#include "Utils/FileBytes.h"
#include "Utils/TextConversion.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

static constexpr const char* LogSource = "src/FAT/ExFATDataRecovery";

namespace FAT {

namespace {

bool IsNameEntry(const ExFATDataRecovery::Entry& e)
{
    return (e[0] | 0x80) == 0xC1;
}

int64_t Timestamp(uint32_t value)
{
    return DosDateTimeToUnix(static_cast<uint16_t>(value >> 16), static_cast<uint16_t>(value & 0xFFFF));
}

}

std::string InstalledUpcaseTablePath()
{
    Dl_info module{};
    if (!dladdr(reinterpret_cast<void*>(&InstalledUpcaseTablePath), &module) || !module.dli_fname)
        return "";
    std::error_code error;
    auto dir = std::filesystem::weakly_canonical(module.dli_fname, error).parent_path();
    // The library, or a program linked with the engine one or two folders below it.
    for (int up = 0; up < 3 && !dir.empty(); ++up, dir = dir.parent_path()) {
        const auto candidate = dir / "config" / "ExFATUpCase";
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    }
    return "";
}

ExFATDataRecovery::ExFATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                     DataRecoveryCallback callback)
    : ExFATDataRecovery(volume, std::move(info), std::move(callback), 0, 0)
{
}

ExFATDataRecovery::ExFATDataRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                     DataRecoveryCallback callback, uint64_t dataStart, uint64_t clusterSize)
    : FATDataRecovery(volume, std::move(info), std::move(callback)),
      explorer(std::make_shared<ExFATExplorer>(volume, dataStart, clusterSize))
{
    recogniser = std::make_unique<ExFATRecognize>();
    rootCluster = explorer->reader->geometry.rootCluster;
    nodeStore.rootId = rootCluster;
    try {
        LoadRootSpecials();
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_ERROR("exFAT root directory unreadable: %s", e.what());
    }
    if (upcase.empty()) {
        const std::string path = InstalledUpcaseTablePath();
        if (!path.empty()) {
            std::ifstream in(path, std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            upcase = ExpandUpcaseTable(bytes.data(), bytes.size());
            upcaseSource = "file";
        }
    }
    if (upcase.size() < 128) {
        upcase = StartPath::BuiltInUpcase();
        upcaseSource = "built-in";
    }
    VLOG_INFO("exFAT up-case table from %s (%zu entries)", upcaseSource.c_str(), upcase.size());
}

ExFATDataRecovery::~ExFATDataRecovery()
{
    std::fill(bitmap.begin(), bitmap.end(), 0);
}

void ExFATDataRecovery::LoadRootSpecials()
{
    auto table = GetTable();
    auto reader = GetReader();
    const auto runs = table->GetClusterRuns(rootCluster);
    if (runs.empty())
        return;
    std::vector<uint8_t> root(static_cast<size_t>(std::min<uint64_t>(runs[0].length, 64 * 1024)), 0);
    reader->Read(runs[0].offset, root.data(), static_cast<uint32_t>(root.size()));
    bool haveBitmap = false;
    bool haveUpcase = false;
    for (size_t at = 0; at + 32 <= root.size() && root[at] != 0; at += 32) {
        const uint8_t* e = root.data() + at;
        if (e[0] == 0x81 && !haveBitmap && (e[1] & 1) == 0) {
            LoadBitmap(EntryU32(e + 20), EntryU64(e + 24));
            haveBitmap = true;
        } else if (e[0] == 0x82 && !haveUpcase) {
            LoadUpcase(EntryU32(e + 20), EntryU64(e + 24), EntryU32(e + 4));
            haveUpcase = true;
        }
    }
}

void ExFATDataRecovery::LoadUpcase(uint64_t cluster, uint64_t length, uint32_t checksum)
{
    auto table = GetTable();
    if (!table->IsDataCluster(cluster) || length == 0 || length > 2 * 65536)
        return;
    std::vector<uint8_t> bytes(static_cast<size_t>(length), 0);
    GetReader()->Read(table->ClusterOffset(cluster), bytes.data(), static_cast<uint32_t>(bytes.size()));
    if (UpcaseTableChecksum(bytes.data(), bytes.size()) != checksum) {
        VLOG_INFO("exFAT up-case table checksum does not match; not used");
        return;
    }
    upcase = ExpandUpcaseTable(bytes.data(), bytes.size());
    upcaseSource = "volume";
}

void ExFATDataRecovery::LoadBitmap(uint64_t cluster, uint64_t length)
{
    auto table = GetTable();
    const uint64_t needed = (table->ClusterCount() + 7) / 8;
    if (!table->IsDataCluster(cluster) || length == 0)
        return;
    length = std::min(length, needed);
    bitmap.assign(static_cast<size_t>(length), 0);
    auto reader = GetReader();
    uint64_t done = 0;
    for (const auto& run : table->GetClusterRuns(cluster)) {
        const uint64_t n = std::min(run.length, length - done);
        for (uint64_t at = 0; at < n;) {
            const uint32_t piece = static_cast<uint32_t>(std::min<uint64_t>(n - at, 16 * 1024 * 1024));
            reader->Read(run.offset + at, bitmap.data() + done + at, piece);
            at += piece;
        }
        done += n;
        if (done >= length)
            break;
    }
    if (done < length) // a chain shorter than the bitmap: the rest lies after it
        reader->Read(table->ClusterOffset(cluster) + done, bitmap.data() + done, static_cast<uint32_t>(length - done));
    bitmapBits = std::min<uint64_t>(length * 8, table->ClusterCount());
}

bool ExFATDataRecovery::BitmapBit(uint64_t cluster) const
{
    const uint64_t index = cluster - 2;
    if (cluster < 2 || index >= bitmapBits)
        return false;
    return (bitmap[index / 8] >> (index % 8)) & 1;
}

int64_t ExFATDataRecovery::GetRootInode()
{
    if (!explorer || !explorer->reader)
        throw Exceptions::ExFATException("ExFAT reader not init.");
    return static_cast<int64_t>(rootCluster);
}

uint32_t ExFATDataRecovery::GetVolumeSerial()
{
    return EntryU32(GetRawReader()->bootSector + 100);
}

void ExFATDataRecovery::CheckGeometry()
{
    const auto& failure = GetTable()->Geometry().failure;
    if (!failure.empty())
        throw Exceptions::ExFATException("ExFAT boot sector geometry does not hold: " + failure);
}

std::shared_ptr<Utils::PartReader> ExFATDataRecovery::GetReader()
{
    if (!explorer || !explorer->reader)
        throw Exceptions::ExFATException("ExFAT reader not init.");
    return explorer->reader;
}

Utils::PartReader* ExFATDataRecovery::GetRawReader()
{
    return GetReader().get();
}

std::shared_ptr<FATTable> ExFATDataRecovery::GetTable()
{
    if (!explorer || !explorer->table)
        throw Exceptions::ExFATException("ExFAT FAT table not init.");
    return explorer->table;
}

FATTable* ExFATDataRecovery::GetTablePtr()
{
    return explorer ? explorer->table.get() : nullptr;
}

bool ExFATDataRecovery::NamesMatch(const std::string& a, const std::string& b)
{
    std::u16string x;
    std::u16string y;
    try {
        x = Utils::Utf8ToWString(a);
        y = Utils::Utf8ToWString(b);
    } catch (const std::exception&) {
        return a == b;
    }
    return StartPath::SameNameUpcased(x, y, upcase);
}

bool ExFATDataRecovery::GetClusterState(uint64_t position, uint64_t* length)
{
    auto* table = GetTablePtr();
    const uint64_t cluster = table->ClusterOfPosition(position);
    if (!BitmapBit(cluster)) {
        *length = GetRawBlockSize();
        return false;
    }
    // Allocated: skip to the end of a known extent, else to the cluster's end.
    if (FATDataRecovery::GetClusterState(position, length))
        return true;
    *length = table->ClusterOffset(cluster) + table->ClusterSize() - position;
    return true;
}

uint64_t ExFATDataRecovery::GetUsedBytes()
{
    uint64_t bits = 0;
    for (uint64_t i = 0; i < bitmapBits; ++i)
        bits += (bitmap[i / 8] >> (i % 8)) & 1;
    return bits * GetTable()->ClusterSize();
}

std::vector<DataRun> ExFATDataRecovery::GetDirectoryRuns(uint64_t cluster)
{
    if (cluster == rootCluster)
        return GetTable()->GetClusterRuns(cluster);
    std::lock_guard lock(directoryRunsMutex);
    auto it = directoryRuns.find(cluster);
    return it == directoryRuns.end() ? std::vector<DataRun>{} : it->second;
}

std::vector<ExFATDataRecovery::Entry> ExFATDataRecovery::NameEntries(const EntrySet& set)
{
    std::vector<Entry> names;
    for (const auto& e : set.rest)
        if (IsNameEntry(e))
            names.push_back(e);
    return names;
}

std::vector<ExFATDataRecovery::Entry> ExFATDataRecovery::AllEntries(const EntrySet& set)
{
    std::vector<Entry> all{set.file, set.stream};
    all.insert(all.end(), set.rest.begin(), set.rest.end());
    return all;
}

bool ExFATDataRecovery::ProcessSet(const EntrySet& set, uint64_t inode, DirectoryItems& items)
{
    auto table = GetTable();
    const uint8_t* file = set.file.data();
    const uint8_t* stream = set.stream.data();
    const bool deleted = file[0] == 0x05;
    const uint16_t attributes = EntryU16(file + 4);
    const uint8_t flags = stream[1];
    const bool noFatChain = flags & 0x02;
    const uint64_t first = EntryU32(stream + 20);
    const uint64_t length = EntryU64(stream + 24);
    FileManagerSP::FileNode node;
    node.name = Parser::ExFATFileName(NameEntries(set), stream[3]);
    node.size = length;
    node.id = static_cast<uint32_t>(first);
    node.parentId = static_cast<uint32_t>(inode);
    node.deletedState = deleted ? 1 : 0;
    auto contiguous = [&]() -> std::vector<DataRun> {
        if (!table->IsDataCluster(first) || length == 0)
            return {};
        const uint64_t offset = table->ClusterOffset(first);
        if (offset >= volumeSize)
            return {};
        return {{offset, std::min(length, volumeSize - offset)}};
    };
    if (attributes & 0x10) {
        std::vector<DataRun> runs;
        if (deleted || flags != 1) {
            runs = contiguous();
        } else {
            runs = table->GetClusterRuns(first);
            uint64_t total = 0;
            for (const auto& r : runs)
                total += r.length;
            if (total != length) {
                VLOG_INFO("ExFAT useless Directory\n");
                return false;
            }
        }
        {
            std::lock_guard lock(directoryRunsMutex);
            directoryRuns[first] = runs;
        }
        if (!deleted)
            for (const auto& r : runs)
                AddExtent(r.offset, r.length);
        node.folderFlag = 1;
        node.runs = std::move(runs);
        items.push_back(std::move(node));
        return true;
    }
    node.time = Timestamp(EntryU32(file + 12));
    try {
        // Without a FAT chain the table's entries mean nothing for the file.
        if (noFatChain)
            node.runs = contiguous();
        else
            UpdateFileNodeDataInfo(node);
    } catch (const std::exception& e) {
        if (dynamic_cast<const Exceptions::DiskException*>(&e))
            throw;
        VLOG_INFO("ExFAT UpdateFileNodeDataInfo Exception: %s\n", e.what());
        return false;
    }
    if (!deleted)
        for (const auto& r : node.runs)
            AddExtent(r.offset, r.length);
    items.push_back(std::move(node));
    return true;
}

void ExFATDataRecovery::ProcessTail(const EntrySet& tail, uint64_t inode, DirectoryItems& items)
{
    if (tail.hasStream && tail.names > 0) {
        for (auto it = saved.begin(); it != saved.end(); ++it) {
            EntrySet joined = *it;
            joined.stream = tail.stream;
            joined.hasStream = true;
            joined.rest = tail.rest;
            joined.names = tail.names;
            joined.benign = tail.benign;
            if (EntrySetChecksum(AllEntries(joined)) == EntryU16(it->file.data() + 2)) {
                saved.erase(it);
                ProcessSet(joined, inode, items);
                return;
            }
        }
        // Its File entry was never met: a deleted file without a time.
        EntrySet orphan = tail;
        orphan.file = Entry{};
        orphan.file[0] = 0x05;
        orphan.file[1] = static_cast<uint8_t>(1 + tail.names + tail.benign);
        orphan.hasFile = true;
        ProcessSet(orphan, inode, items);
        if (!items.empty() && items.back().folderFlag == 0)
            items.back().time = 0;
        return;
    }
    if (tail.hasStream || tail.names == 0)
        return;
    std::optional<EntrySet> remembered;
    for (auto it = saved.begin(); it != saved.end(); ++it) {
        if (!it->hasStream)
            continue;
        EntrySet joined = *it;
        joined.rest.insert(joined.rest.end(), tail.rest.begin(), tail.rest.end());
        joined.names += tail.names;
        joined.benign += tail.benign;
        if (NameHash(NameEntries(joined), joined.stream[3], upcase) != EntryU16(joined.stream.data() + 4))
            continue;
        if (EntrySetChecksum(AllEntries(joined)) == EntryU16(joined.file.data() + 2)) {
            saved.erase(it);
            ProcessSet(joined, inode, items);
            return;
        }
        remembered = std::move(joined);
    }
    if (remembered)
        ProcessSet(*remembered, inode, items);
}

void ExFATDataRecovery::ProcessFATDataItem(DirectoryItems& items, uint64_t offset, const uint8_t* block,
                                           uint64_t length, uint64_t inode)
{
    std::vector<EntrySet> complete;
    std::vector<EntrySet> partial;
    EntrySet open;
    unsigned owed = 0; // secondaries of the open File entry
    bool ignoring = false;
    auto emit = [&](EntrySet& set) {
        if (set.hasFile && set.hasStream && 1 + set.names + set.benign == owed)
            complete.push_back(std::move(set));
        else if (set.hasFile || set.names > 0)
            partial.push_back(std::move(set));
        set = EntrySet{};
    };
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        const uint8_t type = e[0];
        if (type == 0x00)
            break;
        Entry entry;
        std::memcpy(entry.data(), e, 32);
        switch (type | 0x80) {
        case 0x85:
            if (open.names > 0 || open.hasFile)
                emit(open);
            ignoring = e[1] < 2 || e[1] > 18; // no set has fewer or more secondaries
            if (!ignoring) {
                open.file = entry;
                open.hasFile = true;
                owed = e[1];
            }
            continue;
        case 0xC0:
            if (ignoring)
                continue;
            open.stream = entry;
            open.hasStream = true;
            open.rest.clear();
            open.names = 0;
            open.benign = 0;
            break;
        case 0xC1:
            if (ignoring)
                continue;
            open.rest.push_back(entry);
            ++open.names;
            break;
        case 0x81:
        case 0x82:
        case 0x83:
            continue;
        default:
            if (IsBenignSecondary(type | 0x80)) {
                // Vendor data of the open set counts toward its secondaries.
                if (!ignoring && open.hasFile && open.hasStream) {
                    open.rest.push_back(entry);
                    ++open.benign;
                }
            } else {
                ignoring = true; // a benign primary and its secondaries are no part of a file
            }
            continue;
        }
        if (open.hasFile && open.hasStream && 1 + open.names + open.benign == owed)
            emit(open);
    }
    if (open.hasFile || open.names > 0)
        emit(open);
    for (const auto& set : complete)
        ProcessSet(set, inode, items);
    for (auto& set : partial) {
        if (set.hasFile) {
            // Its end lies in a later block.
            set.rest.resize(std::min<size_t>(set.rest.size(), set.file[1]));
            // A raw pass meets many block ends: only the latest parts wait.
            if (saved.size() >= maxSavedSets)
                saved.erase(saved.begin());
            saved.push_back(std::move(set));
        } else {
            ProcessTail(set, inode, items);
        }
    }
    (void)offset;
}

void ExFATDataRecovery::WalkDirectoryItems(DirectoryItems& items, DirectoryQueue* queue, VisitedSet* visited)
{
    for (const auto& item : items) {
        if (item.folderFlag)
            HandleDirectory(item, queue, visited);
        else
            HandleFile(item);
    }
}

void ExFATDataRecovery::FinishScan()
{
    for (auto& set : saved) {
        set.file.fill(0);
        set.stream.fill(0);
        for (auto& e : set.rest)
            e.fill(0);
    }
    saved.clear();
    nodeStore.ClearPending();
    std::lock_guard lock(nodeStore.idMutex);
    nodeStore.idMap.clear();
}

}
