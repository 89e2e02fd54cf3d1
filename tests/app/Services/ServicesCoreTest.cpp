// The no-widget services: settings scopes, size and time texts, version
// order, volume path stripping, the name table, the log channel and the
// call handed to another thread's event loop.
#include "CallAndWait.h"
#include "CuteSettings.h"
#include "DisplayLocale.h"
#include "NameTable.h"
#include "SizeText.h"
#include "TimeText.h"
#include "VersionCompare.h"
#include "VolumePath.h"
#include "spdlog_qt.h"

#include "TestHome.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>
#include <ctime>
#include <cstdio>
#include <cstring>

namespace {

// Child mode: "--read KEY SCOPE" prints the value a fresh process sees.
int readInChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setApplicationNames();
    const QVariant value = CuteSettings::instance().value(QString::fromUtf8(argv[2]), QStringLiteral("<default>"),
                                                          QByteArray(argv[3]).toInt());
    std::fputs(value.toString().toUtf8().constData(), stdout);
    return 0;
}

}

class ServicesCoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QString readInNewProcess(const QString& key, int scope)
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--read"), key, QString::number(scope)});
        if (!child.waitForFinished(30000))
            return QStringLiteral("<no answer>");
        return QString::fromUtf8(child.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        useTestHome(home_.path());
        qputenv("TZ", "UTC");
        tzset();
        setApplicationNames();
    }

    void settingsScopes()
    {
        CuteSettings& settings = CuteSettings::instance();
        settings.setValue("UIFrameInfo", 42, 0);
        QCOMPARE(settings.value("UIFrameInfo", -1, 0).toInt(), 42);
        QCOMPARE(settings.value("UIFrameInfo", -1, 1).toInt(), -1);
        QCOMPARE(readInNewProcess("UIFrameInfo", 0), QStringLiteral("<default>"));

        settings.setValue("UIFrameInfo", QVariant(), 0);
        QCOMPARE(settings.value("UIFrameInfo", -1, 0).toInt(), -1);

        QCOMPARE(settings.value("storageTourGuide", 1, 1).toInt(), 1);
        settings.setValue("storageTourGuide", 0, 1);
        QCOMPARE(readInNewProcess("storageTourGuide", 1), QStringLiteral("0"));
        QVERIFY(QFile::exists(home_.path() + "/config/pelvane/Ostrel Windows Data Recovery.conf"));

        settings.setValue("analytics", "http://127.0.0.1:1/", 2);
        QVERIFY(settings.appConfigPath().endsWith("/config/appconfig.ini"));
        QVERIFY(QFile::exists(settings.appConfigPath()));
        QCOMPARE(readInNewProcess("analytics", 2), QStringLiteral("http://127.0.0.1:1/"));

        settings.setValue("unknownScope", 5, 3);
        QCOMPARE(settings.value("unknownScope", "untouched", 3).toString(), QStringLiteral("untouched"));
        QCOMPARE(readInNewProcess("unknownScope", 1), QStringLiteral("<default>"));
    }

    void logDirectoryIsCreated()
    {
        const QString folder = CuteSettings::logDirectory();
        QVERIFY(folder.startsWith(home_.path()));
        QVERIFY(folder.endsWith("/log"));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void logLinesKeepPercentSigns()
    {
        QVERIFY(startAppLog(CuteSettings::logDirectory()));
        logInfo("50% done %s %n");
        logError(QStringLiteral("Fehler: Größe %1"));
        ShutdownSpdLog();
        QFile log(CuteSettings::logDirectory() + "/AppLog.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains("[info]") && text.contains("50% done %s %n"), qPrintable(text));
        QVERIFY2(text.contains("[error]") && text.contains(QStringLiteral("Fehler: Größe %1")), qPrintable(text));
    }

    // Each line names the calling file by its name alone (never the build's path), and
    // the per-item lines are left out unless debug lines are asked for.
    void logLinesNameTheirFileAndKeepDebugForTheAsking()
    {
        QFile::remove(CuteSettings::logDirectory() + "/AppLog.log");
        QVERIFY(startAppLog(CuteSettings::logDirectory()));
        const int line = __LINE__ + 1;
        logInfo("summary line");
        logDebug(QStringLiteral("per-file line"));
        ShutdownSpdLog();
        QFile log(CuteSettings::logDirectory() + "/AppLog.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains(QStringLiteral("[ServicesCoreTest.cpp:%1] summary line").arg(line)), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("/ServicesCoreTest.cpp")), qPrintable(text));
        QVERIFY2(!text.contains("per-file line"), qPrintable(text));

        qputenv("VELMORA_LOG_LEVEL", "debug");
        QVERIFY(startAppLog(CuteSettings::logDirectory()));
        qunsetenv("VELMORA_LOG_LEVEL");
        logDebug(QStringLiteral("per-file line"));
        ShutdownSpdLog();
        log.close();
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("[debug]"));
    }

    void sizeTexts_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("group");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << 2 << false << "0 B";
        QTest::newRow("1023") << quint64(1023) << 2 << false << "1023 B";
        QTest::newRow("1024") << quint64(1024) << 2 << false << "1.00 KB";
        QTest::newRow("unit by bytes") << quint64(1048575) << 2 << false << "1024.00 KB";
        QTest::newRow("grouped") << quint64(1048575) << 2 << true << "1,024.00 KB";
        QTest::newRow("small not grouped") << quint64(1536) << 1 << true << "1.5 KB";
        QTest::newRow("MB") << quint64(5 * 1048576ull + 524288) << 2 << false << "5.50 MB";
        QTest::newRow("TB stays GB") << quint64(5ull << 40) << 0 << false << "5120 GB";
        QTest::newRow("decimals 9 uses 6") << quint64(1536) << 9 << false << "1.500000 KB";
        QTest::newRow("negative decimals") << quint64(1536) << -3 << false << "2 KB";
    }

    void sizeTexts()
    {
        QFETCH(quint64, bytes);
        QFETCH(int, decimals);
        QFETCH(bool, group);
        QFETCH(QString, text);
        QCOMPARE(formatFileSize(bytes, decimals, group), text);
    }

    void cachedSizeTextsKeyOnDecimalsAndGrouping()
    {
        clearFileSizeTextCache();
        QCOMPARE(formatFileSizeCached(0, 2, false), QStringLiteral("0 B"));
        QCOMPARE(formatFileSizeCached(1536, 1, false), QStringLiteral("1.5 KB"));
        QCOMPARE(formatFileSizeCached(1536, 2, false), QStringLiteral("1.50 KB"));
        QCOMPARE(formatFileSizeCached(1536, 1, false), QStringLiteral("1.5 KB"));
        QCOMPARE(formatFileSizeCached(1023ull * 1048576 + 524288, 2, true), QStringLiteral("1,023.50 MB"));
        QCOMPARE(formatFileSizeCached(1023ull * 1048576 + 524288, 2, false), QStringLiteral("1023.50 MB"));
        QCOMPARE(formatFileSizeCached(1000, 2, false), QStringLiteral("1000 B"));
    }

    // Counts and sizes as the chosen language writes them, on any thread, the
    // cached texts of the language before never given again.
    void numbersFollowTheChosenLanguage()
    {
        const auto english = qScopeGuard([] { setDisplayLanguage(0); });
        const quint64 size = 5 * 1048576ull + 524288;
        QCOMPARE(formatFileSizeCached(size, 2, false), QStringLiteral("5.50 MB"));
        QCOMPARE(formatCount(3191), QStringLiteral("3,191"));
        setDisplayLanguage(4);  // German
        QCOMPARE(formatCount(3191), QStringLiteral("3.191"));
        QCOMPARE(formatFileSize(1048575, 2, true), QStringLiteral("1.024,00 KB"));
        QCOMPARE(formatFileSizeCached(size, 2, false), QStringLiteral("5,50 MB"));
        QString onWorker;
        std::thread worker([&onWorker, size] { onWorker = formatFileSizeCached(size, 2, false) + formatCount(3191); });
        worker.join();
        QCOMPARE(onWorker, QStringLiteral("5,50 MB3.191"));
        setDisplayLanguage(0);
        QCOMPARE(formatFileSizeCached(size, 2, false), QStringLiteral("5.50 MB"));
    }

    void cacheShardThinsToEightyOne()
    {
        clearFileSizeTextCache();
        const int shard = fileSizeTextShardOf(1);
        QList<quint64> counts;
        for (quint64 bytes = 1; counts.size() < 101; ++bytes)
            if (fileSizeTextShardOf(bytes) == shard)
                counts.append(bytes);
        for (quint64 bytes : counts)
            formatFileSizeCached(bytes, 2, false);
        QCOMPARE(fileSizeTextShardSize(shard), 81);
        // The newest is kept: asking again is a hit and does not grow the shard.
        QCOMPARE(formatFileSizeCached(counts.last(), 2, false), formatFileSize(counts.last(), 2, false));
        QCOMPARE(fileSizeTextShardSize(shard), 81);
        clearFileSizeTextCache();
        QCOMPARE(fileSizeTextShardSize(shard), 0);
    }

    void cachedSizeTextsFromManyThreads()
    {
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;  // joined where ThreadSanitizer can see it
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&wrong, t] {
                for (quint64 i = 1; i < 3000; ++i) {
                    const quint64 bytes = i * 977 + quint64(t);
                    if (formatFileSizeCached(bytes, 2, t % 2) != formatFileSize(bytes, 2, false)
                        && (t % 2) == 0)
                        ++wrong;
                }
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(wrong.load(), 0);
    }

    void timestamps_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << qint64(0) << "";
        QTest::newRow("negative") << qint64(-5) << qint64(0) << "";
        QTest::newRow("five digits") << qint64(12345) << qint64(0) << "12345";
        QTest::newRow("cocoa seconds") << qint64(700000000) << qint64(1678307200000) << "2023-03-08 20:26:40";
        QTest::newRow("unix seconds") << qint64(1700000000) << qint64(1700000000000) << "2023-11-14 22:13:20";
        QTest::newRow("unix ms") << qint64(1700000000123) << qint64(1700000000123) << "2023-11-14 22:13:20";
        QTest::newRow("unix us") << qint64(1700000000123456) << qint64(1700000000123) << "2023-11-14 22:13:20";
        QTest::newRow("cocoa ns") << qint64(700000000123456789) << qint64(1678307200123) << "2023-03-08 20:26:40";
        QTest::newRow("eleven digits") << qint64(17000000001) << qint64(0) << "17000000001";
        QTest::newRow("all nines of 18 digits") << qint64(999999999999999999) << qint64(1978307199999)
                                                 << "2032-09-09 01:46:39";
        QTest::newRow("19 digits") << qint64(1000000000000000000) << qint64(0) << "1000000000000000000";
    }

    void timestamps()
    {
        QFETCH(qint64, value);
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(normalizeTimestampMs(value), ms);
        QCOMPARE(formatFileTime(value), text);
    }

    void versions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("equal") << "1.3.0" << "1.3.0" << 0;
        QTest::newRow("patch newer") << "1.3.1" << "1.3.0" << 1;
        QTest::newRow("padded") << "1.3" << "1.3.0" << 0;
        QTest::newRow("numeric not text") << "1.10.0" << "1.3.0" << 1;
        QTest::newRow("older") << "1.2.9" << "1.3.0" << -1;
        QTest::newRow("empty") << "" << "1.3.0" << -1;
        QTest::newRow("letters count 0") << "1.x.5" << "1.0.5" << 0;
        QTest::newRow("longer newer") << "1.3.0.1" << "1.3" << 1;
    }

    void versions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(compareVersions(a, b), order);
        QCOMPARE(compareVersions(b, a), -order);
    }

    void volumeDisplayNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("drive letter") << R"(Local Disk (C:)\Photos)" << "Photos";
        QTest::newRow("no blank") << R"(Data(D:)\a\b.jpg)" << R"(a\b.jpg)";
        QTest::newRow("slash separator") << "Local Disk (C:)/File Path Lost/report.docx"
                                         << "File Path Lost/report.docx";
        QTest::newRow("linux device") << R"(USB Stick (sdb1)\DCIM\x.jpg)" << R"(DCIM\x.jpg)";
        QTest::newRow("nvme") << R"(Home (nvme0n1p2)\notes.txt)" << "notes.txt";
        QTest::newRow("found folder kept") << R"(Local Disk (C:)\Trip (E:)\a.jpg)" << R"(Trip (E:)\a.jpg)";
        QTest::newRow("one separator only") << R"(Local Disk (C:)\\x)" << R"(\x)";
        QTest::newRow("doubled inside") << R"(Local Disk (C:)\a\\b)" << R"(a\b)";
        QTest::newRow("no display part") << R"(a\Trip (E:)\b)" << R"(a\Trip (E:)\b)";
        QTest::newRow("volume alone") << "Local Disk (C:)" << "";
        QTest::newRow("generated number") << R"(Data (5)\a.jpg)" << "a.jpg";
        QTest::newRow("not a whole component") << R"(Data (C:)x\a.jpg)" << R"(Data (C:)x\a.jpg)";
        QTest::newRow("lost partition kept") << R"(Lost Partition - 3\a.jpg)" << R"(Lost Partition - 3\a.jpg)";
        QTest::newRow("empty") << "" << "";
    }

    void volumeDisplayNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, stripped);
        QCOMPARE(stripVolumeDisplayName(path), stripped);
    }

    void nameTableBeforeAndAfterFill()
    {
        QVERIFY(!nameTableSnapshot()->filled);
        QCOMPARE(translatedNameForCode(14), QString());
        fillNameTable();
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Recycle Bin"));
        QCOMPARE(englishNameForCode(40), QStringLiteral("All Files"));
        QCOMPARE(translatedNameForCode(7), QStringLiteral("Lost Partition"));
        QCOMPARE(translatedNameForText("$RECYCLE.BIN"), QStringLiteral("Recycle Bin"));
        QCOMPARE(translatedNameForText("USB Drive"), QStringLiteral("USB Drive"));
        QCOMPARE(translatedNameForCode(15), QString());
        QCOMPARE(nameTableSnapshot()->translatedByName.size(), 23);
    }

    void nameTableRefillWhileRead()
    {
        std::atomic<bool> stop{false};
        std::atomic<int> wrong{0};
        std::thread reader([&] {
            while (!stop) {
                auto table = nameTableSnapshot();
                if (table->filled && table->translatedByCode.value(19) != QStringLiteral("Photo"))
                    ++wrong;
            }
        });
        for (int i = 0; i < 200; ++i)
            fillNameTable();
        stop = true;
        reader.join();
        QCOMPARE(wrong.load(), 0);
    }

    void recycleBinPaths()
    {
        QVERIFY(containsRecycleBin("$RECYCLE.BIN"));
        QVERIFY(containsRecycleBin(R"(C:\$Recycle.Bin\S-1-5\$RAB12.jpg)"));
        QVERIFY(!containsRecycleBin("RECYCLE.BIN"));
        QVERIFY(!containsRecycleBin("$RECYCLEXBIN"));
    }

    // A waiter on a busy event loop waits as long as the loop is busy (a scan
    // must not start before its page exists), and goes on only once the call
    // has run there; a give-up ends the wait, and the call still runs later.
    void callAndWaitOutlastsABusyLoop()
    {
        for (const bool giveUp : {false, true}) {
            std::atomic<bool> called{false}, calledOnLoop{false}, waiterDone{false}, ranBeforeReturn{false};
            std::atomic<bool> stop{false}, returned{false};
            std::thread waiter([&] {
                returned = CallAndWait(
                    QCoreApplication::instance(),
                    [&] {
                        calledOnLoop = QThread::currentThread() == QCoreApplication::instance()->thread();
                        called = true;
                    },
                    [&] { return stop.load(); });
                ranBeforeReturn = called.load();
                waiterDone = true;
            });
            auto joinAtEnd = qScopeGuard([&] {
                stop = true;
                if (waiter.joinable())
                    waiter.join();
            });
            // The loop busy for far longer than the waiter's polls.
            QThread::msleep(1500);
            QVERIFY(!waiterDone);
            if (giveUp) {
                // Joined without running the loop: the call must not run first.
                stop = true;
                waiter.join();
                QVERIFY(!returned);
                QVERIFY(!ranBeforeReturn);
            }
            QTRY_VERIFY_WITH_TIMEOUT(called, 60000);
            QVERIFY(calledOnLoop);
            if (!giveUp) {
                QTRY_VERIFY_WITH_TIMEOUT(waiterDone, 60000);
                QVERIFY(returned);
                QVERIFY(ranBeforeReturn);
            }
        }
        // On the loop's own thread the call runs at once.
        bool inline_ = false;
        QVERIFY(CallAndWait(QCoreApplication::instance(), [&] { inline_ = true; }, {}));
        QVERIFY(inline_);
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--read") == 0)
        return readInChild(argc, argv);
    QCoreApplication app(argc, argv);
    ServicesCoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ServicesCoreTest.moc"
