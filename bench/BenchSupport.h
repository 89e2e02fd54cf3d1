#pragma once
// Small helpers the benchmarks share: a clock, a shell command, a timed child,
// the process's read bytes, and their positional arguments.
//
// Ours and the peer are timed alike: each round runs both as processes (ours
// in a forked child that does everything the peer's process does), with the
// target removed and the disks flushed (sync) before each, alternating, and
// the best round of each is kept.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace BenchSupport {

inline double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

inline bool Run(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

// One timed run: its wall-clock seconds and whether it ended with exit status 0.
struct Timed {
    double seconds = 0;
    bool ok = false;
};

// A shell command timed from its start to its end, process start included.
inline Timed TimeCommand(const std::string& command)
{
    const auto started = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    return {Seconds(started), status == 0};
}

// body run in a forked child, timed from the fork to the child's end, as a
// peer's process is. The caller must not have started threads yet.
inline Timed TimeChild(const std::function<int()>& body)
{
    std::fflush(nullptr);
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int code = body();
        std::fflush(nullptr);
        ::_exit(code);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return {Seconds(started), false};
    return {Seconds(started), WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// Best of rounds: each round runs every contestant once, in turn, after a sync.
struct Best {
    double seconds = 1e300;
    bool ok = true;
    void Add(const Timed& run)
    {
        seconds = std::min(seconds, run.seconds);
        ok = ok && run.ok;
    }
};

inline void Flush()
{
    Run("sync");
}

// Bytes the process has read through read calls ("rchar" of /proc/self/io).
inline uint64_t ReadCalls()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

// Positional arguments only: one that looks like an option ("--help") or a count that is
// not a whole number prints the usage line and ends the run, instead of becoming a folder
// named "--help" or a count of zero.
class Arguments {
public:
    Arguments(int argc, char** argv, const char* usage) : argc_(argc), argv_(argv), usage_(usage)
    {
        for (int i = 1; i < argc; ++i)
            if (argv[i][0] == '-' || argv[i][0] == '\0')
                Usage();
    }

    bool Has(int index) const { return index < argc_; }

    std::string Text(int index, const std::string& fallback) const
    {
        return Has(index) ? std::string(argv_[index]) : fallback;
    }

    uint64_t Count(int index, uint64_t fallback) const
    {
        if (!Has(index))
            return fallback;
        const std::string_view text(argv_[index]);
        uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size())
            Usage();
        return value;
    }

private:
    [[noreturn]] void Usage() const
    {
        std::fprintf(stderr, "usage: %s\n", usage_);
        std::exit(2);
    }

    int argc_;
    char** argv_;
    const char* usage_;
};

}
