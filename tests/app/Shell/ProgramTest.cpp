// The program end to end, offscreen with private home and runtime folders
// and a local HTTP server as its analytics endpoint: it starts, logs and sends
// its start events, a second start hands over and exits, SIGTERM runs the quit
// sequence with exit code 0, and the next start is primary again.

#include "LocalHttpServer.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include "PrivateSession.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>

#include <csignal>

namespace {

const QString kProgram = QStringLiteral(VELMORA_BINARY_DIR "/app/OstrelWindowsData");

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startHandOverAndQuit();

private:
    QString log() const;
    bool waitForLog(const QString& text, int count = 1, int timeoutMs = 15000) const;
    void start(QProcess& process);
    // The analytics events received so far, as "category/action".
    QStringList events() const;
    bool waitForEvent(const QString& event, int count = 1, int timeoutMs = 10000) const;

    std::unique_ptr<LocalHttpServer> analytics_;

    std::unique_ptr<QTemporaryDir> dir_;
    QProcessEnvironment environment_;
};

void ProgramTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(makePrivateSession(*dir_, environment_));
    // The machine's own disks stay out of it.
    environment_.insert("VELMORA_IMAGES_ONLY", "1");
    environment_.remove("DBUS_SESSION_BUS_ADDRESS");
    analytics_ = std::make_unique<LocalHttpServer>();
    analytics_->setResponse(204, QByteArray());
    environment_.insert("OSTREL_ANALYTICS_URL", analytics_->baseUrl());
    environment_.insert("OSTREL_MEASUREMENT_ID", "G-TEST");
    environment_.remove("OSTREL_UPDATE_URL");
    environment_.remove("OSTREL_WEBSITE");
    environment_.remove("OSTREL_CRASH_URL");
}

QStringList ProgramTest::events() const
{
    QStringList seen;
    for (const auto& request : analytics_->requests) {
        const QUrlQuery query(QUrl::fromEncoded(request.target));
        seen << query.queryItemValue("en", QUrl::FullyDecoded) + "/" +
                    query.queryItemValue("ep.action", QUrl::FullyDecoded);
    }
    return seen;
}

bool ProgramTest::waitForEvent(const QString& event, int count, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (events().count(event) >= count)
            return true;
        QTest::qWait(50);
    }
    return false;
}

QString ProgramTest::log() const
{
    QDirIterator it(dir_->path(), {"AppLog.log"}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return {};
    QFile file(it.next());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramTest::waitForLog(const QString& text, int count, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (log().count(text) >= count)
            return true;
        QTest::qWait(50);
    }
    return false;
}

void ProgramTest::start(QProcess& process)
{
    process.setProcessEnvironment(environment_);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(kProgram, QStringList());
}

void ProgramTest::startHandOverAndQuit()
{
    QProcess first;
    start(first);
    QVERIFY(first.waitForStarted(5000));
    QVERIFY(waitForLog("App start (version: 1.3.0)"));
    QVERIFY(waitForLog("[Launcher] end"));
    QVERIFY(waitForEvent("Lunch/LoadDisk"));
    QStringList seen = events();
    QCOMPARE(seen.count("Lifecycle/Start"), 1);
    QCOMPARE(seen.count("Product/ProductVersion"), 1);
    QCOMPARE(seen.count("Product/Source"), 1);
    // System events on the first run only.
    QVERIFY(std::any_of(seen.begin(), seen.end(), [](const QString& e) { return e.startsWith("System/"); }));

    // The second start hands over and exits on its own; the bound only keeps a
    // broken hand-over from hanging the run.
    QProcess second;
    start(second);
    QVERIFY(second.waitForFinished(120000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(waitForLog("Another instance was started"));
    QCOMPARE(log().count("App start"), 1);

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    // Events keep flowing meanwhile: the analytics server must answer the quit.
    QTRY_VERIFY_WITH_TIMEOUT(first.state() == QProcess::NotRunning, 5000);
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(log().contains("App quit"));
    // The quit sequence waited for its own event to go out.
    QVERIFY(waitForEvent("Lifecycle/Quit", 1, 2000));

    analytics_->requests.clear();
    QProcess next;
    start(next);
    QVERIFY(waitForLog("App start (version: 1.3.0)", 2));
    QVERIFY(waitForEvent("Lifecycle/Start"));
    QVERIFY(waitForEvent("Product/Source"));
    seen = events();
    QVERIFY(std::none_of(seen.begin(), seen.end(), [](const QString& e) { return e.startsWith("System/"); }));
    ::kill(static_cast<pid_t>(next.processId()), SIGTERM);
    QVERIFY(next.waitForFinished(5000));
    QCOMPARE(next.exitCode(), 0);
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
