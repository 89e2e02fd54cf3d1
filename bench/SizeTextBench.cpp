// Size texts while a file list repaints: the same rows' sizes formatted again
// and again, through the cache and without it, in the same run.
// usage: ostrel-bench-size-text [rows] [repaints]
#include "SizeText.h"
#include "BenchSupport.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

template <typename Format>
double nanosecondsPerCall(const std::vector<uint64_t>& sizes, int repaints, Format format, size_t& checksum)
{
    const auto start = std::chrono::steady_clock::now();
    for (int pass = 0; pass < repaints; ++pass)
        for (uint64_t bytes : sizes)
            checksum += static_cast<size_t>(format(bytes).size());
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / (static_cast<double>(sizes.size()) * repaints);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchSupport::Arguments arguments(argc, argv, "ostrel-bench-size-text [rows [repaints]]");
    const int rows = static_cast<int>(arguments.Count(1, 5000));
    const int repaints = static_cast<int>(arguments.Count(2, 200));
    std::mt19937_64 random(42);
    std::lognormal_distribution<double> fileSizes(13.0, 3.0);  // a few KB to a few GB, like photos and videos
    std::vector<uint64_t> sizes;
    for (int i = 0; i < rows; ++i)
        sizes.push_back(static_cast<uint64_t>(fileSizes(random)) + 1);

    size_t checksum = 0;
    clearFileSizeTextCache();
    const double cached =
        nanosecondsPerCall(sizes, repaints, [](uint64_t b) { return formatFileSizeCached(b, 2, false); }, checksum);
    const double plain =
        nanosecondsPerCall(sizes, repaints, [](uint64_t b) { return formatFileSize(b, 2, false); }, checksum);
    std::printf("size text, %d rows x %d repaints: cached %.1f ns/call, uncached %.1f ns/call (%.2fx)  [%zu]\n",
                rows, repaints, cached, plain, plain / cached, checksum);
    return 0;
}
