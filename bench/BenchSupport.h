#pragma once
// Small helpers the benchmarks share: a clock, a shell command, the process's read bytes,
// and their positional arguments.
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
