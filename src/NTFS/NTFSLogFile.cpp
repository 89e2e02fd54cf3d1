// The journal pass: deleted files whose $MFT records were reused may still be
// in $LogFile, as record images and folder index entries of the transactions
// that deleted them.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/IndexEntrySpans.h"
#include "NTFS/LogRestartArea.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/DisconnectedException.h"
#include "Utils/FileTime.h"
#include "Utils/TextConversion.h"

#include <cstring>
#include <map>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

namespace {

enum LogOperation : uint16_t {
    OpInitializeFileRecordSegment = 0x02,
    OpDeallocateFileRecordSegment = 0x03,
    OpAddIndexEntryRoot = 0x0C,
    OpDeleteIndexEntryRoot = 0x0D,
    OpAddIndexEntryAllocation = 0x0E,
    OpDeleteIndexEntryAllocation = 0x0F,
    OpSetBitsInNonresidentBitMap = 0x15,
    OpClearBitsInNonresidentBitMap = 0x16,
};

struct Span {
    const uint8_t* data = nullptr;
    uint32_t length = 0;
};

// The redo or undo data of a log record, when it lies inside the client data.
Span OperationData(const NTFS::LogRecordRef& ref, bool redo)
{
    const uint8_t* c = ref.clientData;
    const uint32_t n = ref.clientLength;
    if (n < 0x20)
        return {};
    const uint16_t offset = NTFS::U16(c, n, redo ? 0x04 : 0x08);
    const uint16_t length = NTFS::U16(c, n, redo ? 0x06 : 0x0A);
    if (length == 0 || offset + static_cast<uint32_t>(length) > n)
        return {};
    return {c + offset, length};
}

bool Pair(const NTFS::LogRecordRef& ref, uint16_t redo, uint16_t undo)
{
    return ref.clientLength >= 4 && NTFS::U16(ref.clientData, ref.clientLength, 0) == redo &&
           NTFS::U16(ref.clientData, ref.clientLength, 2) == undo;
}

// The data of the record that begins with "FILE": a file record image.
Span RecordImage(const NTFS::LogRecordRef& ref)
{
    if (!Pair(ref, OpDeallocateFileRecordSegment, OpInitializeFileRecordSegment) &&
        !Pair(ref, OpInitializeFileRecordSegment, 0))
        return {};
    for (bool redo : {true, false}) {
        const Span span = OperationData(ref, redo);
        if (span.length >= 0x30 && std::memcmp(span.data, "FILE", 4) == 0)
            return span;
    }
    return {};
}

// A folder index entry: file reference, lengths, then the $FILE_NAME value at 0x10.
bool ReadIndexEntry(Span entry, FileManagerSP::FileNode& node)
{
    if (entry.length < 0x52)
        return false;
    const uint8_t units = entry.data[0x50];
    if (units == 0 || 0x52u + 2u * units > entry.length)
        return false;
    node.name = Utils::Utf16ToUtf8(NTFS::ReadUtf16(entry.data, entry.length, 0x52, units));
    node.id = static_cast<uint32_t>(NTFS::U64(entry.data, entry.length, 0x00) & NTFS::RecordNumberMask);
    node.parentId = static_cast<uint32_t>(NTFS::U64(entry.data, entry.length, 0x10) & NTFS::RecordNumberMask);
    node.parentSequence = static_cast<uint16_t>(NTFS::U64(entry.data, entry.length, 0x10) >> 48);
    node.time = Utils::FileTimeToUnixTime(NTFS::U64(entry.data, entry.length, 0x10 + 0x10));
    node.size = NTFS::U64(entry.data, entry.length, 0x10 + 0x30);
    return !node.name.empty();
}

}

void NTFSDataRecovery::ParseLogFile()
{
    try {
        ParseLogFileRecords();
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::ProcessControllerException&) {
        throw;
    } catch (const std::exception& e) {
        // The journal adds to what the $MFT gave; a journal it cannot read costs nothing else.
        VLOG_INFO("ParseLogFile skipped: %s", e.what());
    }
}

void NTFSDataRecovery::ParseLogFileRecords()
{
    auto mft = explorer->GetMFT();
    auto reader = explorer->GetReader();
    if (!mft)
        throw Exceptions::NTFSException("NTFS MFT not init.");
    auto bitmapRecord = mft->GetRecord(6);
    if (!bitmapRecord)
        throw Exceptions::NTFSException("Failed to read $Bitmap");
    auto logRecord = mft->GetRecord(2);
    if (!logRecord)
        throw Exceptions::NTFSException("Failed to read $LogFile");
    const auto logPieces = logRecord->GetAttributes(NTFS::AttrData, "");
    if (logPieces.empty() || !logPieces.front().header.nonResident)
        throw Exceptions::NTFSException("Failed to read $LogFile");
    const auto logRuns = logRecord->JoinRuns(logPieces);
    NTFS::LogRestartArea journal(logRecord->ReadData("", true));
    const auto transactions = journal.ParseRecordPages();
    const uint64_t totalClusters = reader->totalClusters ? reader->totalClusters : reader->Size() / clusterSize;

    std::map<uint64_t, std::vector<FileManagerSP::FileNode>> logNodes;
    const auto keep = [&logNodes](FileManagerSP::FileNode node) {
        auto& nodes = logNodes[node.id];
        for (auto it = nodes.begin(); it != nodes.end(); ++it) {
            if (it->parentId != node.parentId || it->name != node.name || it->runs.size() != 1 ||
                node.runs.size() != 1 || it->runs[0].offset != node.runs[0].offset)
                continue;
            if (it->size == node.size)
                return;
            nodes.erase(it);
            break;
        }
        nodes.push_back(std::move(node));
    };

    for (const auto& transaction : transactions) {
        PollRunState(*scanState);
        for (const auto& ref : transaction) {
            try {
                const Span image = RecordImage(ref);
                if (!image.data)
                    continue;
                FileManagerSP::FileNode node;
                const uint32_t imageRecord = NTFS::U32(image.data, image.length, 0x2C);
                if (FreedFileFromIndexEntry(transaction, totalClusters, imageRecord, node)) {
                    keep(std::move(node));
                    continue;
                }
                node = {};
                if (FileFromRecordImage(ref, image.data, image.length, logRuns, node))
                    keep(std::move(node));
            } catch (const std::exception& e) {
                VLOG_INFO("ParseLogFile fail %s.", e.what());
            }
        }
    }

    size_t merged = 0;
    for (auto& [id, nodes] : logNodes) {
        for (auto& node : nodes) {
            // A file the $MFT pass listed from its own record is not listed again.
            if (StillInMft(*mft, node))
                continue;
            node.deletedState = 1;
            AddFileNode(node);
            ++merged;
        }
    }
    VLOG_INFO("ParseLogFile: %zu transactions, %zu files from the journal.", transactions.size(), merged);
}

bool NTFSDataRecovery::FreedFileFromIndexEntry(const NTFS::LogTransaction& transaction, uint64_t totalClusters,
                                               uint32_t imageRecord, FileManagerSP::FileNode& node)
{
    const auto& first = transaction.front();
    if (!Pair(first, OpClearBitsInNonresidentBitMap, OpSetBitsInNonresidentBitMap))
        return false;
    const Span bits = OperationData(first, true);
    if (bits.length < 8 || first.clientLength < 0x20)
        return false;
    // The bits lie in the $Bitmap page at the record's target VCN (and 512-byte block in it).
    const uint64_t targetVcn = NTFS::U64(first.clientData, first.clientLength, 0x18);
    const uint64_t block = NTFS::U16(first.clientData, first.clientLength, 0x14);
    const uint64_t firstBit = NTFS::U32(bits.data, bits.length, 0);
    const uint64_t count = NTFS::U32(bits.data, bits.length, 4);
    if (targetVcn > totalClusters || count == 0)
        return false;
    const uint64_t cluster = (targetVcn * clusterSize + block * 512) * 8 + firstBit;
    if (cluster >= totalClusters || count > totalClusters - cluster)
        return false;
    for (const auto& ref : transaction) {
        const bool add = Pair(ref, OpAddIndexEntryAllocation, OpDeleteIndexEntryAllocation) ||
                         Pair(ref, OpAddIndexEntryRoot, OpDeleteIndexEntryRoot);
        const bool remove = Pair(ref, OpDeleteIndexEntryAllocation, OpAddIndexEntryAllocation) ||
                            Pair(ref, OpDeleteIndexEntryRoot, OpAddIndexEntryRoot);
        if (!add && !remove)
            continue;
        const Span entry = OperationData(ref, add);
        // Only the entry of the file whose record image this is: a transaction may delete several.
        if (!ReadIndexEntry(entry, node) || node.id != imageRecord)
            continue;
        // Only clusters the transaction freed are taken for the file's bytes.
        if (node.size > count * clusterSize)
            return false;
        node.runs = {{cluster * clusterSize, node.size}};
        AddVolumeOffset(node.runs);
        if (node.size == 0)
            node.runs.clear();
        return true;
    }
    return false;
}

bool NTFSDataRecovery::FileFromRecordImage(const NTFS::LogRecordRef& ref, const uint8_t* image, uint32_t imageLength,
                                           const std::vector<NTFS::DataRun>& logRuns, FileManagerSP::FileNode& node)
{
    const uint32_t recordSize = explorer->GetReader()->recordSize;
    if (imageLength > recordSize)
        return false;
    auto bytes = Utils::MakeBuffer(recordSize);
    std::memcpy(bytes->data, image, imageLength);
    // Extension records are not followed: the image stands alone.
    NTFS::MFTRecord record(bytes, nullptr, explorer->GetReader().get());
    if (record.BaseRecord() != 0)
        return false;
    const auto chosen = record.ChooseFileName();
    if (!chosen || chosen->name.empty())
        return false;
    node.name = Utils::Utf16ToUtf8(chosen->name);
    node.id = record.RecordNumber();
    node.parentId = static_cast<uint32_t>(chosen->parentRecord);
    node.parentSequence = chosen->parentSequence;
    node.sequence = record.ReferenceSequence();
    node.time = Utils::FileTimeToUnixTime(chosen->modifiedTime);
    if (record.IsDirectory()) {
        // A folder known only from the journal lets paths through it resolve;
        // it never replaces a folder the $MFT gave.
        node.folderFlag = 1;
        node.deletedState = 1;
        nodeStore.AddNode(node);
        AddSubfoldersFromIndex(record, node.id);
        return false;
    }
    const auto data = record.GetAttributes(NTFS::AttrData, "");
    if (data.empty())
        return true;
    if (record.IsCompressedData())
        return false; // its bytes would need its record, which was reused
    const uint64_t valueOffset = image - ref.clientData;
    auto locate = [&](const NTFS::MFTRecord&, uint64_t offset, uint64_t length) {
        return LocateInJournal(ref, valueOffset + offset, length, logRuns);
    };
    auto [size, runs] = GetAttributeRuns(data, locate);
    node.size = size;
    node.runs = std::move(runs);
    return size == 0 || !node.runs.empty();
}

void NTFSDataRecovery::AddSubfoldersFromIndex(const NTFS::MFTRecord& folder, uint32_t folderId)
{
    // The entries of a folder image name its children, so they give the
    // parents of subfolders whose own records are gone. An entry's key repeats
    // its parent: entries read from clusters that another folder now uses do
    // not name this one and are left out.
    NTFS::IndexEntrySpans spans;
    try {
        spans = NTFS::ReadIndexEntries(folder.View(), explorer->GetMFT(), explorer->GetReader());
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_INFO("ParseLogFile: index of folder %u unreadable (%s).", folderId, e.what());
        return;
    }
    for (const auto& span : spans.entries) {
        try {
            const NTFS::IndexEntry entry(span.data, span.length, "$I30");
            if (entry.parentRecord != folderId || !(entry.fileAttributes & NTFS::FileAttributeDirectory))
                continue;
            const auto zero = entry.name.find(u'\0');
            const std::u16string name = zero == std::u16string::npos ? entry.name : entry.name.substr(0, zero);
            if (name.empty())
                continue;
            FileManagerSP::FileNode child;
            child.name = Utils::Utf16ToUtf8(name);
            child.id = static_cast<uint32_t>(entry.fileReference & NTFS::RecordNumberMask);
            child.sequence = static_cast<uint16_t>(entry.fileReference >> 48);
            child.parentId = folderId;
            child.parentSequence = entry.parentSequence;
            child.folderFlag = 1;
            child.deletedState = 1;
            if (child.id != folderId)
                nodeStore.AddNode(child);
        } catch (const Exceptions::NTFSException&) {
        }
    }
}

std::vector<DataRun> NTFSDataRecovery::LocateInJournal(const NTFS::LogRecordRef& ref, uint64_t clientOffset,
                                                       uint64_t length, const std::vector<NTFS::DataRun>& logRuns)
{
    // A value copied together from two pages has no one place on disk; on disk
    // the page also holds update-sequence numbers at every 512-byte end.
    if (ref.reassembled)
        return {};
    const uint64_t logOffset = ref.logOffset + 0x30 + clientOffset;
    if ((logOffset % 512) + length > 510)
        return {};
    const uint64_t at = NTFS::StreamToVolumeOffset(logRuns, clusterSize, logOffset);
    if (at == 0)
        return {};
    return {{at, length}};
}

bool NTFSDataRecovery::StillInMft(NTFS::MFT& mft, const FileManagerSP::FileNode& node)
{
    try {
        auto record = mft.GetRecord(node.id);
        if (!record || record->BaseRecord() != 0)
            return false;
        for (const auto& name : record->FileNames())
            if (name.parentRecord == node.parentId && Utils::Utf16ToUtf8(name.name) == node.name)
                return true;
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception&) {
    }
    return false;
}
