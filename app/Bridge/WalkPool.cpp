#include "WalkPool.h"

#include <algorithm>

WalkPool::WalkPool(int workers)
{
    threads_.reserve(size_t(std::max(workers, 0)));
    try {
        for (int i = 0; i < workers; ++i)
            threads_.emplace_back([this] { workerLoop(); });
    } catch (...) {
        stopAndJoin();
        throw;
    }
}

WalkPool::~WalkPool()
{
    stopAndJoin();
}

void WalkPool::stopAndJoin()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
        if (thread.joinable())
            thread.join();
    }
}

WalkPool& WalkPool::shared()
{
    static WalkPool* const pool = new WalkPool(int(std::max(1u, std::thread::hardware_concurrency())) - 1);
    return *pool;
}

void WalkPool::run(int helpers, const std::function<void()>& work)
{
    helpers = std::min(helpers, workerCount());
    if (helpers <= 0) {
        work();
        return;
    }
    Job job{&work, helpers};
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(&job);
    }
    wake_.notify_all();
    try {
        work();
    } catch (...) {
        finish(job);
        throw;
    }
    finish(job);
}

void WalkPool::finish(Job& job)
{
    std::unique_lock lock(mutex_);
    const auto queued = std::find(jobs_.begin(), jobs_.end(), &job);
    if (queued != jobs_.end())
        jobs_.erase(queued);
    done_.wait(lock, [&] { return job.running == 0; });
}

void WalkPool::workerLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (stop_)
            return;
        Job* job = jobs_.front();
        ++job->joined;
        ++job->running;
        if (job->joined == job->wanted)
            jobs_.pop_front();
        lock.unlock();
        (*job->work)();
        lock.lock();
        if (--job->running == 0)
            done_.notify_all();
    }
}
