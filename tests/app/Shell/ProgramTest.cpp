// The program end to end, offscreen with private home and runtime folders:
// it starts and logs, a second start hands over and exits, SIGTERM runs the
// quit sequence with exit code 0, and the next start is primary again.

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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

    std::unique_ptr<QTemporaryDir> dir_;
    QProcessEnvironment environment_;
};

void ProgramTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    const QString run = dir_->filePath("run");
    QVERIFY(QDir().mkpath(run));
    QVERIFY(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("HOME", dir_->filePath("home"));
    environment_.insert("XDG_RUNTIME_DIR", run);
    environment_.insert("XDG_CONFIG_HOME", dir_->filePath("config"));
    environment_.insert("XDG_DATA_HOME", dir_->filePath("data"));
    environment_.insert("XDG_CACHE_HOME", dir_->filePath("cache"));
    environment_.insert("QT_QPA_PLATFORM", "offscreen");
    // The machine's own disks stay out of it.
    environment_.insert("VELMORA_IMAGES_ONLY", "1");
    environment_.remove("DBUS_SESSION_BUS_ADDRESS");
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
    QVERIFY(log().contains("Lifecycle/Start"));
    QVERIFY(log().contains("Lunch/LoadDisk"));

    QElapsedTimer timer;
    timer.start();
    QProcess second;
    start(second);
    QVERIFY(second.waitForFinished(5000));
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(waitForLog("Another instance was started"));
    QCOMPARE(log().count("App start"), 1);

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(5000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(log().contains("App quit"));
    QVERIFY(log().contains("Lifecycle/Quit"));

    QProcess next;
    start(next);
    QVERIFY(waitForLog("App start (version: 1.3.0)", 2));
    ::kill(static_cast<pid_t>(next.processId()), SIGTERM);
    QVERIFY(next.waitForFinished(5000));
    QCOMPARE(next.exitCode(), 0);
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
