#include "AppManager.h"

#include "AppEvent.h"
#include "BugSplatProxy.h"
#include "CuteSettings.h"
#include "Endpoints.h"
#include "LanguageSettings.h"
#include "NameTable.h"
#include "ImageResources.h"
#include "VersionCompare.h"
#include "spdlog_qt.h"

#include <QApplication>
#include <QDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QWidget>

#include <mutex>

namespace {

constexpr qint64 UpdateDocumentLimit = 1 << 20;  // an update document is a few hundred bytes

const char* const Palette[8] = {"#0F172A", "#64748B", "#2563EB", "#2563EB",
                                "#DBEAFE", "#EFF6FF", "#F8FAFC", "#F1F5F9"};

}

const FontRecord& fontRecordFor(int code)
{
    if (code == LanguageSettings::LanguageChineseSimplified || code == LanguageSettings::LanguageChineseTraditional
        || code == LanguageSettings::LanguageJapanese)
        return chineseJapaneseFontRecord;
    if (code == LanguageSettings::LanguageKorean)
        return koreanFontRecord;
    return defaultFontRecord;
}

std::shared_ptr<AppManager> AppManager::instance()
{
    static std::shared_ptr<AppManager> manager;
    static std::once_flag once;
    std::call_once(once, [] { manager.reset(new AppManager); });
    return manager;
}

void AppManager::initApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("pelvane"));
    QCoreApplication::setOrganizationDomain(QString());  // no web domain is known
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(currentVersion());
    // Ties the windows to the launcher entry (its icon, its progress bar).
    QGuiApplication::setDesktopFileName(desktopFileName());
    initImageResources();
    // The log opens first, so the language detection's line is not lost.
    const QString logFolder = CuteSettings::logDirectory();
    startAppLog(logFolder);

    for (int i = 0; i < 8; ++i)
        colors_[i] = QColor(QLatin1String(Palette[i]));

    LanguageSettings& languages = LanguageSettings::instance();
    const int code = languages.language();
    setFontRecord(fontRecordFor(code));
    languages.setLanguage(code);
    fillNameTable();
    connect(&languages, &LanguageSettings::languageChanged, this,
            [this](LanguageSettings::LanguageType type) { onLanguageChanged(type); });

    QFont font = QApplication::font();
    font.setFamily(fontFamily_);
    font.setPointSize(fontSizes_[0]);
    QApplication::setFont(font);

    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
    BugSplatProxy::instance().initialize(BugSplatProxy::crashPathFor(logFolder, applicationName(), currentVersion()),
                                         logFolder, QStringLiteral("OstrelWindowsDataRecovery"), applicationName(),
                                         currentVersion(), QString());
}

void AppManager::setFontRecord(const FontRecord& record)
{
    fontFamily_ = QString::fromLatin1(record.family);
    fontSizes_[0] = record.baseSize;
    fontSizes_[1] = record.secondSize;
    fontSizes_[2] = record.thirdSize;
}

void AppManager::onLanguageChanged(int code)
{
    const FontRecord& record = fontRecordFor(code);
    if (fontFamily_ != QLatin1String(record.family)) {
        setFontRecord(record);
        applyFont();
    }
    fillNameTable();
}

void AppManager::applyFont()
{
    QFont font = QApplication::font();
    font.setFamily(fontFamily_);
    font.setPointSize(fontSizes_[0]);
    QApplication::setFont(font);
    QWidget* main = registeredWidget(0);
    if (!main)
        return;
    const QList<QWidget*> below = main->findChildren<QWidget*>();
    for (QWidget* widget : below) {
        QFont own = widget->font();
        own.setFamily(fontFamily_);
        widget->setFont(own);
    }
}

void AppManager::registerWidget(int key, QWidget* widget)
{
    widgets_.insert(key, widget);
}

QWidget* AppManager::registeredWidget(int key) const
{
    return widgets_.value(key).data();
}

void AppManager::postEvent(QObject* receiver, QEvent* event, int priority)
{
    if (!receiver) {
        delete event;  // the event system would drop it too
        return;
    }
    QCoreApplication::postEvent(receiver, event, priority);
}

QString AppManager::imagePath(const QString& name, int flag)
{
    return flag ? QString() : QStringLiteral(":/images/%1").arg(name);
}

QString AppManager::websiteLanguageSuffix()
{
    switch (LanguageSettings::instance().currentLanguage()) {
    case LanguageSettings::LanguageChineseTraditional:
        return QStringLiteral("?ref=product&lang=tw");
    case LanguageSettings::LanguageGerman:
        return QStringLiteral("?ref=product&lang=de");
    case LanguageSettings::LanguageFrench:
        return QStringLiteral("?ref=product&lang=fr");
    case LanguageSettings::LanguageSpanish:
        return QStringLiteral("?ref=product&lang=es");
    case LanguageSettings::LanguagePortuguese:
        return QStringLiteral("?ref=product&lang=pt");
    case LanguageSettings::LanguageJapanese:
        return QStringLiteral("?ref=product&lang=jp");
    case LanguageSettings::LanguageKorean:
        return QStringLiteral("?ref=product&lang=kr");
    default:
        return QString();
    }
}

void AppManager::setUpdateResultHandler(std::function<void(const QVariantMap&)> handler)
{
    updateHandler_ = std::move(handler);
}

void AppManager::deliverUpdateResult(const QVariantMap& result)
{
    if (updateHandler_)
        updateHandler_(result);
}

void AppManager::checkForUpdates()
{
    const QString address = endpoint(Endpoint::Update);
    if (address.isEmpty()) {
        logInfo("Update check off: no update endpoint is set");
        // Queued, so a dialog opened right after the call still gets the answer.
        QMetaObject::invokeMethod(
            this, [this] { deliverUpdateResult({{QStringLiteral("CheckResult"), -1}}); }, Qt::QueuedConnection);
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(address)};
    request.setTransferTimeout(updateTimeoutMs_);
    QNetworkReply* reply = network_->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > UpdateDocumentLimit) {
            reply->setProperty("oversized", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onUpdateReply(reply); });
}

void AppManager::onUpdateReply(QNetworkReply* reply)
{
    QVariantMap map;
    int result = -1;
    if (reply->property("oversized").toBool()) {
        logInfo("Check lasted version failed! describe: the update document is larger than 1 MiB");
    } else if (reply->error() != QNetworkReply::NoError) {
        logInfo(QStringLiteral("Check lasted version failed! describe: %1").arg(reply->errorString()));
    } else {
        const QByteArray body = reply->read(UpdateDocumentLimit + 1);
        if (body.size() <= UpdateDocumentLimit)
            map = QJsonDocument::fromJson(body).object().toVariantMap();
        if (!map.isEmpty())
            result = compareVersions(map.value(QStringLiteral("Version")).toString().trimmed(), currentVersion()) >= 1
                ? 1
                : 0;
    }
    map.insert(QStringLiteral("CheckResult"), result);
    reply->deleteLater();
    deliverUpdateResult(map);
}

bool DialogEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (qobject_cast<QDialog*>(watched) && !watched->inherits("BusyIndicatorDialog")) {
        int flags = 0;
        if (event->type() == QEvent::Show)
            flags = AppEvent::ShowShade;
        else if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            flags = AppEvent::HideShade;
        if (flags) {
            const auto manager = AppManager::instance();
            manager->postEvent(manager->registeredWidget(0), new AppEvent(flags), Qt::HighEventPriority);
        }
    }
    return QObject::eventFilter(watched, event);
}
