#include "DeepScan/WorkerSet.h"

#include <algorithm>

namespace DeepScan {

WorkerSet::WorkerSet(size_t count)
{
    try {
        for (size_t i = 0; i < std::max<size_t>(count, 1); ++i)
            threads.emplace_back([this] { Loop(); });
    } catch (...) {
        StopAndJoin();
        throw;
    }
}

WorkerSet::~WorkerSet()
{
    StopAndJoin();
}

void WorkerSet::StopAndJoin()
{
    std::deque<std::function<void()>> dropped, droppedLater;
    {
        std::lock_guard lock(mutex);
        stopping = true;
        std::swap(dropped, urgentTasks);
        std::swap(droppedLater, laterTasks);
    }
    wake.notify_all();
    for (auto& thread : threads)
        if (thread.joinable())
            thread.join();
}

void WorkerSet::Loop()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || !urgentTasks.empty() || !laterTasks.empty(); });
            if (stopping)
                return;
            auto& queue = urgentTasks.empty() ? laterTasks : urgentTasks;
            task = std::move(queue.front());
            queue.pop_front();
        }
        task();
    }
}

}
