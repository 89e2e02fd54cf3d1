#include "MainWindow/TaskbarProgress.h"

#include "spdlog_qt.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

TaskbarProgress::TaskbarProgress(QObject* parent)
    : QObject(parent)
{
}

TaskbarProgress* TaskbarProgress::create(QObject* parent)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return nullptr;
    return new TaskbarProgress(parent);
}

void TaskbarProgress::setProgress(int state, int value, int maximum)
{
    QVariantMap properties;
    const double share = maximum > 0 ? std::clamp(double(value) / maximum, 0.0, 1.0) : 0.0;
    switch (state) {
    case 0:
        properties = {{"progress-visible", false}, {"urgent", false}};
        break;
    case 1:
        lastProgress_ = share;
        properties = {{"progress", share}};
        break;
    case 3:
        lastProgress_ = share;
        properties = {{"progress", share}, {"progress-visible", true}, {"urgent", false}};
        break;
    case 4:
        properties = {{"urgent", true}};
        break;
    case 2:
    case 5:
    case 6:
        properties = {{"progress", lastProgress_}, {"progress-visible", true}};
        break;
    default:
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal("/com/pelvane/OstrelWindowsData",
                                                     "com.canonical.Unity.LauncherEntry", "Update");
    signal << QString(AppUri) << properties;
    if (!QDBusConnection::sessionBus().send(signal))
        logError(QString("TaskbarProgress: SetProgress failed with state=%1, HRESULT=0x%2")
                     .arg(state)
                     .arg(0x80004005u, 8, 16, QChar('0')));
}
