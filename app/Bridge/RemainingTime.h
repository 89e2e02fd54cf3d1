#pragma once
#include <QString>

// "%1:%2:%3" of hours, minutes and seconds, each at least two digits.
QString remainingTimeText(qint64 seconds);

// Remaining time of a scan at percent p after elapsedMs; queued events and found
// files feed the estimate at 99 % or more; at least one second while work
// remains. Empty when there is no estimate (the caller then repeats its last text).
QString estimateRemainingTime(double percent, qint64 elapsedMs, qint64 queuedEvents, quint64 filesFound);
