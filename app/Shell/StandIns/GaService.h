#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// Analytics: one event, sent without waiting. This stand-in only logs it.
void sendGaEvent(const QString& category, const QString& action, const QString& label = QString(),
                 const QVariant& value = QVariant(), const QVariantMap& extra = QVariantMap());
// Waits up to ms for queued events to be sent.
void waitForGaEvents(int ms);
