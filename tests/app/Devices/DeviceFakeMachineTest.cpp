// The device pages on a fake machine, checked against velmora-probe's list of
// the same machine, and scans started from the tiles on the real bridge.
#include "DeviceFakeMachine.h"
#include "PaintRecorder.h"

#include "support/DiskImages.h"
#include "support/Tools.h"

#include "../Services/LocalHttpServer.h"
#include "MountSupport.h"

#include "AppEvent.h"
#include "AppEventRecorder.h"
#include "AppManager.h"
#include "DeviceNotifier.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "FolderCheck.h"
#include "GaService.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "SizeText.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "StorageDevicePage.h"
#include "UIFrameInfo.h"
#include "XMessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

using namespace DriveTileRoles;

namespace {

quint64 key(quint64 disk, quint64 volume)
{
    return (disk << 32) | volume;
}

quint64 number(const QJsonObject& row, const char* name)
{
    return quint64(row[QLatin1String(name)].toDouble());
}

quint64 rowKey(const QJsonObject& row)
{
    return key(number(row, "diskIndex"), number(row, "volIndex"));
}

QModelIndex tileOf(const QStandardItemModel* model, quint64 disk, quint64 volume)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (HardDiskAndFolderSelectDelegate::isHeader(index) || !index.data(RecordRole).isValid())
            continue;
        const auto record = index.data(RecordRole).value<QDiskAndVolumeInfo>();
        if (record.diskIndex == disk && record.volIndex == volume)
            return index;
    }
    return {};
}

QModelIndex locationTile(const QStandardItemModel* model, int id)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data(SectionRole).toInt() == Locations
            && model->index(row, 0).data(ItemIdRole).toInt() == id)
            return model->index(row, 0);
    return {};
}

QImage icon(const QString& name, const QSize& size)
{
    return QPixmap(AppManager::imagePath(name)).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
}

// The events the analytics collection server heard: "category/action".
QStringList heard(const LocalHttpServer& server)
{
    QStringList events;
    for (const auto& request : server.requests) {
        const QUrlQuery query(QUrl::fromEncoded(request.target));
        events << query.queryItemValue("en") + "/" + query.queryItemValue("ep.action");
    }
    return events;
}

} // namespace

class DeviceFakeMachineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void everyProbeRowIsATile();
    void paintedTilesShowTheRecord();
    void toolTipOnlyWhenTheNameIsElided();
    void labelMarkupShowsAsText();
    void volumeTilesStartTheirVolume_data();
    void volumeTilesStartTheirVolume();
    void recycleBinStartsOnItsVolumes();
    void desktopStartsOnTheStick();
    void desktopInAMemoryHomeIsRefused();
    void folderChosenInTheDialog();
    void memoryFolderIsRefused();
    void folderOnAnUnlistedMountIsRefused();
    void linkedFolderScansWhereItLeads();
    void unpluggedChoiceFallsBack();
    void pluggedStickAppears();
    void dialogsSendTheirEvents();
    void noDrivesSelectTheRecycleBin();
    void cleanupTestCase();

private:
    QModelIndex tileForRow(HardDiskAndFolderSelectPage& page, const QJsonObject& row);
    QList<QJsonObject>::const_iterator stickRow() const;
    // Starts the current tile's scan and waits for the bridge's answer.
    bool startAndWait(HardDiskAndFolderSelectPage& page, const QModelIndex& tile);
    void stopScan();
    void answerFolderDialog(const QString& folder);
    void answerMessageBox(QString* message);
    void pickRefusedFolder(const QString& folder);

    std::unique_ptr<DeviceFakeMachine> machine_;
    QTemporaryDir config_;
    LocalHttpServer analytics_;
    AppEventRecorder recorder_;
    QList<QJsonObject> rows_;
    QList<bool> started_;
};

void DeviceFakeMachineTest::initTestCase()
{
    if (const QString tool = DeviceFakeMachine::missingTool(); !tool.isEmpty())
        SKIP_OR_FAIL(false, tool + " is not installed: the fake machine is made with it");
    try {
        machine_ = std::make_unique<DeviceFakeMachine>();
        rows_ = machine_->probeRows();
    } catch (const std::exception& error) {
        QFAIL(error.what());
    }
    machine_->activate();
    // The user's folders: HOME on the stick, the rest of the settings aside.
    qputenv("HOME", machine_->home().toUtf8());
    qputenv("XDG_CONFIG_HOME", config_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", config_.filePath("data").toUtf8());
    qputenv("XDG_CACHE_HOME", config_.filePath("cache").toUtf8());
    qputenv("OSTREL_ANALYTICS_URL", analytics_.baseUrl().toUtf8() + "/");
    qputenv("OSTREL_MEASUREMENT_ID", "G-DEVICES");
    AppManager::instance()->registerWidget(0, &recorder_);
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->setModuleSwitcher([](int) {});
    bridge->setStartDelayMs(0);
    // Emitted on a pool thread: heard queued here.
    connect(bridge, &StorageDataRecoverMgr::initCfgFinished, this, [this](bool ok) { started_ << ok; });
    StorageDeviceManager::instance().refreshDiskList();
    QVERIFY(rows_.size() >= 9);
}

void DeviceFakeMachineTest::init()
{
    recorder_.flags.clear();
    started_.clear();
    UIFrame::clear();
}

QModelIndex DeviceFakeMachineTest::tileForRow(HardDiskAndFolderSelectPage& page, const QJsonObject& row)
{
    return tileOf(page.model(), number(row, "diskIndex"), number(row, "volIndex"));
}

QList<QJsonObject>::const_iterator DeviceFakeMachineTest::stickRow() const
{
    return std::find_if(rows_.begin(), rows_.end(), [&](const QJsonObject& r) {
        return r["volumeLetter"].toString() == machine_->stickMount() + "/";
    });
}

void DeviceFakeMachineTest::everyProbeRowIsATile()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    int local = 0, external = 0;
    QSet<QString> kinds;
    for (const QJsonObject& row : rows_) {
        const QModelIndex tile = tileForRow(page, row);
        QVERIFY2(tile.isValid(), qPrintable(row["volumeLetter"].toString()));
        QCOMPARE(tile.data(SectionRole).toInt(), row["isExternal"].toBool() ? int(ExternalDrives) : int(LocalDrives));
        (row["isExternal"].toBool() ? external : local)++;
        kinds << QString::number(row["volumeKind"].toInt()) + row["fileSystem"].toString();
    }
    // The machine lists what it should: the locked, unmounted, unallocated and system volumes too.
    QVERIFY(kinds.contains("5Bitlocker"));
    QVERIFY(kinds.contains("5FAT32"));
    QVERIFY(kinds.contains("4"));
    QVERIFY(std::any_of(rows_.begin(), rows_.end(), [](const QJsonObject& row) { return row["isSystem"].toBool(); }));
    const QStandardItemModel* model = page.model();
    QCOMPARE(model->rowCount(), rows_.size() + 6);
    QCOMPARE(model->index(0, 0).data(CountRole).toInt(), local);
    QCOMPARE(model->index(local + 1, 0).data(CountRole).toInt(), external);
    QCOMPARE(model->index(local + 1, 0).data(SectionRole).toInt(), int(ExternalDrives));
    QVERIFY(external >= 2);  // the stick and the SD card
}

void DeviceFakeMachineTest::paintedTilesShowTheRecord()
{
    HardDiskAndFolderSelectPage page;
    page.resize(1000, 700);
    page.refreshDeviceList();
    HardDiskAndFolderSelectDelegate delegate;
    // What the machine's volumes are called, by mount path or kind (the numbers follow the probe).
    const QHash<QString, QString> mounted{{"/", "System Disk (nvme0n1p2)"},
                                          {"/boot/efi/", "Local Drives (nvme0n1p1)"},
                                          {"/home/", "Local Drives (nvme0n1p3)"},
                                          {machine_->stickMount() + "/", "MYSTICK (sdb1)"},
                                          {"/media/user/CARD/", "CARD (mmcblk0p1)"}};
    for (const QJsonObject& row : rows_) {
        const QString letter = row["volumeLetter"].toString();
        const int kind = row["volumeKind"].toInt();
        const QString name = kind == 5 ? "Unmounted Partition - " + letter
                             : kind == 4 ? "Lost Partition - " + letter
                                         : mounted.value(letter);
        QVERIFY2(!name.isEmpty(), qPrintable(letter));
        const QModelIndex tile = tileForRow(page, row);
        QStyleOptionViewItem option;
        option.initFrom(page.listView());
        option.rect = QRect(0, 0, 300, 126);
        for (bool hovered : {false, true}) {
            option.state = hovered ? QStyle::State_Enabled | QStyle::State_MouseOver : QStyle::State_Enabled;
            PaintRecorder recorder(300, 126);
            {
                QPainter painter(&recorder);
                delegate.paint(&painter, option, tile);
            }
            QVERIFY2(recorder.texts.size() >= 2, qPrintable(letter));
            const QString shown = recorder.texts[0];
            auto shows = [&shown](const QString& text) {
                return shown == text || (shown.endsWith(QChar(0x2026)) && text.startsWith(shown.chopped(1)));
            };
            if (kind == 0) {
                QVERIFY2(shows(name), qPrintable(shown + " for " + name));
            } else {
                // A numbered volume shows what tells it apart: its label, else its device;
                // its tooltip leads with the name.
                const QString label = row["label"].toString();
                const QString distinct =
                    label.isEmpty() ? QFileInfo(row["volumePath"].toString()).fileName() : label;
                QVERIFY2(shows(name + " (" + distinct + ")") || shows(distinct),
                         qPrintable(shown + " for " + name + " (" + distinct + ")"));
                const auto record = tile.data(DriveTileRoles::RecordRole).value<QDiskAndVolumeInfo>();
                QCOMPARE(HardDiskAndFolderSelectDelegate::driveToolTip(record).section('\n', 0, 0), name);
                // Named by its label or device alone, the tile keeps the name on the bar's line.
                if (!shown.startsWith(name))
                    QCOMPARE(recorder.texts.takeAt(1), name);
            }
            const QStringList sizes = recorder.texts[1].split(" / ");
            const quint64 total = number(row, "endOffset") - number(row, "startOffset");
            QCOMPARE(sizes.last(), formatFileSize(total, 2, false));
            // Free space is known only where a mounted file system answers (the fake
            // machine's mount paths need not exist here): others show their size alone.
            const QStorageInfo storage(letter);
            QCOMPARE(sizes.size(), kind == 0 && storage.isValid() && storage.isReady() ? 2 : 1);
            const QString fileSystem = row["fileSystem"].toString();
            // Shown on every tile, hovered or not: it tells unmounted volumes apart.
            if (!fileSystem.isEmpty())
                QVERIFY2(recorder.texts.contains(fileSystem), qPrintable(letter + " " + fileSystem));
            QVERIFY(!recorder.images.isEmpty());
            const QString iconName = row["isExternal"].toBool() ? "external_disk@2x.png"
                                     : row["isSystem"].toBool() ? "win_disk@2x.png"
                                                                : "local_disk@2x.png";
            const QImage drawn = recorder.images[0];
            QVERIFY2(drawn == icon(iconName, drawn.size()), qPrintable(letter + " " + iconName));
            for (const char* other : {"external_disk@2x.png", "win_disk@2x.png", "local_disk@2x.png"})
                if (iconName != other)
                    QVERIFY(drawn != icon(other, drawn.size()));
        }
    }
}

void DeviceFakeMachineTest::toolTipOnlyWhenTheNameIsElided()
{
    HardDiskAndFolderSelectPage page;
    page.resize(1000, 700);
    page.show();
    page.refreshDeviceList();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    DriveListView* view = page.listView();
    int elided = 0, whole = 0;
    for (int row = 0; row < page.model()->rowCount(); ++row) {
        const QModelIndex index = page.model()->index(row, 0);
        if (HardDiskAndFolderSelectDelegate::isHeader(index))
            continue;
        view->scrollTo(index);
        const QRect rect = view->visualRect(index);
        const QRect nameRect =
            HardDiskAndFolderSelectDelegate::tileNameRect(rect, index.data(SectionRole).toInt());
        const QString name = HardDiskAndFolderSelectDelegate::tileName(index);
        QFont font = view->font();
        font.setWeight(75);
        font.setPointSizeF(12.0);
        // A location's name wraps onto a second line rather than being cut ("Select a Folder").
        const bool location = index.data(SectionRole).toInt() == Locations;
        const bool cut = !location && QFontMetrics(font).horizontalAdvance(name) > nameRect.width();
        (cut ? elided : whole)++;
        if (location) {
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.rect = QRect(QPoint(0, 0), rect.size());
            PaintRecorder painted(rect.width(), rect.height());
            {
                QPainter painter(&painted);
                view->itemDelegate()->paint(&painter, option, index);
            }
            QVERIFY2(painted.texts.join(QLatin1Char(' ')) == name, qPrintable(painted.texts.join('|')));
        }
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QHelpEvent help(QEvent::ToolTip, nameRect.center(), view->viewport()->mapToGlobal(nameRect.center()));
        QApplication::sendEvent(view->viewport(), &help);
        // Unmounted volumes look alike: their tile always names label, disk and device.
        const QString unmounted =
            HardDiskAndFolderSelectDelegate::unmountedToolTip(index.data(RecordRole).value<QDiskAndVolumeInfo>());
        if (!unmounted.isEmpty()) {
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), unmounted);
            continue;
        }
        QCOMPARE(QToolTip::isVisible(), cut);
        if (cut)
            QCOMPARE(QToolTip::text(), name);
        // Outside the name, never.
        const QPoint outside = rect.bottomRight() - QPoint(30, 10);
        QHelpEvent away(QEvent::ToolTip, outside, view->viewport()->mapToGlobal(outside));
        QApplication::sendEvent(view->viewport(), &away);
        QTRY_VERIFY(!QToolTip::isVisible());
    }
    QVERIFY(elided > 0);
    QVERIFY(whole > 0);
}

// A volume label is the disk's own text: one that reads as markup shows literally.
void DeviceFakeMachineTest::labelMarkupShowsAsText()
{
    if (QStandardPaths::findExecutable("mkntfs").isEmpty()
        && QStandardPaths::findExecutable("mkntfs", {"/usr/sbin", "/sbin"}).isEmpty())
        SKIP_OR_FAIL(false, QStringLiteral("mkntfs (ntfs-3g) is not installed: the label is written with it"));
    const QString label = QStringLiteral("<b>Holiday photos</b> 2026");
    TestSupport::FakeSystem other;
    other.AddDisk("sda", "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0", 65536,
                  {{"device/vendor", "ATA"}, {"device/model", "Velmora HDD"}});
    other.AddPartition("sda", "sda1", 1, 2048, 61440);
    TestSupport::MakeSparseFile(other.DeviceNode("sda"), 65536ull * 512);
    const std::string node = other.DeviceNode("sda1");
    TestSupport::MakeSparseFile(node, 61440ull * 512);
    std::string output;
    QVERIFY2(TestSupport::RunCommand("printf 'label: dos\\nstart=2048,size=61440,type=7\\n' | sfdisk -q "
                                         + TestSupport::Quote(other.DeviceNode("sda")) + " 2>&1", &output) == 0
                 && TestSupport::RunCommand("mkntfs -q -F -Q -L " + TestSupport::Quote(label.toStdString()) + " "
                                                + TestSupport::Quote(node) + " 2>&1", &output) == 0,
             output.c_str());
    other.AddMount("sda1", "/media/user/photos", "ntfs3");
    qputenv("VELMORA_SYSTEM_ROOT", QFileInfo(QString::fromStdString(other.Roots().sysRoot)).path().toUtf8());
    qunsetenv("VELMORA_DISK_IMAGES");
    const auto back = qScopeGuard([this] {
        machine_->activate();
        StorageDeviceManager::instance().refreshDiskList();
    });
    StorageDeviceManager::instance().refreshDiskList();

    HardDiskAndFolderSelectPage page;
    page.resize(1000, 700);
    page.show();
    page.refreshDeviceList();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QModelIndex tile;
    for (int row = 0; row < page.model()->rowCount() && !tile.isValid(); ++row) {
        const QModelIndex index = page.model()->index(row, 0);
        if (index.data(RecordRole).value<QDiskAndVolumeInfo>().label == label)
            tile = index;
    }
    QVERIFY2(tile.isValid(), "the label was not listed");
    const QString name = HardDiskAndFolderSelectDelegate::tileName(tile);
    QVERIFY(name.startsWith(label));
    const QRect nameRect =
        HardDiskAndFolderSelectDelegate::tileNameRect(page.listView()->visualRect(tile), tile.data(SectionRole).toInt());
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QHelpEvent help(QEvent::ToolTip, nameRect.center(), page.listView()->viewport()->mapToGlobal(nameRect.center()));
    QApplication::sendEvent(page.listView()->viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), Qt::convertFromPlainText(name, Qt::WhiteSpacePre));
    // Spaces come as no-break spaces: the name stays on one line.
    const QString shown = QToolTip::text();
    QVERIFY2(shown.contains(QLatin1String("&lt;b&gt;Holiday")) && shown.contains(QLatin1String("&lt;/b&gt;"))
                 && !shown.contains(QLatin1String("<b>")),
             qPrintable(shown));
    QToolTip::hideText();
}

bool DeviceFakeMachineTest::startAndWait(HardDiskAndFolderSelectPage& page, const QModelIndex& tile)
{
    page.listView()->setCurrentIndex(tile);
    page.startScan();
    const bool answered = QTest::qWaitFor([this] { return !started_.isEmpty(); }, 60000);
    QCoreApplication::processEvents();
    return answered;
}

void DeviceFakeMachineTest::stopScan()
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->stopScan();
    QVERIFY(bridge->waitForStarters(60000));
    bridge->releaseScanData();
}

void DeviceFakeMachineTest::volumeTilesStartTheirVolume_data()
{
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<int>("section");
    QTest::newRow("image's FAT32") << machine_->image() << "FAT32" << int(LocalDrives);
    QTest::newRow("locked BitLocker") << "/dev/sda" << "Bitlocker" << int(LocalDrives);
    QTest::newRow("stick") << "/dev/sdb" << "FAT32" << int(ExternalDrives);
}

void DeviceFakeMachineTest::volumeTilesStartTheirVolume()
{
    QFETCH(QString, disk);
    QFETCH(QString, fileSystem);
    QFETCH(int, section);
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const QJsonObject& r) {
        return r["diskName"].toString().endsWith(disk) && r["fileSystem"].toString() == fileSystem;
    });
    QVERIFY(row != rows_.end());
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    const QModelIndex tile = tileForRow(page, *row);
    QCOMPARE(tile.data(SectionRole).toInt(), section);
    const int heardBefore = analytics_.requests.size();
    QVERIFY(startAndWait(page, tile));
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QCOMPARE(started_, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 0);
    QCOMPARE(bridge->diskVolumeHash().keys(), QList<quint64>({rowKey(*row)}));
    const ScanTargetInfo target = bridge->currentScanTarget();
    QCOMPARE(target.diskIndex, number(*row, "diskIndex"));
    QCOMPARE(target.volIndex, number(*row, "volIndex"));
    const UIFrameInfo frame = UIFrame::stored();
    QCOMPARE(frame.pageType, 0u);
    QCOMPARE(frame.itemKind, section);
    QCOMPARE(frame.itemId, int(DriveId));
    QCOMPARE(frame.diskIndex, target.diskIndex);
    QCOMPARE(frame.volIndex, target.volIndex);
    QCOMPARE(recorder_.flags, QList<int>({AppEvent::ShowBusy}));
    stopScan();
    QTRY_VERIFY_WITH_TIMEOUT(heard(analytics_).mid(heardBefore).contains("DiskRecovery/Scanning"), 20000);
    const QStringList events = heard(analytics_).mid(heardBefore);
    QVERIFY(events.indexOf("DiskRecovery/StartScan") >= 0);
    QVERIFY(events.indexOf("DiskRecovery/StartScan") < events.indexOf("DiskRecovery/Scanning"));
    QVERIFY(events.contains(section == LocalDrives ? "DiskInformation/DiskNum" : "DiskInformation/ExternalNum"));
}

void DeviceFakeMachineTest::recycleBinStartsOnItsVolumes()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QVERIFY(startAndWait(page, locationTile(page.model(), RecycleBinId)));
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QCOMPARE(started_, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 12);
    // The volumes whose file system keeps a Recycle Bin.
    QList<quint64> expected;
    for (const QJsonObject& row : rows_)
        if (QStringList({"NTFS", "FAT32", "EXFAT"}).contains(row["fileSystem"].toString().toUpper()))
            expected << rowKey(row);
    QList<quint64> keys = bridge->diskVolumeHash().keys();
    std::sort(keys.begin(), keys.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(keys, expected);
    QCOMPARE(bridge->currentScanTarget().name, QStringLiteral("Recycle Bin"));
    const UIFrameInfo frame = UIFrame::stored();
    QCOMPARE(frame.itemKind, int(Locations));
    QCOMPARE(frame.itemId, int(RecycleBinId));
    QCOMPARE(recorder_.flags, QList<int>({AppEvent::ShowBusy}));
    stopScan();
}

void DeviceFakeMachineTest::desktopStartsOnTheStick()
{
    const auto stick = stickRow();
    QVERIFY(stick != rows_.end());
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QVERIFY(startAndWait(page, locationTile(page.model(), DesktopId)));
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QCOMPARE(started_, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 11);
    QCOMPARE(bridge->diskVolumeHash().keys(), QList<quint64>({rowKey(*stick)}));
    QCOMPARE(bridge->currentScanTarget().name, QStringLiteral("Desktop"));
    QCOMPARE(bridge->currentScanTarget().volumeLetter, QStringLiteral("sdb1"));
    QCOMPARE(UIFrame::stored().itemId, int(DesktopId));
    QCOMPARE(recorder_.flags, QList<int>({AppEvent::ShowBusy}));
    stopScan();
}

void DeviceFakeMachineTest::desktopInAMemoryHomeIsRefused()
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isDir())
        SKIP_OR_FAIL(false, QStringLiteral("no /dev/shm on this machine"));
    QTemporaryDir shm(QStringLiteral("/dev/shm/devices-test-XXXXXX"));
    QVERIFY(shm.isValid() && QDir(shm.path()).mkpath("Desktop"));
    qputenv("HOME", shm.path().toUtf8());
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QString message;
    answerMessageBox(&message);
    page.listView()->setCurrentIndex(locationTile(page.model(), DesktopId));
    page.startScan();
    qputenv("HOME", machine_->home().toUtf8());
    QVERIFY2(message.contains("Unable to scan this path."), qPrintable(message));
    QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(1000));
    QCoreApplication::processEvents();
    QCOMPARE(started_, QList<bool>());
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(!UIFrame::isStored());
}

// Reads the next message box's text into message and closes it.
void DeviceFakeMachineTest::answerMessageBox(QString* message)
{
    QTimer::singleShot(100, this, [this, message] {
        auto* box = qobject_cast<XMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return answerMessageBox(message);
        for (auto* label : box->findChildren<QLabel*>())
            *message += label->text();
        box->close();
    });
}

// Drives Qt's folder dialog as a user would: go to the folder, choose it.
void DeviceFakeMachineTest::answerFolderDialog(const QString& folder)
{
    QTimer::singleShot(100, this, [this, folder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerFolderDialog(folder);
        dialog->setDirectory(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

void DeviceFakeMachineTest::folderChosenInTheDialog()
{
    const auto stick = stickRow();
    QVERIFY(stick != rows_.end());
    HardDiskAndFolderSelectPage page;
    page.show();
    page.refreshDeviceList();
    answerFolderDialog(machine_->photos());
    QVERIFY(startAndWait(page, locationTile(page.model(), FolderId)));
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QCOMPARE(started_, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 10);
    QCOMPARE(bridge->diskVolumeHash().keys(), QList<quint64>({rowKey(*stick)}));
    QCOMPARE(bridge->currentScanTarget().name, QStringLiteral("Photos"));
    QCOMPARE(UIFrame::stored().itemId, int(FolderId));
    QCOMPARE(recorder_.flags, QList<int>({AppEvent::ShowBusy, AppEvent::ShowShade | AppEvent::ShowBusy,
                                          AppEvent::HideBusy, AppEvent::HideShade, AppEvent::ShowBusy}));
    stopScan();
}

void DeviceFakeMachineTest::memoryFolderIsRefused()
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isDir())
        SKIP_OR_FAIL(false, QStringLiteral("no /dev/shm on this machine"));
    QTemporaryDir shm(QStringLiteral("/dev/shm/devices-test-XXXXXX"));
    QVERIFY(shm.isValid());
    pickRefusedFolder(shm.path());
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(recorder_.flags, QList<int>({AppEvent::ShowBusy, AppEvent::ShowShade | AppEvent::ShowBusy,
                                          AppEvent::HideBusy, AppEvent::HideShade}));
    QVERIFY(!UIFrame::isStored());
}

// Picks the folder in Qt's dialog: the page shows the message and starts nothing.
void DeviceFakeMachineTest::pickRefusedFolder(const QString& folder)
{
    HardDiskAndFolderSelectPage page;
    page.show();
    page.refreshDeviceList();
    answerFolderDialog(folder);
    QString message;
    answerMessageBox(&message);
    page.listView()->setCurrentIndex(locationTile(page.model(), FolderId));
    page.startScan();
    QVERIFY2(message.contains("Unable to scan this path."), qPrintable(message));
    QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(1000));
    QCoreApplication::processEvents();
    QCOMPARE(started_, QList<bool>());
}

// A bind mount is not a volume of the list: by its path alone the folder would
// be looked for on the volume mounted at "/".
void DeviceFakeMachineTest::folderOnAnUnlistedMountIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("source/Photos") && QDir(dir.path()).mkpath("bound"));
    const QString bound = dir.filePath("bound");
    if (!TestMounts::isRoot())
        SKIP_OR_FAIL(false, QStringLiteral("a bind mount needs root"));
    REQUIRE_TOOLS(QStringLiteral("mount"));
    QString output;
    QVERIFY2(TestMounts::run("mount", {"--bind", dir.filePath("source"), bound}, &output) == 0, qPrintable(output));
    auto unmount = qScopeGuard([&] { QProcess::execute("umount", {bound}); });
    pickRefusedFolder(bound + "/Photos");
    if (QTest::currentTestFailed())
        return;
    // The same folder through its own path is fine.
    QVERIFY(isScannableFolder(dir.filePath("source/Photos"), StorageDeviceManager::instance().diskList()));
}

// A link elsewhere to the stick's folder: the stick is scanned, not the volume
// that holds the link.
void DeviceFakeMachineTest::linkedFolderScansWhereItLeads()
{
    const auto stick = stickRow();
    QVERIFY(stick != rows_.end());
    QTemporaryDir dir;
    const QString link = dir.filePath("Holiday");
    QVERIFY(QFile::link(machine_->photos(), link));
    HardDiskAndFolderSelectPage::setFolderPicker([&](const QString&, std::function<void(int)> onState) {
        onState(2);
        return link;
    });
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    const bool answered = startAndWait(page, locationTile(page.model(), FolderId));
    HardDiskAndFolderSelectPage::setFolderPicker({});
    QVERIFY(answered);
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QCOMPARE(started_, QList<bool>({true}));
    QCOMPARE(int(bridge->currentDeviceType()), 10);
    QCOMPARE(bridge->diskVolumeHash().keys(), QList<quint64>({rowKey(*stick)}));
    QCOMPARE(bridge->currentScanTarget().name, QStringLiteral("Photos"));
    stopScan();
}

void DeviceFakeMachineTest::unpluggedChoiceFallsBack()
{
    StorageDevicePage page;
    auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
    QVERIFY(hardDisk);
    const auto stick = stickRow();
    QVERIFY(stick != rows_.end());
    UIFrame::store({0, ExternalDrives, DriveId, number(*stick, "diskIndex"),
                    number(*stick, "volIndex")});
    machine_->unplugStick();
    const QList<QJsonObject> after = machine_->probeRows();
    QCOMPARE(after.size(), rows_.size() - 1);
    // The first external tile of the new list: the SD card.
    const QJsonObject* firstExternal = nullptr;
    for (const QJsonObject& row : after)
        if (row["isExternal"].toBool() && !firstExternal)
            firstExternal = &row;
    QVERIFY(firstExternal);
    QCOMPARE(firstExternal->value("volumeLetter").toString(), QStringLiteral("/media/user/CARD/"));
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceRemoveComplete);
    auto current = [&page]() -> QString {
        auto* shown = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
        return shown ? shown->listView()->currentIndex().data(RecordRole).value<QDiskAndVolumeInfo>().volumeLetter
                     : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(current(), QStringLiteral("/media/user/CARD"), 120000);
    auto* shown = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
    QCOMPARE(shown->model()->rowCount(), after.size() + 6);
}

void DeviceFakeMachineTest::pluggedStickAppears()
{
    StorageDevicePage page;
    auto names = [&page] {
        QStringList out;
        if (auto* shown = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage()))
            for (int row = 0; row < shown->model()->rowCount(); ++row)
                out << shown->model()->index(row, 0).data(RecordRole).value<QDiskAndVolumeInfo>().displayName;
        return out;
    };
    QVERIFY(!names().contains("USB Drive (sdc1)"));
    machine_->plugSpareStick();
    QElapsedTimer clock;
    clock.start();
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceArrival);
    QTRY_VERIFY_WITH_TIMEOUT(names().contains("USB Drive (sdc1)"), 120000);  // a loaded machine lists slowly: a bound against hangs only
    // The notifier waits for the burst to settle.
    QVERIFY(clock.elapsed() >= 1400);
    QCOMPARE(names().size(), machine_->probeRows().size() + 6);
}

void DeviceFakeMachineTest::dialogsSendTheirEvents()
{
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    const int before = analytics_.requests.size();
    page.showRefreshDialog();
    page.refreshDialog()->close();
    page.showNoLocalDiskDialog();
    page.noLocalDiskDialog()->close();
    QTRY_COMPARE_WITH_TIMEOUT(heard(analytics_).mid(before).filter("DiskRecovery/"),
                              QStringList({"DiskRecovery/Refresh", "DiskRecovery/RefreshInvalid"}), 20000);
}

void DeviceFakeMachineTest::noDrivesSelectTheRecycleBin()
{
    // A machine without disks and without images.
    TestSupport::FakeSystem empty;
    qputenv("VELMORA_SYSTEM_ROOT", QFileInfo(QString::fromStdString(empty.Roots().sysRoot)).path().toUtf8());
    qunsetenv("VELMORA_DISK_IMAGES");
    StorageDeviceManager::instance().refreshDiskList();
    UIFrame::store({0, LocalDrives, DriveId, 0, 1});
    HardDiskAndFolderSelectPage page;
    page.refreshDeviceList();
    QList<int> rows;
    for (int row = 0; row < page.model()->rowCount(); ++row)
        rows << page.model()->index(row, 0).data(SectionRole).toInt() * 10
                    + page.model()->index(row, 0).data(ItemIdRole).toInt();
    QCOMPARE(rows, QList<int>({10, 20, 30, 33, 32, 34}));
    QCOMPARE(page.model()->index(0, 0).data(CountRole).toInt(), 0);
    QCOMPARE(page.model()->index(1, 0).data(CountRole).toInt(), 0);
    QTRY_COMPARE(page.listView()->currentIndex().row(), 3);
    machine_->activate();
    StorageDeviceManager::instance().refreshDiskList();
}

void DeviceFakeMachineTest::cleanupTestCase()
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    QVERIFY(bridge->waitForStarters(60000));
    // The collection server answers on this thread: drain the events before blocking it.
    waitForGaEvents(20000);
    QThreadPool::globalInstance()->waitForDone();
    bridge->releaseDataRecovery();
}

QTEST_MAIN(DeviceFakeMachineTest)
#include "DeviceFakeMachineTest.moc"
