#include "NTFS/MFT.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/TextConversion.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

static constexpr const char* LogSource = "src/NTFS/ntfs_explorer";

namespace NTFS {

// Record 0 read from cluster, parsed, and its $DATA at VCN 0 decoded into runs
// that begin where the boot sector says the $MFT begins. Throws
// Exceptions::NTFSException when the record cannot be followed so.
std::shared_ptr<MFTRecord> MFT::FollowRecord0(uint64_t cluster, const AttributeHeader*& data)
{
    const uint32_t recordSize = reader->recordSize;
    auto bytes = Utils::MakeBuffer(recordSize);
    try {
        reader->Read(cluster * reader->clusterSize, bytes->data, recordSize);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
        throw Exceptions::NTFSException("ReadFile on MFTRecord[0] failed.");
    }
    auto record = std::make_shared<MFTRecord>(bytes, this, reader.get());
    record->SetPlaceInMft(0);
    data = nullptr;
    for (const auto& a : record->Attributes())
        if (a.type == AttrData && a.name.empty() && a.nonResident && a.startVcn == 0)
            data = &a;
    if (!data)
        throw Exceptions::NTFSException("MFTRecord[0] has no $DATA from VCN 0.");
    runs = record->DecodeRuns(*data);
    const uint64_t first = reader->mftCluster ? reader->mftCluster : U64(reader->bootSector, 512, 0x30);
    if (runs.empty() || runs.front().sparse || static_cast<uint64_t>(runs.front().lcn) != first ||
        data->realSize < 4ull * recordSize) {
        runs.clear();
        throw Exceptions::NTFSException("MFTRecord[0] does not describe the $MFT the boot sector names.");
    }
    return record;
}

MFT::MFT(std::shared_ptr<NTFSReader> volumeReader) : reader(std::move(volumeReader))
{
    const uint32_t recordSize = reader->recordSize;
    const uint64_t mftCluster = reader->mftCluster ? reader->mftCluster : U64(reader->bootSector, 512, 0x30);
    const AttributeHeader* data = nullptr;
    try {
        record0 = FollowRecord0(mftCluster, data);
    } catch (const Exceptions::NTFSException& primary) {
        // A damaged record 0 would lose the whole $MFT: its copy in $MFTMirr
        // (whose cluster the boot sector gives) names the same runs.
        const uint64_t mirror = U64(reader->bootSector, 512, 0x38);
        const uint64_t clusters = reader->clusterSize ? reader->Size() / reader->clusterSize : 0;
        if (mirror == 0 || mirror == mftCluster || mirror >= clusters)
            throw;
        VLOG_INFO("$MFT record 0 cannot be followed (%s); reading it from $MFTMirr at cluster %llu", primary.what(),
                  static_cast<unsigned long long>(mirror));
        try {
            record0 = FollowRecord0(mirror, data);
        } catch (const Exceptions::NTFSException& copy) {
            VLOG_INFO("$MFTMirr record 0 cannot be followed either: %s", copy.what());
            throw Exceptions::NTFSException(std::string("MFTRecord[0] and its $MFTMirr copy unusable: ") +
                                            primary.what());
        }
        mirrorCluster = mirror;
    }
    const uint64_t realSize = data->realSize;

    // A fragmented $MFT continues its $DATA in extension records, which lie in
    // the part of the $MFT already known.
    {
        auto entries = record0->ReadAttributeList();
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.startVcn < b.startVcn; });
        for (const auto& e : entries) {
            if (e.type != AttrData || !e.name.empty() || e.recordNumber == 0 || e.startVcn == 0)
                continue;
            const uint64_t known = RunClusters(runs);
            if (e.startVcn < known)
                continue;
            if (e.startVcn > known)
                break;
            try {
                auto extension = GetRecord(e.recordNumber);
                if (!extension || extension->BaseRecord() != 0)
                    throw Exceptions::NTFSException("extension record unreadable");
                const AttributeHeader* piece = nullptr;
                for (const auto& a : extension->Attributes())
                    if (a.type == AttrData && a.name.empty() && a.nonResident && a.startVcn == e.startVcn)
                        piece = &a;
                if (!piece)
                    throw Exceptions::NTFSException("piece missing");
                auto more = extension->DecodeRuns(*piece);
                runs.insert(runs.end(), more.begin(), more.end());
            } catch (const Exceptions::NTFSException& ex) {
                VLOG_INFO("$MFT piece at VCN %llu in record %llu not read: %s",
                          static_cast<unsigned long long>(e.startVcn), static_cast<unsigned long long>(e.recordNumber),
                          ex.what());
                break;
            }
        }
    }
    const uint64_t cover = RunClusters(runs) * reader->clusterSize;
    recordCount = std::min(cover, realSize) / recordSize;
}

MFT::~MFT() = default;

uint64_t MFT::GetRecordOffset(uint64_t n) const
{
    const uint64_t size = reader->recordSize;
    if (n > UINT64_MAX / size)
        return 0;
    return StreamToVolumeOffset(runs, reader->clusterSize, n * size);
}

std::shared_ptr<MFTRecord> MFT::GetRecord(uint64_t n)
{
    if (n == 0 && mirrorCluster)
        return record0;
    std::shared_ptr<MFTRecord> record;
    if (GetRecordOffset(n) != 0)
        // One record, read as it is: a window and its read-ahead around each
        // record of a scattered $MFT would read megabytes for a kilobyte.
        record = ParseRecord([&](uint8_t* out, uint32_t size) { ReadRunBytesDirect(*reader, runs, n * size, out, size); });
    if (!record && n < MirroredRecords && mirrorCluster)
        record = ParseRecord([&](uint8_t* out, uint32_t size) {
            reader->Read(mirrorCluster * reader->clusterSize + n * size, out, size);
        });
    if (record)
        record->SetPlaceInMft(n);
    return record;
}

std::shared_ptr<MFTRecord> MFT::ParseRecord(const std::function<void(uint8_t*, uint32_t)>& read)
{
    auto bytes = Utils::MakeBuffer(reader->recordSize);
    try {
        read(bytes->data, bytes->length);
        if (std::memcmp(bytes->data, "FILE", 4) != 0)
            return nullptr;
        return std::make_shared<MFTRecord>(bytes, this, reader.get());
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
        return nullptr;
    } catch (const Exceptions::NTFSException&) {
        return nullptr;
    }
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFT::ReadRecord(uint64_t n)
{
    const uint64_t size = reader->recordSize;
    if (runs.empty() || n > UINT64_MAX / size)
        throw Exceptions::NTFSException("Not In DataRun.");
    auto bytes = Utils::MakeBuffer(static_cast<uint32_t>(size));
    try {
        ReadRunBytes(*reader, runs, n * size, bytes->data, size);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const Exceptions::DiskException&) {
        throw Exceptions::NTFSException("Read Error.");
    }
    return bytes;
}

namespace {
char16_t Fold(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<char16_t>(c - 0x20);
    return c;
}

bool SameName(const std::u16string& a, const std::u16string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}
}

std::shared_ptr<MFTRecord> MFT::FindPath(const std::string& pathUtf8, uint64_t rootRecord)
{
    std::string path = pathUtf8;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
        path = path.substr(2);
    auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (path.empty() || !isSeparator(path[0]))
        throw Exceptions::NTFSException("Only absolute paths are supported.");
    std::vector<std::u16string> names;
    size_t pos = 0;
    while (pos < path.size()) {
        while (pos < path.size() && isSeparator(path[pos]))
            ++pos;
        size_t end = pos;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        if (end > pos) {
            try {
                names.push_back(Utils::Utf8ToWString(std::string_view(path).substr(pos, end - pos)));
            } catch (const std::range_error&) {
                throw Exceptions::NTFSException("Not find path: " + path);
            }
        } else if (names.size() && pos == path.size() && isSeparator(path.back())) {
            names.push_back(u""); // a trailing separator names nothing
        }
        pos = end;
    }
    auto current = GetRecord(rootRecord);
    for (const auto& name : names) {
        if (!current)
            throw Exceptions::NTFSException("Not find path: " + path);
        std::shared_ptr<IndexEntry> match;
        for (const auto& entry : current->GetIndexEntries())
            if (SameName(entry->name, name)) {
                match = entry;
                break;
            }
        if (!match)
            throw Exceptions::NTFSException("Not find path: " + path);
        current = GetRecord(match->fileReference & RecordNumberMask);
    }
    return current;
}

std::vector<DirectoryItem> MFT::ListDirectory(const std::string& pathUtf8, bool wantDirectories, bool wantFiles)
{
    std::vector<DirectoryItem> items;
    auto directory = FindPath(pathUtf8, 5);
    if (!directory)
        return items;
    auto entries = directory->GetIndexEntries();
    std::set<uint64_t> longNamed;
    for (const auto& e : entries)
        if (e->nameSpace != 2)
            longNamed.insert(e->fileReference & RecordNumberMask);
    for (const auto& e : entries) {
        const uint64_t number = e->fileReference & RecordNumberMask;
        if (e->nameSpace == 2 && longNamed.count(number))
            continue;
        auto record = GetRecord(number);
        if (!record)
            continue;
        const bool directoryRecord = record->IsDirectory();
        if ((directoryRecord && wantDirectories) || (!directoryRecord && wantFiles))
            items.push_back({number, e->name});
    }
    return items;
}

}
