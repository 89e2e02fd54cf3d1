#include "CallAndWait.h"

#include "ThreadHandOver.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

#include <memory>

bool CallAndWait(QObject* context, std::function<void()> call, const std::function<bool()>& giveUp)
{
    if (QThread::currentThread() == context->thread()) {
        call();
        return true;
    }
    // Shared: a call run after the waiter gave up still has its semaphore.
    auto ran = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(context, ThreadHandOver::Queued([call = std::move(call), ran] {
        call();
        ThreadHandOver::Give(ran.get());
        ran->release();
    }), Qt::QueuedConnection);
    while (!ran->tryAcquire(1, 100)) {
        if (QCoreApplication::closingDown() || (giveUp && giveUp()))
            return false;
    }
    ThreadHandOver::Take(ran.get());
    return true;
}
