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
    for (size_t at = 0; at + 32 <= root.size() && !(root[at] == 0 && RestIsZero(root.data(), at, root.size()));
         at += 32) {
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
    if (table->ClusterOffset(cluster) + length > volumeSize)
        return;
    std::vector<uint8_t> bytes(static_cast<size_t>(length), 0);
    GetReader()->Read(table->ClusterOffset(cluster), bytes.data(), static_cast<uint32_t>(bytes.size()));
    AddExtent(table->ClusterOffset(cluster), length);
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
    // A bitmap shorter than the heap needs is no bitmap of this volume.
    if (!table->IsDataCluster(cluster) || length < needed ||
        table->ClusterOffset(cluster) + needed > volumeSize)
        return;
    length = needed;
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
        AddExtent(run.offset, n);
        done += n;
        if (done >= length)
            break;
    }
    if (done < length) { // a chain shorter than the bitmap: the rest lies after it
        reader->Read(table->ClusterOffset(cluster) + done, bitmap.data() + done, static_cast<uint32_t>(length - done));
        AddExtent(table->ClusterOffset(cluster) + done, length - done);
    }
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

uint64_t ExFATDataRecovery::GetUsedBytes()
{
    uint64_t bits = 0;
    for (uint64_t i = 0; i < bitmapBits; ++i)
        bits += (bitmap[i / 8] >> (i % 8)) & 1;
    return bits * GetTable()->ClusterSize();
}

std::vector<DataRun> ExFATDataRecovery::GetDirectoryRuns(uint64_t cluster)
{
    if (cluster == rootCluster) {
        ChainEnd end = ChainEnd::Mark;
        auto runs = GetTable()->GetClusterRuns(cluster, &end);
        if (end == ChainEnd::Broken) {
            std::lock_guard lock(directoryRunsMutex);
            untrustedEnds.insert(cluster);
        }
        return runs;
    }
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
    if (set.verify && EntrySetChecksum(AllEntries(set)) != EntryU16(file + 2)) {
        VLOG_INFO("ExFAT set %s after a damaged entry fails its checksum; not listed", node.name.c_str());
        return false;
    }
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
    // A folder's first cluster holds entries; an entry whose cluster holds
    // none is a file with a damaged attribute, or nothing.
    bool folder = (attributes & 0x10) != 0;
    if (folder && !deleted && !IsFolderAt(first)) {
        folder = false;
        VLOG_INFO("ExFAT entry %s names cluster %llu as a folder, which holds none%s", node.name.c_str(),
                  static_cast<unsigned long long>(first), length == 0 ? "; not listed" : "; read as a file");
        if (length == 0)
            return false;
    }
    if (folder) {
        std::vector<DataRun> runs;
        if (deleted || flags != 1) {
            runs = contiguous();
            // Its length is its only bound: one its set's checksum does not vouch for may be cut.
            if (!deleted && EntrySetChecksum(AllEntries(set)) != EntryU16(file + 2)) {
                std::lock_guard lock(directoryRunsMutex);
                untrustedEnds.insert(first);
            }
        } else {
            runs = FolderChainRuns(first, length);
        }
        {
            std::lock_guard lock(directoryRunsMutex);
            directoryRuns[first] = runs;
        }
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
    if (node.size > volumeSize) {
        VLOG_INFO("ExFAT entry %s claims %llu bytes, more than the volume holds; not listed", node.name.c_str(),
                  static_cast<unsigned long long>(node.size));
        return false;
    }
    ClaimRuns(node);
    items.push_back(std::move(node));
    return true;
}

std::vector<DataRun> ExFATDataRecovery::FolderChainRuns(uint64_t first, uint64_t length)
{
    auto table = GetTable();
    auto runs = CutRuns(table->GetClusterRuns(first), length);
    uint64_t total = 0;
    for (const auto& r : runs)
        total += r.length;
    if (total < length && !runs.empty()) {
        // exFAT gives a folder its clusters one after the other: where the
        // chain is cut it goes on there, while they read as its entries.
        VLOG_INFO("ExFAT folder at cluster %llu: its chain holds %llu of %llu bytes; read on after it",
                  static_cast<unsigned long long>(first), static_cast<unsigned long long>(total),
                  static_cast<unsigned long long>(length));
        const uint64_t after = runs.back().offset + runs.back().length;
        if (after < volumeSize)
            runs.push_back({after, std::min(length - total, volumeSize - after)});
    }
    return runs;
}

bool ExFATDataRecovery::IsFolderAt(uint64_t cluster)
{
    auto table = GetTable();
    if (!table->IsDataCluster(cluster))
        return false;
    const uint64_t offset = table->ClusterOffset(cluster);
    const uint64_t length = std::min<uint64_t>(table->ClusterSize(), 4096);
    if (offset + length > volumeSize)
        return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(length), 0);
    GetReader()->Read(offset, bytes.data(), static_cast<uint32_t>(length));
    const auto count = CountExFATEntries(bytes.data(), length);
    return count.Holds() && (count.good > 0 || count.ended);
}

bool ExFATDataRecovery::HoldsEntries(const uint8_t* cluster, uint64_t length, bool* ended)
{
    const auto count = CountExFATEntries(cluster, length);
    *ended = count.ended;
    return count.Holds();
}

uint64_t ExFATDataRecovery::NextDirectoryCluster(uint64_t id, uint64_t after)
{
    {
        std::lock_guard lock(directoryRunsMutex);
        if (!untrustedEnds.count(id))
            return 0;
    }
    auto table = GetTable();
    const uint64_t cs = table->ClusterSize();
    if (after < table->DataStart() || after + cs > volumeSize)
        return 0;
    const uint64_t cluster = table->ClusterOfPosition(after);
    if (table->ClusterOffset(cluster) != after || (KnowsAllocation() && !IsClusterInUse(cluster)) ||
        IsClaimed(after, cs))
        return 0;
    std::vector<uint8_t> bytes(static_cast<size_t>(cs), 0);
    GetReader()->Read(after, bytes.data(), static_cast<uint32_t>(cs));
    const auto count = CountExFATEntries(bytes.data(), cs);
    if (count.sets == 0 || !count.Holds())
        return 0;
    VLOG_INFO("ExFAT folder at cluster %llu goes on at cluster %llu, past the end its entry gives",
              static_cast<unsigned long long>(id), static_cast<unsigned long long>(cluster));
    return after;
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
        if (tail.verify)
            return; // a repaired entry without its File entry's checksum to vouch for it
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
    bool afterDamage = false; // sets after a damaged entry are listed only when their checksum holds
    auto emit = [&](EntrySet& set) {
        if (set.hasFile && set.hasStream && 1 + set.names + set.benign == owed)
            complete.push_back(std::move(set));
        else if (set.hasFile || set.names > 0)
            partial.push_back(std::move(set));
        set = EntrySet{};
    };
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        uint8_t type = e[0];
        Entry entry;
        std::memcpy(entry.data(), e, 32);
        bool repaired = false;
        if (type == 0x00) {
            // The end of the directory, unless entries follow: then a damaged
            // type, which the open set's checksum may give back.
            if (RestIsZero(block, at, length))
                break;
            const uint8_t next = at + 64 <= length ? block[at + 32] : 0;
            const bool live = !open.hasFile || open.file[0] == 0x85;
            if (!ignoring && open.hasFile && !open.hasStream)
                type = live ? 0xC0 : 0x40;
            else if (!ignoring && open.hasFile && open.hasStream && 1 + open.names + open.benign < owed)
                type = live ? 0xC1 : 0x41;
            else if ((next | 0x80) == 0xC0)
                type = next == 0xC0 ? 0x85 : 0x05;
            if (type == 0x00) {
                afterDamage = true;
                continue;
            }
            entry[0] = type;
            repaired = true;
        }
        switch (type | 0x80) {
        case 0x85:
            if (open.names > 0 || open.hasFile)
                emit(open);
            ignoring = entry[1] < 2 || entry[1] > 18; // no set has fewer or more secondaries
            if (!ignoring) {
                open.file = entry;
                open.hasFile = true;
                open.verify = repaired || afterDamage;
                owed = entry[1];
            }
            continue;
        case 0xC0:
            if (ignoring)
                continue;
            open.stream = entry;
            open.hasStream = true;
            open.verify = open.verify || repaired || afterDamage;
            open.rest.clear();
            open.names = 0;
            open.benign = 0;
            break;
        case 0xC1:
            if (ignoring)
                continue;
            open.rest.push_back(entry);
            open.verify = open.verify || repaired || afterDamage;
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
    ClearHeldFiles();
    {
        std::lock_guard lock(directoryRunsMutex);
        untrustedEnds.clear();
    }
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
