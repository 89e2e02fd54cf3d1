#include "AppManager.h"

#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "LanguageSettings.h"
#include "spdlog_qt.h"

#include <QApplication>
#include <mutex>

std::shared_ptr<AppManager> AppManager::instance()
{
    static std::once_flag once;
    static std::shared_ptr<AppManager> manager;
    std::call_once(once, [] { manager.reset(new AppManager); });
    return manager;
}

void AppManager::initApplication()
{
    QCoreApplication::setOrganizationName("pelvane");
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(currentVersion());
    LanguageSettings::instance().setLanguage(LanguageSettings::instance().language());
    QFont font = QApplication::font();
    font.setFamily(fontFamily);
    font.setPointSize(fontPointSize);
    QApplication::setFont(font);
    startAppLog(CuteSettings::logDirectory());
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
}

void AppManager::registerWidget(int key, QWidget* widget)
{
    widgets_.insert(key, widget);
}

QWidget* AppManager::registeredWidget(int key) const
{
    return widgets_.value(key);
}

void AppManager::postEvent(QObject* receiver, QEvent* event, int priority)
{
    if (!receiver) {
        delete event;
        return;
    }
    QCoreApplication::postEvent(receiver, event, priority);
}

QString AppManager::imagePath(const QString& name, int flag) const
{
    return flag != 0 ? QString() : QString(":/images/%1").arg(name);
}

QString AppManager::website() const
{
    return QString::fromUtf8(qgetenv("OSTREL_WEBSITE"));
}

void AppManager::applyFont()
{
    QFont font = QApplication::font();
    font.setFamily(fontFamily);
    font.setPointSize(fontPointSize);
    QApplication::setFont(font);
    XApplication* app = XApplication::instance();
    if (!app || !app->mainWidget())
        return;
    for (QWidget* widget : app->mainWidget()->findChildren<QWidget*>()) {
        QFont own = widget->font();
        own.setFamily(fontFamily);
        widget->setFont(own);
    }
}
