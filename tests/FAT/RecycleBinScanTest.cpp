// The Recycle Bin scan of both engines through the probe: data files named by
// the paths their index records keep (versions 1 and 2, one record deleted),
// with the bytes of their "$R" files; an unpaired data file under its own name.
#include "FAT/EngineChecks.h"
#include "FAT/FatImages.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

using namespace FatTest;
using namespace TestSupport;

namespace {

const std::string sid = "S-1-5-21-1-2-3-1001";

void Write(const std::string& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Record(uint64_t version, const std::u16string& path)
{
    const size_t L = path.size() + 1;
    std::vector<uint8_t> b(version == 1 ? 544 : 28 + 2 * L, 0);
    b[0] = static_cast<uint8_t>(version);
    const size_t at = version == 1 ? 24 : 28;
    if (version == 2)
        b[24] = static_cast<uint8_t>(L);
    for (size_t i = 0; i < path.size(); ++i) {
        b[at + 2 * i] = static_cast<uint8_t>(path[i]);
        b[at + 2 * i + 1] = static_cast<uint8_t>(path[i] >> 8);
    }
    return b;
}

// The files a test puts in the Recycle Bin folder, made in dir.
void MakeRecycleBinFiles(const TempDir& dir)
{
    Write(dir / "$IABC123.jpg", Record(1, u"C:\\Users\\me\\cat.jpg"));
    Write(dir / "$IDEF456.txt", Record(2, u"C:\\Users\\me\\notes été.txt"));
    Write(dir / "$IGHI789.PNG", Record(2, u"D:\\Pictures\\dog.png"));
    std::mt19937 random(3);
    for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
             {"$RABC123.jpg", 3000}, {"$RDEF456.txt", 500}, {"$RGHI789.PNG", 7000}, {"$RJKL000.bin", 1000}}) {
        std::vector<uint8_t> data(size);
        for (auto& b : data)
            b = static_cast<uint8_t>(random());
        Write(dir / name, data);
    }
}

const char* const recycled[] = {"$IABC123.jpg", "$RABC123.jpg", "$IDEF456.txt", "$RDEF456.txt",
                                "$IGHI789.PNG", "$RGHI789.PNG", "$RJKL000.bin"};

void CheckRecycleBinScan(const std::string& image, const char* kind)
{
    const auto lines = ParseJsonLines(
        RunOrFail(ImagesOnlyEnvironment(image) + ProbePath() + " scan --disk 0 --volume 0 --recycle-bin 2>/dev/null"));
    const auto fls = Fls(image);
    auto flsEntry = [&](const std::string& name) {
        for (const auto& e : fls)
            if (e.path == "$RECYCLE.BIN/" + sid + "/" + name)
                return e;
        ADD_FAILURE() << name;
        return FlsEntry{};
    };
    std::map<std::string, std::string> expected{{"Users\\me\\cat.jpg", "$RABC123.jpg"},
                                                {"Users\\me\\notes été.txt", "$RDEF456.txt"},
                                                {"Pictures\\dog.png", "$RGHI789.PNG"},
                                                {"$RJKL000.bin", "$RJKL000.bin"}};
    size_t files = 0;
    for (const auto& line : lines) {
        if (line["kind"] != kind)
            continue;
        ++files;
        const std::string path = line["path"];
        const std::string prefix = ".\\\\" + sid + "\\";
        ASSERT_EQ(path.rfind(prefix, 0), 0u) << path;
        const std::string name = path.substr(prefix.size());
        ASSERT_TRUE(expected.count(name)) << path;
        EXPECT_EQ(line["deletedState"], name == "$RJKL000.bin" ? 0 : 2) << path;
        std::vector<DataRun> runs;
        for (const auto& run : line["runs"])
            runs.push_back({run[0].get<uint64_t>(), run[1].get<uint64_t>()});
        EXPECT_EQ(RunBytes(image, runs, line["fileSize"]), Icat(image, flsEntry(expected[name]))) << path;
        expected.erase(name);
    }
    EXPECT_EQ(files, 4u);
    EXPECT_TRUE(expected.empty());
}

TEST(RecycleBinScan, Fat32)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("fls");
    TempDir dir;
    const std::string image = dir / "card.img";
    MakeFat32Image(image, 40, "-s 1");
    MakeRecycleBinFiles(dir);
    const std::string bin = "::/$RECYCLE.BIN/" + sid;
    std::string sources;
    for (const char* name : recycled)
        sources += " " + Quote(dir / name);
    RunOrFail("mmd -i " + Quote(image) + " '::/$RECYCLE.BIN' " + Quote(bin) + " && mcopy -i " + Quote(image) +
              sources + " " + Quote(bin + "/") + " && mdel -i " + Quote(image) + " " + Quote(bin + "/$IGHI789.PNG"));
    // mdel left the 8.3-only record as "åIGHI789.PNG".
    bool deletedForm = false;
    for (const auto& e : Fls(image))
        deletedForm = deletedForm || (e.deleted && e.path.find("_IGHI789.PNG") != std::string::npos);
    EXPECT_TRUE(deletedForm);
    CheckRecycleBinScan(image, "Fat32File");
}

TEST(RecycleBinScan, ExFat)
{
    REQUIRE_TOOL("fls");
    TempDir dir;
    const std::string image = dir / "exfat.img";
    ExFatMount mount(image, 64, dir / "mnt");
    if (!mount.ok)
        GTEST_SKIP() << mount.why;
    MakeRecycleBinFiles(dir);
    const std::string bin = mount.mountPoint + "/$RECYCLE.BIN/" + sid;
    std::string sources;
    for (const char* name : recycled)
        sources += " " + Quote(dir / name);
    RunOrFail("mkdir -p " + Quote(bin) + " && cp" + sources + " " + Quote(bin) + " && sync && rm " +
              Quote(bin + "/$IGHI789.PNG") + " && sync");
    mount.Finish();
    CheckRecycleBinScan(image, "ExFatFile");
}

}
