#pragma once
// Small helpers the benchmarks share: a clock, a shell command, the process's read bytes.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

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

}
