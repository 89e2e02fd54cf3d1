// The close of the $MFT pass: records whose name is gone get the name their
// folder's index gives them, and files in use whose runs claim the same
// clusters are told apart before any of them is listed.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/OverlappingRuns.h"
#include "Utils/TextConversion.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_map>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

namespace {

// Where a file is listed whose name no record or index gives.
const std::string unnamedFolder = "Unknown\\";

std::string EntryName(const NTFS::IndexEntry& entry)
{
    const auto zero = entry.name.find(u'\0');
    return Utils::Utf16ToUtf8(zero == std::u16string::npos ? entry.name : entry.name.substr(0, zero));
}

}

void NTFSDataRecovery::NameNamelessFiles(bool listUnknown)
{
    std::vector<NamelessFile> files;
    {
        std::lock_guard lock(liveMutex);
        files.swap(namelessFiles);
    }
    if (files.empty())
        return;
    std::unordered_map<uint64_t, size_t> byRecord;
    for (size_t i = 0; i < files.size(); ++i)
        byRecord[files[i].record] = i;
    // Without a readable $MFT no folder's index can be read.
    auto mft = explorer->mft;
    std::vector<uint64_t> folders;
    if (mft) {
        std::lock_guard lock(nodeStore.idMutex);
        for (const auto& [id, node] : nodeStore.idMap)
            if (node.folderFlag && node.deletedState == 0)
                folders.push_back(id);
    }
    std::sort(folders.begin(), folders.end());
    // Each folder's index is read once, and only until every record has a long name.
    std::vector<bool> longName(files.size(), false);
    size_t longNamed = 0;
    for (const uint64_t folder : folders) {
        if (longNamed == files.size())
            break;
        PollRunState(*scanState);
        std::vector<std::shared_ptr<NTFS::IndexEntry>> entries;
        try {
            auto record = mft->GetRecord(folder);
            if (!record || !record->IsDirectory())
                continue;
            entries = record->GetIndexEntries();
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const std::exception& e) {
            VLOG_INFO("NTFS folder %llu: index unreadable (%s).", static_cast<unsigned long long>(folder), e.what());
            continue;
        }
        for (const auto& entry : entries) {
            const auto found = byRecord.find(entry->fileReference & NTFS::RecordNumberMask);
            if (found == byRecord.end() || entry->parentRecord != folder)
                continue;
            const size_t i = found->second;
            auto& node = files[i].node;
            // An entry left from the record's earlier file names another file.
            const auto sequence = static_cast<uint16_t>(entry->fileReference >> 48);
            if (sequence != 0 && node.sequence != 0 && sequence != node.sequence)
                continue;
            const bool shortName = entry->nameSpace == NTFS::NameSpaceDos;
            const std::string name = EntryName(*entry);
            if (longName[i] || (!node.name.empty() && shortName) || name.empty())
                continue;
            node.name = name;
            node.parentId = static_cast<uint32_t>(folder);
            node.parentSequence = entry->parentSequence;
            if (!shortName) {
                longName[i] = true;
                ++longNamed;
            }
        }
    }
    size_t unnamed = 0;
    for (auto& file : files) {
        if (!file.node.name.empty()) {
            KeepFile(std::move(file.node), file.record, file.live);
            continue;
        }
        ++unnamed;
        // Only a scan of the whole volume lists a file whose folder is unknown.
        if (!listUnknown)
            continue;
        file.node.name = "MFT record " + std::to_string(file.record);
        file.node.pathState = nodeStore.lostState;
        if (!file.live) {
            ReportFileNode(file.node, unnamedFolder + file.node.name, NtfsFile);
            continue;
        }
        std::lock_guard lock(liveMutex);
        liveFiles.push_back({std::move(file.node), file.record, Listing::Unnamed, 0});
    }
    VLOG_INFO("NTFS: %zu records without a readable name, %zu named by their folder's index.", files.size(),
              files.size() - unnamed);
}

bool NTFSDataRecovery::ClustersInUse(uint64_t start, uint64_t length)
{
    if (bitmap.empty())
        return true;
    const uint64_t shift = RunShift();
    start -= std::min(start, shift);
    const uint64_t last = (start + length - 1) / clusterSize;
    for (uint64_t cluster = start / clusterSize; cluster <= last; ++cluster) {
        if (cluster / 8 >= bitmap.size() || !(bitmap[cluster / 8] >> (cluster % 8) & 1))
            return false;
    }
    return true;
}

void NTFSDataRecovery::CutOverlappingRuns(std::deque<LiveFile>& files)
{
    std::vector<NTFS::ClusterClaim> claims;
    for (size_t f = 0; f < files.size(); ++f) {
        const auto& runs = files[f].node.runs;
        for (size_t r = 0; r < runs.size(); ++r)
            if (runs[r].offset != sparseRunOffset && runs[r].length != 0)
                claims.push_back({runs[r].offset, runs[r].length, f, r});
    }
    const auto first = NTFS::FindOverlappingRuns(std::move(claims), files.size(),
                                                 [this](uint64_t start, uint64_t length) {
        return ClustersInUse(start, length);
    });
    for (size_t f = 0; f < files.size(); ++f) {
        if (first[f] == NTFS::noOverlap)
            continue;
        auto& node = files[f].node;
        VLOG_ERROR("NTFS record %llu: its run %zu lies in clusters another file in use holds; listed without "
                   "the data from there.",
                   static_cast<unsigned long long>(files[f].record), first[f]);
        // Runs after a damaged one are placed from it, and a record reference
        // would decode the damaged runs: only the runs before it are kept.
        const bool decodedFromRecord = !node.runs.empty() && node.runs.front().length == 0;
        node.runs.resize(decodedFromRecord ? 0 : first[f]);
        node.dataState = DataCut;
    }
}

void NTFSDataRecovery::DropRecordCopies(std::deque<LiveFile>& files)
{
    std::set<std::tuple<uint64_t, std::string, uint32_t, uint64_t>> seen;
    std::erase_if(files, [&](const LiveFile& file) {
        const auto& node = file.node;
        // A record reference (length 0) names where its copy lies, not its clusters.
        const auto run = std::find_if(node.runs.begin(), node.runs.end(), [](const DataRun& r) { return r.length != 0; });
        if (run == node.runs.end())
            return false;
        return !seen.emplace(file.record, node.name, node.parentId, run->offset).second;
    });
}

void NTFSDataRecovery::ReleaseLiveFiles(bool flushResolved)
{
    std::deque<LiveFile> files;
    {
        std::lock_guard lock(liveMutex);
        files.swap(liveFiles);
    }
    // The raw pass over a lost volume meets a record and its copies (the
    // mirror's, an old $MFT's): one file, whose clusters it does not share.
    DropRecordCopies(files);
    CutOverlappingRuns(files);
    // Listed a batch at a time, each file let go once its node is in the
    // store, so that the held files and the pending ones are never both whole.
    constexpr size_t batch = 4096;
    for (size_t listed = 1; !files.empty(); ++listed) {
        auto& file = files.front();
        switch (file.listing) {
        case Listing::Store:
            AddFileNode(file.node);
            break;
        case Listing::RecycleItem:
            ListRecycleItem(file.node, file.folder);
            break;
        case Listing::Unnamed:
            ReportFileNode(file.node, unnamedFolder + file.node.name, NtfsFile);
            break;
        }
        files.pop_front();
        if (flushResolved && listed % batch == 0)
            ReportResolved();
    }
}
