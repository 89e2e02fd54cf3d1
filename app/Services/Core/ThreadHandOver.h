#pragma once
// Our data handed from one thread to another through Qt (a queued signal, the
// thread pool, a QFuture's result): the lock that orders the two sides is
// taken inside Qt's libraries, which Debian does not build with
// ThreadSanitizer, so TSan would read the hand-over as a race. Give (on the
// giving thread, after its last write) and Take (on the taking thread, before
// its first read) with the same address tell TSan of it; outside a TSan build
// both are empty.
//
// Queued wraps a functor posted to another thread's event loop; Run is
// QtConcurrent::run for work of ours: the same global pool and QFuture,
// with the task's hand-over to its pool thread and its result's hand-over back
// to whoever waits on the future (Finished, Result) made known to TSan.

#include <QException>
#include <QFuture>
#include <QFutureInterface>
#include <QRunnable>
#include <QThreadPool>

#include <type_traits>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define OSTREL_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define OSTREL_TSAN 1
#endif
#endif

#if defined(OSTREL_TSAN)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace ThreadHandOver {

inline void Give(const void* what)
{
#if defined(OSTREL_TSAN)
    __tsan_release(const_cast<void*>(what));
#else
    (void)what;
#endif
}

inline void Take(const void* what)
{
#if defined(OSTREL_TSAN)
    __tsan_acquire(const_cast<void*>(what));
#else
    (void)what;
#endif
}

namespace Detail {

// The future's shared state, the same object for the task and every QFuture of it.
template <typename R>
const void* StateOf(const QFutureInterface<R>& promise)
{
    return &promise.resultStoreBase();
}

template <typename F, typename R>
class Task : public QRunnable {
public:
    explicit Task(F function) : function_(std::move(function)) {}

    QFutureInterface<R> promise;

    void run() override
    {
        Take(this);
        try {
            if constexpr (std::is_void_v<R>)
                function_();
            else
                promise.reportResult(function_());
        } catch (const QException& e) {
            promise.reportException(e);
        } catch (...) {
            promise.reportException(QUnhandledException());
        }
        Give(StateOf(promise));
        promise.reportFinished();
    }

private:
    F function_;
};

}

// A functor for QMetaObject::invokeMethod(..., Qt::QueuedConnection) from
// another thread: Qt moves it into its queued call (the last move is Give)
// and the receiving thread's call begins with Take, before any capture is
// read. One address per functor type, so only posts of one call site order
// each other.
template <typename F>
class Queued {
public:
    explicit Queued(F function) : function_(std::move(function)) { Give(&token); }
    Queued(Queued&& other) : function_(std::move(other.function_)) { Give(&token); }
    Queued(const Queued& other) : function_(other.function_) { Give(&token); }
    Queued& operator=(const Queued&) = delete;

    void operator()()
    {
        Take(&token);
        function_();
    }

private:
    static inline const char token = 0;
    F function_;
};

template <typename F>
auto Run(QThreadPool* pool, F function) -> QFuture<std::invoke_result_t<F&>>
{
    using R = std::invoke_result_t<F&>;
    auto* task = new Detail::Task<F, R>(std::move(function));
    task->promise.setThreadPool(pool);
    task->promise.setRunnable(task);
    task->promise.reportStarted();
    QFuture<R> future = task->promise.future();
    Give(task);
    pool->start(task);
    return future;
}

template <typename F>
auto Run(F function) -> QFuture<std::invoke_result_t<F&>>
{
    return Run(QThreadPool::globalInstance(), std::move(function));
}

// After the future has finished (waitForFinished, QFutureWatcher::finished):
// what the task wrote is now the caller's to read.
template <typename R>
void Finished(const QFuture<R>& future)
{
    Take(Detail::StateOf(future.d));
}

template <typename R>
R Result(QFuture<R> future)
{
    future.waitForFinished();
    Finished(future);
    return future.result();
}

}
