// Whole scans of an NTFS volume whose $MFT record 0 is damaged, one field at a
// time: the $MFTMirr copy of record 0 leads to every file fls lists on the
// sound volume; with the copy damaged too, the raw record search still finds
// the files and the scan reports the structure failure after it.
#include "NTFS/NtfsImage.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using TestSupport::Quote;
using TestSupport::RunCommand;
using TestSupport::RunOrFail;

namespace {

const char* const Script = R"(
mkdir -p "$M/docs/inner" "$M/many"
head -c 700 /dev/urandom > "$M/resident.bin"
head -c 200000 /dev/urandom > "$M/docs/photo.jpg"
echo notes > "$M/docs/inner/notes.txt"
for i in $(seq 1 60); do echo "file $i" > "$M/many/f$i.txt"; done
head -c 50000 /dev/urandom > "$M/docs/gone.bin"
sync
rm "$M/docs/gone.bin"
)";

struct Damage {
    const char* name;
    // Offset from the record's first byte (0 for the record header) or from
    // its unnamed $DATA attribute's first byte, and the bytes written there.
    bool inData;
    uint32_t offset;
    std::vector<uint8_t> bytes;
};

const Damage Damages[] = {
    {"start VCN of $DATA", true, 0x10, {7, 0, 0, 0, 0, 0, 0, 0}},
    {"run-list offset", true, 0x20, {0x30, 0}},
    {"attribute length", true, 0x04, {0x08, 0, 0, 0}},
    {"update-sequence offset", false, 0x04, {0xF0, 0x1F}},
};

uint64_t Le(const std::vector<uint8_t>& b, size_t at, int n)
{
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
    return v;
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// Writes the damage into the record 0 that lies at the boot sector's field
// (0x30: the $MFT, 0x38: $MFTMirr).
void DamageRecord0(std::vector<uint8_t>& image, const Damage& damage, size_t bootField)
{
    const uint64_t sector = Le(image, 0x0B, 2);
    const uint64_t cluster = sector * image.at(0x0D);
    const size_t record = Le(image, bootField, 8) * cluster;
    ASSERT_EQ(std::memcmp(&image.at(record), "FILE", 4), 0);
    size_t at = record;
    if (damage.inData) {
        size_t attribute = record + Le(image, record + 0x14, 2);
        while (Le(image, attribute, 4) != 0x80) {
            ASSERT_NE(Le(image, attribute, 4), 0xFFFFFFFFu);
            attribute += Le(image, attribute + 4, 4);
        }
        at = attribute;
    }
    std::copy(damage.bytes.begin(), damage.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at + damage.offset));
}

struct ScanResult {
    std::vector<nlohmann::json> lines;
    std::map<std::string, nlohmann::json> files; // by path, with "/"
    int status = 0;
};


ScanResult Scan(const std::string& image)
{
    ScanResult result;
    std::string output;
    result.status = RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                   " scan --disk 0 --volume 0 2>/dev/null",
                               &output);
    result.lines = TestSupport::ParseJsonLines(output);
    for (const auto& line : result.lines)
        if (line["kind"] == "NtfsFile")
            result.files.emplace(NtfsImage::FoundPath(line["path"]), line);
    return result;
}

bool IsMetafile(const std::string& path, uint64_t inode)
{
    return inode < 24 || path.rfind("$", 0) == 0;
}

class DamagedMft : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        sound = *dir / "sound.img";
        NtfsImage::Make(sound, 64, "-Q", Script);
        // Regular files only (fls -F), live ones.
        std::string listing;
        RunCommand("fls -r -p -F " + Quote(sound), &listing);
        std::istringstream lines(listing);
        for (std::string line; std::getline(lines, line);) {
            const auto tab = line.find('\t');
            if (line.rfind("r/r ", 0) != 0 || tab == std::string::npos || line.find('*') < tab)
                continue;
            const std::string path = line.substr(tab + 1);
            const uint64_t inode = std::stoull(line.substr(4));
            if (!IsMetafile(path, inode) && path.find(':') == std::string::npos)
                live[path] = inode;
        }
        for (const auto& [path, inode] : NtfsImage::ListFiles(sound, true))
            deleted[path] = inode;
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { REQUIRE_NTFS_TOOLS(); }

    // The scan's files recovered through the probe, compared with icat of the sound image.
    static void ExpectBytesOfIcat(const std::string& image, const ScanResult& scan,
                                  const std::map<std::string, uint64_t>& wanted, const std::string& tag)
    {
        const std::string input = *dir / (tag + ".jsonl");
        const std::string out = *dir / (tag + "-out");
        {
            std::ofstream lines(input);
            for (const auto& [path, inode] : wanted) {
                ASSERT_EQ(scan.files.count(path), 1u) << path;
                lines << scan.files.at(path).dump() << "\n";
            }
        }
        std::string output;
        RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " +
                       Quote(out) + " < " + Quote(input) + " 2>&1",
                   &output);
        for (const auto& [path, inode] : wanted) {
            SCOPED_TRACE(path);
            std::string recovered;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
                if (entry.is_regular_file() && entry.path().filename() == std::filesystem::path(path).filename())
                    recovered = entry.path().string();
            ASSERT_FALSE(recovered.empty()) << output;
            const auto bytes = ReadAll(recovered);
            EXPECT_TRUE(std::string(bytes.begin(), bytes.end()) == NtfsImage::Icat(sound, inode)) << bytes.size();
        }
    }

    static TestSupport::TempDir* dir;
    static std::string sound;
    static std::map<std::string, uint64_t> live, deleted;
};
TestSupport::TempDir* DamagedMft::dir = nullptr;
std::string DamagedMft::sound;
std::map<std::string, uint64_t> DamagedMft::live, DamagedMft::deleted;

}

TEST_F(DamagedMft, Record0FromTheMirrorListsWhatFlsListsOnTheSoundVolume)
{
    ASSERT_GT(live.size(), 60u);
    ASSERT_EQ(deleted.count("docs/gone.bin"), 1u);
    const auto original = ReadAll(sound);
    for (const auto& damage : Damages) {
        SCOPED_TRACE(damage.name);
        auto bytes = original;
        DamageRecord0(bytes, damage, 0x30);
        const std::string image = *dir / "damaged.img";
        WriteAll(image, bytes);

        const auto scan = Scan(image);
        ASSERT_FALSE(scan.lines.empty());
        EXPECT_EQ(scan.status, 0);
        EXPECT_EQ(scan.lines.back()["kind"], "ScanFinished");
        for (const auto& line : scan.lines)
            EXPECT_NE(line["kind"], "ScanFailed") << line.dump();
        std::set<std::string> found, listed;
        for (const auto& [path, line] : scan.files)
            if (line["deletedState"] == 0 && path.rfind("$", 0) != 0)
                found.insert(path);
        for (const auto& [path, inode] : live)
            listed.insert(path);
        EXPECT_EQ(found, listed);
        ASSERT_EQ(scan.files.count("docs/gone.bin"), 1u);
        EXPECT_EQ(scan.files.at("docs/gone.bin")["deletedState"], 1);
        ExpectBytesOfIcat(image, scan,
                          {{"resident.bin", live.at("resident.bin")},
                           {"docs/photo.jpg", live.at("docs/photo.jpg")},
                           {"docs/gone.bin", deleted.at("docs/gone.bin")}},
                          "mirror");
    }
}

TEST_F(DamagedMft, BothCopiesDamagedTheRawSearchFindsTheFilesAndTheFailureComesLast)
{
    auto bytes = ReadAll(sound);
    DamageRecord0(bytes, Damages[0], 0x30);
    DamageRecord0(bytes, Damages[0], 0x38);
    const std::string image = *dir / "both.img";
    WriteAll(image, bytes);

    const auto scan = Scan(image);
    ASSERT_GE(scan.lines.size(), 2u);
    EXPECT_EQ(scan.status, 3);
    EXPECT_EQ(scan.lines.back()["kind"], "ScanFinished");
    const auto& failed = scan.lines[scan.lines.size() - 2];
    EXPECT_EQ(failed["kind"], "ScanFailed") << failed.dump();
    EXPECT_EQ(failed["errorCode"], 3);
    size_t failures = 0, rawProgress = 0;
    for (const auto& line : scan.lines) {
        failures += line["kind"] == "ScanFailed";
        rawProgress += line["kind"] == "RawScanProgress";
    }
    EXPECT_EQ(failures, 1u);
    EXPECT_GT(rawProgress, 0u);

    // Every live file and the deleted one, by name (a record found raw knows its
    // folder only through the folder records the search found too).
    std::set<std::string> names, wanted;
    for (const auto& [path, line] : scan.files)
        names.insert(std::filesystem::path(path).filename());
    for (const auto& [path, inode] : live)
        wanted.insert(std::filesystem::path(path).filename());
    wanted.insert("gone.bin");
    for (const auto& name : wanted)
        EXPECT_EQ(names.count(name), 1u) << name;
    ExpectBytesOfIcat(image, scan,
                      {{"resident.bin", live.at("resident.bin")}, {"docs/photo.jpg", live.at("docs/photo.jpg")}},
                      "raw");
}
