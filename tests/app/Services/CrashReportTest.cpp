// Crash reports: a program dying five ways leaves a report and dies of its
// own signal; at the next start the user's answer sends or deletes it.
#include "CrashReportUpload.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

const char* const ReportName = "Ostrel Windows Data Recovery_v1.3.0.crash";

}

class CrashReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName("Ostrel Windows Data Recovery");
    }

    void dyingLeavesAReport_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("signal");
        QTest::newRow("null write") << "null" << SIGSEGV;
        QTest::newRow("abort") << "abort" << SIGABRT;
        QTest::newRow("throw through noexcept") << "noexcept" << SIGABRT;
        QTest::newRow("pure virtual call") << "purevirtual" << SIGABRT;
        QTest::newRow("stack overflow") << "overflow" << SIGSEGV;
    }

    void dyingLeavesAReport()
    {
        QFETCH(QString, mode);
        QFETCH(int, signal);
        QTemporaryDir dir;
        QProcess victim;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The sanitizers leave the fatal signals to the program's own handler.
        const QString leave = "handle_segv=0:handle_abort=0:handle_sigbus=0:handle_sigill=0:handle_sigfpe=0";
        env.insert("ASAN_OPTIONS", leave + ":detect_leaks=0");
        env.insert("TSAN_OPTIONS", leave);
        env.insert("UBSAN_OPTIONS", leave);
        victim.setProcessEnvironment(env);
        victim.setWorkingDirectory(dir.path());
        victim.start(VELMORA_BINARY_DIR "/tests/app/Services/crash-victim", {dir.path(), mode});
        QVERIFY(victim.waitForFinished(30000));
        QCOMPARE(victim.exitStatus(), QProcess::CrashExit);
        QCOMPARE(victim.exitCode(), signal);

        QFile report(dir.filePath(ReportName));
        QVERIFY2(report.open(QIODevice::ReadOnly), qPrintable(victim.readAllStandardError()));
        const QString text = QString::fromUtf8(report.readAll());
        QVERIFY2(text.startsWith(QStringLiteral("Signal: %1 (").arg(signal)), qPrintable(text));
        QVERIFY(QRegularExpression(signal == SIGSEGV ? "\nAddress: 0x[0-9a-f]+\n" : "\nAddress: -\n").match(text).hasMatch());
        QVERIFY(text.contains("\nApplication: Ostrel Windows Data Recovery\n"));
        QVERIFY(text.contains("\nVersion: 1.3.0\n"));
        QVERIFY(text.contains("\nDescription: clicked Recover\n"));
        QVERIFY(QRegularExpression("\nTime: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d UTC\n").match(text).hasMatch());
        QVERIFY2(QRegularExpression("\nMem: \\d+\\.\\dMB\n").match(text).hasMatch(), qPrintable(text));
        const QStringList frames = text.section("Backtrace:\n", 1).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(frames.size() >= 3, qPrintable(text));
    }

    void consent_data()
    {
        QTest::addColumn<bool>("send");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("posts");
        QTest::addColumn<bool>("kept");
        QTest::newRow("yes") << true << 200 << 1 << false;
        QTest::newRow("yes, server fails") << true << 500 << 1 << true;
        QTest::newRow("no") << false << 200 << 0 << false;
    }

    void consent()
    {
        QFETCH(bool, send);
        QFETCH(int, status);
        QFETCH(int, posts);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        LocalHttpServer server;
        server.setResponse(status, "{}");
        qputenv("OSTREL_CRASH_URL", (server.baseUrl() + "/post/crash").toUtf8());
        const QString report = dir.filePath(ReportName);
        writeFile(report, "Signal: 11 (SIGSEGV)\nMem: 512.3MB\nBacktrace:\n");
        writeFile(dir.filePath("AppLog.log"), QByteArray(5 << 20, 'a') + "last line\n");
        writeFile(dir.filePath("notes.txt"), "small");
        writeFile(dir.filePath("other.dat"), "not sent");

        CrashReportUpload upload(report, dir.path());
        QVERIFY(upload.shouldAsk());
        QSignalSpy finished(&upload, &CrashReportUpload::finished);
        upload.answer(send);
        QVERIFY(finished.wait(10000));
        qunsetenv("OSTREL_CRASH_URL");
        QCOMPARE(finished.at(0).at(0).toBool(), send && status == 200);
        QCOMPARE(server.requests.size(), posts);
        QCOMPARE(QFile::exists(report), kept);
        if (!posts)
            return;
        const auto& request = server.requests.first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, QByteArray("/post/crash"));
        QVERIFY(request.headers.value("content-type").startsWith("multipart/form-data"));
        const QByteArray& body = request.body;
        QVERIFY(body.contains("filename=\"Ostrel Windows Data Recovery_v1.3.0.crash\""));
        QVERIFY(body.contains("Signal: 11 (SIGSEGV)"));
        QVERIFY(body.contains("\"Mem\":\"512.3MB\""));
        QVERIFY(body.contains("filename=\"notes.txt\""));
        QVERIFY(body.contains("filename=\"AppLog.log\""));
        QVERIFY(!body.contains("other.dat"));
        QVERIFY(body.contains("last line"));
        QVERIFY(body.size() < (4 << 20) + 64 * 1024);  // only the log's last 4 MiB
    }

    void noEndpointKeepsTheReport()
    {
        QTemporaryDir dir;
        qunsetenv("OSTREL_CRASH_URL");
        const QString report = dir.filePath(ReportName);
        writeFile(report, "Signal: 6 (SIGABRT)\n");
        CrashReportUpload upload(report, dir.path());
        QVERIFY(upload.hasReport());
        QVERIFY(!upload.shouldAsk());
        QSignalSpy finished(&upload, &CrashReportUpload::finished);
        upload.answer(true);
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(QFile::exists(report));
    }
};

QTEST_GUILESS_MAIN(CrashReportTest)
#include "CrashReportTest.moc"
