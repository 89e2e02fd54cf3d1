#include "Disk/BootSectorName.h"
#include "Disk/DiskInfoItem.h"
#include "Disk/FreeRegionFinder.h"
#include "Disk/GuidText.h"
#include "Disk/MbrSector.h"
#include "Disk/PartitionLayout.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

constexpr uint64_t MiB = 1024 * 1024;

std::string MakeImage(const TestSupport::TempDir& dir, const std::string& name, uint64_t bytes)
{
    const std::string path = dir / name;
    RunOrFail("truncate -s " + std::to_string(bytes) + " " + Quote(path));
    return path;
}

void Sfdisk(const std::string& image, const std::string& script)
{
    RunOrFail("printf " + Quote(script) + " | sfdisk -q " + Quote(image));
}

// Every partition sfdisk reports, extended containers aside, is one probe line
// with the same number, extent, type and name, and the probe reports no other.
void ExpectProbeAgreesWithSfdisk(const std::string& image)
{
    const auto table = nlohmann::json::parse(RunOrFail("sfdisk -J " + Quote(image)))["partitiontable"];
    const uint64_t sectorSize = table.value("sectorsize", 512);
    std::string out;
    ASSERT_EQ(TestSupport::RunCommand(TestSupport::ProbePath() + " partitions " + Quote(image), &out), 0) << out;
    std::vector<nlohmann::json> entries;
    for (auto& line : TestSupport::ParseJsonLines(out))
        if (!line["free"].get<bool>())
            entries.push_back(line);

    size_t expected = 0;
    for (const auto& p : table["partitions"]) {
        const std::string type = p["type"];
        if (type == "5" || type == "f" || type == "85")
            continue;
        ++expected;
        const std::string node = p["node"];
        // Image nodes are "x.img5", loop device nodes "/dev/loop0p5".
        std::string suffix = node.substr(image.size());
        if (!suffix.empty() && suffix[0] == 'p')
            suffix.erase(0, 1);
        const uint32_t number = std::stoul(suffix);
        auto match = std::find_if(entries.begin(), entries.end(), [&](auto& e) { return e["index"] == number; });
        ASSERT_NE(match, entries.end()) << "no probe line for " << node;
        EXPECT_EQ((*match)["start"].get<uint64_t>(), p["start"].get<uint64_t>() * sectorSize) << node;
        EXPECT_EQ((*match)["length"].get<uint64_t>(), p["size"].get<uint64_t>() * sectorSize) << node;
        EXPECT_EQ((*match)["type"].get<std::string>(), type) << node;
        EXPECT_EQ((*match)["name"].get<std::string>(), p.value("name", "")) << node;
        EXPECT_EQ((*match)["style"].get<std::string>(), table["label"] == "gpt" ? "GPT" : "MBR");
    }
    EXPECT_EQ(entries.size(), expected);
}

uint32_t ReadU32(const std::string& path, uint64_t offset)
{
    const std::string hex = RunOrFail("od -An -tx4 -N4 -j" + std::to_string(offset) + " " + Quote(path));
    return static_cast<uint32_t>(std::stoul(hex, nullptr, 16));
}

// Writes a little-endian value into an image with dd, as one would by hand.
void PatchU32(const std::string& path, uint64_t offset, uint32_t value)
{
    char bytes[64];
    std::snprintf(bytes, sizeof bytes, "\\%03o\\%03o\\%03o\\%03o", value & 0xFF, (value >> 8) & 0xFF,
                  (value >> 16) & 0xFF, value >> 24);
    RunOrFail(std::string("printf '") + bytes + "' | dd of=" + Quote(path) + " bs=1 seek=" + std::to_string(offset) +
              " conv=notrunc status=none");
}

std::vector<VolumeInfoItem> Scan(const std::string& image, std::vector<VolumeInfoItem> mounted = {})
{
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskNumber = 3;
    disk.volumes = std::move(mounted);
    disk.ScanPartitionTable();
    return disk.volumes;
}

}

TEST(PartitionTable, ProbeAgreesWithSfdiskOnMbrEbrAndGpt)
{
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("sgdisk");
    TestSupport::TempDir dir;

    const std::string primary = MakeImage(dir, "primary.img", 200 * MiB);
    Sfdisk(primary, "label: dos\nstart=2048, size=40M, type=c\nsize=30M, type=83\nsize=20M, type=7\nsize=10M, type=ef\n");
    ExpectProbeAgreesWithSfdisk(primary);

    const std::string chain = MakeImage(dir, "chain.img", 300 * MiB);
    Sfdisk(chain, "label: dos\nstart=2048, size=40M, type=c\nstart=100M, size=150M, type=5\n"
                  "start=102M, size=20M, type=83\nstart=130M, size=30M, type=7\nstart=170M, size=10M, type=b\n");
    ExpectProbeAgreesWithSfdisk(chain);

    const std::string gpt = MakeImage(dir, "gpt.img", 300 * MiB);
    RunOrFail("sgdisk -n1:2048:+50M -c1:'EFI system partition' -t1:ef00 -n2:0:+100M -c2:'Données utilisateur' "
              "-t2:0700 -n5:0:+20M -c5:linux -t5:8300 " + Quote(gpt));
    ExpectProbeAgreesWithSfdisk(gpt);

    // partx reads the same chain independently; the logical numbers agree.
    const std::string partx = RunOrFail("partx -g -o NR,START,SECTORS " + Quote(chain));
    EXPECT_NE(partx.find("5 208896   40960"), std::string::npos) << partx;
    EXPECT_NE(partx.find("7 348160   20480"), std::string::npos) << partx;
}

TEST(PartitionTable, ProbeReadsFourKibSectorDevices)
{
    REQUIRE_TOOL("losetup");
    REQUIRE_TOOL("sgdisk");
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("attaching a loop device needs root");
    TestSupport::TempDir dir;
    const std::string image = MakeImage(dir, "big-sectors.img", 64 * MiB);
    std::string device;
    ASSERT_EQ(TestSupport::RunCommand("losetup -f --show --sector-size 4096 " + Quote(image) + " 2>&1", &device), 0)
        << device;
    device.erase(device.find_last_not_of('\n') + 1);
    struct Detach {
        std::string device;
        ~Detach() { TestSupport::RunCommand("losetup -d " + Quote(device)); }
    } detach{device};
    RunOrFail("sgdisk -n1:256:+8M -c1:first -t1:8300 -n2:0:+16M -c2:second -t2:0700 " + Quote(device));
    ExpectProbeAgreesWithSfdisk(device);
}

TEST(PartitionTable, HostileTablesEndWithAnErrorInBoundedTime)
{
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("sgdisk");
    TestSupport::TempDir dir;

    // The second EBR's link is made to point at itself.
    const std::string cyclic = MakeImage(dir, "cyclic.img", 64 * MiB);
    Sfdisk(cyclic, "label: dos\nstart=2048, size=60M, type=5\nstart=4096, size=8M, type=83\nstart=24576, size=8M, type=83\n");
    const uint64_t secondEbr = 2048 + ReadU32(cyclic, 2048 * 512 + 0x1CE + 8);
    ASSERT_GT(secondEbr, 2048u);
    PatchU32(cyclic, secondEbr * 512 + 0x1CE + 8, static_cast<uint32_t>(secondEbr - 2048));

    // The GPT header claims four billion entries.
    const std::string huge = MakeImage(dir, "huge.img", 64 * MiB);
    RunOrFail("sgdisk -n1:2048:+8M " + Quote(huge));
    PatchU32(huge, 512 + 80, 0xFFFFFFFF);

    for (const auto& [image, message] : {std::pair{cyclic, std::string("loops back")},
                                         std::pair{huge, std::string("exceeds the limit")}}) {
        std::string out;
        const int status = TestSupport::RunCommand("timeout 20 " + TestSupport::ProbePath() + " partitions " + Quote(image) + " 2>&1", &out);
        EXPECT_NE(status, 0) << out;
        EXPECT_NE(status, 124) << "timed out on " << image;
        EXPECT_NE(out.find(message), std::string::npos) << out;
    }
}

TEST(PartitionTable, ScanOffersUnmountedGptDataPartitionsAndLargeFreeSpace)
{
    REQUIRE_TOOL("sgdisk");
    TestSupport::TempDir dir;
    for (const auto& [freeMiB, listed] : {std::pair{150, true}, std::pair{99, false}}) {
        // EFI system, Microsoft reserved and one data partition, then free space.
        const uint64_t used = 1 + 20 + 16 + 40;
        const std::string image = MakeImage(dir, "gpt.img", (used + freeMiB) * MiB + 33 * 512);
        RunOrFail("sgdisk -o -n1:2048:+20M -c1:'EFI system partition' -t1:ef00 -n2:0:+16M "
                  "-c2:'Microsoft reserved partition' -t2:0c01 -n3:0:+40M -c3:data -t3:0700 " + Quote(image));
        const auto volumes = Scan(image);
        ASSERT_EQ(volumes.size(), listed ? 2u : 1u) << freeMiB;
        EXPECT_EQ(volumes[0].entryKind, VolumeInfoItem::GptPartition);
        EXPECT_EQ(volumes[0].offset, (1 + 20 + 16) * MiB);
        EXPECT_EQ(volumes[0].length, 40 * MiB);
        EXPECT_EQ(volumes[0].label, "UnknowPartition");
        EXPECT_EQ(volumes[0].mountPath, "Unkonw");
        ASSERT_EQ(volumes[0].extents.size(), 1u);
        EXPECT_EQ(volumes[0].extents[0].diskNumber, 3u);
        EXPECT_EQ(volumes[0].extents[0].partitionNumber, 1u);
        // deviceId is the unique GUID's bytes in stored order, lower case.
        std::string uuid = RunOrFail("sgdisk -i3 " + Quote(image));
        uuid = uuid.substr(uuid.find("unique GUID: ") + 13, 36);
        // sgdisk prints the mixed-endian text: its first three groups are the
        // stored bytes reversed.
        const auto reversed = [&](size_t at, size_t bytes) {
            std::string group;
            for (size_t i = bytes; i-- > 0;)
                group += uuid.substr(at + 2 * i, 2);
            return group;
        };
        std::string stored = reversed(0, 4) + "-" + reversed(9, 2) + "-" + reversed(14, 2) + uuid.substr(18);
        for (auto& c : stored)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(volumes[0].deviceId, stored);
        if (listed) {
            EXPECT_EQ(volumes[1].entryKind, VolumeInfoItem::Unallocated);
            EXPECT_EQ(volumes[1].offset, used * MiB);
            EXPECT_EQ(volumes[1].extents[0].partitionNumber, 2u);
            EXPECT_TRUE(volumes[1].label.empty());
        }
    }
}

TEST(PartitionTable, MbrFreeRegionsCountExactSectors)
{
    REQUIRE_TOOL("sfdisk");
    TestSupport::TempDir dir;
    // A partition of sectors [2048, 4096) and the next one at 69632 leave exactly
    // 32 MiB between them, which is not offered; one sector later it is.
    for (const auto& [next, listed] : {std::pair{69632, false}, std::pair{69633, true}}) {
        const std::string image = MakeImage(dir, "mbr.img", 40 * MiB);
        Sfdisk(image, "label: dos\nstart=2048, size=2048, type=83\nstart=" + std::to_string(next) +
                          ", size=8192, type=83\n");
        const auto volumes = Scan(image);
        ASSERT_EQ(volumes.size(), listed ? 3u : 2u) << next;
        EXPECT_EQ(volumes[0].entryKind, VolumeInfoItem::MbrPartition);
        EXPECT_EQ(volumes[0].offset, 2048u * 512);
        EXPECT_EQ(volumes[0].length, 2048u * 512);
        if (listed) {
            EXPECT_EQ(volumes[2].entryKind, VolumeInfoItem::Unallocated);
            EXPECT_EQ(volumes[2].offset, 4096u * 512);
            EXPECT_EQ(volumes[2].length, (69633u - 4096) * 512);
        }
    }
}

TEST(PartitionTable, ScanSkipsMountedPartitionsAndNamesTheirFileSystemFromTheirOwnBootSector)
{
    REQUIRE_TOOL("sfdisk");
    REQUIRE_TOOL("mkfs.fat");
    TestSupport::TempDir dir;
    const std::string image = MakeImage(dir, "fat.img", 100 * MiB);
    Sfdisk(image, "label: dos\nstart=2048, size=60M, type=c\nsize=20M, type=83\n");
    RunOrFail("mkfs.fat -F 32 --offset 2048 " + Quote(image) + " " + std::to_string(60 * 1024));

    VolumeInfoItem mounted;
    mounted.devicePath = "/dev/some-volume";
    mounted.fileSystem = "N/A";
    mounted.extents.push_back({2048 * 512, 60 * MiB, 3, 1});
    const auto volumes = Scan(image, {mounted});
    ASSERT_EQ(volumes.size(), 2u);
    EXPECT_EQ(volumes[0].fileSystem, "FAT32");
    EXPECT_EQ(volumes[1].entryKind, VolumeInfoItem::MbrPartition);
    EXPECT_EQ(volumes[1].offset, (1 + 60) * MiB);
    EXPECT_EQ(volumes[1].extents[0].partitionNumber, 2u);
}

TEST(PartitionTable, DiskWithoutTableIsOneFreeRegionAndUnreadableGetsNoEntries)
{
    TestSupport::TempDir dir;
    // Neither a table nor a file system: all of it is offered for the raw search.
    const std::string blank = MakeImage(dir, "blank.img", 4 * MiB);
    const auto whole = Scan(blank);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].entryKind, VolumeInfoItem::Unallocated);
    EXPECT_EQ(whole[0].offset, 0u);
    EXPECT_EQ(whole[0].length, 4 * MiB);
    EXPECT_TRUE(Scan(dir / "missing.img").empty());
    const std::string tiny = MakeImage(dir, "tiny.img", 512);
    EXPECT_TRUE(Scan(tiny).empty());
    SectorReader reader(tiny);
    ASSERT_TRUE(reader.Open());
    EXPECT_EQ(GetDiskPartitionStyle(reader), "Error reading sector 1");
}

TEST(PartitionTable, FreeRegionFinderUsesHalfOpenIntervalsAndNestedPartitions)
{
    auto mbr = [](uint64_t first, uint32_t count) {
        MbrPartitionEntry e;
        e.firstSector = first;
        e.sectorCount = count;
        return e;
    };
    auto gpt = [](uint64_t first, uint64_t last) {
        GptPartitionEntry e;
        e.firstLba = first;
        e.lastLba = last;
        return e;
    };
    struct Case {
        const char* what;
        std::vector<FreeRegion> found;
        std::vector<FreeRegion> expected;
    };
    const uint64_t disk = 10000 * 512;
    const Case cases[] = {
        {"no partitions", FreeRegionFinder(std::vector<MbrPartitionEntry>{}, disk).Find(), {{0, disk, disk}}},
        {"adjacent MBR partitions leave no gap",
         FreeRegionFinder({mbr(100, 100), mbr(200, 100)}, 300 * 512).Find(), {}},
        {"gap and tail",
         FreeRegionFinder({mbr(100, 100), mbr(300, 100)}, disk).Find(),
         {{200 * 512, 300 * 512, 100 * 512}, {400 * 512, disk, disk - 400 * 512}}},
        {"a partition nested in another opens no gap",
         FreeRegionFinder({gpt(100, 999), gpt(200, 299), gpt(1000, 9999)}, disk).Find(), {}},
        {"GPT last LBA is inclusive",
         FreeRegionFinder({gpt(100, 199), gpt(201, 9999)}, disk).Find(), {{200 * 512, 201 * 512, 512}}},
        {"a partition past the disk end is clipped",
         FreeRegionFinder({gpt(100, 199), gpt(20000, 30000)}, disk).Find(), {{200 * 512, disk, disk - 200 * 512}}},
        {"4 KiB sectors", FreeRegionFinder({gpt(10, 19)}, 40 * 4096, 4096).Find(), {{20 * 4096, 40 * 4096, 20 * 4096}}},
        {"reversed GPT entry is ignored", FreeRegionFinder({gpt(500, 100)}, disk).Find(), {{0, disk, disk}}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.found.size(), c.expected.size()) << c.what;
        for (size_t i = 0; i < c.found.size(); ++i) {
            EXPECT_EQ(c.found[i].start, c.expected[i].start) << c.what;
            EXPECT_EQ(c.found[i].end, c.expected[i].end) << c.what;
            EXPECT_EQ(c.found[i].length, c.expected[i].length) << c.what;
        }
    }
}

TEST(PartitionTable, BootSectorClassifier)
{
    struct Case {
        std::vector<std::pair<size_t, std::string>> fields;
        const char* expected;
    };
    const Case cases[] = {
        {{{3, "NTFS    "}}, "NTFS"},
        {{{3, "-FVE-FS-"}}, "Bitlocker"},
        {{{3, "MSDOS5.0"}, {82, "FAT32   "}}, "FAT32"},
        {{{3, "PKWIN4.1"}, {54, "FAT16   "}}, "FAT16"},
        {{{3, "MSDOS5.0"}, {54, "FAT12   "}}, "FAT12"},
        {{{3, "MSDOS5.0"}}, "RAW"},
        {{{3, "mkfs.fat"}, {82, "FAT32   "}}, "FAT32"},
        {{{3, "MSWIN4.1"}, {54, "FAT16   "}}, "FAT16"},
        {{{3, "EXFAT   "}}, "EXFAT"},
        {{}, "RAW"},
    };
    for (const auto& c : cases) {
        uint8_t sector[512] = {};
        for (const auto& [offset, text] : c.fields)
            std::memcpy(sector + offset, text.data(), text.size());
        EXPECT_EQ(GetFileSystemNameFromBootSector(sector), c.expected);
    }
}

TEST(PartitionTable, GuidTexts)
{
    const uint8_t bytes[16] = {0xA2, 0xA0, 0xD0, 0xEB, 0xE5, 0xB9, 0x33, 0x44,
                               0x87, 0xC0, 0x68, 0xB6, 0xB7, 0x26, 0x99, 0xC7};
    EXPECT_EQ(FormatGuidBytes(bytes), "a2a0d0eb-e5b9-3344-87c0-68b6b72699c7");
    EXPECT_EQ(FormatGuid(bytes), "EBD0A0A2-B9E5-4433-87C0-68B6B72699C7");
    EXPECT_EQ(std::string(GetMbrPartitionTypeShortName(0x0F)), "Extended (LBA)");
    EXPECT_EQ(std::string(GetMbrPartitionTypeShortName(0x42)), "Unknown");
}

TEST(PartitionTable, ScanSkipsGptEntriesWhoseExtentCannotExist)
{
    REQUIRE_TOOL("sgdisk");
    TestSupport::TempDir dir;
    struct Case {
        const char* what;
        uint64_t first;
        uint64_t last;
    };
    const Case cases[] = {
        {"last before first", 4096, 2048},
        {"first LBA overflows as bytes", uint64_t{1} << 60, (uint64_t{1} << 60) + 10},
        {"end overflows though start and length fit", uint64_t{1} << 54, (uint64_t{1} << 55) - 1},
        {"last LBA is the largest number", 2048, UINT64_MAX},
    };
    for (const auto& c : cases) {
        const std::string image = MakeImage(dir, "gpt.img", 8 * MiB);
        RunOrFail("sgdisk -o -n1:2048:+2M -t1:0700 -n2:0:+2M -t2:0700 " + Quote(image));
        // Entry 1 of the array at LBA 2; the checksums are not read.
        const uint64_t entry = 2 * 512;
        PatchU32(image, entry + 32, static_cast<uint32_t>(c.first));
        PatchU32(image, entry + 36, static_cast<uint32_t>(c.first >> 32));
        PatchU32(image, entry + 40, static_cast<uint32_t>(c.last));
        PatchU32(image, entry + 44, static_cast<uint32_t>(c.last >> 32));
        const auto volumes = Scan(image);
        size_t partitions = 0;
        for (const auto& v : volumes) {
            EXPECT_LE(v.length, UINT64_MAX - v.offset) << c.what << ": the extent wraps";
            if (v.entryKind == VolumeInfoItem::GptPartition)
                ++partitions;
        }
        EXPECT_EQ(partitions, 1u) << c.what;
    }
}

TEST(PartitionTable, AnEndlessEbrChainStopsAtTheEntryCap)
{
    // No EBR links back, but the chain goes on for 3000 links, one logical
    // partition each: the walk stops near 1024 entries instead, also when all
    // four primary records name the same chain.
    TestSupport::TempDir dir;
    const std::string image = dir / "long-chain.img";
    const uint32_t links = 3000;
    for (const size_t extendedRecords : {1, 4}) {
        std::vector<uint8_t> bytes((links + 4) * 512);
        auto record = [&](uint64_t sector, size_t slot, uint8_t type, uint32_t first, uint32_t count) {
            uint8_t* r = bytes.data() + sector * 512 + 0x1BE + slot * 16;
            r[4] = type;
            for (int b = 0; b < 4; ++b) {
                r[8 + b] = static_cast<uint8_t>(first >> (8 * b));
                r[12 + b] = static_cast<uint8_t>(count >> (8 * b));
            }
            bytes[sector * 512 + 510] = 0x55;
            bytes[sector * 512 + 511] = 0xAA;
        };
        for (size_t slot = 0; slot < extendedRecords; ++slot)
            record(0, slot, 0x05, 1, links + 2);
        for (uint32_t i = 0; i < links; ++i) {
            record(1 + i, 0, 0x83, 0, 1); // a one-sector logical partition in the EBR's own sector
            record(1 + i, 1, 0x05, i + 1, 1);
        }
        std::FILE* out = std::fopen(image.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), out), bytes.size());
        std::fclose(out);

        SectorReader reader(image);
        ASSERT_TRUE(reader.Open());
        const PartitionLayout layout = ReadPartitionLayout(reader);
        EXPECT_EQ(layout.style, "MBR");
        const auto logical = std::count_if(layout.mbrEntries.begin(), layout.mbrEntries.end(),
                                           [](const MbrPartitionEntry& e) { return e.partitionNumber >= 5; });
        EXPECT_GE(logical, 1000) << extendedRecords;
        EXPECT_LE(logical, 1024) << extendedRecords;
        EXPECT_FALSE(layout.error.empty()) << extendedRecords;
        EXPECT_EQ(layout.mbrEntries[5].firstSector, 6u);
        EXPECT_EQ(layout.mbrEntries[5].partitionNumber, 10u);
    }
}

// A table whose partitions were all deleted offers its free space whatever its
// size (a small card's wiped table included), from after the table's sector.
TEST(PartitionTable, TableWithoutPartitionsOffersAllItsFreeSpace)
{
    REQUIRE_TOOL("sfdisk");
    TestSupport::TempDir dir;
    for (const char* label : {"dos", "gpt"}) {
        SCOPED_TRACE(label);
        const std::string image = MakeImage(dir, std::string(label) + ".img", 16 * MiB);
        RunOrFail("echo 'label: " + std::string(label) + "' | sfdisk -q " + Quote(image));
        const auto entries = Scan(image);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].entryKind, VolumeInfoItem::Unallocated);
        EXPECT_GT(entries[0].length, 15 * MiB);
        if (std::string(label) == "dos") {
            EXPECT_EQ(entries[0].offset, 512u);
            EXPECT_EQ(entries[0].length, 16 * MiB - 512);
        }
    }
}

// A sector ending in 0x55 0xAA is a table only where its records could be
// one and it is no volume's boot sector: a card formatted without a table
// starts with its boot sector, whose boot code would read as records.
TEST(PartitionTable, ASectorIsATableOnlyWhereItsRecordsCouldBeOne)
{
    constexpr uint64_t diskSectors = 100000;
    struct Record {
        uint8_t status, type;
        uint32_t first, count;
    };
    struct Case {
        const char* name;
        std::vector<Record> records;
        std::vector<std::pair<size_t, std::vector<uint8_t>>> bytes; // written over the sector
        bool table;
    };
    const std::vector<uint8_t> fatBpb = {0xEB, 0x58, 0x90, 'm', 'k', 'f', 's', '.', 'f', 'a', 't', 0x00, 0x02, 0x01,
                                         0x20, 0x00, 0x02};
    const std::vector<Case> cases = {
        {"NoRecords", {}, {}, true},
        {"OnePartition", {{0x80, 0x0C, 2048, 90000}}, {}, true},
        {"OverlappingRecords", {{0x00, 0x07, 2048, 8000}, {0x00, 0x07, 2049, 8000}}, {}, true},
        {"ProtectiveRecordPastTheDisk", {{0x00, 0xEE, 1, 0xFFFFFFFF}}, {}, true},
        {"BootCodeStatus", {{0x65, 0x0C, 2048, 1000}}, {}, false},
        {"SizeWithoutType", {{0x00, 0x00, 2048, 1000}}, {}, false},
        {"StartsAtTheTable", {{0x00, 0x0C, 0, 1000}}, {}, false},
        {"EndsPastTheDisk", {{0x00, 0x0C, 2048, diskSectors}}, {}, false},
        {"StartsPastTheDisk", {{0x00, 0x0C, diskSectors + 1, 1}}, {}, false},
        {"FatBootSector", {}, {{0, fatBpb}}, false},
        {"FatBootSectorWithoutItsJump", {}, {{3, {fatBpb.begin() + 3, fatBpb.end()}}}, true},
        {"NtfsBootSector", {}, {{3, {'N', 'T', 'F', 'S', ' ', ' ', ' ', ' ', 0x00, 0x02, 0x08}}}, false},
        {"ExFatBootSector", {}, {{3, {'E', 'X', 'F', 'A', 'T', ' ', ' ', ' '}}}, false},
        {"NoSignature", {}, {{510, {0x00, 0x00}}}, false},
    };
    for (const auto& c : cases) {
        uint8_t sector[512] = {};
        sector[510] = 0x55;
        sector[511] = 0xAA;
        for (size_t slot = 0; slot < c.records.size(); ++slot) {
            uint8_t* r = sector + 0x1BE + 16 * slot;
            r[0] = c.records[slot].status;
            r[4] = c.records[slot].type;
            for (int b = 0; b < 4; ++b) {
                r[8 + b] = static_cast<uint8_t>(c.records[slot].first >> (8 * b));
                r[12 + b] = static_cast<uint8_t>(c.records[slot].count >> (8 * b));
            }
        }
        for (const auto& [at, bytes] : c.bytes)
            std::memcpy(sector + at, bytes.data(), bytes.size());
        EXPECT_EQ(IsPlausibleMbr(sector, diskSectors), c.table) << c.name;
    }
}

