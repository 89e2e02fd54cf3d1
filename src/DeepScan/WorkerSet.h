#pragma once
// The worker threads of one raw pass. Urgent tasks (looking at chunks the
// scan thread is about to need) run before the others (carving).
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace DeepScan {

class WorkerSet {
public:
    // Starts count threads (at least one); a thread that fails to start stops
    // and joins those already started, then the error leaves.
    explicit WorkerSet(size_t count);
    // Drops the tasks not yet started (their futures report a broken promise)
    // and waits for the running ones.
    ~WorkerSet();

    WorkerSet(const WorkerSet&) = delete;
    WorkerSet& operator=(const WorkerSet&) = delete;

    template <typename F>
    auto Submit(F&& task, bool urgent) -> std::future<std::invoke_result_t<F>>
    {
        auto packaged = std::make_shared<std::packaged_task<std::invoke_result_t<F>()>>(std::forward<F>(task));
        auto future = packaged->get_future();
        {
            std::lock_guard lock(mutex);
            (urgent ? urgentTasks : laterTasks).emplace_back([packaged] { (*packaged)(); });
        }
        wake.notify_one();
        return future;
    }

    size_t Count() const { return threads.size(); }

private:
    void Loop();
    void StopAndJoin();

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> urgentTasks;
    std::deque<std::function<void()>> laterTasks;
    bool stopping = false;
    std::vector<std::thread> threads;
};

}
