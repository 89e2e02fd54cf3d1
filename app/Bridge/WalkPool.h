#pragma once
// The helper threads of the model's parallel walks (search, filter, check
// states, sort), started once and reused: a walk over a few hundred records
// must not pay for starting a thread per core.
//
// Hand-overs go through std::mutex and std::condition_variable, which
// ThreadSanitizer sees: a job is published under the pool's lock before any
// helper reads it, and a caller returns only after taking the lock each
// helper released when its share was done.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WalkPool {
public:
    // Starts workers threads (none: every walk runs on its caller alone).
    explicit WalkPool(int workers);
    // Stops and joins the workers; no walk may still be running.
    ~WalkPool();

    WalkPool(const WalkPool&) = delete;
    WalkPool& operator=(const WalkPool&) = delete;

    // The process's pool: one worker less than the machine has cores, started
    // on first use and kept to the end of the process (never destroyed, so a
    // walk still running while the program exits keeps its helpers).
    static WalkPool& shared();

    int workerCount() const { return int(threads_.size()); }

    // Runs work on the calling thread and on up to helpers idle workers at
    // once, and returns when every copy started has returned. Workers busy
    // with another walk are not waited for: the caller's own copy does the
    // whole of the work if it must, so walks from several threads, or a walk
    // inside a walk, cannot block one another.
    void run(int helpers, const std::function<void()>& work);

private:
    struct Job {
        const std::function<void()>* work;
        int wanted;
        int joined = 0;
        int running = 0;
    };

    void workerLoop();
    void stopAndJoin();
    // Takes the job off the queue, so no more helpers join, and waits for those that did.
    void finish(Job& job);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<Job*> jobs_;
    bool stop_ = false;
    std::vector<std::thread> threads_;
};
