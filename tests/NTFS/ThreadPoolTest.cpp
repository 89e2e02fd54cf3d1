#include "Utils/ThreadPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <stdexcept>
#include <vector>

TEST(ThreadPool, RunsEveryTaskWithAtMostItsWorkersAtOnce)
{
    for (size_t workers : {0u, 1u, 3u}) {
        SCOPED_TRACE(workers);
        std::atomic<int> running{0}, most{0}, done{0};
        std::vector<std::future<int>> futures;
        {
            Thread::ThreadPool pool(workers);
            EXPECT_EQ(pool.WorkerCount(), std::max<size_t>(workers, 1)) << "0 requested still runs tasks";
            for (int i = 0; i < 20; ++i)
                futures.push_back(pool.enqueue(
                    [&](int value) {
                        const int now = ++running;
                        int seen = most.load();
                        while (now > seen && !most.compare_exchange_weak(seen, now)) {
                        }
                        std::this_thread::sleep_for(std::chrono::milliseconds(2));
                        --running;
                        ++done;
                        return value * 2;
                    },
                    i));
        } // the destructor waits for the queued tasks
        EXPECT_EQ(done.load(), 20);
        EXPECT_LE(most.load(), static_cast<int>(std::max<size_t>(workers, 1)));
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(futures[i].get(), i * 2);
    }
}

TEST(ThreadPool, AThrowingTaskLeavesItsWorkerAlive)
{
    Thread::ThreadPool pool(1);
    auto bad = pool.enqueue([] { throw std::runtime_error("bad record"); });
    auto good = pool.enqueue([] { return 5; });
    EXPECT_THROW(bad.get(), std::runtime_error);
    EXPECT_EQ(good.get(), 5);
}

TEST(ThreadPool, ClearedTasksReportABrokenPromise)
{
    Thread::ThreadPool pool(1);
    std::promise<void> gate, started;
    auto blocker = pool.enqueue([&] {
        started.set_value();
        gate.get_future().wait();
    });
    started.get_future().wait();
    auto dropped = pool.enqueue([] { return 1; });
    pool.ClearQueue();
    gate.set_value();
    blocker.get();
    EXPECT_THROW(dropped.get(), std::future_error);
    EXPECT_GE(Thread::ThreadPool::DefaultWorkerCount(), 1u);
    EXPECT_LE(Thread::ThreadPool::DefaultWorkerCount(), Thread::ThreadPool::maxWorkers);
}

TEST(ThreadPool, UrgentTasksRunBeforeQueuedOnesInTheirOwnOrder)
{
    Thread::ThreadPool pool(1);
    std::promise<void> gate;
    auto opened = gate.get_future().share();
    auto blocker = pool.enqueue([opened] { opened.wait(); });
    std::vector<char> order;
    std::mutex mutex;
    auto note = [&](char c) {
        std::lock_guard lock(mutex);
        order.push_back(c);
    };
    auto a = pool.enqueue(note, 'a');
    auto b = pool.enqueueUrgent(note, 'b');
    auto c = pool.enqueue(note, 'c');
    auto d = pool.enqueueUrgent(note, 'd');
    gate.set_value();
    for (auto* f : {&blocker, &a, &b, &c, &d})
        f->get();
    EXPECT_EQ(order, (std::vector<char>{'b', 'd', 'a', 'c'}));
}
