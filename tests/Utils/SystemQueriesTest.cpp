#include "Utils/SystemQueries.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <unistd.h>
#include <vector>

using namespace Utils;

namespace {

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

class Environment {
public:
    Environment(const char* name, const char* value) : name(name)
    {
        if (const char* old = std::getenv(name))
            saved = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Environment()
    {
        if (saved)
            ::setenv(name, saved->c_str(), 1);
        else
            ::unsetenv(name);
    }

private:
    const char* name;
    std::optional<std::string> saved;
};

}

TEST(SystemQueries, ElevationIsTheEffectiveUser)
{
    REQUIRE_TOOL("stat");
    EXPECT_EQ(IsProcessElevated(::getpid()), ::geteuid() == 0 ? 1u : 0u);
    // /proc/<pid> belongs to the process's effective user.
    const std::string initUser = Trimmed(TestSupport::RunOrFail("stat -c %u /proc/1"));
    EXPECT_EQ(IsProcessElevated(1), std::stoul(initUser) == 0 ? 1u : 0u);
    EXPECT_EQ(IsProcessElevated(-5), 0u);
    EXPECT_EQ(IsProcessElevated(0x7FFFFFFF), 0u); // beyond any pid
}

TEST(SystemQueries, OperatingSystemNameAgreesWithTheShell)
{
    const std::string fromShell = Trimmed(TestSupport::RunOrFail(
        "if [ -r /etc/os-release ]; then . /etc/os-release; elif [ -r /usr/lib/os-release ]; then "
        ". /usr/lib/os-release; fi; printf '%s' \"${PRETTY_NAME:-${NAME:-Linux}}\""));
    EXPECT_EQ(GetWindowsVersionName(), fromShell);
}

TEST(SystemQueries, LastErrorText)
{
    errno = 0;
    EXPECT_EQ(GetLastErrorText(), "");
    errno = ENOENT;
    EXPECT_EQ(GetLastErrorText(), "No such file or directory");
    errno = EACCES;
    EXPECT_EQ(GetLastErrorText(), "Permission denied");
}

TEST(SystemQueries, SidText)
{
    struct Case {
        std::vector<uint8_t> sid;
        std::string text;
    };
    const Case cases[] = {
        {{1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}, "S-1-5-18"},
        {{1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 0x02, 0, 0}, "S-1-5-32-544"},
        {{1, 5, 0, 0, 0, 0, 0, 5, 21, 0, 0, 0, 0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0xE9, 3, 0, 0},
         "S-1-5-21-305419896-4294967295-1-1001"},
        {{1, 0, 0, 0, 0, 0, 0, 1}, "S-1-1"},
        {{1, 1, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 1, 0, 0, 0}, "S-1-0x123456789ABC-1"},
        {{1, 2, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}, "Converting SID failed"}, // says 2, holds 1
        {{2, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}, "Converting SID failed"}, // revision 2
        {{1, 16, 0, 0, 0, 0, 0, 5}, "Converting SID failed"},             // too many parts
        {{1, 0, 0}, "Converting SID failed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SidToString(c.sid.data(), c.sid.size()), c.text);
    EXPECT_EQ(SidToString(nullptr, 12), "Converting SID failed");
    EXPECT_EQ(SidToAccountName("S-1-5-18"), "");
}

TEST(SystemQueries, TempDirectory)
{
    {
        Environment tmpdir("TMPDIR", "/var/tmp/velmora");
        EXPECT_EQ(GetTempDirectory(), "/var/tmp/velmora/");
    }
    {
        Environment tmpdir("TMPDIR", "/scratch/");
        EXPECT_EQ(GetTempDirectory(), "/scratch/");
    }
    {
        Environment tmpdir("TMPDIR", "");
        EXPECT_EQ(GetTempDirectory(), "/tmp/");
    }
    {
        Environment tmpdir("TMPDIR", nullptr);
        EXPECT_EQ(GetTempDirectory(), "/tmp/");
    }
}

TEST(SystemQueries, CurrentUserNameAgreesWithId)
{
    REQUIRE_TOOL("id");
    EXPECT_EQ(GetCurrentUserName(), Trimmed(TestSupport::RunOrFail("id -un")));
}
