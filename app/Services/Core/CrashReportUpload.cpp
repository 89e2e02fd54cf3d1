#include "CrashReportUpload.h"

#include "BugSplatProxy.h"
#include "Endpoints.h"
#include "spdlog_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QByteArray tailOf(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > limit)
        file.seek(file.size() - limit);
    return file.read(limit);
}

QHttpPart filePart(const QByteArray& field, const QString& fileName, const QByteArray& contentType,
                   const QByteArray& body)
{
    QHttpPart part;
    QString safeName = fileName;
    safeName.replace(QLatin1Char('"'), QLatin1Char('_'));
    part.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"").arg(QLatin1String(field), safeName));
    part.setBody(body);
    return part;
}

// The "Mem: ..." line of the report, for the notes.
QString memoryOf(const QByteArray& report)
{
    for (const QByteArray& line : report.split('\n'))
        if (line.startsWith("Mem: "))
            return QString::fromUtf8(line.mid(5)).trimmed();
    return {};
}

}

CrashReportUpload::CrashReportUpload(const QString& crashPath, const QString& logFolder, QObject* parent)
    : QObject(parent), crashPath_(crashPath), logFolder_(logFolder)
{
}

bool CrashReportUpload::hasReport() const
{
    return QFileInfo(crashPath_).isFile();
}

bool CrashReportUpload::shouldAsk() const
{
    return hasReport() && !endpoint(Endpoint::Crash).isEmpty();
}

void CrashReportUpload::answer(bool send)
{
    const QString address = endpoint(Endpoint::Crash);
    if (!hasReport() || address.isEmpty()) {
        QMetaObject::invokeMethod(this, [this] { emit finished(false); }, Qt::QueuedConnection);
        return;
    }
    if (!send) {
        QFile::remove(crashPath_);
        logInfo("Crash report discarded by the user");
        QMetaObject::invokeMethod(this, [this] { emit finished(false); }, Qt::QueuedConnection);
        return;
    }
    upload(address);
}

void CrashReportUpload::upload(const QString& address)
{
    const QByteArray report = tailOf(crashPath_, AttachmentTail);
    BugSplatProxy& proxy = BugSplatProxy::instance();
    const QJsonObject notes{
        {QStringLiteral("database"), proxy.database()},
        {QStringLiteral("Mem"), memoryOf(report)},
        {QStringLiteral("userName"), proxy.userName()},
        {QStringLiteral("userEmail"), proxy.userEmail()},
    };

    auto* multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    multipart->append(filePart("report", QFileInfo(crashPath_).fileName(), "text/plain", report));
    multipart->append(filePart("notes", QStringLiteral("notes.json"), "application/json",
                               QJsonDocument(notes).toJson(QJsonDocument::Compact)));
    const QFileInfoList logs =
        QDir(logFolder_).entryInfoList({QStringLiteral("*.log"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QFileInfo& log : logs)
        multipart->append(filePart("attachment", log.fileName(), "text/plain",
                                   tailOf(log.absoluteFilePath(), AttachmentTail)));

    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(address)};
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_->post(request, multipart);
    multipart->setParent(reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool sent = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        if (sent) {
            QFile::remove(crashPath_);
            logInfo("Crash report sent");
        } else {
            logError(QStringLiteral("Crash report not sent (HTTP %1): %2").arg(status).arg(reply->errorString()));
        }
        reply->deleteLater();
        emit finished(sent);
    });
}
