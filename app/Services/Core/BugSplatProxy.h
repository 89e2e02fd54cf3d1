#pragma once
// Crash reporting. A fatal signal (SEGV, BUS, ILL, FPE, ABRT; terminate and
// allocation failures end in abort) writes a plain-text report to the crash
// path with async-signal-safe calls only: signal, address, application,
// version, time, the user's description, peak memory ("Mem") and a
// backtrace. Then the signal's default action ends the process, so it still
// dies of its own signal. The report is offered for upload at the next start
// (CrashReportUpload.h).
#include <QObject>
#include <QString>

class BugSplatProxy : public QObject {
    Q_OBJECT
public:
    static BugSplatProxy& instance();

    // crashPath: "<log folder>/<application>_v<version>.crash". Installs the
    // handlers on an alternate stack (so a stack overflow is caught too).
    void initialize(const QString& crashPath, const QString& logFolder, const QString& database,
                    const QString& application, const QString& version, const QString& description);

    void setUserDescription(const QString& text);
    void setUserEmail(const QString& text);
    void setUserName(const QString& text);

    QString crashPath() const { return crashPath_; }
    QString logFolder() const { return logFolder_; }
    QString database() const { return database_; }
    QString userEmail() const { return userEmail_; }
    QString userName() const { return userName_; }

    // "<log folder>/<application>_v<version>.crash".
    static QString crashPathFor(const QString& logFolder, const QString& application, const QString& version);

private:
    BugSplatProxy() = default;

    QString crashPath_;
    QString logFolder_;
    QString database_;
    QString userEmail_;
    QString userName_;
};
