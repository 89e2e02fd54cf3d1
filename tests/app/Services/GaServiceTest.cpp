// Analytics against a local HTTP server: the exact request of an event,
// encoding, order, timeouts and errors, waiting at quit, client ids.
#include "CuteSettings.h"
#include "GaService.h"
#include "LocalHttpServer.h"

#include "TestHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <cstdio>
#include <cstring>

namespace {

QString queryValue(const QByteArray& target, const QString& key)
{
    return QUrlQuery(QUrl::fromEncoded(target)).queryItemValue(key, QUrl::FullyDecoded);
}

}

class GaServiceTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        useTestHome(home_.path());
        setApplicationNames();
    }

    void facadeSendsStartAfterProductEvents()
    {
        LocalHttpServer server;
        qputenv("OSTREL_ANALYTICS_URL", server.baseUrl().toUtf8() + "/");
        qputenv("OSTREL_MEASUREMENT_ID", "G-TEST&1");
        sendGaEventAction("Lifecycle", "Start");
        QTRY_COMPARE(server.requests.size(), 6);
        QStringList names;
        for (const auto& request : server.requests)
            names << queryValue(request.target, "en") + "/" + queryValue(request.target, "ep.action");
        QCOMPARE(names, QStringList({"System/SysOS", "System/SysLanguage", "System/SysCountry",
                                     "Product/ProductVersion", "Product/Source", "Lifecycle/Start"}));

        const GaService* service = gaService();
        const QByteArray target = server.requests.last().target;
        const QString sid = queryValue(target, "sid");
        QVERIFY(QRegularExpression("^\\d{10}$").match(sid).hasMatch());
        const QString expected = QStringLiteral("/g/collect?v=2&sct=1&seg=1&tid=G-TEST%261&cid=%1&sid=%2&en=Lifecycle"
                                                "&ep.action=Start&ep.cd2=1.3.0&ep.cd3=%3&ep.cd4=SEO&ep.cd5=%4&ep.cd6=%5")
                                     .arg(QString::fromLatin1(QUrl::toPercentEncoding(service->clientId())), sid,
                                          QString::fromLatin1(QUrl::toPercentEncoding(
                                              QLocale::countryToString(QLocale::system().country()))))
                                     .arg(queryValue(target, "ep.cd5").isEmpty()
                                              ? QString()
                                              : QString::fromLatin1(QUrl::toPercentEncoding(queryValue(target, "ep.cd5"))),
                                          QString::fromLatin1(QUrl::toPercentEncoding(queryValue(target, "ep.cd6"))));
        QCOMPARE(QString::fromLatin1(target), expected);
        QVERIFY(queryValue(target, "ep.cd6").endsWith(QSysInfo::currentCpuArchitecture()));
        QCOMPARE(server.requests.last().method, QByteArray("GET"));

        sendGaEvent("Search", "Find", "&=#+ é", 3, {{"zeta", "z"}, {"ke&y", "v=1"}});
        QTRY_COMPARE(server.requests.size(), 7);
        QVERIFY(server.requests.last().target.contains(
            "&en=Search&ep.action=Find&ep.label=%26%3D%23%2B%20%C3%A9&ep.value=3&ep.ke%26y=v%3D1&ep.zeta=z&ep.cd2="));
        QTRY_VERIFY(!service->isSending());
        qunsetenv("OSTREL_ANALYTICS_URL");
    }

    void oddListEndsWithOne()
    {
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        service.sendEvent("Odd", {"a", "b", "c"});
        QTRY_COMPARE(server.requests.size(), 1);
        QVERIFY(server.requests[0].target.contains("&en=Odd&ep.a=b&ep.c=1&ep.cd2="));
    }

    void hostileLabelArrivesWhole()
    {
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        service.sendEvent("Search", {"action", "Find", "label", "&=#+ é", "ke&y", "v=1#x"});
        QTRY_COMPARE(server.requests.size(), 1);
        const QByteArray target = server.requests[0].target;
        QCOMPARE(queryValue(target, "ep.label"), QStringLiteral("&=#+ é"));
        QCOMPARE(queryValue(target, "ep.ke&y"), QStringLiteral("v=1#x"));
        QCOMPARE(queryValue(target, "ep.action"), QStringLiteral("Find"));
        QVERIFY(target.contains("&ep.cd6="));  // nothing after the label was cut off
    }

    void burstArrivesInOrder()
    {
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        for (int i = 0; i < 20; ++i)
            service.sendEvent("Burst", {"action", QString::number(i)});
        QTRY_COMPARE(server.requests.size(), 20);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(queryValue(server.requests[i].target, "ep.action"), QString::number(i));
        QTRY_VERIFY(!service.isSending());
    }

    void nextEventGoesAfterTimeoutOrError()
    {
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        service.setTransferTimeout(300);
        server.setSilent(true);
        service.sendEvent("Lost", {"action", "silent"});
        QTRY_COMPARE(server.requests.size(), 1);
        server.setSilent(false);
        server.setResponse(500, "broken");
        service.sendEvent("Next", {"action", "after-timeout"});
        service.sendEvent("Next", {"action", "after-500"});
        QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 3, 5000);
        QCOMPARE(queryValue(server.requests[2].target, "ep.action"), QStringLiteral("after-500"));
        QTRY_VERIFY(!service.isSending());
    }

    void waitingAtQuit()
    {
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        // Nothing to send: the wait ends without a request.
        QVERIFY(!service.isSending());
        service.waitForEvents(800);
        QCOMPARE(server.requests.size(), 0);

        service.setTransferTimeout(2500);
        server.setSilent(true);
        service.sendEvent("Quit", {"action", "silent"});
        service.sendEvent("Quit", {"action", "never"});
        QTRY_COMPARE(server.requests.size(), 1);
        // A request in flight is waited for, up to the time given.
        QElapsedTimer clock;
        clock.start();
        service.waitForEvents(800);
        QVERIFY2(clock.elapsed() >= 700, qPrintable(QString::number(clock.elapsed())));
        // The worker gives up before the queued event and no longer counts as sending.
        QTRY_VERIFY_WITH_TIMEOUT(!service.isSending(), 5000);
        QTest::qWait(200);
        QCOMPARE(server.requests.size(), 1);
    }

    void abandonAbortsTheRequestInFlight()
    {
        // The application's teardown waits for the worker: a silent server must
        // not hold it for the transfer timeout of every queued event.
        LocalHttpServer server;
        GaService service(server.baseUrl(), "G-1");
        service.setTransferTimeout(120000);
        server.setSilent(true);
        service.sendEvent("Quit", {"action", "silent"});
        service.sendEvent("Quit", {"action", "never"});
        QTRY_COMPARE(server.requests.size(), 1);
        service.abandonPending();
        QTRY_VERIFY_WITH_TIMEOUT(!service.isSending(), 20000);
        QTest::qWait(200);
        QCOMPARE(server.requests.size(), 1);
    }

    void noEndpointNoTraffic()
    {
        GaService service(QString(), "G-1");
        QVERIFY(!service.isEnabled());
        service.sendEvent("Nothing", {"action", "x"});
        QVERIFY(!service.isSending());
    }

    void measurementId()
    {
        GaService service("http://127.0.0.1:1", "G-1");
        QSignalSpy spy(&service, &GaService::measurementIdChanged);
        service.setMeasurementId("G-1");
        service.setMeasurementId("");
        service.setMeasurementId("G-2");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(service.property("measurementId").toString(), QStringLiteral("G-2"));
    }

    void clientIds_data()
    {
        QTest::addColumn<QByteArray>("machineId");
        QTest::addColumn<QString>("clientId");
        QTest::newRow("40 digits") << QByteArray("12345678901234567890") << "495051525354555.657484950515253";
        QTest::newRow("20 digits") << QByteArray("1234567890") << "495051525354555.65748";
        QTest::newRow("short") << QByteArray("ab") << "9798.9798";
        QTest::newRow("signed bytes") << QByteArray("\xff\x80") << "-1-128.-1-128";
        QTest::newRow("none") << QByteArray() << "";
    }

    void clientIds()
    {
        QFETCH(QByteArray, machineId);
        QFETCH(QString, clientId);
        QCOMPARE(GaService::clientIdFromMachineId(machineId), clientId);
    }

    void randomClientIdKeptAcrossProcesses()
    {
        const QString here = GaService::clientIdFor(QByteArray());
        QVERIFY(QRegularExpression("^\\d{10}\\.\\d{10}$").match(here).hasMatch());
        QCOMPARE(GaService::clientIdFor(QByteArray()), here);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--client-id"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), here);
    }
};

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--client-id") == 0) {
        QCoreApplication app(argc, argv);
        setApplicationNames();
        std::fputs(qPrintable(GaService::clientIdFor(QByteArray())), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    GaServiceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GaServiceTest.moc"
