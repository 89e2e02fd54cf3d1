#pragma once

#include <QObject>

#include <functional>

// Runs call on the thread of context's event loop and waits until it has run.
// No time bound: a caller that goes on too early races the work it waited for.
// giveUp is asked every 100 ms; it ends the wait (a stop, the application
// closing) where the other thread may never get to the call. On context's own
// thread the call runs at once. Returns whether the call ran.
bool CallAndWait(QObject* context, std::function<void()> call, const std::function<bool()>& giveUp);
