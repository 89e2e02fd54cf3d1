// Placing an NTFS volume by copies of its record 0: a volume made by mkntfs,
// its boot sector and backup zeroed, laid 1 MiB + 12 KiB into a larger
// range. Either copy of record 0 (the $MFT's or the mirror's) places it at
// its start with its cluster size; a copy whose volume no longer bears the
// geometry out, or a lone copy with no volume around it, places nothing.
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsVolumeBytes.h"
#include "NTFS/VolumeFromRecords.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

constexpr uint64_t MiB = 1024 * 1024;
constexpr uint64_t volumeStart = MiB + 12 * 1024;
constexpr uint64_t volumeMiB = 8;
constexpr uint64_t rangeMiB = 12;

// The first cluster of a record's $DATA, as istat lists it.
uint64_t FirstDataCluster(const std::string& image, uint64_t inode)
{
    const std::string text = RunOrFail("istat " + Quote(image) + " " + std::to_string(inode));
    const auto data = text.find("Type: $DATA (128-");
    EXPECT_NE(data, std::string::npos) << text;
    std::istringstream in(text.substr(text.find('\n', data)));
    uint64_t cluster = 0;
    in >> cluster;
    return cluster;
}

struct Layout {
    uint64_t cluster = 0;
    uint64_t mft = 0;    // the $MFT's first cluster
    uint64_t mirror = 0; // $MFTMirr's
};

struct Case {
    const char* name;
    // Which copies of record 0 are anchors: the $MFT's, the mirror's.
    bool mftCopy;
    bool mirrorCopy;
    // Damage to the volume (its bytes, before it is laid into the range).
    std::function<void(NtfsImage::VolumeBytes&, const std::string& image, const Layout&)> damage;
    bool placed;
};

void ZeroCluster(NtfsImage::VolumeBytes& v, uint64_t cluster, uint64_t size)
{
    std::fill_n(v.bytes.begin() + static_cast<std::ptrdiff_t>(cluster * size), size, 0);
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        {"the $MFT's record 0", true, false, nullptr, true},
        {"the mirror's copy of record 0", false, true, nullptr, true},
        {"both copies: one volume", true, true, nullptr, true},
        {"$MFT's copy; the mirror, $AttrDef and $UpCase gone: only the $Bitmap bears it out", true, false,
         [](NtfsImage::VolumeBytes& v, const std::string& image, const Layout& layout) {
             ZeroCluster(v, layout.mirror, layout.cluster);
             ZeroCluster(v, FirstDataCluster(image, 4), layout.cluster);
             ZeroCluster(v, FirstDataCluster(image, 10), layout.cluster);
         },
         false},
        {"the mirror's copy alone, every other record of the volume gone", false, true,
         [](NtfsImage::VolumeBytes& v, const std::string&, const Layout& layout) {
             // What is left of the $MFT is no volume's: the first 16 records, record 0 among them.
             std::fill_n(v.bytes.begin() + static_cast<std::ptrdiff_t>(layout.mft * layout.cluster), 16 * 1024, 0);
         },
         false},
    };
    return cases;
}

class VolumeFromRecords : public ::testing::TestWithParam<size_t> {};

TEST_P(VolumeFromRecords, PlacesTheVolumeItsCopiesOfRecord0BearOut)
{
    for (const char* tool : {"mkntfs", "istat"})
        REQUIRE_TOOL(tool);
    const Case& c = Cases().at(GetParam());
    SCOPED_TRACE(c.name);
    TestSupport::TempDir dir;
    const std::string volume = dir / "volume.img";
    RunOrFail("truncate -s " + std::to_string(volumeMiB) + "M " + Quote(volume) + " && mkntfs -q -F -Q " +
              Quote(volume));
    NtfsImage::VolumeBytes bytes(volume);
    Layout layout{bytes.clusterSize, bytes.mftClusters.front() / bytes.clusterSize, bytes.Get(0x38, 8)};
    if (c.damage)
        c.damage(bytes, volume, layout);
    std::fill_n(bytes.bytes.begin(), 512, 0);
    std::fill_n(bytes.bytes.end() - 512, 512, 0);
    bytes.Save();
    const std::string range = dir / "range.img";
    RunOrFail("truncate -s " + std::to_string(rangeMiB) + "M " + Quote(range) + " && dd if=" + Quote(volume) +
              " of=" + Quote(range) + " bs=4096 seek=" + std::to_string(volumeStart / 4096) +
              " conv=notrunc status=none");

    NTFS::NTFSReader reader(range, 0, rangeMiB * MiB);
    ASSERT_FALSE(reader.geometryValid) << "no boot sector at the range's start";
    std::vector<uint64_t> anchors;
    if (c.mftCopy)
        anchors.push_back(volumeStart + layout.mft * layout.cluster);
    if (c.mirrorCopy)
        anchors.push_back(volumeStart + layout.mirror * layout.cluster);
    const auto volumes = NTFS::PlaceVolumes(reader, anchors);
    if (!c.placed) {
        EXPECT_TRUE(volumes.empty()) << "placed at " << volumes.front().start;
        return;
    }
    ASSERT_EQ(volumes.size(), 1u);
    const auto& placed = volumes.front();
    EXPECT_EQ(placed.start, volumeStart);
    EXPECT_EQ(placed.clusterSize, layout.cluster);
    EXPECT_EQ(placed.mftCluster, layout.mft);
    EXPECT_EQ(placed.mirrorCluster, layout.mirror);
    EXPECT_LE(placed.length, volumeMiB * MiB);
    EXPECT_GE(placed.length, volumeMiB * MiB - layout.cluster * 64);
    // Records of its $MFT, not the mirror's copies nor a place between records.
    EXPECT_TRUE(placed.HoldsRecord(volumeStart + layout.mft * layout.cluster + 5 * 1024));
    EXPECT_FALSE(placed.HoldsRecord(volumeStart + layout.mft * layout.cluster + 5 * 1024 + 512));
    EXPECT_FALSE(placed.HoldsRecord(volumeStart + layout.mirror * layout.cluster));
}

INSTANTIATE_TEST_SUITE_P(Cases, VolumeFromRecords, ::testing::Range<size_t>(0, Cases().size()));

}
