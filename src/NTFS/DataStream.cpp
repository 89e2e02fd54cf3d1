// A file's data as chunks: resident values, runs with holes, LZNT1-compressed
// units and system-compressed (WOF) files. These are recovery reads: each asks
// the device for its own bytes, not for the shared window and its read-ahead.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/Decompress.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/TextConversion.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

static constexpr const char* LogSource = "src/NTFS/DataStream";

namespace NTFS {

namespace {

constexpr uint32_t WofReparseTag = 0x80000017;
constexpr const char* WofStreamName = "WofCompressedData";
constexpr uint16_t AttributeCompressed = 0x0001;
// 16 clusters of 64 KiB: the largest compression unit taken.
constexpr uint64_t maxUnitBytes = 1ull << 20;

// Bytes at or past the initialized size read as zeros, whatever the disk holds.
void ZeroPastInitialized(uint8_t* bytes, uint64_t position, uint64_t length, uint64_t initialized)
{
    if (position + length <= initialized)
        return;
    const uint64_t from = initialized > position ? initialized - position : 0;
    std::memset(bytes + from, 0, length - from);
}

// The runs with the VCN each begins at.
struct PlacedRun {
    uint64_t vcn = 0;
    DataRun run;
};

std::vector<PlacedRun> PlaceRuns(const std::vector<DataRun>& runs)
{
    std::vector<PlacedRun> placed;
    uint64_t vcn = 0;
    for (const auto& run : runs) {
        placed.push_back({vcn, run});
        vcn += run.length;
    }
    return placed;
}

// Bytes of an attribute's value read where they lie: a resident value from
// the record, a non-resident one from its clusters, zeros past the initialized size.
// Recovery reads: just the bytes asked, not the shared window and its read-ahead.
struct StreamBytes {
    StreamBytes(const AttributePiece& first, std::vector<DataRun> runs, NTFSReader* reader)
        : first(first), runs(std::move(runs)), reader(reader)
    {
        if (!first.header.nonResident) {
            size = first.header.valueLength;
            return;
        }
        if (!reader)
            throw Exceptions::NTFSException("NTFS Reader not init.");
        if (first.header.startVcn != 0)
            throw Exceptions::NTFSException("Attribute pieces do not join.");
        size = first.header.realSize;
        if (size > RunClusters(this->runs) * reader->clusterSize)
            throw Exceptions::NTFSException("attribute data Invalid read file size.");
        initialized = std::min(first.header.initializedSize, size);
    }

    void Read(uint64_t offset, uint8_t* out, uint32_t length) const
    {
        if (offset > size || size - offset < length)
            throw Exceptions::NTFSException("Read past the attribute's value.");
        if (!first.header.nonResident) {
            std::memcpy(out, first.record->AttributeBytes(first.header) + first.header.valueOffset + offset, length);
            return;
        }
        ReadRunBytesDirect(*reader, runs, offset, out, length);
        ZeroPastInitialized(out, offset, length, initialized);
    }

    AttributePiece first;
    std::vector<DataRun> runs;
    NTFSReader* reader = nullptr;
    uint64_t size = 0;
    uint64_t initialized = 0;
};

}

uint64_t MFTRecord::GetDataSize(const std::string& stream, bool real) const
{
    const auto pieces = GetAttributes(AttrData, stream);
    if (pieces.empty())
        return 0;
    const auto& first = pieces.front().header;
    if (!first.nonResident)
        return first.valueLength;
    return real ? first.realSize : first.allocatedSize;
}

std::optional<uint32_t> MFTRecord::GetWofAlgorithm() const
{
    if (!HasAttribute(AttrReparsePoint))
        return std::nullopt;
    const auto reparse = GetAttributes(AttrReparsePoint, "");
    if (reparse.empty() || GetAttributes(AttrData, WofStreamName).empty())
        return std::nullopt;
    const auto value = ReadAttributeValue(reparse, true);
    // Tag, data length, reserved; WOF version, provider; file version, algorithm.
    if (value->length < 0x18 || U32(value->data, value->length, 0) != WofReparseTag)
        return std::nullopt;
    return U32(value->data, value->length, 0x14);
}

bool MFTRecord::IsWofStream(const std::string& stream) const
{
    if (stream != WofStreamName && !stream.empty())
        return false;
    return GetWofAlgorithm().has_value();
}

bool MFTRecord::IsCompressedData() const
{
    const auto pieces = GetAttributes(AttrData, "");
    return !pieces.empty() && pieces.front().header.nonResident &&
           (pieces.front().header.flags & AttributeCompressed);
}

std::vector<std::string> MFTRecord::GetStreamNames() const
{
    std::vector<std::string> names;
    const auto add = [&names](const std::string& name) {
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    };
    for (const auto& attribute : view.Headers())
        if (attribute.type == AttrData)
            add(attribute.name);
    // Streams that live only in extension records are named by the attribute list.
    for (const auto& entry : ReadAttributeList())
        if (entry.type == AttrData)
            add(entry.name);
    return names;
}

DataChunkGenerator MFTRecord::ReadDataChunks(std::string stream, uint32_t chunkSize, bool skipHoles) const
{
    if (chunkSize == 0)
        throw Exceptions::NTFSException("Chunk size of 0.");
    if (IsWofStream(stream)) {
        auto wof = ReadWofChunks(chunkSize);
        while (wof.Next())
            co_yield wof.Current();
        co_return;
    }
    const auto pieces = GetAttributes(AttrData, stream);
    if (pieces.empty()) {
        VLOG_ERROR("Unable to find corresponding $DATA attribute");
        throw Exceptions::NTFSException("Unable to find $DATA attribute");
    }
    const auto& first = pieces.front();
    if (!first.header.nonResident) {
        const ByteSpan value = first.record->ViewOf(first.header).ResidentValue();
        const uint32_t length = static_cast<uint32_t>(value.size());
        for (uint32_t at = 0; at < length; at += chunkSize)
            co_yield DataChunk{value.data() + at, std::min(chunkSize, length - at)};
        co_return;
    }
    if (!reader)
        throw Exceptions::NTFSException("NTFS Reader not init.");
    if (first.header.startVcn != 0)
        throw Exceptions::NTFSException("Attribute pieces do not join.");
    const auto runs = JoinRuns(pieces);
    if (first.header.flags & AttributeCompressed) {
        auto units = ReadCompressedUnits(first, runs, chunkSize, skipHoles);
        while (units.Next())
            co_yield units.Current();
        co_return;
    }
    const uint64_t cluster = reader->clusterSize;
    const uint64_t initialized = std::min(first.header.initializedSize, first.header.realSize);
    std::vector<uint8_t> block(chunkSize);
    uint64_t position = 0;
    for (const auto& run : runs) {
        const uint64_t runBytes = run.length * cluster;
        for (uint64_t inRun = 0; inRun < runBytes;) {
            const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(chunkSize, runBytes - inRun));
            if (run.sparse) {
                if (!skipHoles) {
                    std::memset(block.data(), 0, n);
                    co_yield DataChunk{block.data(), n};
                }
            } else {
                reader->ReadRun(static_cast<uint64_t>(run.lcn) * cluster + inRun, block.data(), n);
                ZeroPastInitialized(block.data(), position, n, initialized);
                co_yield DataChunk{block.data(), n};
            }
            inRun += n;
            position += n;
        }
    }
}

DataChunkGenerator MFTRecord::ReadCompressedUnits(AttributePiece first, std::vector<DataRun> runs, uint32_t chunkSize,
                                                  bool skipHoles) const
{
    // Units follow the VCNs, not the runs: a run may hold several units, or a
    // stored unit and the start of a compressed one.
    const uint64_t cluster = reader->clusterSize;
    const ByteSpan header = first.record->ViewOf(first.header).HeaderBytes();
    const uint8_t shift = U8(header.data(), header.size(), 0x22);
    if (shift == 0 || shift > 16 || (cluster << shift) > maxUnitBytes)
        throw Exceptions::NTFSException("Compression unit size not supported.");
    const uint64_t unitClusters = 1ull << shift;
    const uint32_t unitBytes = static_cast<uint32_t>(cluster << shift);
    const uint64_t real = first.header.realSize;
    const uint64_t initialized = std::min(first.header.initializedSize, real);
    const auto placed = PlaceRuns(runs);
    const uint64_t totalClusters = RunClusters(runs);
    if (totalClusters * cluster < real)
        throw Exceptions::NTFSException("attribute data Invalid read file size.");
    std::vector<uint8_t> input(unitBytes);
    std::vector<uint8_t> unit(unitBytes);
    uint64_t position = 0;
    // Units go up the VCNs: the runs before the unit are done with, so each
    // unit looks only at its own runs, not at the whole list.
    size_t firstRun = 0;
    for (uint64_t vcn = 0; vcn < totalClusters && position < real; vcn += unitClusters) {
        const uint64_t end = std::min(totalClusters, vcn + unitClusters);
        uint64_t allocated = 0;
        uint64_t holes = 0;
        while (firstRun < placed.size() && placed[firstRun].vcn + placed[firstRun].run.length <= vcn)
            ++firstRun;
        for (size_t r = firstRun; r < placed.size() && placed[r].vcn < end; ++r) {
            const auto& [start, run] = placed[r];
            const uint64_t from = std::max(vcn, start);
            const uint64_t to = std::min(end, start + run.length);
            if (from >= to)
                continue;
            if (run.sparse) {
                holes += to - from;
                continue;
            }
            reader->ReadRun((static_cast<uint64_t>(run.lcn) + (from - start)) * cluster, input.data() + allocated * cluster,
                         static_cast<uint32_t>((to - from) * cluster));
            allocated += to - from;
        }
        if (allocated == 0 && skipHoles) {
            position += (end - vcn) * cluster;
            continue;
        }
        std::fill(unit.begin(), unit.end(), 0);
        if (holes == 0) {
            std::memcpy(unit.data(), input.data(), allocated * cluster);
        } else if (allocated != 0) {
            uint32_t produced = 0;
            const int result = DecompressLznt1(input.data(), static_cast<uint32_t>(allocated * cluster), unit.data(),
                                               unitBytes, &produced);
            if (result != DecompressOk && result != DecompressNothing) {
                VLOG_ERROR("LZNT1 unit at VCN %llu does not decode.", static_cast<unsigned long long>(vcn));
                throw Exceptions::NTFSException("Compressed unit does not decode.");
            }
        }
        const uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(unitBytes, real - position));
        ZeroPastInitialized(unit.data(), position, length, initialized);
        for (uint32_t at = 0; at < length; at += chunkSize)
            co_yield DataChunk{unit.data() + at, std::min(chunkSize, length - at)};
        position += (end - vcn) * cluster;
    }
}

DataChunkGenerator MFTRecord::ReadWofChunks(uint32_t chunkSize) const
{
    const uint32_t algorithm = GetWofAlgorithm().value_or(UINT32_MAX);
    uint32_t wofChunk = 0;
    switch (algorithm) {
    case 0:
        wofChunk = 4096;
        break;
    case 2:
        wofChunk = 8192;
        break;
    case 3:
        wofChunk = 16384;
        break;
    case 1:
        VLOG_ERROR("LZX compressed files are not supported (WOF algorithm 1, record %u).", RecordNumber());
        throw Exceptions::NTFSException("LZX compressed files are not supported.");
    default:
        throw Exceptions::NTFSException("Unknown WOF compression algorithm.");
    }
    const uint64_t plainSize = GetDataSize("", true);
    const auto pieces = GetAttributes(AttrData, WofStreamName);
    if (pieces.empty())
        throw Exceptions::NTFSException("Unable to find $DATA attribute");
    // The stream is read where the table and each chunk lie, never whole: a
    // preview of a large file reads its first chunks only.
    const auto& first = pieces.front();
    const StreamBytes stream(first, first.header.nonResident ? JoinRuns(pieces) : std::vector<DataRun>{}, reader);
    WofChunkTable table([&stream](uint64_t offset, uint8_t* out, uint32_t length) { stream.Read(offset, out, length); },
                        stream.size, plainSize, wofChunk);
    std::vector<uint8_t> packed(wofChunk);
    std::vector<uint8_t> plain(wofChunk);
    std::vector<uint8_t> workSpace;
    for (uint64_t i = 0; i < table.Count(); ++i) {
        const WofChunk chunk = table.Chunk(i);
        stream.Read(chunk.offset, packed.data(), chunk.length);
        if (!DecodeWofChunk(packed.data(), {0, chunk.length, chunk.plain}, plain.data(), workSpace)) {
            VLOG_ERROR("WOF chunk at stream offset %llu of record %u does not decode.",
                       static_cast<unsigned long long>(chunk.offset), RecordNumber());
            throw Exceptions::NTFSException("WOF chunk does not decode.");
        }
        for (uint32_t at = 0; at < chunk.plain; at += chunkSize)
            co_yield DataChunk{plain.data() + at, std::min(chunkSize, chunk.plain - at)};
    }
}

DataChunkGenerator MFTRecord::ReadDataCut(std::string stream, uint32_t chunkSize, bool skipHoles, bool real) const
{
    uint64_t left = IsWofStream(stream) ? GetDataSize("", real) : GetDataSize(stream, real);
    if (left == 0)
        co_return;
    auto inner = ReadDataChunks(stream, chunkSize, skipHoles);
    while (inner.Next()) {
        DataChunk chunk = inner.Current();
        chunk.length = static_cast<uint32_t>(std::min<uint64_t>(chunk.length, left));
        left -= chunk.length;
        co_yield chunk;
        if (left == 0)
            co_return;
    }
}

DataChunkGenerator MFTRecord::ReadDataTrimmed(std::string stream, uint32_t chunkSize, bool skipHoles) const
{
    return ReadDataCut(std::move(stream), chunkSize, skipHoles, true);
}

DataChunkGenerator MFTRecord::ReadDataAllocated(std::string stream, uint32_t chunkSize, bool skipHoles) const
{
    return ReadDataCut(std::move(stream), chunkSize, skipHoles, false);
}

uint64_t MFTRecord::ExtractToFile(const std::wstring& path, const std::string& stream, bool skipHoles) const
{
    const std::string target = Utils::WStringToUtf8(path);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) {
        VLOG_ERROR("CreateFile failed (0x%08X)", static_cast<unsigned>(errno));
        return 0;
    }
    uint64_t total = 0;
    auto chunks = ReadDataTrimmed(stream, 1u << 20, skipHoles);
    while (chunks.Next()) {
        const auto& chunk = chunks.Current();
        out.write(reinterpret_cast<const char*>(chunk.data), chunk.length);
        if (!out) {
            VLOG_ERROR("WriteFile failed (0x%08X)", static_cast<unsigned>(errno));
            break;
        }
        total += chunk.length;
    }
    return total;
}

}
