#include "NTFS/VolumeFromRecords.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace NTFS {

namespace {

constexpr uint32_t minClusterSize = 512;
constexpr uint32_t maxClusterSize = 2u << 20;

// System records of the $MFT, by number, and how many units of $UpCase
// (which maps every unit below 'a' to itself) are compared.
constexpr uint64_t recordMftMirr = 1, recordAttrDef = 4, recordBitmap = 6, recordBoot = 7, recordUpCase = 10;
constexpr size_t upCaseUnits = 0x60;

// The unnamed $DATA of a system record, as its record at a place says.
struct SystemFile {
    std::u16string name;
    std::vector<DataRun> runs; // its first run is no hole
    uint64_t size = 0;

    uint64_t FirstCluster() const { return static_cast<uint64_t>(runs.front().lcn); }
    uint64_t EndCluster() const
    {
        uint64_t end = 0;
        for (const auto& run : runs)
            if (!run.sparse)
                end = std::max(end, static_cast<uint64_t>(run.lcn) + run.length);
        return end;
    }
};

class VolumeProbe {
public:
    explicit VolumeProbe(NTFSReader& reader) : reader(reader), rangeLength(reader.Size()), recordSize(reader.recordSize)
    {
    }

    std::optional<SystemFile> FileAt(uint64_t position)
    {
        std::vector<uint8_t> bytes(recordSize);
        if (!Read(position, bytes.data(), recordSize))
            return std::nullopt;
        try {
            // Read without the reader's geometry, which is the one being sought.
            MFTRecord record(bytes.data(), nullptr, nullptr, false, recordSize);
            SystemFile file;
            file.name = record.GetFileName();
            for (const auto& a : record.Attributes())
                if (a.type == AttrData && a.name.empty() && a.nonResident && a.startVcn == 0) {
                    file.runs = record.DecodeRuns(a);
                    file.size = a.realSize;
                }
            if (file.runs.empty() || file.runs.front().sparse)
                return std::nullopt;
            return file;
        } catch (const Exceptions::NTFSException&) {
            return std::nullopt;
        }
    }

    // The file's first bytes at a geometry, when its runs lie in the range.
    std::optional<std::vector<uint8_t>> Content(const SystemFile& file, uint64_t start, uint64_t cluster, size_t length)
    {
        if (!Inside(file, start, cluster) || file.runs.front().length * cluster < length)
            return std::nullopt;
        std::vector<uint8_t> bytes(length);
        if (!Read(start + file.FirstCluster() * cluster, bytes.data(), static_cast<uint32_t>(length)))
            return std::nullopt;
        return bytes;
    }

    bool Inside(const SystemFile& file, uint64_t start, uint64_t cluster) const
    {
        const uint64_t end = file.EndCluster();
        return start <= rangeLength && end <= (rangeLength - start) / cluster;
    }

    bool Read(uint64_t position, uint8_t* out, uint32_t length)
    {
        if (position > rangeLength || rangeLength - position < length)
            return false;
        // Scattered small reads: past the shared window, which they would drag about.
        try {
            reader.ReadRun(position, out, length);
            return true;
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const Exceptions::DiskException&) {
            return false;
        }
    }

    NTFSReader& reader;
    const uint64_t rangeLength;
    const uint32_t recordSize;
};

// A copy of record 0 and what the record after it (record 1, $MFTMirr, in
// the $MFT and in its mirror alike) says.
struct Anchor {
    uint64_t position = 0;
    SystemFile mft;
    uint64_t mirrorCluster = 0;
};

struct Evidence {
    int held = 0;
    int failed = 0;
    void Add(bool holds) { ++(holds ? held : failed); }
    bool Bears() const { return held >= 2 && held > failed; }
};

bool BitSet(VolumeProbe& probe, const SystemFile& bitmap, uint64_t start, uint64_t cluster, uint64_t bit)
{
    const uint64_t byte = bit / 8;
    if (byte >= bitmap.runs.front().length * cluster)
        return false;
    uint8_t value = 0;
    return probe.Inside(bitmap, start, cluster) &&
           probe.Read(start + bitmap.FirstCluster() * cluster + byte, &value, 1) && (value >> (bit % 8) & 1);
}

Evidence Check(VolumeProbe& probe, const Anchor& anchor, uint64_t start, uint64_t cluster)
{
    Evidence evidence;
    const uint64_t mftCluster = anchor.mft.FirstCluster();
    const uint64_t mftAt = start + mftCluster * cluster;
    if (anchor.mirrorCluster != 0) {
        const uint64_t mirrorAt = start + anchor.mirrorCluster * cluster;
        const auto copy = probe.FileAt(mftAt == anchor.position ? mirrorAt : mftAt);
        evidence.Add(copy && copy->name == u"$MFT" && copy->FirstCluster() == mftCluster);
    }
    // Records past the mirrored ones lie only in the $MFT, where this geometry puts it.
    const auto system = [&](uint64_t number, const char16_t* name) -> std::optional<SystemFile> {
        auto file = probe.FileAt(mftAt + number * probe.recordSize);
        return file && file->name == name ? file : std::nullopt;
    };
    if (const auto attrDef = system(recordAttrDef, u"$AttrDef")) {
        const std::u16string first = u"$STANDARD_INFORMATION";
        const auto bytes = probe.Content(*attrDef, start, cluster, first.size() * 2);
        evidence.Add(bytes && ReadUtf16(bytes->data(), bytes->size(), 0, first.size()) == first);
    }
    if (const auto upCase = system(recordUpCase, u"$UpCase")) {
        const auto bytes = probe.Content(*upCase, start, cluster, upCaseUnits * 2);
        bool identity = bytes.has_value();
        for (size_t unit = 0; identity && unit < upCaseUnits; ++unit)
            identity = U16(bytes->data(), bytes->size(), unit * 2) == unit;
        evidence.Add(identity);
    }
    if (const auto bitmap = system(recordBitmap, u"$Bitmap")) {
        bool marked = BitSet(probe, *bitmap, start, cluster, 0) && BitSet(probe, *bitmap, start, cluster, mftCluster);
        if (anchor.mirrorCluster != 0)
            marked = marked && BitSet(probe, *bitmap, start, cluster, anchor.mirrorCluster);
        evidence.Add(marked);
    }
    if (const auto boot = system(recordBoot, u"$Boot"); boot && (boot->FirstCluster() != 0 || !probe.Inside(*boot, start, cluster)))
        evidence.Add(false);
    uint8_t sector[512];
    BootGeometry geometry;
    if (probe.Read(start, sector, sizeof sector) && ReadBootGeometry(sector, 0, geometry))
        evidence.Add(geometry.clusterSize == cluster && geometry.mftCluster == mftCluster);
    return evidence;
}

std::optional<Anchor> ReadAnchor(VolumeProbe& probe, uint64_t position)
{
    auto mft = probe.FileAt(position);
    if (!mft || mft->name != u"$MFT")
        return std::nullopt;
    Anchor anchor{position, std::move(*mft), 0};
    if (const auto mirror = probe.FileAt(position + probe.recordSize); mirror && mirror->name == u"$MFTMirr")
        anchor.mirrorCluster = mirror->FirstCluster();
    return anchor;
}

// The one geometry that the anchor, taken as the $MFT's record 0 or as its
// mirror's copy, best bears out; none when two do equally well.
std::optional<PlacedVolume> Place(VolumeProbe& probe, const Anchor& anchor)
{
    std::optional<PlacedVolume> best;
    int bestHeld = 0;
    bool tie = false;
    const uint64_t mftCluster = anchor.mft.FirstCluster();
    for (uint64_t cluster = minClusterSize; cluster <= maxClusterSize; cluster *= 2) {
        for (const uint64_t anchorCluster : {mftCluster, anchor.mirrorCluster}) {
            if ((anchorCluster == anchor.mirrorCluster && (anchorCluster == 0 || anchorCluster == mftCluster)) ||
                anchorCluster > anchor.position / cluster)
                continue;
            const uint64_t start = anchor.position - anchorCluster * cluster;
            const Evidence evidence = Check(probe, anchor, start, cluster);
            if (!evidence.Bears() || evidence.held < bestHeld)
                continue;
            tie = best && evidence.held == bestHeld;
            bestHeld = evidence.held;
            PlacedVolume volume;
            volume.start = start;
            volume.clusterSize = static_cast<uint32_t>(cluster);
            volume.recordSize = probe.recordSize;
            volume.mftCluster = mftCluster;
            volume.mirrorCluster = anchor.mirrorCluster;
            volume.mftRuns = anchor.mft.runs;
            volume.length = probe.rangeLength - start;
            const auto bitmap = probe.FileAt(start + mftCluster * cluster + recordBitmap * probe.recordSize);
            if (bitmap && bitmap->name == u"$Bitmap" && bitmap->size <= volume.length / cluster / 8)
                volume.length = bitmap->size * 8 * cluster;
            best = std::move(volume);
        }
    }
    if (tie)
        return std::nullopt;
    return best;
}

}

bool PlacedVolume::HoldsRecord(uint64_t position) const
{
    uint64_t stream = 0;
    for (const auto& run : mftRuns) {
        const uint64_t bytes = run.length * clusterSize;
        if (!run.sparse) {
            const uint64_t first = start + static_cast<uint64_t>(run.lcn) * clusterSize;
            if (position >= first && position - first < bytes)
                return (stream + position - first) % recordSize == 0;
        }
        stream += bytes;
    }
    return false;
}

std::vector<PlacedVolume> PlaceVolumes(NTFSReader& reader, const std::vector<uint64_t>& anchors)
{
    VolumeProbe probe(reader);
    std::map<std::pair<uint64_t, uint32_t>, PlacedVolume> placed;
    for (const uint64_t position : anchors) {
        const auto anchor = ReadAnchor(probe, position);
        if (!anchor)
            continue;
        if (auto volume = Place(probe, *anchor))
            placed.try_emplace({volume->start, volume->clusterSize}, std::move(*volume));
    }
    std::vector<PlacedVolume> volumes;
    for (auto& [key, volume] : placed)
        volumes.push_back(std::move(volume));
    return volumes;
}

}
