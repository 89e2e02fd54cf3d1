#include "support/OtherUser.h"

#include "support/Tools.h"

#include <cstdlib>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace TestSupport {

bool ReachableByOthers(const fs::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !(info.st_mode & S_IROTH))
        return false;
    for (fs::path folder = fs::absolute(path).parent_path(); !folder.empty(); folder = folder.parent_path()) {
        if (::stat(folder.c_str(), &info) != 0 || !(info.st_mode & S_IXOTH))
            return false;
        if (folder == folder.root_path())
            break;
    }
    return true;
}

namespace {

// A folder everyone may enter: the temporary folder when it is one, else /tmp.
fs::path MakeSharedFolder()
{
    std::error_code ignored;
    fs::path base = fs::temp_directory_path(ignored);
    if (base.empty() || !ReachableByOthers(base))
        base = "/tmp";
    std::string pattern = (base / "velmora-other-user-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return {};
    ::chmod(pattern.c_str(), 0755);
    return pattern;
}

// The libraries the dynamic loader resolves for program, as ldd lists them.
std::vector<fs::path> LoadedLibraries(const fs::path& program)
{
    std::string output;
    RunCommand("ldd " + Quote(program.string()) + " 2>/dev/null", &output);
    std::vector<fs::path> libraries;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t arrow = line.find("=> /");
        if (arrow == std::string::npos)
            continue;
        const size_t start = arrow + 3;
        libraries.emplace_back(line.substr(start, line.find(" (", start) - start));
    }
    return libraries;
}

}

OtherUserFolder::OtherUserFolder(const std::string& user) : shared(MakeSharedFolder())
{
    const passwd* account = ::getpwnam(user.c_str());
    if (shared.empty() || !account) {
        error = shared.empty() ? "cannot make a folder other users can read" : "no user " + user;
        return;
    }
    path = shared / "home";
    std::error_code failure;
    fs::create_directory(path, failure);
    if (failure || ::chown(path.c_str(), account->pw_uid, account->pw_gid) != 0 || ::chmod(path.c_str(), 0700) != 0)
        error = "cannot hand " + path.string() + " to " + user;
}

OtherUserFolder::~OtherUserFolder()
{
    std::error_code ignored;
    if (!shared.empty())
        fs::remove_all(shared, ignored);
}

OtherUserProgram::OtherUserProgram(const fs::path& programPath) : program(programPath)
{
    for (const auto& library : LoadedLibraries(program))
        if (!ReachableByOthers(library))
            CopyIn(library, false);
    if (!ReachableByOthers(program))
        program = CopyIn(program, true);
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "TSAN_OPTIONS", "UBSAN_OPTIONS"})
        if (std::getenv(name))
            sanitizerSettings.push_back(std::string(name) + "=" + SanitizerOptions(name));
}

OtherUserProgram::~OtherUserProgram()
{
    std::error_code ignored;
    if (!copies.empty())
        fs::remove_all(copies, ignored);
}

fs::path OtherUserProgram::CopyIn(const fs::path& file, bool executable)
{
    if (copies.empty())
        copies = MakeSharedFolder();
    if (copies.empty()) {
        error = "cannot make a folder other users can read";
        return file;
    }
    const fs::path target = copies / file.filename();
    std::error_code failure;
    fs::copy_file(file, target, fs::copy_options::overwrite_existing, failure);
    if (failure)
        error = "cannot copy " + file.string() + ": " + failure.message();
    ::chmod(target.c_str(), executable ? 0755 : 0644);
    return target;
}

// The sanitizer's options with each suppression file the other user could not read replaced by a copy.
std::string OtherUserProgram::SanitizerOptions(const char* name)
{
    std::string options = std::getenv(name);
    const size_t at = options.find("suppressions=");
    if (at == std::string::npos)
        return options;
    const size_t start = at + 13;
    const size_t end = options.find(':', start);
    const fs::path file = options.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (ReachableByOthers(file))
        return options;
    const fs::path copy = CopyIn(file, false);
    return options.replace(start, file.string().size(), copy.string());
}

std::string OtherUserProgram::Command(const std::string& user, const std::vector<std::string>& arguments,
                                      const std::vector<std::string>& environment) const
{
    std::string command = "runuser -u " + Quote(user) + " -- env";
    for (const auto& setting : sanitizerSettings)
        command += " " + Quote(setting);
    if (!copies.empty())
        command += " " + Quote("LD_LIBRARY_PATH=" + copies.string());
    for (const auto& setting : environment)
        command += " " + Quote(setting);
    command += " " + Quote(program.string());
    for (const auto& argument : arguments)
        command += " " + Quote(argument);
    return command;
}

}
