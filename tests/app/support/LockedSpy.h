#pragma once
// QSignalSpy for a signal emitted on another thread. QSignalSpy appends in the
// emitting thread with no lock while the test reads its list, a race; this spy
// records each call's arguments under a mutex and hands out copies.
#include <QList>
#include <QObject>
#include <QVariant>

#include <memory>
#include <mutex>

class LockedSpy {
public:
    template <typename Sender, typename Signal>
    LockedSpy(const Sender* sender, Signal signal) : state_(std::make_shared<State>())
    {
        // The connection holds the state too: a call still running on the
        // emitting thread when this spy goes keeps it alive.
        connection_ = QObject::connect(sender, signal, [state = state_](const auto&... arguments) {
            const QVariantList call{QVariant::fromValue(arguments)...};
            std::lock_guard lock(state->mutex);
            state->calls.append(call);
        });
    }
    ~LockedSpy()
    {
        QObject::disconnect(connection_);
        // Emptied under the lock, after the emitting thread's last append.
        std::lock_guard lock(state_->mutex);
        state_->calls.clear();
    }
    LockedSpy(const LockedSpy&) = delete;
    LockedSpy& operator=(const LockedSpy&) = delete;

    int count() const
    {
        std::lock_guard lock(state_->mutex);
        return state_->calls.size();
    }
    bool isEmpty() const { return count() == 0; }
    QVariantList at(int index) const
    {
        std::lock_guard lock(state_->mutex);
        return state_->calls.value(index);
    }

private:
    struct State {
        std::mutex mutex;
        QList<QVariantList> calls;
    };
    std::shared_ptr<State> state_;
    QMetaObject::Connection connection_;
};
