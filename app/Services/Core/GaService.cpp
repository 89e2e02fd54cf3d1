#include "GaService.h"

#include "CuteSettings.h"
#include "Endpoints.h"
#include "SystemHelpers.h"
#include "ThreadHandOver.h"
#include "spdlog_qt.h"

#include <QDateTime>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QFuture>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <mutex>

namespace {

const char* const ProductVersion = "1.3.0";
const char* const InstallSource = "SEO";

QString encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

void debugLine(const QString& text)
{
    qDebug("[%s][GaService][info] %s",
           qPrintable(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz"))),
           qPrintable(text));
}

}

struct GaService::GaServiceImpl {
    QString baseUrl;
    QString measurementId;
    QString clientId;
    QString sessionId;
    QString productVersion;
    QString country;
    QString installSource;
    QString boardSerial;
    QString operatingSystem;
    bool debugMode = false;
    int transferTimeoutMs = 10000;

    // A std::mutex, not a QMutex: the sanitizer builds see its hand-offs (Qt is not instrumented).
    mutable std::mutex mutex;  // guards everything above and below except abandon
    QStringList queue;
    bool sending = false;
    QFuture<void> worker;
    QNetworkReply* inFlight = nullptr;  // the worker's request, for abandonPending to abort
    std::atomic<bool> abandon{false};
};

GaService::GaService(const QString& collectionServer, const QString& measurementId, QObject* parent)
    : QObject(parent), d(std::make_unique<GaServiceImpl>())
{
    QString server = collectionServer.trimmed();
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    if (!server.isEmpty())
        d->baseUrl = server + QStringLiteral("/g/collect?v=2&sct=1&seg=1");
    d->measurementId = measurementId;
    d->clientId = clientIdFor(QSysInfo::machineUniqueId());
    d->sessionId = QString::number(QDateTime::currentSecsSinceEpoch());
    d->country = QLocale::countryToString(QLocale::system().country());
}

GaService::~GaService()
{
    stop();
    // Taking the lock once more orders the worker's last unlock before d goes.
    std::lock_guard lock(d->mutex);
}

void GaService::stop()
{
    abandonPending();
    QFuture<void> worker;
    {
        std::lock_guard lock(d->mutex);
        worker = d->worker;
    }
    worker.waitForFinished();
}

QString GaService::clientIdFromMachineId(const QByteArray& machineId)
{
    QString digits;
    for (char byte : machineId)
        digits += QString::number(static_cast<qint8>(byte));
    if (digits.isEmpty())
        return {};
    if (digits.size() >= 15)
        return digits.left(15) + QLatin1Char('.') + digits.mid(15, 15);
    return digits + QLatin1Char('.') + digits;
}

QString GaService::clientIdFor(const QByteArray& machineId)
{
    const QString fromMachine = clientIdFromMachineId(machineId);
    if (!fromMachine.isEmpty())
        return fromMachine;
    // Without a machine id every such machine would share one id.
    static const QString key = QStringLiteral("AnalyticsClientId");
    const QString stored = CuteSettings::instance().value(key, QString(), CuteSettings::Default).toString();
    if (!stored.isEmpty())
        return stored;
    QRandomGenerator* random = QRandomGenerator::system();
    const QString made = QStringLiteral("%1.%2")
                             .arg(random->bounded(1000000000u, 4000000000u))
                             .arg(random->bounded(1000000000u, 4000000000u));
    CuteSettings::instance().setValue(key, made, CuteSettings::Default);
    return made;
}

QString GaService::measurementId() const
{
    std::lock_guard lock(d->mutex);
    return d->measurementId;
}

void GaService::setMeasurementId(const QString& id)
{
    {
        std::lock_guard lock(d->mutex);
        if (id.isEmpty() || id == d->measurementId)
            return;
        d->measurementId = id;
    }
    emit measurementIdChanged(id);
}

void GaService::setDimensions(const QString& productVersion, const QString& installSource,
                              const QString& boardSerial, const QString& operatingSystem)
{
    std::lock_guard lock(d->mutex);
    if (!productVersion.isEmpty())
        d->productVersion = productVersion;
    if (!installSource.isEmpty())
        d->installSource = installSource;
    if (!boardSerial.isEmpty())
        d->boardSerial = boardSerial;
    if (!operatingSystem.isEmpty())
        d->operatingSystem = operatingSystem;
}

bool GaService::isEnabled() const
{
    return !d->baseUrl.isEmpty();
}

bool GaService::isSending() const
{
    std::lock_guard lock(d->mutex);
    return d->sending;
}

QString GaService::clientId() const
{
    return d->clientId;
}

void GaService::setTransferTimeout(int ms)
{
    std::lock_guard lock(d->mutex);
    d->transferTimeoutMs = ms;
}

void GaService::sendEvent(const QString& event, const QStringList& parameters, bool debug)
{
    if (!isEnabled())
        return;
    std::lock_guard lock(d->mutex);
    // Every key and value is encoded: a label with "&", "=", "+" or "#" would
    // otherwise split or cut the event.
    QString url = QStringLiteral("%1&tid=%2&cid=%3&sid=%4&en=%5")
                      .arg(d->baseUrl, encoded(d->measurementId), encoded(d->clientId), d->sessionId, encoded(event));
    for (int i = 0; i < parameters.size(); ++i)
        url += (i % 2 == 0 ? QStringLiteral("&ep.") : QStringLiteral("=")) + encoded(parameters[i]);
    if (parameters.size() % 2 == 1)
        url += QStringLiteral("=1");
    const std::pair<const char*, const QString*> dimensions[] = {
        {"cd2", &d->productVersion}, {"cd3", &d->country},         {"cd4", &d->installSource},
        {"cd5", &d->boardSerial},    {"cd6", &d->operatingSystem},
    };
    for (const auto& [key, value] : dimensions)
        url += QStringLiteral("&ep.%1=%2").arg(QLatin1String(key), encoded(*value));
    if (debug || d->debugMode)
        url += QStringLiteral("&_dbg=1");
    d->queue.append(url);
    if (!d->sending) {
        d->sending = true;
        d->worker = ThreadHandOver::Run([this] { work(); });
    }
}

void GaService::work()
{
    QNetworkAccessManager manager;
    for (;;) {
        QString url;
        int timeout = 0;
        {
            std::lock_guard lock(d->mutex);
            if (d->abandon || d->queue.isEmpty()) {
                d->sending = false;
                return;
            }
            url = d->queue.takeFirst();
            timeout = d->transferTimeoutMs;
        }
        QNetworkRequest request(QUrl::fromEncoded(url.toLatin1(), QUrl::StrictMode));
        // A silent server must not hold this pool thread for ever.
        request.setTransferTimeout(timeout);
        QNetworkReply* reply = manager.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        {
            std::lock_guard lock(d->mutex);
            d->inFlight = reply;
        }
        if (d->abandon)
            reply->abort();
        if (!reply->isFinished())
            loop.exec();
        {
            std::lock_guard lock(d->mutex);
            d->inFlight = nullptr;
        }
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError)
            debugLine(QStringLiteral("sendEvent failed! httpCode: %1, error: %2").arg(status).arg(reply->errorString()));
        delete reply;
    }
}

void GaService::sendSystemInfo()
{
    const QLocale locale;
    QList<QPair<QString, QString>> events = {
        {QStringLiteral("SysOS"), QSysInfo::prettyProductName()},
        {QStringLiteral("SysLanguage"), locale.name()},
        {QStringLiteral("SysCountry"), QLocale::countryToString(locale.country())},
    };
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && QGuiApplication::primaryScreen()) {
        const QSize size = QGuiApplication::primaryScreen()->size();
        events.append({QStringLiteral("SysScreen"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height())});
    }
    for (const auto& [action, label] : events)
        sendEvent(QStringLiteral("System"), {QStringLiteral("action"), action, QStringLiteral("label"), label});
}

void GaService::abandonPending()
{
    d->abandon = true;
    std::lock_guard lock(d->mutex);
    if (d->inFlight)
        QMetaObject::invokeMethod(d->inFlight, &QNetworkReply::abort, Qt::QueuedConnection);
}

void GaService::waitForEvents(int ms)
{
    const int steps = ms / 100;
    for (int step = 0; step < steps && isSending(); ++step) {
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (isSending())
        abandonPending();
}

namespace {

void sendOn(GaService* service, const QString& category, const QString& action, const QString& label,
            const QVariant& value, const QVariantMap& parameters)
{
    QStringList list{QStringLiteral("action"), action};
    if (!label.isEmpty())
        list << QStringLiteral("label") << label;
    if (value.isValid())
        list << QStringLiteral("value") << value.toString();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        list << it.key() << it.value().toString();
    service->sendEvent(category, list, false);
}

}

GaService* gaService()
{
    static GaService* service = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        service = new GaService(endpoint(Endpoint::Analytics), endpoint(Endpoint::MeasurementId));
        // Post routines run while the application can still deliver the worker's
        // events; right after them it cannot, and a worker still in a request
        // would hold the teardown's wait for its pool threads for ever.
        qAddPostRoutine([] { gaService()->stop(); });
        if (!service->isEnabled()) {
            logInfo("Analytics off: no collection endpoint is set");
            return;
        }
        QFile serialFile(QStringLiteral("/sys/class/dmi/id/board_serial"));  // readable by root only
        const QString boardSerial = serialFile.open(QIODevice::ReadOnly)
            ? QString::fromLatin1(serialFile.read(256)).simplified()
            : QString();
        service->setDimensions(QString::fromLatin1(ProductVersion), QString::fromLatin1(InstallSource), boardSerial,
                               operatingSystemText());
        if (CuteSettings::instance().value(QStringLiteral("AppFirstCycle"), true, CuteSettings::Default).toBool())
            service->sendSystemInfo();
        sendOn(service, QStringLiteral("Product"), QStringLiteral("ProductVersion"), QString::fromLatin1(ProductVersion),
               QVariant(), QVariantMap());
        sendOn(service, QStringLiteral("Product"), QStringLiteral("Source"), QString::fromLatin1(InstallSource),
               QVariant(), QVariantMap());
    });
    return service;
}

namespace {

std::mutex recorderMutex;
GaEventRecorder& eventRecorder()
{
    static GaEventRecorder recorder;
    return recorder;
}

}

void setGaEventRecorder(GaEventRecorder recorder)
{
    std::lock_guard lock(recorderMutex);
    eventRecorder() = std::move(recorder);
}

void sendGaEvent(const QString& category, const QString& action, const QString& label, const QVariant& value,
                 const QVariantMap& parameters)
{
    GaEventRecorder recorder;
    {
        std::lock_guard lock(recorderMutex);
        recorder = eventRecorder();
    }
    if (recorder)
        recorder(category, action, label, value.isValid() ? value.toString() : QString());
    sendOn(gaService(), category, action, label, value, parameters);
}

void sendGaEventLabel(const char* category, const char* action, const char* label)
{
    sendGaEvent(QString::fromUtf8(category), QString::fromUtf8(action), QString::fromUtf8(label));
}

void sendGaEventAction(const char* category, const char* action)
{
    sendGaEvent(QString::fromUtf8(category), QString::fromUtf8(action));
}

void waitForGaEvents(int ms)
{
    gaService()->waitForEvents(ms);
}
