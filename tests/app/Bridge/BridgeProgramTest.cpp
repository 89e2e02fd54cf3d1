// The program itself, offscreen, with one image listed: the splash loads the
// device list through the bridge (the log shows the refresh and the image's
// volume), the main window follows it, and SIGTERM then ends the program with
// exit code 0 through the quit sequence.
#include "MountSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class BridgeProgramTest : public QObject {
    Q_OBJECT

private slots:
    void splashListsThroughTheBridgeAndSigtermQuits()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString image = home.filePath(QStringLiteral("fat.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"));
        QString output;
        QVERIFY2(TestMounts::run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", image, "65536"}, &output) == 0,
                 qPrintable(output));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("VELMORA_IMAGES_ONLY"), QStringLiteral("1"));
        environment.insert(QStringLiteral("VELMORA_DISK_IMAGES"), image);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VELMORA_BINARY_DIR "/app/OstrelWindowsData"), QStringList());
        QVERIFY(program.waitForStarted(30000));

        const QString log = home.filePath(QStringLiteral("data/pelvane/Ostrel Windows Data Recovery/log/AppLog.log"));
        auto logText = [&] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const bool listed = QTest::qWaitFor(
            [&] { return logText().contains(QLatin1String("Volume: Unmounted Partition - 1, disk 0, volume 0, FAT32")); },
            60000);
        if (!listed)
            qWarning().noquote() << logText() << program.readAll();
        QVERIFY(listed);
        QVERIFY(logText().contains(QLatin1String("========== Refresh Disk info Start ==========")));
        QVERIFY(logText().contains(QLatin1String("========== Refresh Disk info End ==========")));

        // The main window is shown once the splash has ended; SIGTERM is then heard by its relay.
        const bool shown =
            QTest::qWaitFor([&] { return logText().contains(QLatin1String("Main window shown")); }, 60000);
        if (!shown)
            qWarning().noquote() << logText() << program.readAll();
        QVERIFY(shown);
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(logText().contains(QLatin1String("Destroy Data Recovery Multi End")));
    }
};

QTEST_GUILESS_MAIN(BridgeProgramTest)
#include "BridgeProgramTest.moc"
