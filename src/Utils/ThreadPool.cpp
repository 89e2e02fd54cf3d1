#include "Utils/ThreadPool.h"

#include <algorithm>

namespace Thread {

size_t ThreadPool::DefaultWorkerCount()
{
    const unsigned hardware = std::thread::hardware_concurrency();
    return std::clamp<size_t>(hardware > 1 ? hardware - 1 : 1, 1, maxWorkers);
}

ThreadPool::ThreadPool(size_t count)
{
    count = std::clamp<size_t>(count, 1, maxWorkers);
    try {
        for (size_t i = 0; i < count; ++i)
            workers.emplace_back([this] { WorkerLoop(); });
    } catch (...) {
        StopAndJoin();
        throw;
    }
}

ThreadPool::~ThreadPool()
{
    StopAndJoin();
}

void ThreadPool::StopAndJoin()
{
    {
        std::lock_guard<std::mutex> lock(queueMutex);
        stop = true;
    }
    condition.notify_all();
    for (auto& worker : workers)
        if (worker.joinable())
            worker.join();
}

void ThreadPool::ClearQueue()
{
    std::queue<std::function<void()>> dropped, droppedUrgent;
    {
        std::lock_guard<std::mutex> lock(queueMutex);
        std::swap(dropped, tasks);
        std::swap(droppedUrgent, urgentTasks);
    }
}

void ThreadPool::WorkerLoop()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(queueMutex);
            condition.wait(lock, [this] { return stop || !tasks.empty() || !urgentTasks.empty(); });
            if (stop && tasks.empty() && urgentTasks.empty())
                return;
            auto& queue = urgentTasks.empty() ? tasks : urgentTasks;
            task = std::move(queue.front());
            queue.pop();
        }
        task();
    }
}

}
