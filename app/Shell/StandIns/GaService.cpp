#include "GaService.h"

#include "spdlog_qt.h"

void sendGaEvent(const QString& category, const QString& action, const QString& label,
                 const QVariant&, const QVariantMap&)
{
    logInfo(QString("[GA] %1/%2%3").arg(category, action, label.isEmpty() ? QString() : "/" + label));
}

void waitForGaEvents(int) {}
