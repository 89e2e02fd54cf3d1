// Main window: what AppEvent flags do to the shade and the busy overlay, the
// launcher-entry progress seen on a private session bus, a module that
// refuses the close, and the order of the quit sequence.

#include "ShellTestSupport.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "MainWindow/MainWindow.h"
#include "MainWindow/QuitSequence.h"
#include "MainWindow/TaskbarProgress.h"
#include "XDialog.h"
#include "XMessageBox.h"
#include "XPushButton.h"
#include "spdlog_qt.h"

#include <QDBusConnection>
#include <QFile>
#include <QTemporaryDir>
#include <QProcess>
#include <QTimer>
#include <functional>

namespace {

void whenBoxOpens(std::function<void(XMessageBox*)> action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(qobject_cast<XMessageBox*>(QApplication::activeModalWidget()));
        action(qobject_cast<XMessageBox*>(QApplication::activeModalWidget()));
    });
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

public slots:
    void onUpdate(const QString& uri, const QVariantMap& properties)
    {
        if (uri == TaskbarProgress::AppUri)
            updates_ << properties;
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void appEvents_data();
    void appEvents();
    void dialogsDimTheWindowButNotTheSpinner();
    void launcherEntryProgress();
    void refusingModuleKeepsTheWindow();
    void quitHooksRunInOrder();
    void secondStartBringsTheWindowBack();

private:
    QString appLog() const
    {
        QFile file(logDir_.filePath(AppLogFileName));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir logDir_;
    QProcess bus_;
    QString address_;
    QList<QVariantMap> updates_;
};

void MainWindowTest::initTestCase()
{
    QVERIFY(startAppLog(logDir_.path()));
    // A private session bus before anything asks for one.
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY2(bus_.waitForStarted(5000), "dbus-daemon is needed (package dbus)");
    QVERIFY(bus_.waitForReadyRead(5000));
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    QVERIFY(!address_.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());
    QDBusConnection listener = QDBusConnection::connectToBus(address_, "listener");
    QVERIFY(listener.isConnected());
    QVERIFY(listener.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", this,
                             SLOT(onUpdate(QString, QVariantMap))));
}

void MainWindowTest::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus("listener");
    bus_.kill();
    bus_.waitForFinished(3000);
}

void MainWindowTest::appEvents_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("shadeBefore");
    QTest::addColumn<bool>("busyBefore");
    QTest::addColumn<bool>("dialogOpen");
    QTest::addColumn<bool>("shadeAfter");
    QTest::addColumn<bool>("busyAfter");

    QTest::newRow("1 shows the shade") << 1 << false << false << false << true << false;
    QTest::newRow("3: show wins over hide") << 3 << false << false << false << true << false;
    QTest::newRow("2 hides the shade") << 2 << true << false << false << false << false;
    QTest::newRow("2 with a dialog open keeps it") << 2 << true << false << true << true << false;
    QTest::newRow("4 shows the spinner") << 4 << false << false << false << false << true;
    QTest::newRow("12: show wins over hide") << 12 << false << false << false << false << true;
    QTest::newRow("8 hides the spinner") << 8 << false << true << false << false << false;
    QTest::newRow("5 shows both") << 5 << false << false << false << true << true;
    QTest::newRow("10 hides both") << 10 << true << true << false << false << false;
}

void MainWindowTest::appEvents()
{
    QFETCH(int, flags);
    QFETCH(bool, shadeBefore);
    QFETCH(bool, busyBefore);
    QFETCH(bool, dialogOpen);
    QFETCH(bool, shadeAfter);
    QFETCH(bool, busyAfter);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.shade()->setVisible(shadeBefore);
    if (busyBefore)
        window.busyIndicator()->start(20);
    XDialog dialog(&window);
    if (dialogOpen)
        dialog.show();

    AppEvent event(flags);
    QCoreApplication::sendEvent(&window, &event);
    QCOMPARE(window.shade()->isVisible(), shadeAfter);
    QCOMPARE(window.busyIndicator()->isVisible(), busyAfter);
    QCOMPARE(window.busyIndicator()->isSpinning(), busyAfter);
    if (shadeAfter)
        QCOMPARE(window.shade()->geometry(), window.rect());
}

void MainWindowTest::dialogsDimTheWindowButNotTheSpinner()
{
    DialogEventFilter filter;
    qApp->installEventFilter(&filter);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.busyIndicator()->start(20);
    QCoreApplication::processEvents();
    QVERIFY(!window.shade()->isVisible());
    window.busyIndicator()->stop();
    QCoreApplication::processEvents();

    XDialog dialog(&window);
    dialog.show();
    QTRY_VERIFY(window.shade()->isVisible());
    dialog.hide();
    QTRY_VERIFY(!window.shade()->isVisible());
    qApp->removeEventFilter(&filter);
}

void MainWindowTest::launcherEntryProgress()
{
    updates_.clear();
    QCOMPARE(QString(TaskbarProgress::AppUri),
             QString("application://%1.desktop").arg(AppManager::desktopFileName()));
    MainWindow window;
    // Built long before its first showing, the window has no native window yet.
    QVERIFY(!window.windowHandle());
    QVERIFY(!window.taskbar());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.taskbar());
    TaskbarProgress* made = window.taskbar();
    auto last = [this] { return updates_.isEmpty() ? QVariantMap() : updates_.last(); };
    // The window announces its entry once it is shown.
    QTRY_COMPARE(updates_.size(), 1);
    updates_.clear();

    window.onProgressUpdated(0, 0, QString());
    QTRY_COMPARE(updates_.size(), 1);
    QCOMPARE(last().value("progress").toDouble(), 0.01);
    QCOMPARE(last().value("progress-visible").toBool(), true);

    window.onProgressUpdated(0, 42, QString());
    QTRY_COMPARE(updates_.size(), 2);
    QCOMPARE(last().value("progress").toDouble(), 0.42);

    window.onScanPaused();
    QTRY_COMPARE(updates_.size(), 3);
    QCOMPARE(last().value("progress").toDouble(), 0.42);

    window.onInitCfgFinished(true);
    QTRY_COMPARE(updates_.size(), 4);
    QCOMPARE(last().value("progress").toDouble(), 0.01);

    window.onScanFinished(0, QString(), 0);
    QTRY_COMPARE(updates_.size(), 5);
    QCOMPARE(last().value("progress-visible").toBool(), false);

    window.onInitCfgFinished(false);
    QTRY_COMPARE(updates_.size(), 6);
    QCOMPARE(last().value("progress-visible").toBool(), false);

    // One object for the window's life, however often it is shown.
    window.hide();
    window.show();
    QCOMPARE(window.taskbar(), made);
    QVERIFY2(!appLog().contains("windowHandle() is null"), qPrintable(appLog()));
}

void MainWindowTest::refusingModuleKeepsTheWindow()
{
    MainWindow window;
    int terminated = -1;
    window.terminate = [&terminated](int code) { terminated = code; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    whenBoxOpens([](XMessageBox* box) {
        QCOMPARE(box->buttons().size(), 2);
        QTest::mouseClick(box->buttons().at(1), Qt::LeftButton); // "Cancel"
    });
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(terminated, -1);

    whenBoxOpens([](XMessageBox* box) { QTest::mouseClick(box->buttons().at(0), Qt::LeftButton); });
    window.close();
    QCOMPARE(terminated, 0);
    QVERIFY(!window.isVisible());
}

void MainWindowTest::quitHooksRunInOrder()
{
    using QuitSequence::Stage;
    QuitSequence::clearHooks();
    QStringList order;
    // Registered in the worst order on purpose.
    QuitSequence::addHook(Stage::WaitForAnalytics, [&] { order << "analytics"; });
    QuitSequence::addHook(Stage::ReleaseEngine, [&] { order << "release engine"; });
    QuitSequence::addHook(Stage::ShutDownDocuments, [&] { order << "documents"; });
    QuitSequence::addHook(Stage::ShutDownThumbnails, [&] { order << "thumbnails"; });
    QuitSequence::addHook(Stage::StopEngineWork, [&] { order << "stop scanning"; });
    QuitSequence::addHook(Stage::StopEngineWork, [&] { order << "stop recovering"; });

    MainWindow window;
    window.terminate = [&order](int code) { order << QString("exit %1").arg(code); };
    window.runQuitSequence();
    QCOMPARE(order, (QStringList{"stop scanning", "stop recovering", "thumbnails", "documents",
                                 "release engine", "analytics", "exit 0"}));
    // A second request while quitting does nothing more.
    window.runQuitSequence();
    QCOMPARE(order.size(), 7);
    QuitSequence::clearHooks();
}

void MainWindowTest::secondStartBringsTheWindowBack()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    window.bringToFront();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());

    window.hide();
    window.bringToFront();
    QVERIFY(window.isVisible());
}

OSTREL_SHELL_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
