#pragma once
// What follows a crash at the next start: with a report and a crash endpoint
// the shell asks the user. Yes sends one multipart POST (the report, notes as
// JSON, the log folder's *.log and *.txt files, the last 4 MiB of each) and
// deletes the report after a 2xx answer; no deletes it; without an endpoint
// the report stays where it is.
#include <QObject>
#include <QString>

class QNetworkAccessManager;

class CrashReportUpload : public QObject {
    Q_OBJECT
public:
    CrashReportUpload(const QString& crashPath, const QString& logFolder, QObject* parent = nullptr);

    bool hasReport() const;
    // A report exists and there is somewhere to send it: time to ask.
    bool shouldAsk() const;
    void answer(bool send);
    void setTransferTimeout(int ms) { timeoutMs_ = ms; }

    static constexpr qint64 AttachmentTail = 4 << 20;

signals:
    // Emitted once per answer: true when the report reached the server.
    void finished(bool sent);

private:
    void upload(const QString& address);

    QString crashPath_;
    QString logFolder_;
    QNetworkAccessManager* network_ = nullptr;
    int timeoutMs_ = 60000;
};
