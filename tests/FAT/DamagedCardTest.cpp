// Memory cards (an MBR and one FAT32 or exFAT volume, made by mkfs.fat and
// mtools or mkfs.exfat and exfat-fuse), each damaged in one or two fields of
// its boot sector, tables, directory entries or cluster chains. Every case is
// scanned and recovered through velmora-probe and read by fls/icat (and, where
// chains break, carved by photorec) in the same run: each file the damage
// spares comes back byte-exact by name, no file recovered under a name holds
// another file's blocks, and a scan never ends with no file and no failure.
// The rows printed (exact by name / carved only / lost / with foreign bytes)
// make the table of the three readers; VELMORA_CARD_PROBE runs another build.
#include "FAT/CardFigures.h"
#include "FAT/CardImages.h"
#include "FAT/CardLayout.h"
#include "FAT/FatImages.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>

using namespace FatTest;
using namespace TestSupport;

namespace {

enum class Fs { Fat32, ExFat };

using Touched = std::vector<std::string>;
using Damage = std::function<void(const Card&, const CardLayout&, const std::string& disk, Touched& touched)>;

struct CardCase {
    std::string name;
    Fs fs;
    Damage damage;
    Touched touched;            // files the damage itself costs (their entry or their chain)
    bool mayFail = false;       // two fields at once: a ScanFailed is an answer too
    Touched guessed = {};       // broken chains continued over free clusters: exact, marked guessed
    Touched cut = {};           // chains ending before the size: marked cut
    bool photorec = false;      // compared with photorec's carving
    Touched unchained = {};     // read on from their first cluster, no FAT giving their chains: marked
                                // guessed, or cut where another file or folder begins first
};

void PrintTo(const CardCase& c, std::ostream* out)
{
    *out << c.name;
}

void PatchByte(const std::string& disk, uint64_t offset, uint8_t value)
{
    Patch(disk, offset, {value});
}

void PatchU16(const std::string& disk, uint64_t offset, uint16_t value)
{
    Patch(disk, offset, {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)});
}

uint64_t Boot(const CardLayout& l, uint64_t field, uint64_t sector = 0)
{
    return l.volumeStart + sector * 512 + field;
}

// The disk offset of the root's entry of a type (0x81 bitmap, 0x82 up-case, 0x83 label).
uint64_t RootSpecial(const std::string& disk, const CardLayout& l, uint8_t type)
{
    const uint64_t root = DirectoryClusters(disk, l, "").at(0);
    const auto bytes = ReadBytes(disk, root, l.clusterSize);
    for (size_t at = 0; at + 32 <= bytes.size(); at += 32)
        if (bytes[at] == type)
            return root + at;
    ADD_FAILURE() << "no root entry of type " << int{type};
    return 0;
}

// One byte of a file's entry: its short entry (FAT32) or File entry (exFAT), or its Stream extension.
enum class Part { Entry, Stream };
Damage SetEntryByte(const std::string& path, uint64_t at, uint8_t value, Part part = Part::Entry)
{
    return [=](const Card&, const CardLayout& l, const std::string& disk, Touched&) {
        const auto place = FindEntry(disk, l, path);
        PatchByte(disk, (part == Part::Entry ? place.offset : place.streamOffset) + at, value);
    };
}

// Breaks a file's chain at its third cluster: that cluster's entry becomes value(chain).
Damage BreakChain(const std::string& path, std::function<uint32_t(const std::string&, const CardLayout&,
                                                                  const std::vector<uint64_t>&)> value)
{
    return [=](const Card&, const CardLayout& l, const std::string& disk, Touched&) {
        const auto chain = ChainOf(disk, l, FindEntry(disk, l, path).firstCluster);
        ASSERT_GE(chain.size(), 5u) << path;
        SetFatEntry(disk, l, chain[2], value(disk, l, chain));
    };
}

// The files of a folder whose entries begin in its first cluster and end
// past it: the link between the two is what a chain diverted there loses.
void TouchAcrossFirstCluster(const Card& card, const CardLayout& l, const std::string& disk, const std::string& folder,
                             Touched& touched)
{
    const uint64_t first = DirectoryClusters(disk, l, folder).at(0);
    const auto inFirst = [&](uint64_t at) { return at >= first && at < first + l.clusterSize; };
    for (const auto& f : card.files) {
        const size_t slash = f.path.rfind('/');
        const std::string parent = slash == std::string::npos ? "" : f.path.substr(0, slash);
        const auto place = FindEntry(disk, l, f.path);
        const bool begins = place.longNames.empty() ? inFirst(place.offset) : inFirst(place.longNames.front());
        if (parent == folder && begins && !inFirst(place.offset))
            touched.push_back(f.path);
    }
}

const char* img7 = "DCIM/100CAM/IMG_0007.BMP";
const char* img9 = "DCIM/100CAM/IMG_0009.BMP";

const std::vector<CardCase>& Cases()
{
    static const std::vector<CardCase> cases = {
        // One bad field of the boot region or the tables.
        {"Fat32SecondFatMediaEntry", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, l.EntryOffset(0, 1), 0xF0); }, {}},
        {"Fat32FirstFatMediaEntryZeroed", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchU32(disk, l.EntryOffset(0, 0), 0); }, {}},
        {"Fat32RootEntryAttributeFF", Fs::Fat32,
         SetEntryByte("README.TXT", 11, 0xFF), {}},
        {"Fat32WipedTableMediaEntry", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             Patch(disk, 0, std::vector<uint8_t>(512, 0));
             PatchByte(disk, l.EntryOffset(0, 1), 0xF0);
         },
         {}},
        {"Fat32SectorsPerCluster80", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, Boot(l, 13), 0x80); }, {}},
        {"Fat32SectorsPerCluster80BothCopies", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchByte(disk, Boot(l, 13), 0x80);
             PatchByte(disk, Boot(l, 13, 6), 0x80);
         },
         {}, true},
        {"Fat32TypeTextAndMediaByte", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchByte(disk, Boot(l, 83), 'X');
             PatchByte(disk, Boot(l, 21), 0x00);
         },
         {}, true},
        {"Fat32FatSize16AndRootCluster", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchU16(disk, Boot(l, 22), 0xFFFF);
             PatchU32(disk, Boot(l, 44), 0xFFFFFFFF);
         },
         {}, true},
        {"Fat32BootSectorZeroed", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) { Patch(disk, Boot(l, 0), std::vector<uint8_t>(512, 0)); },
         {}},
        // No boot sector: the volume is known by its folders' layout, its
        // chains by the FAT found before its data area.
        {"Fat32BothBootSectorsZeroed", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             Patch(disk, Boot(l, 0), std::vector<uint8_t>(512, 0));
             Patch(disk, Boot(l, 0, 6), std::vector<uint8_t>(512, 0));
         },
         {}, false, {}, {}, true},
        {"Fat32BootSectorsAndFatsWiped", Fs::Fat32,
         [](const Card& card, const CardLayout& l, auto& disk, Touched& touched) {
             // No chain links the root's clusters: the name across them is lost.
             TouchAcrossFirstCluster(card, l, disk, "", touched);
             Patch(disk, Boot(l, 0), std::vector<uint8_t>(512, 0));
             Patch(disk, Boot(l, 0, 6), std::vector<uint8_t>(512, 0));
             Patch(disk, l.fatStart, std::vector<uint8_t>(l.fatLength * l.fatCount, 0));
         },
         {"Docs/FRAG.BMP"}, false, {}, {}, true, {"Docs/FRAG.BMP", "DCIM/100CAM/IMG_0024.BMP"}},
        {"ExFatBootSectorZeroed", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { Patch(disk, Boot(l, 0), std::vector<uint8_t>(512, 0)); },
         {}},
        {"ExFatUpcaseEntryCluster", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchU32(disk, RootSpecial(disk, l, 0x82) + 20, 0); },
         {}},
        {"ExFatUpcaseEntryLength", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchU32(disk, RootSpecial(disk, l, 0x82) + 24, 0);
         },
         {}},
        {"ExFatBitmapEntryCluster", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchU32(disk, RootSpecial(disk, l, 0x81) + 20, 0xFFFFFFFF);
         },
         {}},
        {"ExFatBitmapEntryLength", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchU32(disk, RootSpecial(disk, l, 0x81) + 24, 1); },
         {}},
        {"ExFatLabelEntryTypeZeroed", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, RootSpecial(disk, l, 0x83), 0); }, {}},
        {"ExFatBitmapEntryTypeZeroed", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, RootSpecial(disk, l, 0x81), 0); }, {}},
        {"ExFatUpcaseEntryTypeZeroed", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, RootSpecial(disk, l, 0x82), 0); }, {}},
        {"ExFatOemNameByte", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { PatchByte(disk, Boot(l, 5), 'X'); }, {}},
        {"ExFatMainRootClusterNamesAFolder", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchU32(disk, Boot(l, 96), static_cast<uint32_t>(FindEntry(disk, l, "Album").firstCluster));
         },
         {}},
        // A zero first byte in one entry.
        {"Fat32ZeroFirstByteInRoot", Fs::Fat32,
         SetEntryByte("Holiday picture 3.bmp", 0, 0), {}},
        {"Fat32ZeroLongNameOrderByte", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             PatchByte(disk, FindEntry(disk, l, "Holiday picture 5.bmp").longNames.at(0), 0);
         },
         {}},
        {"Fat32ZeroFirstByteInFolder", Fs::Fat32,
         SetEntryByte("DCIM/100CAM/IMG_0010.BMP", 0, 0),
         {"DCIM/100CAM/IMG_0010.BMP"}},
        {"ExFatZeroStreamTypeInRoot", Fs::ExFat, SetEntryByte("root picture 5.bmp", 0, 0, Part::Stream), {}},
        {"ExFatZeroFileTypeInFolder", Fs::ExFat, SetEntryByte("Sub/photo number 7.bmp", 0, 0), {}},
        // Entries whose damage would make file data read as a folder.
        {"Fat32FileAttribute1F", Fs::Fat32,
         SetEntryByte("DCIM/100CAM/IMG_0012.BMP", 11, 0x1F), {}},
        {"Fat32FileAttributeFF", Fs::Fat32,
         SetEntryByte("DCIM/100CAM/IMG_0013.BMP", 11, 0xFF), {}},
        {"Fat32RootChainIntoFileData", Fs::Fat32,
         [](const Card& card, const CardLayout& l, auto& disk, Touched& touched) {
             // The root's later clusters, in use and reached by no chain now,
             // are still the volume's: their files come back by name.
             ASSERT_GT(DirectoryClusters(disk, l, "").size(), 1u) << "the root holds one cluster only";
             TouchAcrossFirstCluster(card, l, disk, "", touched);
             const auto data = ChainOf(disk, l, FindEntry(disk, l, "DCIM/100CAM/IMG_0005.BMP").firstCluster);
             SetFatEntry(disk, l, l.rootCluster, static_cast<uint32_t>(data.at(1)));
         },
         {}},
        {"ExFatFileAttributeFolder", Fs::ExFat,
         SetEntryByte("root picture 6.bmp", 4, 0x30), {}},
        // Chains broken in the middle, and cross-links.
        {"Fat32ChainSelfLoop", Fs::Fat32,
         BreakChain(img7, [](auto&, auto&, const auto& chain) { return static_cast<uint32_t>(chain[2]); }), {}, false,
         {img7}, {}, true},
        {"Fat32ChainPastClusterCount", Fs::Fat32,
         BreakChain(img7, [](auto&, const CardLayout& l, auto&) { return static_cast<uint32_t>(l.clusterCount + 100); }),
         {}, false, {img7}, {}, true},
        {"Fat32ChainAtFreeCluster", Fs::Fat32,
         BreakChain(img7,
                    [](const std::string& disk, const CardLayout& l, auto&) {
                        const uint64_t free = l.clusterCount; // near the end: nothing written there
                        EXPECT_EQ(FatEntry(disk, l, free), 0u);
                        return static_cast<uint32_t>(free);
                    }),
         {}, false, {img7}, {}, true},
        {"Fat32ChainZeroedLink", Fs::Fat32, BreakChain(img7, [](auto&, auto&, auto&) { return 0u; }), {}, false,
         {img7}, {}, true},
        {"Fat32ChainIntoOtherFile", Fs::Fat32,
         BreakChain(img7,
                    [](const std::string& disk, const CardLayout& l, auto&) {
                        return static_cast<uint32_t>(ChainOf(disk, l, FindEntry(disk, l, img9).firstCluster).at(3));
                    }),
         {}, false, {img7}, {}, true},
        {"Fat32StartInsideOtherFile", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             const auto other = ChainOf(disk, l, FindEntry(disk, l, img9).firstCluster);
             const auto place = FindEntry(disk, l, img7);
             PatchU16(disk, place.offset + 20, static_cast<uint16_t>(other.at(2) >> 16));
             PatchU16(disk, place.offset + 26, static_cast<uint16_t>(other.at(2)));
         },
         {img7}, false, {}, {}, true},
        {"Fat32ChainEndsEarly", Fs::Fat32,
         BreakChain(img7, [](auto&, const CardLayout& l, auto&) { return l.EndOfChain(); }), {img7}, false, {},
         {img7}, true},
        {"Fat32FragmentedChainBroken", Fs::Fat32,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             const auto chain = ChainOf(disk, l, FindEntry(disk, l, "Docs/FRAG.BMP").firstCluster);
             size_t end = 0;
             while (end + 1 < chain.size() && chain[end + 1] == chain[end] + 1)
                 ++end;
             ASSERT_LT(end + 1, chain.size()) << "FRAG.BMP is not fragmented";
             SetFatEntry(disk, l, chain[end], 0);
         },
         {}, false, {"Docs/FRAG.BMP"}, {}, true},
        {"ExFatChainedFolderCut", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             SetFatEntry(disk, l, FindEntry(disk, l, "Chained").firstCluster, l.EndOfChain());
         },
         {}, false, {}, {}, true},
        {"ExFatContiguousFolderLengthCut", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             const auto album = FindEntry(disk, l, "Album");
             ASSERT_TRUE(album.noFatChain);
             PatchU32(disk, album.streamOffset + 8, static_cast<uint32_t>(l.clusterSize));
             PatchU32(disk, album.streamOffset + 24, static_cast<uint32_t>(l.clusterSize));
         },
         {}, false, {}, {}, true},
        {"ExFatScatteredFolderChainCut", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             const auto sub = FindEntry(disk, l, "Sub");
             ASSERT_FALSE(sub.noFatChain) << "Sub was written in one stretch";
             SetFatEntry(disk, l, sub.firstCluster, l.EndOfChain());
         },
         {}, false, {}, {}, true},
        {"ExFatRootChainCut", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) { SetFatEntry(disk, l, l.rootCluster, l.EndOfChain()); },
         {}, false, {}, {}, true},
        {"ExFatFragmentedFileChainBroken", Fs::ExFat,
         [](auto&, const CardLayout& l, auto& disk, auto&) {
             const auto frag = FindEntry(disk, l, "FRAG.BMP");
             ASSERT_FALSE(frag.noFatChain) << "FRAG.BMP was written in one stretch";
             const auto chain = ChainOf(disk, l, frag.firstCluster);
             ASSERT_GE(chain.size(), 5u);
             SetFatEntry(disk, l, chain[2], static_cast<uint32_t>(chain[2]));
         },
         {}, false, {"FRAG.BMP"}, {}, true},
    };
    return cases;
}

// One row of the table: the engine's figures, then fls's and photorec's from the same run.
struct Row {
    std::string name;
    std::string engine;
    std::string outcome;
    std::string fls;
    std::string photorec;
};

class DamagedCard : public ::testing::TestWithParam<CardCase> {
protected:
    static void TearDownTestSuite()
    {
        if (!rows.empty()) {
            std::cout << "\n| case | engine: exact by name / carved only / lost / foreign | scan | fls+icat | photorec |\n"
                      << "|---|---|---|---|---|\n";
            for (const auto& r : rows)
                std::cout << "| " << r.name << " | " << r.engine << " | " << r.outcome << " | " << r.fls << " | "
                          << r.photorec << " |\n";
        }
        rows.clear();
        fat32.reset();
        exfat.reset();
        dir.reset();
    }

    static const Card& Fixture(Fs fs)
    {
        if (!dir)
            dir = std::make_unique<TempDir>();
        auto& card = fs == Fs::Fat32 ? fat32 : exfat;
        if (!card)
            card = std::make_unique<Card>(fs == Fs::Fat32 ? MakeFat32Card(*dir) : MakeExFatCard(*dir));
        return *card;
    }

    static std::unique_ptr<TempDir> dir;
    static std::unique_ptr<Card> fat32;
    static std::unique_ptr<Card> exfat;
    static std::vector<Row> rows;
};

std::unique_ptr<TempDir> DamagedCard::dir;
std::unique_ptr<Card> DamagedCard::fat32;
std::unique_ptr<Card> DamagedCard::exfat;
std::vector<Row> DamagedCard::rows;

std::string Names(const std::vector<std::string>& names)
{
    std::string text;
    for (const auto& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

TEST_P(DamagedCard, SparedFilesComeBackExactAndNoNameHoldsAnotherFilesBytes)
{
    const CardCase& c = GetParam();
    const Card& card = Fixture(c.fs);
    if (!card.why.empty())
        SKIP_FOR_MISSING(card.why);
    ASSERT_FALSE(HasFailure()) << "the card could not be made";
    ASSERT_FALSE(card.disk.empty());
    TempDir work;
    const std::string disk = work / "card.img";
    RunOrFail("cp --sparse=always " + Quote(card.disk) + " " + Quote(disk));
    Touched touched = c.touched;
    c.damage(card, ReadCardLayout(disk, card.volumeStart, card.exfat), disk, touched);
    ASSERT_FALSE(HasFailure()) << "the damage could not be done";

    std::filesystem::create_directories(work / "engine");
    const EngineRun run = RunEngine(card, disk, work / "engine");
    const Figures fls = HaveTool("fls") ? RunSleuthKit(card, disk, work.Path().string()) : Figures{};
    Figures carver;
    if (c.photorec) {
        REQUIRE_TOOL("photorec");
        carver = RunPhotorec(card, disk, work.Path().string());
    }
    const std::string outcome = run.failed ? "failed " + std::to_string(run.failureCode)
                                           : run.finished ? "finished" : "no end";
    rows.push_back({c.name, FiguresText(run.figures), outcome, FiguresText(fls), FiguresText(carver)});
    std::cout << "[ card     ] " << c.name << ": engine " << FiguresText(run.figures) << " (" << outcome << "), fls "
              << FiguresText(fls) << ", photorec " << FiguresText(carver) << " of " << card.files.size() << "\n";

    EXPECT_TRUE(run.figures.foreignNames.empty())
        << "recovered under a name with another file's bytes: " << Names(run.figures.foreignNames);
    if (run.failed) {
        EXPECT_TRUE(c.mayFail) << "ScanFailed " << run.failureCode << " though one field is damaged";
        return;
    }
    EXPECT_TRUE(run.finished);
    size_t named = 0;
    for (const auto& line : run.files)
        named += line.value("kind", "") != "CarvedFile";
    EXPECT_GT(named, 0u) << "the scan finished with no file and no failure";
    for (const auto& f : card.files) {
        if (std::find(touched.begin(), touched.end(), f.path) != touched.end())
            continue;
        EXPECT_TRUE(run.exact.at(f.path)) << f.path << " is spared by the damage, it does not come back by name";
    }
    for (const auto& path : c.guessed) {
        EXPECT_TRUE(run.exact.at(path)) << path << ": its chain broke, its clusters after the break are free";
        EXPECT_EQ(run.dataState.count(path) ? run.dataState.at(path) : -1, 1) << path << " is not marked guessed";
    }
    for (const auto& path : c.cut)
        EXPECT_EQ(run.dataState.count(path) ? run.dataState.at(path) : -1, 2) << path << " is not marked cut";
    for (const auto& path : c.unchained) {
        const int state = run.dataState.count(path) ? run.dataState.at(path) : -1;
        EXPECT_TRUE(state == 1 || state == 2) << path << " is marked neither guessed nor cut";
    }
    // What the independent readers give back whole, the engine gives back too.
    if (fls.ran) {
        EXPECT_GE(run.figures.exactByName, fls.exactByName) << "fls and icat read more files exact by name";
    }
    if (carver.ran) {
        // A fragmented file no FAT chains is a guess; photorec may carve it whole.
        const auto unchainedMissed = std::count_if(c.unchained.begin(), c.unchained.end(),
                                                   [&](const std::string& path) { return !run.exact.at(path); });
        EXPECT_GE(run.figures.exactByName + run.figures.carvedOnly + unchainedMissed, carver.carvedOnly)
            << "photorec carves more files whole than the engine gives back";
    }
}

INSTANTIATE_TEST_SUITE_P(Cards, DamagedCard, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<CardCase>& info) { return info.param.name; });

}
