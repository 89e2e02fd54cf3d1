#pragma once
// A fixed set of worker threads running queued tasks in queue order, urgent
// tasks before the others.
#include "DataRecovery/Exceptions.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <type_traits>
#include <vector>

namespace Thread {

class ThreadPool {
public:
    static constexpr size_t maxWorkers = 64;

    // hardware_concurrency() - 1, at least one, at most maxWorkers.
    static size_t DefaultWorkerCount();

    // Starts workers threads (at least one, at most maxWorkers). A thread that
    // fails to start stops and joins those already started, then the error leaves.
    explicit ThreadPool(size_t workers);
    ~ThreadPool();

    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    template <typename F, typename... Args>
    auto enqueue(F&& f, Args&&... args) -> std::future<std::invoke_result_t<F, Args...>>
    {
        return Push(false, std::forward<F>(f), std::forward<Args>(args)...);
    }

    // Runs before every task queued with enqueue that has not started.
    template <typename F, typename... Args>
    auto enqueueUrgent(F&& f, Args&&... args) -> std::future<std::invoke_result_t<F, Args...>>
    {
        return Push(true, std::forward<F>(f), std::forward<Args>(args)...);
    }

    // Drops every queued task without running it; their futures report a broken promise.
    void ClearQueue();
    size_t WorkerCount() const { return workers.size(); }

private:
    template <typename F, typename... Args>
    auto Push(bool urgent, F&& f, Args&&... args) -> std::future<std::invoke_result_t<F, Args...>>
    {
        using Result = std::invoke_result_t<F, Args...>;
        auto task = std::make_shared<std::packaged_task<Result()>>(
            std::bind(std::forward<F>(f), std::forward<Args>(args)...));
        auto future = task->get_future();
        {
            std::lock_guard<std::mutex> lock(queueMutex);
            if (stop)
                throw Exceptions::ThreadException("enqueue on stopped ThreadPool.");
            (urgent ? urgentTasks : tasks).emplace([task] { (*task)(); });
        }
        condition.notify_one();
        return future;
    }

    void WorkerLoop();
    void StopAndJoin();

    std::vector<std::thread> workers;
    std::queue<std::function<void()>> tasks;
    std::queue<std::function<void()>> urgentTasks;
    std::mutex queueMutex;
    std::condition_variable condition;
    bool stop = false;
};

}
