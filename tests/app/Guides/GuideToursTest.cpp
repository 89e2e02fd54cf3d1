// The two tours over the main window: both managers walked from one table
// (analytics labels, the end signal, the hosts' setting), showing by the
// setting, the overlay kept at the window's size, and the keyboard held off
// the page under the shade. The device tour runs over the real device page.
#include "AppManager.h"
#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "GaService.h"
#include "Guides/GuideManagement.h"
#include "Guides/GuideStepAbstract.h"
#include "DriveListView.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "LocalHttpServer.h"
#include "MainWindow/MainWindow.h"
#include "Modules/ModuleLayout.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "StorageDeviceModule.h"
#include "StorageDevicePage.h"
#include "UIFrameInfo.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

namespace {

LocalHttpServer* analytics = nullptr;

// The labels of the analytics events "OtherInformation"/action received so far.
QStringList guideLabels(const QString& action)
{
    QStringList labels;
    for (const auto& request : analytics->requests) {
        const QUrlQuery query(QUrl::fromEncoded(request.target));
        if (query.queryItemValue("en", QUrl::FullyDecoded) == "OtherInformation" &&
            query.queryItemValue("ep.action", QUrl::FullyDecoded) == action)
            labels << query.queryItemValue("ep.label", QUrl::FullyDecoded);
    }
    return labels;
}

DiskAndVolumeInfo engineRecord(const std::string& letter, const std::string& node, uint8_t disk, uint8_t volume)
{
    DiskAndVolumeInfo record;
    // A node that does not exist: nothing of this machine is ever read.
    record.diskName = record.volumePath = "/nonexistent-guides-test" + node;
    record.volumeLetter = letter;
    record.label = "Vol";
    record.fileSystem = "FAT32";
    record.startOffset = 1u << 20;
    record.endOffset = 65u << 20;
    record.deviceSize = 1u << 30;
    record.diskIndex = disk;
    record.volIndex = volume;
    record.volumeKind = 1;
    return record;
}

XLabel* backLink(GuideStepAbstract* step)
{
    for (auto* label : step->findChildren<XLabel*>())
        if (label->text().contains("href"))
            return label;
    return nullptr;
}

// What the results page does for its tour (it lands with the results browser):
// stores the end of the tour, and shows the tour on entry while it is enabled.
void enterResultsPage()
{
    auto* tour = RecoveryToolkitGuideManagement::instance();
    if (tour->isGuideEnabled())
        tour->setGuideVisible(true);
}

}  // namespace

Q_DECLARE_METATYPE(GuideManagement*)

class GuideToursTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void deviceTourStartsFittedWithTheWindow();
    void walkThrough_data();
    void walkThrough();
    void enabledBySetting_data();
    void enabledBySetting();
    void overlaysFollowTheWindowSize();
    void keysDoNotReachThePageUnderTheShade();

private:
    void tours_data();
    GuideManagement* manager(const QString& which) const;
    void show(GuideManagement* tour);

    MainWindow* window_ = nullptr;
};

void GuideToursTest::initTestCase()
{
    StorageDeviceManager::instance().setLister([] {
        return std::vector<DiskAndVolumeInfo>{engineRecord("/", "/dev/sda2", 0, 1), engineRecord("/home/", "/dev/sda3", 0, 2)};
    });
    StorageDeviceManager::instance().refreshDiskList();
    StorageDataRecoverMgr::instance()->setModuleSwitcher([](int) {});
    ModuleLayout::setModuleFactory([](ModuleManager::ModuleType type, QWidget* parent) -> AbstractModuleWidget* {
        return type == ModuleManager::StorageDevice ? new StorageDeviceModule(parent) : nullptr;
    });
    connect(RecoveryToolkitGuideManagement::instance(), &GuideManagement::firshSignal, this,
            [] { CuteSettings::instance().setValue("recoveryToolkitTourGuide", 0, CuteSettings::Default); });
    window_ = new MainWindow;
    window_->resize(1300, 820);
}

void GuideToursTest::cleanupTestCase()
{
    // The main window owns both overlays from its launch on.
    delete window_;
}

void GuideToursTest::init()
{
    for (GuideManagement* tour : {manager("device"), manager("results")}) {
        if (!tour->overlay()->parentWidget())
            continue;
        tour->setGuideVisible(false);
        tour->stack()->setCurrentIndex(0);
    }
    QSettings().remove("storageTourGuide");
    QSettings().remove("recoveryToolkitTourGuide");
    analytics->requests.clear();
}

GuideManagement* GuideToursTest::manager(const QString& which) const
{
    if (which == "device")
        return StorageGuideManagement::instance();
    return RecoveryToolkitGuideManagement::instance();
}

void GuideToursTest::show(GuideManagement* tour)
{
    if (tour == StorageGuideManagement::instance())
        window_->onLaunchFinished();
    else
        enterResultsPage();
}

void GuideToursTest::deviceTourStartsFittedWithTheWindow()
{
    // Runs first: the overlay has not been re-parented yet, and no resize
    // follows the re-parenting.
    QWidget* overlay = StorageGuideManagement::instance()->overlay();
    QVERIFY(!overlay->parentWidget());
    window_->onLaunchFinished();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QCOMPARE(overlay->parentWidget(), window_);
    QCOMPARE(RecoveryToolkitGuideManagement::instance()->overlay()->parentWidget(), window_);
    QVERIFY(overlay->isVisible());
    QVERIFY(!RecoveryToolkitGuideManagement::instance()->overlay()->isVisible());
    QCOMPARE(overlay->geometry(), window_->rect());
    QCOMPARE(StorageGuideManagement::instance()->stack()->currentIndex(), 0);
    QTRY_COMPARE(guideLabels("Guide1"), QStringList({"Step1"}));

    // The device page gave the last step its start button's size.
    auto* module = qobject_cast<StorageDeviceModule*>(window_->moduleLayout()->currentModule());
    QVERIFY(module);
    auto* start = window_->findChild<XPushButton*>("startButton");
    QVERIFY(start);
    QCOMPARE(StorageGuideManagement::instance()->step(2)->targetSize(), start->size());
}

void GuideToursTest::tours_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("action");
    QTest::newRow("device") << "device" << 3 << "storageTourGuide" << "Guide1";
    QTest::newRow("results") << "results" << 4 << "recoveryToolkitTourGuide" << "Guide2";
}

void GuideToursTest::walkThrough_data()
{
    tours_data();
}

void GuideToursTest::walkThrough()
{
    QFETCH(QString, which);
    QFETCH(int, steps);
    QFETCH(QString, key);
    QFETCH(QString, action);
    GuideManagement* tour = manager(which);
    QSignalSpy finished(tour, &GuideManagement::firshSignal);

    show(tour);
    QVERIFY(tour->overlay()->isVisible());
    QStringList expected{"Step1"};
    QCOMPARE(tour->stack()->count(), steps);

    // Next to step 2, Back to step 1, then Next to the last step.
    QTest::mouseClick(tour->step(0)->actionButton(), Qt::LeftButton);
    expected << "Step2";
    QCOMPARE(tour->stack()->currentIndex(), 1);
    QVERIFY(!backLink(tour->step(0)));
    XLabel* back = backLink(tour->step(1));
    QVERIFY(back);
    emit back->linkActivated("#");
    expected << "Step1";
    QCOMPARE(tour->stack()->currentIndex(), 0);
    for (int step = 1; step < steps; ++step) {
        QTest::mouseClick(tour->step(step - 1)->actionButton(), Qt::LeftButton);
        expected << QString("Step%1").arg(step + 1);
        QCOMPARE(tour->stack()->currentIndex(), step);
        QVERIFY(tour->step(step)->actionButton()->isVisible());
    }
    QCOMPARE(qobject_cast<XPushButton*>(tour->step(steps - 1)->actionButton())->text(), QStringLiteral("Done"));
    QVERIFY(tour->isGuideEnabled());
    QCOMPARE(finished.count(), 0);

    // "Done" ends the tour for good.
    QTest::mouseClick(tour->step(steps - 1)->actionButton(), Qt::LeftButton);
    expected << QString("Step%1").arg(steps + 1);
    QVERIFY(!tour->overlay()->isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(CuteSettings::instance().value(key, 1, CuteSettings::Default).toInt(), 0);
    QVERIFY(!tour->isGuideEnabled());
    QTRY_COMPARE(guideLabels(action), expected);

    show(tour);
    QVERIFY(!tour->overlay()->isVisible());
    QCOMPARE(finished.count(), 1);
}

void GuideToursTest::enabledBySetting_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("shown");
    for (const char* which : {"device", "results"}) {
        const QByteArray tag(which);
        QTest::newRow(tag + ", no key") << which << QVariant() << true;
        QTest::newRow(tag + ", 1") << which << QVariant(1) << true;
        QTest::newRow(tag + ", 7") << which << QVariant("7") << true;
        QTest::newRow(tag + ", 0") << which << QVariant(0) << false;
        QTest::newRow(tag + ", not a number") << which << QVariant("yes") << false;
    }
}

void GuideToursTest::enabledBySetting()
{
    QFETCH(QString, which);
    QFETCH(QVariant, stored);
    QFETCH(bool, shown);
    GuideManagement* tour = manager(which);
    if (stored.isValid())
        QSettings().setValue(tour->settingKey(), stored);
    QCOMPARE(tour->isGuideEnabled(), shown);
    show(tour);
    QCOMPARE(tour->overlay()->isVisible(), shown);
    // Hidden and shown again, a tour resumes at the step it had reached.
    if (shown) {
        QTest::mouseClick(tour->step(0)->actionButton(), Qt::LeftButton);
        tour->setGuideVisible(false);
        show(tour);
        QCOMPARE(tour->stack()->currentIndex(), 1);
        const QString action = which == "device" ? "Guide1" : "Guide2";
        QTRY_COMPARE(guideLabels(action), QStringList({"Step1", "Step2", "Step1"}));
    }
}

void GuideToursTest::overlaysFollowTheWindowSize()
{
    GuideManagement* tours[] = {manager("device"), manager("results")};
    for (QSize size : {QSize(1500, 950), QSize(1320, 830)}) {
        window_->resize(size);
        for (GuideManagement* tour : tours)
            QTRY_COMPARE(tour->overlay()->size(), window_->size());
    }
    // An equal size leaves the overlay as it is.
    for (GuideManagement* tour : tours) {
        tour->overlay()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        tour->fitToParent();
        QCOMPARE(tour->overlay()->maximumWidth(), QWIDGETSIZE_MAX);
        tour->overlay()->resize(700, 500);
        tour->fitToParent();
        QCOMPARE(tour->overlay()->size(), window_->size());
    }
}

void GuideToursTest::keysDoNotReachThePageUnderTheShade()
{
    GuideManagement* tour = manager("device");
    window_->onLaunchFinished();
    tour->setGuideVisible(false);
    auto* start = window_->findChild<XPushButton*>("startButton");
    auto* page = qobject_cast<HardDiskAndFolderSelectPage*>(
        window_->findChild<StorageDevicePage*>()->currentSelectionPage());
    QVERIFY(start && page);
    QVERIFY(start->isEnabled());
    // A control under the shade, and one in a window of its own (a dialog's).
    auto* under = new QPushButton("under", window_->centralWidget());
    under->show();
    QPushButton other("other");
    other.show();
    QSignalSpy underClicks(under, &QPushButton::clicked);
    QSignalSpy otherClicks(&other, &QPushButton::clicked);
    QSignalSpy startClicks(start, &XPushButton::clicked);

    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());

    show(tour);
    QVERIFY(tour->overlay()->isVisible());
    QTRY_VERIFY(tour->step(0)->actionButton()->hasFocus());
    // The page selects its first local volume by itself.
    QTRY_VERIFY(page->listView()->currentIndex().isValid());
    const QModelIndex selected = page->listView()->currentIndex();

    // Keys typed into the window go to the focused step button: Tab, the
    // arrows and Return do nothing there, and the focus stays on the shade.
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Down, Qt::Key_Left}) {
        QTest::keyClick(window_->windowHandle(), key);
        QVERIFY2(tour->step(0)->actionButton()->hasFocus(),
                 qPrintable(QString("key %1 moved the focus to %2").arg(key).arg(QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none")));
        QCOMPARE(tour->stack()->currentIndex(), 0);
    }
    // Space is the step's own button: the tour goes on, and the next button takes the focus.
    QTest::keyClick(window_->windowHandle(), Qt::Key_Space);
    QCOMPARE(tour->stack()->currentIndex(), 1);
    QTRY_VERIFY(tour->step(1)->actionButton()->hasFocus());

    // Keys aimed at the controls under the shade are dropped.
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down}) {
        QTest::keyClick(start, key);
        QTest::keyClick(under, key);
        QTest::keyClick(page->listView(), key);
    }
    QCOMPARE(startClicks.count(), 0);
    QCOMPARE(underClicks.count(), 0);
    QCOMPARE(page->listView()->currentIndex(), selected);
    QVERIFY(!window_->busyIndicator()->isSpinning());
    QCOMPARE(window_->moduleLayout()->shownType(), ModuleManager::StorageDevice);

    // Other windows keep their keys; and once the tour is gone the page has its own.
    QTest::keyClick(&other, Qt::Key_Space);
    QCOMPARE(otherClicks.count(), 1);
    tour->setGuideVisible(false);
    QTest::keyClick(under, Qt::Key_Space);
    QCOMPARE(underClicks.count(), 1);
    delete under;
}

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qunsetenv("OSTREL_WEBSITE");
    qunsetenv("OSTREL_UPDATE_URL");
    qunsetenv("OSTREL_CRASH_URL");
    QStandardPaths::setTestModeEnabled(true);
    XApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    LocalHttpServer server;
    server.setResponse(204, QByteArray());
    analytics = &server;
    qputenv("OSTREL_ANALYTICS_URL", server.baseUrl().toUtf8());
    qputenv("OSTREL_MEASUREMENT_ID", "G-TEST");
    AppManager::instance()->initApplication();
    GuideToursTest test;
    const int result = QTest::qExec(&test, argc, argv);
    waitForGaEvents(2000);
    return result;
}

#include "GuideToursTest.moc"
