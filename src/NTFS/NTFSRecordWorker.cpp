// The per-record worker of the structure scan and the Recycle Bin pairing.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/FileTime.h"
#include "Utils/TextConversion.h"

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

namespace {

std::string NameToUtf8(const std::u16string& name)
{
    const auto zero = name.find(u'\0');
    return Utils::Utf16ToUtf8(zero == std::u16string::npos ? name : name.substr(0, zero));
}

bool IsRecycleHalf(const std::u16string& name)
{
    return name.size() >= 2 && name[0] == u'$' && (name[1] == u'I' || name[1] == u'R');
}

// $STANDARD_INFORMATION's modification time, else the chosen name's.
int64_t ModifiedTime(const NTFS::MFTRecord& record, const NTFS::FileNameInfo* name)
{
    if (const auto modified = record.StandardModifiedTime())
        return Utils::FileTimeToUnixTime(*modified);
    return name ? Utils::FileTimeToUnixTime(name->modifiedTime) : 0;
}

}

std::vector<DataRun> NTFSDataRecovery::LocateInMft(const NTFS::MFTRecord& record, uint64_t offset, uint64_t length)
{
    // A record that straddles two $MFT runs gives one run per piece. Located
    // by where it was read: the number its header claims may be another's.
    const auto place = record.PlaceInMft();
    if (!place)
        throw Exceptions::NTFSException("Not In DataRun.");
    auto mft = explorer->GetMFT();
    const uint64_t recordSize = explorer->GetReader()->recordSize;
    std::vector<DataRun> runs;
    uint64_t stream = *place * recordSize + offset;
    while (length) {
        const uint64_t at = NTFS::StreamToVolumeOffset(mft->runs, clusterSize, stream);
        if (at == 0)
            throw Exceptions::NTFSException("Not In DataRun.");
        const uint64_t toClusterEnd = clusterSize - at % clusterSize;
        const uint64_t piece = std::min(length, toClusterEnd);
        if (!runs.empty() && runs.back().offset + runs.back().length == at)
            runs.back().length += piece;
        else
            runs.push_back({at, piece});
        stream += piece;
        length -= piece;
    }
    return runs;
}

std::pair<uint64_t, std::vector<DataRun>> NTFSDataRecovery::GetAttributeRuns(
    const std::vector<NTFS::AttributePiece>& pieces, const ResidentLocator& locate)
{
    std::vector<DataRun> runs;
    if (pieces.empty())
        return {0, runs};
    const auto& first = pieces.front();
    if (!first.header.nonResident) {
        if (first.header.valueLength)
            runs = locate(*first.record, first.header.offset + first.header.valueOffset, first.header.valueLength);
        AddVolumeOffset(runs);
        return {first.header.valueLength, runs};
    }
    auto result = ClusterRunsToBytes(first.record->JoinRuns(pieces), first.header.realSize,
                                     first.header.initializedSize, clusterSize);
    AddVolumeOffset(result.second);
    return result;
}

std::pair<uint64_t, std::vector<DataRun>> NTFSDataRecovery::ClusterRunsToBytes(
    const std::vector<NTFS::DataRun>& clusters, uint64_t realSize, uint64_t initializedSize, uint64_t clusterSize)
{
    std::vector<DataRun> runs;
    uint64_t total = 0;
    for (const auto& run : clusters) {
        const uint64_t bytes = run.length * clusterSize;
        runs.push_back({run.sparse ? sparseRunOffset : static_cast<uint64_t>(run.lcn) * clusterSize, bytes});
        total += bytes;
    }
    const uint64_t size = std::min(realSize, total);
    // Past the initialized size the clusters hold stale bytes; NTFS reads zeros there.
    const uint64_t initialized = std::min(initializedSize, size);
    if (initialized < size) {
        std::vector<DataRun> cut;
        for (uint64_t at = 0; const auto& run : runs) {
            if (at >= initialized)
                break;
            cut.push_back({run.offset, std::min(run.length, initialized - at)});
            at += cut.back().length;
        }
        cut.push_back({sparseRunOffset, size - initialized});
        runs.swap(cut);
    }
    return {size, runs};
}

uint64_t NTFSDataRecovery::RunShift()
{
    return LostVolumeShift(explorer->GetReader()->Start());
}

void NTFSDataRecovery::AddVolumeOffset(std::vector<DataRun>& runs)
{
    const uint64_t offset = RunShift();
    if (offset == 0)
        return;
    for (auto& run : runs)
        if (run.offset != sparseRunOffset)
            run.offset += offset;
}

std::u16string NTFSDataRecovery::GetRecycledItemPath(const NTFS::MFTRecord& information)
{
    const std::u16string unknown = u"UnkonwFileName";
    auto pieces = information.GetAttributes(NTFS::AttrData, "");
    if (pieces.empty())
        return unknown;
    std::shared_ptr<Utils::Buffer<uint8_t>> value;
    try {
        value = information.ReadAttributeValue(pieces, true);
    } catch (const Exceptions::NTFSException&) {
        return unknown;
    }
    const uint8_t* v = value->data;
    const size_t n = value->length;
    if (n < 24)
        return unknown;
    const uint64_t version = NTFS::U64(v, n, 0);
    std::u16string path;
    if (version == 1 && n >= 24 + 520) {
        path = NTFS::ReadUtf16(v, n, 24, 260);
    } else if (version == 2 && n >= 28) {
        const uint32_t units = NTFS::U32(v, n, 24);
        if (units > 3 && 28 + 2ull * units <= n)
            path = NTFS::ReadUtf16(v, n, 28, units);
    }
    const auto zero = path.find(u'\0');
    if (zero != std::u16string::npos)
        path.resize(zero);
    // "C:\" names a drive of the machine the file was deleted on.
    if (path.size() > 3 && path[1] == u':' && path[2] == u'\\')
        return path.substr(3);
    return unknown;
}

NTFSDataRecovery::ConstructedFile NTFSDataRecovery::ConstructFile(const std::shared_ptr<NTFS::MFTRecord>& record)
{
    try {
        auto chosen = record->ChooseFileName();
        if (!chosen)
            return {{}, record, false}; // listed by its data, if it has any
        const std::u16string& name = chosen->name;
        std::lock_guard lock(recycleMutex);
        if (name == u"$RECYCLE.BIN" || name == u"$Recycle.Bin") {
            recycleBinRecord = static_cast<uint32_t>(record->Number());
            return {name, record, false};
        }
        // Halves pair within one folder; any "$I"/"$R" name waits, and the
        // scan's end shows those left unpaired under their own names.
        const std::pair<uint64_t, std::u16string> key{chosen->parentRecord, name};
        if (!IsRecycleHalf(name) || !recycleNames.insert(key).second)
            return {name, record, false};
        const std::pair<uint64_t, std::u16string> rest{chosen->parentRecord, name.substr(2)};
        auto partner = recycleHalves.find(rest);
        if (partner == recycleHalves.end()) {
            record->MakeOwnCopy();
            recycleHalves[rest] = {record, record->Number()};
            return {};
        }
        auto other = partner->second.record;
        recycleHalves.erase(partner);
        const bool isInformation = name[1] == u'I';
        const auto& information = isInformation ? *record : *other;
        return {GetRecycledItemPath(information), isInformation ? other : record, true};
    } catch (const std::exception& e) {
        VLOG_INFO("NTFS ConstructFile %s.", e.what());
        return {};
    }
}

void NTFSDataRecovery::FlushUnpairedRecycleHalves()
{
    std::vector<RecycleHalf> unpaired;
    {
        std::lock_guard lock(recycleMutex);
        for (auto& [key, half] : recycleHalves)
            unpaired.push_back(half);
        recycleHalves.clear();
    }
    for (const auto& half : unpaired) {
        try {
            const auto name = half.record->GetFileName();
            ProcessNamedRecord(half.record, half.recordNumber, &name);
        } catch (const std::exception& e) {
            VLOG_INFO("ProcessMFTRecord fail %s.", e.what());
        }
    }
}

void NTFSDataRecovery::ReportRecycleItemsUnderStart()
{
    std::vector<std::pair<FileManagerSP::FileNode, uint64_t>> items;
    {
        std::lock_guard lock(recycleMutex);
        items.swap(recycleItems);
    }
    for (const auto& [node, folder] : items) {
        FileManagerSP::FileNode probe;
        probe.name = "-";
        probe.parentId = static_cast<uint32_t>(folder);
        if (std::get<1>(nodeStore.BuildPath(probe)) == nodeStore.startId)
            ReportFileNode(node, node.name, NtfsFile);
    }
}

void NTFSDataRecovery::AddFileNode(const FileManagerSP::FileNode& node)
{
    // The store never keeps a file this large pending; it must not be lost for that.
    if (node.size > FileManagerSP::FileNodeStore::maxPendingSize) {
        std::lock_guard lock(oversizedMutex);
        oversized.push_back(node);
        return;
    }
    nodeStore.AddPending(node);
}

void NTFSDataRecovery::ReportOversized()
{
    std::vector<FileManagerSP::FileNode> nodes;
    {
        std::lock_guard lock(oversizedMutex);
        nodes.swap(oversized);
    }
    for (auto& node : nodes) {
        auto [state, lastId, path] = nodeStore.BuildPath(node);
        const bool underStart = lastId == nodeStore.startId;
        if (!underStart && node.runs.empty())
            continue;
        node.deletedState = state;
        node.pathState = underStart ? nodeStore.underRootState : nodeStore.lostState;
        ReportFileNode(node, path, NtfsFile);
    }
}

void NTFSDataRecovery::ProcessMFTRecord(const std::shared_ptr<NTFS::MFTRecord>& record, uint64_t recordNumber)
{
    // Extension records carry pieces of their base record's file.
    if (record->BaseRecord() != 0)
        return;
    ProcessNamedRecord(record, recordNumber, nullptr);
}

void NTFSDataRecovery::ProcessNamedRecord(const std::shared_ptr<NTFS::MFTRecord>& base, uint64_t recordNumber,
                                          const std::u16string* ownName)
{
    ConstructedFile constructed;
    if (ownName)
        constructed = {*ownName, base, false};
    else
        constructed = ConstructFile(base);
    if (!constructed.record)
        return;
    const auto& record = constructed.record;
    const uint16_t flags = record->Flags();
    const bool inUse = flags & 1;
    const bool directory = flags & 2;
    const auto chosen = record->ChooseFileName();
    const uint64_t number = constructed.record == base ? recordNumber : record->Number();
    auto locate = [this](const NTFS::MFTRecord& holder, uint64_t offset, uint64_t length) {
        return LocateInMft(holder, offset, length);
    };

    FileManagerSP::FileNode node;
    node.time = ModifiedTime(*record, chosen ? &*chosen : nullptr);
    node.sequence = record->ReferenceSequence();
    node.deletedState = inUse ? 0 : 1;
    auto data = record->GetAttributes(NTFS::AttrData, "");
    if (!data.empty() && !directory) {
        auto [size, runs] = GetAttributeRuns(data, locate);
        node.size = size;
        node.runs = std::move(runs);
        AddRecordReference(*record, data, explorer->GetMFT()->GetRecordOffset(number), node.runs);
        const bool live = inUse && data.front().header.nonResident;
        if (constructed.fromRecycleBin) {
            node.name = NameToUtf8(constructed.name);
            node.deletedState = 2;
            const uint64_t folder = chosen ? chosen->parentRecord : 0;
            if (live) {
                std::lock_guard lock(liveMutex);
                liveFiles.push_back({node, number, Listing::RecycleItem, folder});
            } else {
                ListRecycleItem(node, folder);
            }
            return;
        }
        node.id = static_cast<uint32_t>(number);
        if (!chosen || constructed.name.empty()) {
            if (node.size == 0)
                return; // nothing to recover (the reserved records 12-15 are such)
            // Its folder's index may still name it (NameNamelessFiles).
            std::lock_guard lock(liveMutex);
            namelessFiles.push_back({node, number, live});
            return;
        }
        node.name = NameToUtf8(chosen->name);
        node.parentId = static_cast<uint32_t>(chosen->parentRecord);
        node.parentSequence = chosen->parentSequence;
        KeepFile(std::move(node), number, live);
        return;
    }
    if (!chosen || constructed.name.empty())
        return;
    std::u16string name = chosen->name;
    uint32_t recycleBin;
    {
        std::lock_guard lock(recycleMutex);
        recycleBin = recycleBinRecord;
    }
    if (recycleBin != 0 && chosen->parentRecord == recycleBin && name.size() > 2 && name.rfind(u"S-", 0) == 0)
        name.resize(2);
    node.name = NameToUtf8(name);
    node.time = directory ? 0 : node.time;
    node.id = static_cast<uint32_t>(number);
    node.parentId = static_cast<uint32_t>(chosen->parentRecord);
    node.parentSequence = chosen->parentSequence;
    node.folderFlag = directory ? 1 : 0;
    nodeStore.AddNode(node);
}

void NTFSDataRecovery::ListRecycleItem(const FileManagerSP::FileNode& node, uint64_t folder)
{
    if (nodeStore.startId == nodeStore.rootId) {
        ReportFileNode(node, node.name, NtfsFile);
    } else {
        std::lock_guard lock(recycleMutex);
        recycleItems.emplace_back(node, folder);
    }
}

void NTFSDataRecovery::KeepFile(FileManagerSP::FileNode node, uint64_t record, bool live)
{
    if (!live) {
        AddFileNode(node);
        return;
    }
    std::lock_guard lock(liveMutex);
    liveFiles.push_back({std::move(node), record, Listing::Store, 0});
}
