#pragma once
// Running a program of the build as another user (runuser), as a normal user
// starts the program. A build inside a folder other users cannot enter (a
// checkout under /root) cannot be run from there: the program, the libraries
// it loads from places they cannot reach and the sanitizers' suppression files
// are then copied into a folder everyone may read.
#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

// Whether a user without any group of the file's could read (and, for a
// program, run) path: every folder above it enterable by all.
bool ReachableByOthers(const std::filesystem::path& path);

// A folder the user owns (mode 0700) inside one every user may enter: that
// user's HOME and runtime folder. Removed with its contents.
class OtherUserFolder {
public:
    explicit OtherUserFolder(const std::string& user);
    ~OtherUserFolder();
    OtherUserFolder(const OtherUserFolder&) = delete;
    OtherUserFolder& operator=(const OtherUserFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    // Empty, or why the folder could not be made (a test failure).
    const std::string& Error() const { return error; }

private:
    std::filesystem::path shared;
    std::filesystem::path path;
    std::string error;
};

class OtherUserProgram {
public:
    explicit OtherUserProgram(const std::filesystem::path& program);
    ~OtherUserProgram();
    OtherUserProgram(const OtherUserProgram&) = delete;
    OtherUserProgram& operator=(const OtherUserProgram&) = delete;

    // The shell command that runs the program as user with the (quoted)
    // arguments, in an environment of the variables given ("NAME=value") and
    // what it needs to find its copies.
    std::string Command(const std::string& user, const std::vector<std::string>& arguments,
                        const std::vector<std::string>& environment) const;
    // Empty, or why the program cannot be made reachable (a test failure).
    const std::string& Error() const { return error; }
    // The program the command runs: the build's own, or its copy where other
    // users cannot reach that.
    const std::filesystem::path& Program() const { return program; }

private:
    std::filesystem::path CopyIn(const std::filesystem::path& file, bool executable);
    std::string SanitizerOptions(const char* name);

    std::filesystem::path program;
    std::filesystem::path copies;
    std::vector<std::string> sanitizerSettings;
    std::string error;
};

}
