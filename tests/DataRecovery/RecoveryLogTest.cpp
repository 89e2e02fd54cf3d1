// The engine's log during a recovery of many files: one summary, the failures,
// and the per-file lines only when debug lines are asked for.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/RecoveryFixture.h"
#include "support/TempDir.h"

#include <Tirrane/Tirrane.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace RecoveryFixture;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

struct Logged {
    std::string text;
    uint64_t bytes = 0;
};

// Recovers files (one good file per 512 bytes of the image, and one whose runs pass
// the volume's end) through both recovery calls, with the engine's log at level.
Logged RecoverWithLog(const char* level, size_t files)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "volume.img";
    WriteRandom(image, files * 512);
    const auto volume = RegisterImage(image, "FAT32");
    level ? setenv("VELMORA_LOG_LEVEL", level, 1) : unsetenv("VELMORA_LOG_LEVEL");
    EXPECT_TRUE(InitSpdLogA("engine.log", (dir / "log").c_str()));
    unsetenv("VELMORA_LOG_LEVEL");

    std::vector<std::unique_ptr<FoundFile>> found;
    std::vector<DataRecoveryInfo> list;
    for (size_t i = 0; i < files; ++i) {
        found.push_back(std::make_unique<FoundFile>(Fat32File, "X:\\DCIM\\f" + std::to_string(i) + ".jpg",
                                                    std::vector<DataRun>{{i * 512, 512}}, 512));
        list.push_back(found.back()->record);
    }
    FoundFile beyond(Fat32File, "X:\\beyond.jpg", {{files * 512, 512}}, 512);
    list.push_back(beyond.record);
    {
        DataRecoveryMultiImpl engine({volume}, [](const DataRecoveryInfo&) {});
        EXPECT_EQ(engine.RecoverData(dir / "list", list), 7);
        for (const auto& file : found)
            EXPECT_EQ(engine.RecoverData(dir / "one", file->record), 0);
        EXPECT_EQ(engine.RecoverData(dir / "one", beyond.record), 7);
    }
    ShutdownSpdLog();
    Logged logged;
    for (const auto& entry : fs::directory_iterator(dir / "log")) {
        logged.text += ReadAll(entry.path());
        logged.bytes += entry.file_size();
    }
    return logged;
}

}

TEST(RecoveryLog, ManyFilesLeaveASummaryAndTheFailuresOnly)
{
    constexpr size_t files = 2000;
    const Logged info = RecoverWithLog(nullptr, files);
    // Lines of the coordinator's set-up, the list's summary and the two failures: not one per file.
    EXPECT_LT(info.bytes, 20u * 1024) << info.text.substr(0, 4000);
    EXPECT_EQ(Count(info.text, "RecoverDataRun offset"), 0u);
    EXPECT_EQ(Count(info.text, "SetRun()"), 0u);
    EXPECT_NE(info.text.find("2001 of 2001 files handled: 2000 written, 1 failed."), std::string::npos)
        << info.text;
    EXPECT_EQ(Count(info.text, "cover 0 of 512 bytes"), 2u) << info.text;
    // The engine's source names stay relative, as src/<folder>/<file>.
    EXPECT_EQ(info.text.find("[/"), std::string::npos);
    EXPECT_TRUE(std::regex_search(info.text, std::regex(R"(\[src/DataRecovery/Velmora:\d+\])")));

    const Logged debug = RecoverWithLog("debug", 200);
    // Both calls' per-file lines are there when asked for.
    EXPECT_GE(Count(debug.text, "RecoverDataRun offset"), 400u);
    EXPECT_GE(Count(debug.text, "VelmoraContainer::RecoverData(recoverFolder"), 400u);
}
