#include "Platform/Linux/Accounts.h"

#include <cerrno>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace Platform {

std::string UserNameOf(uid_t uid)
{
    long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> scratch(suggested > 0 ? static_cast<size_t>(suggested) : 1024);
    for (;;) {
        struct passwd entry {};
        struct passwd* found = nullptr;
        const int error = ::getpwuid_r(uid, &entry, scratch.data(), scratch.size(), &found);
        if (error == ERANGE && scratch.size() < (1u << 20)) {
            scratch.resize(scratch.size() * 2);
            continue;
        }
        return error == 0 && found && found->pw_name ? std::string(found->pw_name) : std::string();
    }
}

std::optional<uid_t> EffectiveUidOf(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Uid:", 0) != 0)
            continue;
        // "Uid:" real, effective, saved, file-system
        std::istringstream ids(line.substr(4));
        unsigned long real = 0, effective = 0;
        if (ids >> real >> effective)
            return static_cast<uid_t>(effective);
        return std::nullopt;
    }
    return std::nullopt;
}

}
