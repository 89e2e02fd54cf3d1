// The device module's pages: tiles from the device list, selection restore,
// scan starts, the bar, the dialogs and device-change reloads.
#include "AppEvent.h"
#include "AppEventRecorder.h"
#include "AppManager.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "DeviceAccessNotice.h"
#include "DataRecovery/VelmoraExports.h"
#include "DeviceNotifier.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceBar.h"
#include "StorageDeviceManager.h"
#include "StorageDeviceModule.h"
#include "StorageDevicePage.h"
#include "UIFrameInfo.h"
#include "UrlRecorder.h"
#include "XListView.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include "MountSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <chrono>
#include <thread>

using namespace DriveTileRoles;

namespace {

DiskAndVolumeInfo engineRecord(const std::string& letter, const std::string& node, uint64_t start, uint8_t disk,
                               uint8_t volume, bool external = false)
{
    DiskAndVolumeInfo record;
    // Nodes that do not exist: a started scan fails at once, reading nothing of this machine.
    record.diskName = "/nonexistent-devices-test" + node;
    record.volumeLetter = letter;
    record.volumePath = record.diskName;
    record.label = "Vol";
    record.fileSystem = "FAT32";
    record.startOffset = start;
    record.endOffset = start + (64u << 20);
    record.deviceSize = 1u << 30;
    record.diskIndex = disk;
    record.volIndex = volume;
    record.isExternal = external;
    record.volumeKind = 1;
    return record;
}

// The machine: "/" and "/home" and an unmounted partition on one disk, a stick;
// with plugged, also an image with two unmounted partitions (one node, two starts).
std::vector<DiskAndVolumeInfo> machine(bool plugged = false)
{
    std::vector<DiskAndVolumeInfo> records{engineRecord("/home/", "/dev/nvme0n1p3", 2u << 20, 0, 2),
            engineRecord("/", "/dev/nvme0n1p2", 1u << 20, 0, 1),
            engineRecord("4", "/dev/nvme0n1", 4u << 20, 0, 3),
            engineRecord("/media/stick/", "/dev/sdb1", 1u << 20, 1, 0, true)};
    if (plugged) {
        records.push_back(engineRecord("5", "/images/card.img", 1u << 20, 2, 0, true));
        records.push_back(engineRecord("6", "/images/card.img", 40u << 20, 2, 1, true));
    }
    return records;
}

QList<int> sections(const QStandardItemModel* model)
{
    QList<int> out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data(SectionRole).toInt() * 10 + model->index(row, 0).data(ItemIdRole).toInt();
    return out;
}

QString currentLetter(HardDiskAndFolderSelectPage* page)
{
    return page->listView()->currentIndex().data(RecordRole).value<QDiskAndVolumeInfo>().volumeLetter;
}

// Answers the next modal box or dialog by clicking the button with the text,
// or closing it when the text is empty.
void answerModal(const QString& buttonText)
{
    QTimer::singleShot(100, [buttonText] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return answerModal(buttonText);
        for (auto* button : modal->findChildren<XPushButton*>()) {
            if (!buttonText.isEmpty() && button->text() == buttonText)
                return button->click();
        }
        modal->close();
    });
}

// Closes the next message box, keeping its text.
void keepNextMessage(QString* text)
{
    QTimer::singleShot(100, [text] {
        if (auto* box = qobject_cast<XMessageBox*>(QApplication::activeModalWidget())) {
            for (auto* label : box->findChildren<QLabel*>())
                *text += label->text();
            box->close();
        }
    });
}

}  // namespace

class DevicePagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void tilesFollowTheDeviceList();
    void selectionRestore_data();
    void selectionRestore();
    void headersAndUnknownRowsStartNothing();
    void keyboardStepsOverHeaders();
    void cancelledPickerStartsNothing();
    void refusedFolderShowsTheMessage();
    void recycleBinStartsItsScan();
    void volumeTileStartsItsScan();
    void unreadableTileIsMarkedAndRefused();
    void barPresses();
    void barIgnoresWheelAndKeys();
    void pageSwitches();
    void deviceChangeReloadsOnceMore();
    void pageDeletedDuringReload();
    void hotPlugThroughTheNotifier();
    void refreshDialog();
    void refreshDialogClosedEarly();
    void helpDialog();
    void exitQuestion();
    void cleanupTestCase();

private:
    AppEventRecorder recorder_;
    std::atomic<int> listingDelayMs_{0};
    std::atomic<int> listings_{0};
    std::atomic<bool> plugged_{false};
    std::atomic<bool> linuxOnly_{false};
    // While held, a listing waits on the pool until the test lets it go.
    std::mutex gateMutex_;
    std::condition_variable gateChanged_;
    bool listingHeld_ = false;
    std::atomic<int> listingsDone_{0};
    void holdListings(bool held)
    {
        {
            std::lock_guard lock(gateMutex_);
            listingHeld_ = held;
        }
        gateChanged_.notify_all();
    }
    std::mutex imageMutex_;
    // The engine's own records of an image: a record the engine never listed
    // cannot be opened, and the engine tries three times, five seconds apart.
    std::vector<DiskAndVolumeInfo> image_;
};

void DevicePagesTest::initTestCase()
{
    AppManager::instance()->registerWidget(0, &recorder_);
    StorageDeviceManager::instance().setLister([this] {
        ++listings_;
        {
            std::unique_lock lock(gateMutex_);
            gateChanged_.wait(lock, [this] { return !listingHeld_; });
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(listingDelayMs_.load()));
        const auto done = qScopeGuard([this] { ++listingsDone_; });
        auto records = machine(plugged_.load());
        {
            std::lock_guard lock(imageMutex_);
            records.insert(records.end(), image_.begin(), image_.end());
        }
        if (linuxOnly_)
            for (auto& record : records)
                record.fileSystem = "EXT4";
        return records;
    });
    StorageDeviceManager::instance().refreshDiskList();
    RefreshDiskDialog::setStartDelayMs(50);
    StorageDataRecoverMgr::instance()->setModuleSwitcher([](int) {});
    StorageDataRecoverMgr::instance()->setStartDelayMs(0);
}

void DevicePagesTest::init()
{
    recorder_.flags.clear();
    UIFrame::clear();
    listingDelayMs_ = 0;
    StorageDeviceManager::instance().refreshDiskList();
}

void DevicePagesTest::tilesFollowTheDeviceList()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QCOMPARE(sections(page.model()), QList<int>({10, 11, 11, 11, 20, 21, 30, 33, 32, 34}));
    QCOMPARE(page.model()->index(0, 0).data(CountRole).toInt(), 3);
    QCOMPARE(page.model()->index(4, 0).data(CountRole).toInt(), 1);
    QStringList order;
    for (int row : {1, 2, 3, 5})
        order << page.model()->index(row, 0).data(RecordRole).value<QDiskAndVolumeInfo>().volumeLetter;
    QCOMPARE(order, QStringList({"/", "/home", "4", "/media/stick"}));
    QTRY_COMPARE(currentLetter(&page), QStringLiteral("/"));
}

void DevicePagesTest::selectionRestore_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<UIFrameInfo>("frame");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("nothing stored: first local") << false << UIFrameInfo{} << 1;
    QTest::newRow("stored volume") << true << UIFrameInfo{0, 1, 1, 0, 3} << 3;
    QTest::newRow("unplugged external: first external") << true << UIFrameInfo{0, 2, 1, 7, 0} << 5;
    QTest::newRow("stale kind: default") << true << UIFrameInfo{0, 9, 1, 0, 0} << 1;
    QTest::newRow("folder tile") << true << UIFrameInfo{0, 3, 4, 0, 0} << 9;
}

void DevicePagesTest::selectionRestore()
{
    QFETCH(bool, stored);
    QFETCH(UIFrameInfo, frame);
    QFETCH(int, expectedRow);
    if (stored)
        UIFrame::store(frame);
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTRY_COMPARE(page.listView()->currentIndex().row(), expectedRow);
}

void DevicePagesTest::headersAndUnknownRowsStartNothing()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    for (int row : {0, 4, 6}) {
        page.listView()->setCurrentIndex(page.model()->index(row, 0));
        page.startScan();
    }
    auto* unknown = new QStandardItem;
    unknown->setData(Locations, SectionRole);
    unknown->setData(9, ItemIdRole);
    page.model()->appendRow(unknown);
    page.listView()->setCurrentIndex(unknown->index());
    page.startScan();
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(!UIFrame::isStored());
}

void DevicePagesTest::keyboardStepsOverHeaders()
{
    HardDiskAndFolderSelectPage page;
    page.resize(1000, 700);
    page.show();
    page.refreshDeviceList();
    QTRY_COMPARE(page.listView()->currentIndex().row(), 1);
    page.listView()->setFocus();
    QList<int> seen;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(page.listView(), Qt::Key_Right);
        seen << page.listView()->currentIndex().row();
        QVERIFY2(!HardDiskAndFolderSelectDelegate::isHeader(page.listView()->currentIndex()),
                 qPrintable(QString::number(seen.last())));
    }
    QVERIFY(seen.contains(5));  // the external tile is reached past header 2
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(page.listView(), Qt::Key_Left);
        QVERIFY(!HardDiskAndFolderSelectDelegate::isHeader(page.listView()->currentIndex()));
    }
    QCOMPARE(page.listView()->currentIndex().row(), 1);
}

void DevicePagesTest::cancelledPickerStartsNothing()
{
    QString shownStart;
    HardDiskAndFolderSelectPage::setFolderPicker([&](const QString& start, std::function<void(int)> onState) {
        shownStart = start;
        onState(0);
        onState(3);
        return QString();
    });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    page.listView()->setCurrentIndex(page.model()->index(9, 0));
    page.startScan();
    QCoreApplication::processEvents();
    HardDiskAndFolderSelectPage::setFolderPicker({});
    QCOMPARE(recorder_.flags, QList<int>({4, 5, 8, 2}));
    QVERIFY(!shownStart.isEmpty());
    QVERIFY(!UIFrame::isStored());
}

void DevicePagesTest::refusedFolderShowsTheMessage()
{
    // Memory file systems hold no volume to read.
    if (!QFileInfo(QStringLiteral("/dev/shm")).isDir())
        SKIP_OR_FAIL(false, QStringLiteral("no /dev/shm on this machine"));
    QTemporaryDir shm(QStringLiteral("/dev/shm/devices-test-XXXXXX"));
    QVERIFY(shm.isValid());
    HardDiskAndFolderSelectPage::setFolderPicker([&](const QString&, std::function<void(int)> onState) {
        onState(2);
        return shm.path();
    });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    page.listView()->setCurrentIndex(page.model()->index(9, 0));
    QString message;
    keepNextMessage(&message);
    page.startScan();
    HardDiskAndFolderSelectPage::setFolderPicker({});
    QVERIFY2(message.contains(QLatin1String("Unable to scan this path.")), qPrintable(message));
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>({4, 5, 8, 2}));
    QVERIFY(!UIFrame::isStored());
}

void DevicePagesTest::recycleBinStartsItsScan()
{
    // What the bridge then makes of the start is the bridge's own tests' matter;
    // with no file system that keeps a Recycle Bin it ends at once, reading nothing.
    linuxOnly_ = true;
    StorageDeviceManager::instance().refreshDiskList();
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    // Emitted on a pool thread: heard queued here (a QSignalSpy would record it there).
    QList<bool> started;
    QObject receiver;
    connect(bridge, &StorageDataRecoverMgr::initCfgFinished, &receiver, [&](bool ok) { started << ok; });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    page.listView()->setCurrentIndex(page.model()->index(7, 0));
    page.startScan();
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>({4}));
    const UIFrameInfo frame = UIFrame::stored();
    QCOMPARE(frame.pageType, 0u);
    QCOMPARE(frame.itemKind, 3);
    QCOMPARE(frame.itemId, 3);
    QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 20000);
    QCOMPARE(started, QList<bool>({false}));
    QVERIFY(bridge->waitForStarters(20000));
    linuxOnly_ = false;
}

void DevicePagesTest::volumeTileStartsItsScan()
{
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("stick.img"));
    REQUIRE_TOOLS(QStringLiteral("mkfs.fat"));
    QString output;
    QVERIFY2(TestMounts::run(QStringLiteral("mkfs.fat"), {"-F", "32", "-n", "MYSTICK", "-C", image, "34000"}, &output) == 0,
             qPrintable(output));
    qputenv("VELMORA_IMAGES_ONLY", "1");
    qputenv("VELMORA_DISK_IMAGES", image.toUtf8());
    std::vector<DiskAndVolumeInfo> listed = GetLocalDiskAndVolumeInfo();
    qunsetenv("VELMORA_IMAGES_ONLY");
    qunsetenv("VELMORA_DISK_IMAGES");
    QCOMPARE(listed.size(), size_t(1));
    listed[0].isExternal = true;
    const quint64 disk = listed[0].diskIndex;
    {
        std::lock_guard lock(imageMutex_);
        image_ = listed;
    }
    StorageDeviceManager::instance().refreshDiskList();
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QList<bool> started;
    QObject receiver;
    connect(bridge, &StorageDataRecoverMgr::initCfgFinished, &receiver, [&](bool ok) { started << ok; });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    QModelIndex tile;
    for (int row = 0; row < page.model()->rowCount(); ++row) {
        const auto record = page.model()->index(row, 0).data(RecordRole).value<QDiskAndVolumeInfo>();
        if (record.volumePath == image)
            tile = page.model()->index(row, 0);
    }
    QVERIFY(tile.isValid());
    QCOMPARE(tile.data(SectionRole).toInt(), int(ExternalDrives));
    page.listView()->setCurrentIndex(tile);
    page.startScan();
    QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 30000);
    QCOMPARE(started, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 0);
    QCOMPARE(bridge->diskVolumeHash().keys(), QList<quint64>({disk << 32}));
    const UIFrameInfo frame = UIFrame::stored();
    QCOMPARE(frame.itemKind, 2);
    QCOMPARE(frame.itemId, 1);
    QCOMPARE(frame.diskIndex, disk);
    QCOMPARE(frame.volIndex, quint64(0));
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>({4}));
    bridge->stopScan();
    QVERIFY(bridge->waitForStarters(30000));
    bridge->releaseScanData();
    std::lock_guard lock(imageMutex_);
    image_.clear();
}

void DevicePagesTest::unreadableTileIsMarkedAndRefused()
{
    HardDiskAndFolderSelectPage readable;
    readable.refreshDeviceList();
    QVERIFY(!readable.accessNotice()->isVisibleTo(&readable));

    DiskAndVolumeInfo card = engineRecord("5", "/dev/sdc", 0, 2, 0, true);
    card.volumeKind = 5;
    card.isUnreadable = true;
    {
        std::lock_guard lock(imageMutex_);
        image_ = {card};
    }
    const auto restore = qScopeGuard([this] {
        {
            std::lock_guard lock(imageMutex_);
            image_.clear();
        }
        StorageDeviceManager::instance().refreshDiskList();
    });
    StorageDeviceManager::instance().refreshDiskList();
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    int starts = 0;
    QObject receiver;
    connect(bridge, &StorageDataRecoverMgr::initCfgFinished, &receiver, [&] { ++starts; });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QTest::qWait(10);
    QVERIFY(page.accessNotice()->isVisibleTo(&page));
    QCOMPARE(page.accessNotice()->text(), DeviceAccessNotice::howToGetAccessText());
    QModelIndex tile;
    for (int row = 0; row < page.model()->rowCount(); ++row)
        if (page.model()->index(row, 0).data(RecordRole).value<QDiskAndVolumeInfo>().isUnreadable)
            tile = page.model()->index(row, 0);
    QVERIFY2(tile.isValid(), "the unreadable card is left out");

    // Its scan is not started: the user is told how to get access instead.
    page.listView()->setCurrentIndex(tile);
    QString message;
    keepNextMessage(&message);
    page.startScan();
    QCOMPARE(message, DeviceAccessNotice::howToGetAccessText());
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(!UIFrame::isStored());
    QVERIFY(bridge->waitForStarters(20000));
    QCOMPARE(starts, 0);
}

void DevicePagesTest::barPresses()
{
    StorageDeviceBar bar;
    bar.resize(266, 400);
    bar.show();
    bar.retranslateItems(0);
    QSignalSpy spy(&bar, &StorageDeviceBar::selectRecoverTypeSignal);
    QAbstractItemView* list = bar.listView();
    auto press = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    };
    press(0);
    press(2);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(list->currentIndex().row(), 1);
    press(1);
    press(1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1), QList<QVariant>({2, 1}));
    press(3);
    QCOMPARE(spy.last(), QList<QVariant>({3, 1}));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentIndex().row(), 3);
    bar.retranslateItems(2);
    QCOMPARE(list->currentIndex().row(), 1);
    bar.retranslateItems(1);
    QCOMPARE(list->currentIndex().row(), 3);
}

void DevicePagesTest::barIgnoresWheelAndKeys()
{
    StorageDeviceBar bar;
    // Short enough to scroll, were the wheel let through.
    bar.resize(266, 120);
    bar.show();
    bar.retranslateItems(1);
    QAbstractItemView* list = bar.listView();
    QVERIFY(list->verticalScrollBar()->maximum() > 0);
    QSignalSpy spy(&bar, &StorageDeviceBar::selectRecoverTypeSignal);
    // "SD Card" is current and scrolled into view: the wheel could move either way.
    const int scrolled = list->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    const QPoint at = list->viewport()->rect().center();
    for (int delta : {480, 120, -120}) {
        QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &wheel);
    }
    QCOMPARE(list->verticalScrollBar()->value(), scrolled);
    list->setFocus();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Space,
                        Qt::Key_Return})
        QTest::keyClick(list, key);
    QCOMPARE(list->currentIndex().row(), 3);
    QCOMPARE(list->verticalScrollBar()->value(), scrolled);
    QCOMPARE(spy.count(), 0);
}

void DevicePagesTest::pageSwitches()
{
    StorageDevicePage page;
    QVERIFY(qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage()));
    auto* hardDisk = static_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
    emit hardDisk->wholeDiskRecovery();
    QCOMPARE(page.currentPageType(), 2);
    QCOMPARE(page.bar()->listView()->currentIndex().row(), 1);
    QMetaObject::invokeMethod(page.currentSelectionPage(), "partitionRecovery");
    QCOMPARE(page.currentPageType(), 0);
    emit page.bar()->selectRecoverTypeSignal(3, 1);
    QCOMPARE(page.currentPageType(), 1);
    UIFrame::store({1, 2, 1, 1, 0});
    StorageDevicePage again;
    QCOMPARE(again.currentPageType(), 1);
    QCOMPARE(again.bar()->listView()->currentIndex().row(), 3);
}

void DevicePagesTest::deviceChangeReloadsOnceMore()
{
    StorageDevicePage page;
    auto* before = page.currentSelectionPage();
    listingDelayMs_ = 300;
    // Three signals while one reload waits: exactly one more reload follows.
    QTimer::singleShot(50, &page, [&] { page.onDeviceChanged(7); });
    QTimer::singleShot(80, &page, [&] { page.onDeviceChanged(7); });
    QTimer::singleShot(110, &page, [&] { page.onDeviceChanged(7); });
    page.onDeviceChanged(7);
    QCOMPARE(page.reloadCount(), 2);
    // An unchanged list keeps the page and its selection.
    QCOMPARE(page.currentSelectionPage(), before);
}

void DevicePagesTest::pageDeletedDuringReload()
{
    auto* page = new StorageDevicePage;
    QPointer<StorageDevicePage> guard(page);
    listingDelayMs_ = 300;
    // As when a scan starts meanwhile and the module switch deletes the page.
    QTimer::singleShot(50, [page] { delete page; });
    page->onDeviceChanged(7);
    QVERIFY(guard.isNull());
}

void DevicePagesTest::hotPlugThroughTheNotifier()
{
    StorageDevicePage page;
    auto tiles = [&page] {
        auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
        return hardDisk ? hardDisk->model()->rowCount() : -1;
    };
    QCOMPARE(tiles(), 10);
    const int reloads = page.reloadCount();
    plugged_ = true;
    QElapsedTimer clock;
    clock.start();
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceArrival);
    QTRY_COMPARE_WITH_TIMEOUT(tiles(), 12, 120000); // a loaded machine lists slowly
    QVERIFY(clock.elapsed() >= 1400);
    QVERIFY(page.reloadCount() > reloads);

    // Idle events over the image's two unmounted partitions rebuild nothing:
    // they share the node and differ by their start.
    QPointer<QWidget> shown = page.currentSelectionPage();
    auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(shown.data());
    // The rebuilt page restores its selection in a queued call: choose only after it.
    QTRY_COMPARE_WITH_TIMEOUT(hardDisk->listView()->currentIndex().row(), 1, 120000);
    hardDisk->listView()->setCurrentIndex(hardDisk->model()->index(7, 0));
    const int before = page.reloadCount();
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DevNodesChanged);
    QTRY_VERIFY_WITH_TIMEOUT(page.reloadCount() > before, 120000);
    QCOMPARE(page.currentSelectionPage(), shown.data());
    QCOMPARE(hardDisk->listView()->currentIndex().row(), 7);

    plugged_ = false;
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceRemoveComplete);
    QTRY_COMPARE_WITH_TIMEOUT(tiles(), 10, 120000);
    QTRY_COMPARE(hardDisk->listView()->currentIndex().row(), 1);
}

void DevicePagesTest::refreshDialog()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QElapsedTimer shown;
    shown.start();
    RefreshDiskDialog::setStartDelayMs(3500);
    const int before = listings_;
    page.showRefreshDialog();
    QPointer<RefreshDiskDialog> dialog = page.refreshDialog();
    page.showRefreshDialog();
    QCOMPARE(page.refreshDialog(), dialog.data());
    QVERIFY(dialog && dialog->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
    QVERIFY(shown.elapsed() >= 3500);
    QCOMPARE(listings_ - before, 1);
    RefreshDiskDialog::setStartDelayMs(50);
}

void DevicePagesTest::refreshDialogClosedEarly()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    const int before = listings_;
    const int doneBefore = listingsDone_;
    // The reload is held on the pool until the dialog is gone, however slow the machine.
    holdListings(true);
    const auto release = qScopeGuard([this] { holdListings(false); });
    page.showRefreshDialog();
    QPointer<RefreshDiskDialog> dialog = page.refreshDialog();
    int finished = 0;
    connect(dialog, &RefreshDiskDialog::refreshDiskFinshSignal, this, [&] { ++finished; });
    QTRY_VERIFY_WITH_TIMEOUT(listings_ - before == 1, 60000);
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
    holdListings(false);
    QTRY_VERIFY_WITH_TIMEOUT(listingsDone_ - doneBefore == 1, 60000);
    QTest::qWait(400);
    QCOMPARE(listings_ - before, 1);
    QCOMPARE(finished, 0);
}

void DevicePagesTest::helpDialog()
{
    UrlRecorder urls;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    qputenv("OSTREL_WEBSITE", "https://example.test");
    HardDiskAndFolderSelectPage page;
    page.showNoLocalDiskDialog();
    QPointer<NoLocalDiskDialog> dialog = page.noLocalDiskDialog();
    QVERIFY(dialog);
    auto* link = dialog->findChild<QLabel*>(QStringLiteral("supportLink"));
    QVERIFY(link && !link->isHidden());
    emit link->linkActivated(QStringLiteral("help/"));
    QCOMPARE(urls.urls, QList<QUrl>({QUrl(QStringLiteral("https://example.test/support/"))}));
    dialog->findChild<XPushButton*>(QStringLiteral("gotItButton"))->click();
    QTRY_VERIFY(dialog.isNull());

    qunsetenv("OSTREL_WEBSITE");
    page.showNoLocalDiskDialog();
    dialog = page.noLocalDiskDialog();
    QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("supportLink"))->isHidden());
    dialog->close();  // the title bar's close button
    QTRY_VERIFY(dialog.isNull());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void DevicePagesTest::exitQuestion()
{
    StorageDeviceModule module;
    answerModal(QStringLiteral("Exit"));
    QCOMPARE(module.confirmClose(), 0);
    answerModal(QStringLiteral("Cancel"));
    QCOMPARE(module.confirmClose(), 1);
    answerModal(QString());
    QCOMPARE(module.confirmClose(), 1);
}

void DevicePagesTest::cleanupTestCase()
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QVERIFY(bridge->waitForStarters(60000));
    QThreadPool::globalInstance()->waitForDone();
    bridge->releaseDataRecovery();
    StorageDeviceManager::instance().setLister({});
}

QTEST_MAIN(DevicePagesTest)
#include "DevicePagesTest.moc"
