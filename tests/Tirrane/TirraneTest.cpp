#include "DataRecovery/VelmoraExports.h"
#include "support/TempDir.h"

#include <Tirrane/Tirrane.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

}

TEST(Tirrane, WideLineReadsBackAsUtf8)
{
    TestSupport::TempDir dir;
    ASSERT_TRUE(InitSpdLogW(L"wide.log", Wide(dir.Path().string()).c_str()));
    SpdLogW(L"src/Drive/reader", 42, 2, L"Gr\u00fc\u00dfe %ls %d", L"\u65e5\u672c\U0001F600", 5);
    SpdLogA("src/DataRecovery/Velmora", 7, 4, "narrow %s %llu", "\xc3\xa9t\xc3\xa9", 18446744073709551615ull);
    ShutdownSpdLog();

    const std::string text = ReadAll(dir.Path() / "wide.log");
    EXPECT_NE(text.find("[src/Drive/reader:42] Gr\xc3\xbc\xc3\x9f" "e \xe6\x97\xa5\xe6\x9c\xac\xf0\x9f\x98\x80 5"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("[info]"), std::string::npos);
    EXPECT_NE(text.find("[error]"), std::string::npos);
    EXPECT_NE(text.find("[src/DataRecovery/Velmora:7] narrow \xc3\xa9t\xc3\xa9 18446744073709551615"),
              std::string::npos)
        << text;
}

TEST(Tirrane, LongLinesAreNotCut)
{
    TestSupport::TempDir dir;
    ASSERT_TRUE(InitSpdLogA("long.log", dir.Path().c_str()));
    const std::string longText(10000, 'z');
    SpdLogA("src/x", 1, 2, "%s", longText.c_str());
    SpdLogW(L"src/x", 2, 2, L"%ls", std::wstring(5000, L'\u00e9').c_str());
    ShutdownSpdLog();
    const std::string text = ReadAll(dir.Path() / "long.log");
    EXPECT_NE(text.find(longText), std::string::npos);
    std::string accents;
    for (int i = 0; i < 5000; ++i)
        accents += "\xc3\xa9";
    EXPECT_NE(text.find(accents), std::string::npos);
}

TEST(Tirrane, ChannelsKeepSeparateFiles)
{
    TestSupport::TempDir dir;
    ASSERT_TRUE(InitSpdLogA("engine.log", dir.Path().c_str()));
    ASSERT_TRUE(InitSpdLogChannelA("app", "AppLog.log", dir.Path().c_str()));
    SpdLogA("src/x", 1, 2, "engine line");
    SpdLogChannelText("app", "app/main", 2, 2, "app line");
    ShutdownSpdLog();
    const std::string engine = ReadAll(dir.Path() / "engine.log");
    const std::string app = ReadAll(dir.Path() / "AppLog.log");
    EXPECT_NE(engine.find("engine line"), std::string::npos);
    EXPECT_EQ(engine.find("app line"), std::string::npos);
    EXPECT_NE(app.find("app line"), std::string::npos);
    EXPECT_EQ(app.find("engine line"), std::string::npos);
}

TEST(InitVelmoraW, SetsTheLogUpOncePerProcessFromTwoThreads)
{
    TestSupport::TempDir first;
    TestSupport::TempDir second;
    const std::wstring firstFolder = Wide((first.Path() / "log").string());
    const std::wstring secondFolder = Wide((second.Path() / "log").string());
    bool results[2] = {false, false};
    std::thread a([&] { results[0] = InitVelmoraW(firstFolder.c_str(), L"ostrel_windows_data.log"); });
    std::thread b([&] { results[1] = InitVelmoraW(secondFolder.c_str(), L"ostrel_windows_data.log"); });
    a.join();
    b.join();
    EXPECT_TRUE(results[0]);
    EXPECT_TRUE(results[1]);
    // A third call is still a success and changes nothing.
    EXPECT_TRUE(InitVelmoraW(L"/nonexistent/elsewhere", L"other.log"));

    const bool inFirst = std::filesystem::exists(first.Path() / "log" / "ostrel_windows_data.log");
    const bool inSecond = std::filesystem::exists(second.Path() / "log" / "ostrel_windows_data.log");
    EXPECT_NE(inFirst, inSecond) << "the log must be set up exactly once, in the folder given";
    ShutdownSpdLog();
}

namespace {

// Sets VELMORA_LOG_LEVEL for one scope (loggers read it when they open).
class LogLevelVariable {
public:
    explicit LogLevelVariable(const char* value)
    {
        if (const char* old = std::getenv("VELMORA_LOG_LEVEL"))
            saved = old;
        value ? setenv("VELMORA_LOG_LEVEL", value, 1) : unsetenv("VELMORA_LOG_LEVEL");
    }
    ~LogLevelVariable() { saved.empty() ? unsetenv("VELMORA_LOG_LEVEL") : setenv("VELMORA_LOG_LEVEL", saved.c_str(), 1); }

private:
    std::string saved;
};

}

TEST(Tirrane, DebugLinesOnlyWhenAskedFor)
{
    struct Case {
        const char* variable;
        bool debugKept;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"info", false}, Case{"no-such-level", false},
                          Case{"debug", true}, Case{"trace", true}}) {
        TestSupport::TempDir dir;
        {
            const LogLevelVariable level(c.variable);
            ASSERT_TRUE(InitSpdLogA("engine.log", dir.Path().c_str()));
            ASSERT_TRUE(InitSpdLogChannelA("app", "AppLog.log", dir.Path().c_str()));
        }
        SpdLogA("src/x", 1, 1, "engine per-file %d", 1);
        SpdLogA("src/x", 2, 2, "engine summary");
        SpdLogChannelText("app", "DocumentManager.cpp", 3, 1, "app per-file");
        SpdLogChannelText("app", "DocumentManager.cpp", 4, 4, "app failure");
        ShutdownSpdLog();
        const std::string engine = ReadAll(dir.Path() / "engine.log");
        const std::string app = ReadAll(dir.Path() / "AppLog.log");
        const std::string name = c.variable ? c.variable : "(unset)";
        EXPECT_EQ(engine.find("engine per-file 1") != std::string::npos, c.debugKept) << name;
        EXPECT_EQ(app.find("app per-file") != std::string::npos, c.debugKept) << name;
        EXPECT_NE(engine.find("engine summary"), std::string::npos) << name;
        EXPECT_NE(app.find("app failure"), std::string::npos) << name;
    }
}

TEST(Tirrane, FilesMoveAsideAtTheCapAndOnlyTwoOldOnesStay)
{
    TestSupport::TempDir dir;
    ASSERT_TRUE(InitSpdLogA("engine.log", dir.Path().c_str()));
    const std::string line(1000, 'x');
    for (int i = 0; i < 20000; ++i)
        SpdLogA("src/x", 1, 2, "%d %s", i, line.c_str());
    SpdLogA("src/x", 1, 2, "the last line");
    ShutdownSpdLog();
    uint64_t total = 0;
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        total += entry.file_size();
        ++files;
        EXPECT_LE(entry.file_size(), 2u * 1024 * 1024) << entry.path();
    }
    EXPECT_EQ(files, 3u);
    EXPECT_LE(total, 6u * 1024 * 1024);
    EXPECT_NE(ReadAll(dir.Path() / "engine.log").find("the last line"), std::string::npos);
}
