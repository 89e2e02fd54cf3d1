// Many small parallel walks, as the filter's passing counts make (one per
// folder of 99 entries or more) and as every search and select-all of a small
// result makes: on the walk pool, next to the same walks each starting a
// thread per core and joining them, measured in the same run.
#include "ParallelWalk.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The walk as it was: fresh threads for every walk.
template<typename Units, typename Fn>
void runOnFreshThreads(Units& units, Fn fn)
{
    std::atomic<int> cursor{0};
    const int count = int(units.size());
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int run = std::max(1, count / (cores * 16));
    auto work = [&] {
        for (int i = cursor.fetch_add(run); i < count; i = cursor.fetch_add(run)) {
            for (int end = std::min(i + run, count); i < end; ++i)
                fn(units[i]);
        }
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < std::min(cores - 1, count - 1); ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
}

template<typename Walk>
double timeWalks(int walks, int units, Walk walk)
{
    std::vector<unsigned> data(static_cast<size_t>(units));
    const auto start = Clock::now();
    for (int w = 0; w < walks; ++w)
        walk(data, [](unsigned& value) { value = value * 2654435761u + 1; });
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}

int main()
{
    std::printf("cores %u, pool workers %d\n", std::thread::hardware_concurrency(), WalkPool::shared().workerCount());
    for (int units : {128, 1024, 16384}) {
        const int walks = 5000;
        const double pool = timeWalks(walks, units, [](auto& data, auto fn) { runParallelUnits(data, fn); });
        const double fresh = timeWalks(walks, units, [](auto& data, auto fn) { runOnFreshThreads(data, fn); });
        std::printf("%5d walks of %5d units: walk pool %7.3f s   thread per core each walk %7.3f s   ratio %5.2f\n",
                    walks, units, pool, fresh, pool / fresh);
    }
    return 0;
}
