#include "Utils/SystemQueries.h"

#include "Platform/Linux/Accounts.h"
#include "Platform/Linux/OsRelease.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string.h>
#include <unistd.h>

namespace Utils {

uint32_t IsProcessElevated(pid_t process)
{
    const auto uid = process == ::getpid() ? std::optional<uid_t>(::geteuid()) : Platform::EffectiveUidOf(process);
    return uid && *uid == 0 ? 1 : 0;
}

std::string GetWindowsVersionName()
{
    return Platform::OperatingSystemName();
}

std::string GetLastErrorText()
{
    const int error = errno;
    if (error == 0)
        return {};
    char scratch[256];
    // GNU strerror_r: the text may be in scratch or a static string.
    return std::string(::strerror_r(error, scratch, sizeof scratch));
}

std::string SidToString(const uint8_t* sid, size_t length)
{
    static const std::string Failed = "Converting SID failed";
    // revision 1, sub-authority count (at most 15), 48-bit big-endian
    // authority, then the 32-bit little-endian sub-authorities.
    if (!sid || length < 8 || sid[0] != 1 || sid[1] > 15 || length < 8 + size_t(sid[1]) * 4)
        return Failed;
    uint64_t authority = 0;
    for (int i = 2; i < 8; ++i)
        authority = authority << 8 | sid[i];
    char part[32];
    if (authority < (1ULL << 32))
        std::snprintf(part, sizeof part, "%llu", static_cast<unsigned long long>(authority));
    else
        std::snprintf(part, sizeof part, "0x%012llX", static_cast<unsigned long long>(authority));
    std::string text = std::string("S-1-") + part;
    for (size_t i = 0; i < sid[1]; ++i) {
        const uint8_t* p = sid + 8 + i * 4;
        const uint32_t sub = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        text += '-' + std::to_string(sub);
    }
    return text;
}

std::string SidToAccountName(const std::string&)
{
    return {};
}

std::string GetTempDirectory()
{
    const char* tmpdir = std::getenv("TMPDIR");
    std::string path = tmpdir && *tmpdir ? tmpdir : "/tmp";
    if (path.back() != '/')
        path += '/';
    return path;
}

std::string GetCurrentUserName()
{
    return Platform::UserNameOf(::geteuid());
}

}
