// The SD card page and the whole disk page on made-up machines read by the
// real listing; scans started on the real bridge; analytics caught by a local
// collection server.
#include "AppEvent.h"
#include "AppEventRecorder.h"
#include "AppManager.h"
#include "CardMachine.h"
#include "DeviceAccessNotice.h"
#include "DeviceNotifier.h"
#include "DeviceScale.h"
#include "GaService.h"
#include "HardDiskAndFolderSelectPage.h"
#include "LocalHttpServer.h"
#include "MountSupport.h"
#include "NoLocalDiskDialog.h"
#include "NoSDCardDialog.h"
#include "PaintRecorder.h"
#include "RefreshDiskDialog.h"
#include "SelectionHelpDialogs.h"
#include "SDCardSelectDelegate.h"
#include "SDCardSelectPage.h"
#include "SizeText.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceBar.h"
#include "StorageDeviceManager.h"
#include "StorageDevicePage.h"
#include "TestHome.h"
#include "UIFrameInfo.h"
#include "WholeDiskDelegate.h"
#include "WholeDiskNavigator.h"
#include "WholeDiskPage.h"
#include "WholeDiskView.h"
#include "XLabel.h"
#include "XListView.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QTextDocument>
#include <QToolTip>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <mutex>

namespace {

QDiskAndVolumeInfo volume(const QString& letter, quint64 disk, quint64 index, const QString& model = {},
                          quint64 total = 0)
{
    QDiskAndVolumeInfo record;
    record.volumeLetter = letter;
    record.diskIndex = disk;
    record.volIndex = index;
    record.diskModel = model;
    record.totalBytes = total;
    record.displayName = QStringLiteral("Volume %1").arg(letter);
    return record;
}

QRect wholeDiskTileRect()
{
    return QRect(QPoint(0, 0), WholeDiskDelegate().sizeHint(QStyleOptionViewItem(), QModelIndex()));
}

// The record's tile of a whole disk card, painted onto device (wholeDiskTileRect's size).
void paintWholeDiskTile(const QDiskAndVolumeInfo& record, QPaintDevice& device)
{
    QStandardItemModel model;
    auto* item = new QStandardItem;
    item->setData(QVariant::fromValue(record), WholeDiskDelegate::RecordRole);
    model.appendRow(item);
    WholeDiskDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = wholeDiskTileRect();
    QPainter painter(&device);
    delegate.paint(&painter, option, model.index(0, 0));
}

QStringList letters(const QVector<QDiskAndVolumeInfo>& records)
{
    QStringList out;
    for (const auto& record : records)
        out << record.volumeLetter;
    return out;
}

QList<quint64> keysOf(const QVector<QDiskAndVolumeInfo>& records)
{
    QList<quint64> keys;
    for (const auto& record : records)
        keys << (record.diskIndex << 32 | record.volIndex);
    std::sort(keys.begin(), keys.end());
    return keys;
}

}  // namespace

class CardPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cardsAreRemovableExternalDisks();
    void noCardShowsThePlaceholder();
    void startingACardScansItsVolumes();
    void cardHotPlugThroughTheNotifier();
    void longModelNameTooltipOverTheFirstThird();
    void cardPageDialogs();
    void wholeDiskPageDialogs();
    void wholeDiskViewsFollowTheListing();
    void diskGrouping_data();
    void diskGrouping();
    void startScanOnTheSecondView();
    void refreshesLeaveOneTrailingStretch();
    void backArrowShowsTheHardDiskPage();
    void viewTitle_data();
    void viewTitle();
    void wheelDoesNotScrollTheStrip();
    void volumeNameTooltip();
    void startWithoutAViewOnlyLogs();
    void languageChangeResetsTheTexts();
    void paintedBar_data();
    void paintedBar();
    void unreadableCardsAndDisksAreMarkedAndRefused();
    void cleanupTestCase();

private:
    // The analytics events ("category/action") on the server since the last call.
    QStringList takeEvents(const QString& waitFor);
    // Waits for as many events as a test expects instead of for a time.
    QStringList takeEvents(int count);
    QStringList newEvents();
    // Waits until the server holds every event sent so far, and sets them aside.
    void drainEvents();
    // The events sent since the last drain, as sendGaEvent was called: at once,
    // where the server gets them only later.
    QStringList sentEvents();
    static bool counted(const QString& category);
    QList<quint64> startAndWait(const std::function<void()>& start);
    void finishScan();
    // Refresh twice (one dialog, rebuilt list), "Drive still not showing up?"
    // and "Get Help" on a page; rows() counts what the page shows.
    void checkDialogFlows(SelectionHelpDialogs* dialogs, QAbstractButton* refresh, QLabel* help,
                          const std::function<int()>& rows);

    QTemporaryDir home_;
    std::unique_ptr<LocalHttpServer> analytics_;
    int seenRequests_ = 0;
    std::mutex sentMutex_;
    QStringList sent_;  // every counted event sendGaEvent was called with
    int drained_ = 0;   // of them, those set aside
    AppEventRecorder recorder_;
    std::unique_ptr<CardMachine> cards_;
    std::unique_ptr<CardMachine> wholeDisks_;
    std::unique_ptr<CardMachine> empty_;
};

void CardPagesTest::initTestCase()
{
    if (const QString tool = CardMachine::missingTool(); !tool.isEmpty())
        SKIP_OR_FAIL(false, tool + " is missing: the fake machines need it");
    QVERIFY(home_.isValid());
    useTestHome(home_.path());
    setApplicationNames();
    analytics_ = std::make_unique<LocalHttpServer>();
    qputenv("OSTREL_ANALYTICS_URL", analytics_->baseUrl().toUtf8());
    qputenv("OSTREL_MEASUREMENT_ID", "G-CARDS");
    // Called on the sender's own thread, before the event is queued for the server.
    setGaEventRecorder([this](const QString& category, const QString& action, const QString&, const QString&) {
        if (!counted(category))
            return;
        std::lock_guard lock(sentMutex_);
        sent_ << category + "/" + action;
    });
    AppManager::instance()->registerWidget(0, &recorder_);
    StorageDataRecoverMgr::instance()->setModuleSwitcher([](int) {});
    StorageDataRecoverMgr::instance()->setStartDelayMs(0);
    cards_ = std::make_unique<CardMachine>();
    cards_->buildCards();
    wholeDisks_ = std::make_unique<CardMachine>();
    wholeDisks_->buildWholeDisks();
    empty_ = std::make_unique<CardMachine>();
}

void CardPagesTest::init()
{
    cards_->use();
    StorageDeviceManager::instance().refreshDiskList();
    recorder_.flags.clear();
    UIFrame::clear();
    drainEvents();
}

void CardPagesTest::cleanup()
{
    QToolTip::hideText();
}

QStringList CardPagesTest::takeEvents(const QString& waitFor)
{
    auto arrived = [&] {
        for (int i = seenRequests_; i < analytics_->requests.size(); ++i)
            if (analytics_->requests[i].target.contains(waitFor.toUtf8()))
                return true;
        return false;
    };
    [&] { QTRY_VERIFY_WITH_TIMEOUT(arrived(), 30000); }();
    return newEvents();
}

QStringList CardPagesTest::takeEvents(int count)
{
    QStringList events;
    const bool arrived = QTest::qWaitFor([&] {
        events += newEvents();
        return events.size() >= count;
    }, 30000);
    if (!arrived)
        return events;
    drainEvents();
    return events + newEvents();
}

bool CardPagesTest::counted(const QString& category)
{
    return category == "SDRecovery" || category == "DiskInformation";
}

QStringList CardPagesTest::newEvents()
{
    QStringList events;
    for (; seenRequests_ < analytics_->requests.size(); ++seenRequests_) {
        const QUrlQuery query(QUrl::fromEncoded(analytics_->requests[seenRequests_].target));
        const QString category = query.queryItemValue("en");
        if (counted(category))
            events << category + "/" + query.queryItemValue("ep.action");
    }
    return events;
}

void CardPagesTest::drainEvents()
{
    int sent = 0;
    {
        std::lock_guard lock(sentMutex_);
        sent = int(sent_.size());
    }
    // Each event is one request; those set aside before are on the server already.
    const auto onServer = [&] {
        int seen = 0;
        for (const auto& request : analytics_->requests)
            seen += counted(QUrlQuery(QUrl::fromEncoded(request.target)).queryItemValue("en"));
        return seen;
    };
    [&] { QTRY_VERIFY_WITH_TIMEOUT(onServer() >= sent, 30000); }();
    seenRequests_ = int(analytics_->requests.size());
    drained_ = sent;
}

QStringList CardPagesTest::sentEvents()
{
    std::lock_guard lock(sentMutex_);
    return sent_.mid(drained_);
}

QList<quint64> CardPagesTest::startAndWait(const std::function<void()>& start)
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    // Emitted on a pool thread: heard queued here.
    QList<bool> started;
    QObject receiver;
    connect(bridge, &StorageDataRecoverMgr::initCfgFinished, &receiver, [&](bool ok) { started << ok; });
    start();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 30000); }();
    if (started != QList<bool>({true}))
        return {};
    QList<quint64> keys = bridge->diskVolumeHash().keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

void CardPagesTest::finishScan()
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    bridge->stopScan();
    QVERIFY(bridge->waitForStarters(30000));
    bridge->releaseScanData();
}

void CardPagesTest::cardsAreRemovableExternalDisks()
{
    SDCardSelectPage page;
    page.refreshDeviceList();
    QCOMPARE(page.model()->rowCount(), 2);
    const auto reader = page.model()->index(0, 0).data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>();
    const auto slot = page.model()->index(1, 0).data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>();
    // The reader's card sums its two partitions; the built-in slot's card is
    // listed too; the eMMC and the fixed USB disk are not.
    QCOMPARE(reader.diskIndex, quint64(0));
    QCOMPARE(reader.diskModel, QStringLiteral("Generic- SD/MMC Reader"));
    QCOMPARE(reader.totalBytes, quint64(2 * 69632 * 512));
    QCOMPARE(page.model()->index(0, 0).data(SDCardSelectDelegate::VolumesRole).value<QList<QDiskAndVolumeInfo>>().size(),
             2);
    QCOMPARE(slot.diskIndex, quint64(2));
    QCOMPARE(slot.diskModel, QStringLiteral("SD64G"));
    QCOMPARE(slot.totalBytes, quint64(69632 * 512));
    QCOMPARE(page.listView()->currentIndex().row(), 0);
    QCOMPARE(page.stack()->currentIndex(), 0);
    QVERIFY(!page.startButton()->isHidden());
    QCOMPARE(takeEvents("ep.action=ConnectSD"), QStringList({"SDRecovery/ConnectSD"}));

    // A rebuild keeps the card the user picked, even when disk numbers shift.
    page.listView()->setCurrentIndex(page.model()->index(1, 0));
    cards_->plugCard();
    StorageDeviceManager::instance().refreshDiskList();
    page.refreshDeviceList();
    QCOMPARE(page.model()->rowCount(), 3);
    QCOMPARE(page.listView()->currentIndex().data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>().diskModel,
             QStringLiteral("SD64G"));
    cards_->unplugCard();
    StorageDeviceManager::instance().refreshDiskList();
    page.refreshDeviceList();
    QCOMPARE(page.listView()->currentIndex().row(), 1);
    drainEvents();

    // Painted: the summed size and the disk number in their columns.
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage shot = page.listView()->viewport()->grab().toImage();
    QVERIFY(!shot.isNull());
    const QRect card = SDCardSelectDelegate::cardRect(page.listView()->visualRect(page.listView()->currentIndex()));
    QCOMPARE(shot.pixelColor(card.center().x(), card.top() + 4), DeviceColors::paleAccent);  // selected
    const QRect other = SDCardSelectDelegate::cardRect(page.listView()->visualRect(page.model()->index(0, 0)));
    QCOMPARE(shot.pixelColor(other.center().x(), other.top() + 4), DeviceColors::tile);
}

void CardPagesTest::noCardShowsThePlaceholder()
{
    empty_->use();
    StorageDeviceManager::instance().refreshDiskList();
    SDCardSelectPage page;
    page.refreshDeviceList();
    page.refreshDeviceList();
    QCOMPARE(page.model()->rowCount(), 0);
    QCOMPARE(page.stack()->currentIndex(), 1);
    QVERIFY(page.startButton()->isHidden());
    QCOMPARE(takeEvents(2), QStringList({"SDRecovery/NoSD", "SDRecovery/NoSD"}));
    page.startScan();  // nothing current: nothing starts
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(!UIFrame::isStored());
}

void CardPagesTest::startingACardScansItsVolumes()
{
    SDCardSelectPage page;
    page.refreshDeviceList();
    takeEvents("ep.action=ConnectSD");
    const QList<quint64> keys = startAndWait([&] { page.startButton()->click(); });
    QCOMPARE(keys, QList<quint64>({0, 1}));
    QCOMPARE(int(StorageDataRecoverMgr::instance()->currentDeviceType()), 20);
    const UIFrameInfo frame = UIFrame::stored();
    QCOMPARE(frame.pageType, 1u);
    QCOMPARE(frame.itemKind, 2);
    QCOMPARE(frame.itemId, 1);
    QCOMPARE(frame.diskIndex, quint64(0));
    QCOMPARE(recorder_.flags.value(0), int(AppEvent::ShowBusy));
    const QStringList events = takeEvents("ep.action=SDNum");
    QVERIFY2(events.size() >= 4, qPrintable(events.join(' ')));
    QCOMPARE(events.mid(0, 3), QStringList({"SDRecovery/StartScan", "SDRecovery/Scanning", "DiskInformation/SDAll"}));
    QCOMPARE(events.last(), QStringLiteral("DiskInformation/SDNum"));
    finishScan();

    // Back in the device module, the SD card page is shown again.
    StorageDevicePage again;
    QCOMPARE(again.currentPageType(), 1);
    QVERIFY(qobject_cast<SDCardSelectPage*>(again.currentSelectionPage()));
    QCOMPARE(again.bar()->listView()->currentIndex().row(), 3);
}

void CardPagesTest::cardHotPlugThroughTheNotifier()
{
    CardMachine machine;
    machine.use();
    StorageDeviceManager::instance().refreshDiskList();
    UIFrame::store({1, 2, 1, 0, 0});
    StorageDevicePage page;
    auto cards = [&page]() -> SDCardSelectPage* { return qobject_cast<SDCardSelectPage*>(page.currentSelectionPage()); };
    QVERIFY(cards());
    QCOMPARE(cards()->stack()->currentIndex(), 1);

    machine.plugCard();
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceArrival);
    QTRY_COMPARE_WITH_TIMEOUT(cards()->model()->rowCount(), 1, 30000);
    QCOMPARE(cards()->stack()->currentIndex(), 0);
    QVERIFY(cards()->model()->index(0, 0).data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>().diskModel
                .startsWith(QLatin1String("Extreme PRO")));

    machine.unplugCard();
    DeviceNotifier::instance().noteDeviceEvent(DeviceNotifier::DeviceRemoveComplete);
    QTRY_COMPARE_WITH_TIMEOUT(cards()->model()->rowCount(), 0, 30000);
    QCOMPARE(cards()->stack()->currentIndex(), 1);
    QVERIFY(cards()->startButton()->isHidden());
}

void CardPagesTest::longModelNameTooltipOverTheFirstThird()
{
    QStandardItemModel model;
    for (const QString& name : {QStringLiteral("Extreme PRO SDXC <b>UHS-I</b> card reader with a very long model name"),
                                QStringLiteral("SD64G")}) {
        auto* item = new QStandardItem;
        item->setData(QVariant::fromValue(volume("1", 4, 0, name, 1 << 30)), SDCardSelectDelegate::CardRole);
        model.appendRow(item);
    }
    XListView view;
    SDCardSelectDelegate delegate;
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    view.resize(900, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto tipAt = [&](int row, double share) {
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); });
        const QRect card = SDCardSelectDelegate::cardRect(view.visualRect(model.index(row, 0)));
        const QPoint at(card.left() + int(card.width() * share), card.center().y());
        QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // The whole name, its angle brackets as text.
    const QString name = model.index(0, 0).data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>().diskModel;
    QCOMPARE(tipAt(0, 0.2), Qt::convertFromPlainText(name, Qt::WhiteSpacePre));
    QVERIFY(tipAt(0, 0.2).contains(QLatin1String("&lt;b&gt;UHS-I")));
    QCOMPARE(tipAt(0, 0.5), QString());  // the size column
    QCOMPARE(tipAt(1, 0.2), QString());  // a name that fits
}

void CardPagesTest::checkDialogFlows(SelectionHelpDialogs* dialogs, QAbstractButton* refresh, QLabel* help,
                                     const std::function<int()>& rows)
{
    const int before = rows();
    cards_->use();  // a card arrived unseen: the refresh finds it
    RefreshDiskDialog::setStartDelayMs(50);
    refresh->click();
    QPointer<RefreshDiskDialog> dialog = dialogs->refreshDialog();
    refresh->click();
    QVERIFY(dialog);
    QCOMPARE(dialogs->refreshDialog(), dialog.data());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 20000);
    QVERIFY(rows() > before);

    RefreshDiskDialog::setStartDelayMs(3600000);
    refresh->click();
    emit dialogs->refreshDialog()->driveNotShowingUpSignal();
    QPointer<NoLocalDiskDialog> noDisk = dialogs->noLocalDiskDialog();
    QVERIFY(noDisk && noDisk->isVisible() && noDisk->isModal());
    noDisk->close();
    QTRY_VERIFY(noDisk.isNull());  // closed by its close button: accepted, then deleted
    dialogs->refreshDialog()->close();

    emit help->linkActivated(QStringLiteral("Seek help/"));
    QPointer<NoSDCardDialog> noCard = dialogs->noSDCardDialog();
    QVERIFY(noCard && noCard->isVisible() && noCard->isModal());
    emit help->linkActivated(QStringLiteral("Seek help/"));
    QCOMPARE(dialogs->noSDCardDialog(), noCard.data());
    noCard->close();
    QTRY_VERIFY(noCard.isNull());
    RefreshDiskDialog::setStartDelayMs(50);
}

void CardPagesTest::cardPageDialogs()
{
    empty_->use();
    StorageDeviceManager::instance().refreshDiskList();
    SDCardSelectPage page;
    page.refreshDeviceList();
    checkDialogFlows(page.dialogs(), page.findChild<XPushButton*>("refreshButton"), page.helpLink(),
                     [&] { return page.model()->rowCount(); });
    QCOMPARE(takeEvents(8),
             QStringList({"SDRecovery/NoSD", "SDRecovery/Refresh", "SDRecovery/Refresh", "SDRecovery/ConnectSD",
                          "SDRecovery/Refresh", "SDRecovery/RefreshInvalid", "SDRecovery/UnrecognizedSD",
                          "SDRecovery/UnrecognizedSD"}));
}

void CardPagesTest::wholeDiskPageDialogs()
{
    empty_->use();
    StorageDeviceManager::instance().refreshDiskList();
    WholeDiskPage page;
    page.refreshDeviceList();
    QCOMPARE(page.navigator()->diskViews().size(), 0);
    checkDialogFlows(page.dialogs(), page.refreshButton(), page.helpLink(),
                     [&] { return page.navigator()->diskViews().size(); });
    QCOMPARE(sentEvents(), QStringList());
}

void CardPagesTest::wholeDiskViewsFollowTheListing()
{
    wholeDisks_->use();
    const QVector<QDiskAndVolumeInfo> listing = StorageDeviceManager::instance().refreshDiskList();
    QList<quint64> firstAppearance;
    for (const auto& record : listing)
        if (!firstAppearance.contains(record.diskIndex))
            firstAppearance << record.diskIndex;
    WholeDiskPage page;
    page.refreshDeviceList();
    const QList<WholeDiskView*> views = page.navigator()->diskViews();
    QCOMPARE(views.size(), 3);
    QList<quint64> shown;
    QHash<QString, QStringList> volumes;
    for (WholeDiskView* view : views) {
        shown << view->partitions().first().diskIndex;
        volumes.insert(view->partitions().first().diskModel, letters(view->partitions()));
    }
    QCOMPARE(shown, firstAppearance);
    QCOMPARE(volumes.value("Samsung SSD 980"), QStringList({"/", "/home", "2"}));
    QCOMPARE(volumes.value("Cruzer Blade"), QStringList({"1"}));
    // The image: the free space after its partition ("1") and the partition ("3"), by number.
    QCOMPARE(volumes.value("camera disk.img"), QStringList({"1", "3"}));
    WholeDiskView* nvme = views.first();
    QCOMPARE(nvme->partitions().first().diskModel, QStringLiteral("Samsung SSD 980"));
    quint64 total = 0;
    for (const auto& record : nvme->partitions())
        total += record.totalBytes;
    QCOMPARE(nvme->title()->text(), QStringLiteral("%1 (%2)").arg(nvme->partitions().first().diskModel,
                                                                  formatFileSizeCached(total, 2, true)));
}

void CardPagesTest::diskGrouping_data()
{
    QTest::addColumn<QVector<QDiskAndVolumeInfo>>("devices");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("letters, then numbers by value")
        << QVector<QDiskAndVolumeInfo>{volume("D:", 0, 1), volume("10", 0, 3), volume("C:", 0, 0), volume("2", 0, 2)}
        << QStringList({"C: D: 2 10"});
    // Disks come in the order the hard disk page shows their first volume, not the list's.
    QTest::newRow("interleaved disks in the device page's order")
        << QVector<QDiskAndVolumeInfo>{volume("5", 3, 1), volume("/", 1, 0), volume("/home", 1, 1), volume("4", 3, 0),
                                       volume("3", 1, 2)}
        << QStringList({"/ /home 3", "4 5"});
    QDiskAndVolumeInfo stick = volume("/media/usb", 2, 0);
    stick.isExternal = true;
    QTest::newRow("local disks before external ones")
        << QVector<QDiskAndVolumeInfo>{stick, volume("/", 0, 0)} << QStringList({"/", "/media/usb"});
    QTest::newRow("empty names last") << QVector<QDiskAndVolumeInfo>{volume("", 0, 0), volume("7", 0, 1),
                                                                     volume("/", 0, 2)}
                                      << QStringList({"/ 7 "});
    QTest::newRow("nothing") << QVector<QDiskAndVolumeInfo>{} << QStringList();
}

void CardPagesTest::diskGrouping()
{
    QFETCH(QVector<QDiskAndVolumeInfo>, devices);
    QFETCH(QStringList, expected);
    QStringList disks;
    for (const auto& volumes : WholeDiskPage::disksOf(devices))
        disks << letters(volumes).join(' ');
    QCOMPARE(disks, expected);
}

void CardPagesTest::startScanOnTheSecondView()
{
    wholeDisks_->use();
    StorageDeviceManager::instance().refreshDiskList();
    WholeDiskPage page;
    page.refreshDeviceList();
    UIFrame::store({0, 1, 1, 1, 0});
    WholeDiskView* second = page.navigator()->diskViews().value(1);
    QVERIFY(second);
    const QList<quint64> keys = startAndWait([&] { second->startButton()->click(); });
    QCOMPARE(keys, keysOf(second->partitions()));
    QCOMPARE(int(StorageDataRecoverMgr::instance()->currentDeviceType()), 20);
    QVERIFY(!UIFrame::isStored());
    QCOMPARE(recorder_.flags.value(0), int(AppEvent::ShowBusy));
    QCOMPARE(sentEvents(), QStringList());  // this page sends no analytics
    finishScan();
}

void CardPagesTest::refreshesLeaveOneTrailingStretch()
{
    wholeDisks_->use();
    StorageDeviceManager::instance().refreshDiskList();
    WholeDiskPage page;
    page.refreshDeviceList();
    page.refreshDeviceList();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVBoxLayout* layout = page.navigator()->contentLayout();
    int stretches = 0, views = 0;
    for (int i = 0; i < layout->count(); ++i) {
        QSpacerItem* spacer = layout->itemAt(i)->spacerItem();
        if (spacer && spacer->expandingDirections() & Qt::Vertical)
            ++stretches;
        if (layout->itemAt(i)->widget())
            ++views;
    }
    QCOMPARE(views, 3);
    QCOMPARE(stretches, 1);
    QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    QCOMPARE(page.navigator()->findChildren<WholeDiskView*>().size(), 3);
}

void CardPagesTest::backArrowShowsTheHardDiskPage()
{
    StorageDevicePage page;
    auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
    QVERIFY(hardDisk);
    emit hardDisk->wholeDiskRecovery();
    auto* wholeDisk = qobject_cast<WholeDiskPage*>(page.currentSelectionPage());
    QVERIFY(wholeDisk);
    QCOMPARE(page.bar()->listView()->currentIndex().row(), 1);
    wholeDisk->backButton()->click();
    QVERIFY(qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage()));
    QCOMPARE(page.currentPageType(), 0);
    QCOMPARE(page.bar()->listView()->currentIndex().row(), 1);  // "Hard Drive" all along
}

void CardPagesTest::viewTitle_data()
{
    QTest::addColumn<QVector<QDiskAndVolumeInfo>>("volumes");
    QTest::addColumn<QString>("model");
    QTest::addColumn<quint64>("total");
    QTest::newRow("first non-empty model")
        << QVector<QDiskAndVolumeInfo>{volume("1", 0, 0, {}, 1000), volume("2", 0, 1, "WD Blue", 2000),
                                       volume("3", 0, 2, "Other", 3000)}
        << "WD Blue" << quint64(6000);
    QTest::newRow("no model") << QVector<QDiskAndVolumeInfo>{volume("1", 0, 0, {}, 1 << 20)} << QString()
                              << quint64(1 << 20);
    QTest::newRow("markup in a name is text")
        << QVector<QDiskAndVolumeInfo>{volume("1", 0, 0, "<img src=x>Card", 1000)} << "<img src=x>Card" << quint64(1000);
}

void CardPagesTest::viewTitle()
{
    QFETCH(QVector<QDiskAndVolumeInfo>, volumes);
    QFETCH(QString, model);
    QFETCH(quint64, total);
    WholeDiskView view;
    view.setPartitions(volumes);
    QCOMPARE(view.title()->text(), QStringLiteral("%1 (%2)").arg(model, formatFileSizeCached(total, 2, true)));
    QCOMPARE(view.title()->textFormat(), Qt::PlainText);
    QCOMPARE(letters(view.partitions()), letters(volumes));
    view.setPartitions({});  // an empty list keeps the title
    QCOMPARE(view.title()->text(), QStringLiteral("%1 (%2)").arg(model, formatFileSizeCached(total, 2, true)));
}

void CardPagesTest::wheelDoesNotScrollTheStrip()
{
    QVector<QDiskAndVolumeInfo> volumes;
    for (int i = 0; i < 12; ++i)
        volumes << volume(QString::number(i + 1), 0, i, "Disk", 1 << 30);
    WholeDiskView view;
    view.setPartitions(volumes);
    view.resize(700, view.height());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QScrollBar* bar = view.strip()->horizontalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);  // many volumes scroll sideways
    const QPoint at = view.strip()->viewport()->rect().center();
    for (QPoint delta : {QPoint(0, -120), QPoint(-120, 0)}) {
        QWheelEvent wheel(at, view.strip()->viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.strip()->viewport(), &wheel);
    }
    QCOMPARE(bar->value(), 0);
}

void CardPagesTest::volumeNameTooltip()
{
    QDiskAndVolumeInfo longName = volume("1", 0, 0, "Disk", 1 << 30);
    longName.displayName = QStringLiteral("Holiday <i>photos</i> from the summer of 2026 (sdc1)");
    WholeDiskView view;
    view.setPartitions({longName, volume("2", 0, 1, "Disk", 1 << 30)});
    view.resize(900, view.height());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QAbstractItemView* strip = view.strip();
    auto tipAt = [&](int row, const QPoint& offset) {
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); });
        const QPoint at = strip->visualRect(strip->model()->index(row, 0)).topLeft() + offset;
        QHelpEvent help(QEvent::ToolTip, at, strip->viewport()->mapToGlobal(at));
        QApplication::sendEvent(strip->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QPoint nameArea(20 + 14 + 46 + 40, 2 + 8 + 15);
    QCOMPARE(tipAt(0, nameArea), Qt::convertFromPlainText(longName.displayName, Qt::WhiteSpacePre));
    QCOMPARE(tipAt(0, QPoint(40, 100)), QString());  // over the picture
    QCOMPARE(tipAt(1, nameArea), QString());         // a name that fits
}

void CardPagesTest::startWithoutAViewOnlyLogs()
{
    WholeDiskNavigator navigator;
    navigator.addDiskView({volume("1", 0, 0, "Disk", 1 << 20)});
    UIFrame::store({0, 1, 1, 0, 0});
    navigator.onStartScanClicked();  // a direct call: no sender
    QObject stranger;
    connect(&stranger, &QObject::objectNameChanged, &navigator, &WholeDiskNavigator::onStartScanClicked);
    stranger.setObjectName("other");
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(UIFrame::isStored());
}

void CardPagesTest::languageChangeResetsTheTexts()
{
    wholeDisks_->use();
    StorageDeviceManager::instance().refreshDiskList();
    SDCardSelectPage cards;
    WholeDiskPage wholeDisk;
    wholeDisk.refreshDeviceList();
    WholeDiskView* view = wholeDisk.navigator()->diskViews().value(0);
    QVERIFY(view);
    const QList<QLabel*> labels{cards.helpLink(), wholeDisk.helpLink()};
    QStringList before;
    for (QLabel* label : labels) {
        before << label->text();
        label->setText(QStringLiteral("stale"));
    }
    view->startButton()->setText(QStringLiteral("stale"));
    QEvent change(QEvent::LanguageChange);
    for (QWidget* widget : {static_cast<QWidget*>(&cards), static_cast<QWidget*>(&wholeDisk), static_cast<QWidget*>(view)})
        QApplication::sendEvent(widget, &change);
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(labels[i]->text(), before[i]);
    QCOMPARE(view->startButton()->text(), QStringLiteral("Start Scan"));
}

void CardPagesTest::paintedBar_data()
{
    QTest::addColumn<quint64>("freeBytes");
    QTest::addColumn<quint64>("totalBytes");
    QTest::addColumn<double>("share");
    QTest::addColumn<bool>("freeUnknown");
    QTest::newRow("40 of 100 free") << quint64(40) << quint64(100) << 0.6 << false;
    QTest::newRow("size 0: track only") << quint64(0) << quint64(0) << 0.0 << false;
    QTest::newRow("free 0 (full volume): full") << quint64(0) << quint64(100) << 1.0 << false;
    QTest::newRow("all free: track only") << quint64(100) << quint64(100) << 0.0 << false;
    // A file system spread over several devices reports more free space than
    // this partition holds: the fill stays within its track.
    QTest::newRow("more free than total") << quint64(300) << quint64(100) << 0.0 << false;
    // An unmounted volume: no bar at all, not a full one.
    QTest::newRow("free space unknown: no bar") << quint64(0) << quint64(100) << 0.0 << true;
}

void CardPagesTest::paintedBar()
{
    QFETCH(quint64, freeBytes);
    QFETCH(quint64, totalBytes);
    QFETCH(double, share);
    QFETCH(bool, freeUnknown);
    QDiskAndVolumeInfo record = volume("/data", 0, 0, "Disk", totalBytes);
    record.freeBytes = freeBytes;
    record.freeBytesUnknown = freeUnknown;
    QImage image(wholeDiskTileRect().size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    paintWholeDiskTile(record, image);
    const QRect bar = WholeDiskDelegate::barRect(WholeDiskDelegate::tileRect(wholeDiskTileRect()));
    const QColor used(0, 120, 215), track(230, 230, 230);
    const int y = bar.center().y();
    int filled = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == used) {
            QVERIFY2(x >= bar.left() && x <= bar.right(), qPrintable(QString::number(x)));
            ++filled;
        }
    }
    QVERIFY2(qAbs(filled - int(bar.width() * share)) <= 2, qPrintable(QStringLiteral("%1 filled").arg(filled)));
    if (freeUnknown)
        QCOMPARE(image.pixelColor(bar.center().x(), y), QColor(DeviceColors::tile));
    else if (share == 0.0)
        QCOMPARE(image.pixelColor(bar.center().x(), y), track);
}

void CardPagesTest::unreadableCardsAndDisksAreMarkedAndRefused()
{
    QDiskAndVolumeInfo card = volume("5", 2, 0, "Card Reader", 1 << 30);
    card.isExternal = card.isRemovable = card.isUnreadable = true;
    card.freeBytesUnknown = true;
    card.totalSizeText = formatFileSize(card.totalBytes, 2, false);
    StorageDeviceManager::instance().setCachedList({volume("/", 0, 0, "Disk", 1 << 30), card});
    const auto restore = qScopeGuard([] { StorageDeviceManager::instance().refreshDiskList(); });
    // Answers the next message box, keeping its text.
    auto answer = [](QString* text) {
        QTimer::singleShot(100, [text] {
            if (auto* box = qobject_cast<XMessageBox*>(QApplication::activeModalWidget())) {
                for (auto* label : box->findChildren<QLabel*>())
                    *text += label->text();
                box->close();
            }
        });
    };
    const QString howTo = DeviceAccessNotice::howToGetAccessText();

    SDCardSelectPage cards;
    cards.refreshDeviceList();
    QVERIFY(cards.accessNotice()->isVisibleTo(&cards));
    QCOMPARE(cards.model()->rowCount(), 1);
    {
        SDCardSelectDelegate delegate;
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 900, 128);
        PaintRecorder painted(900, 128);
        {
            QPainter painter(&painted);
            delegate.paint(&painter, option, cards.model()->index(0, 0));
        }
        QVERIFY2(painted.texts.contains(DeviceAccessNotice::noAccessText()), qPrintable(painted.texts.join('|')));
    }
    QString message;
    answer(&message);
    cards.startScan();
    QCOMPARE(message, howTo);

    WholeDiskPage disks;
    disks.refreshDeviceList();
    QVERIFY(disks.accessNotice()->isVisibleTo(&disks));
    WholeDiskView* cardView = nullptr;
    for (WholeDiskView* view : disks.navigator()->diskViews())
        if (view->partitions().value(0).isUnreadable)
            cardView = view;
    QVERIFY(cardView);
    {
        PaintRecorder painted(wholeDiskTileRect().width(), wholeDiskTileRect().height());
        paintWholeDiskTile(card, painted);
        // Marked, and its size alone: nothing says how much of it is free.
        QVERIFY2(painted.texts.contains(DeviceAccessNotice::noAccessText()), qPrintable(painted.texts.join('|')));
        QVERIFY2(painted.texts.contains(card.totalSizeText), qPrintable(painted.texts.join('|')));
    }
    message.clear();
    answer(&message);
    cardView->startButton()->click();
    QCOMPARE(message, howTo);

    QCoreApplication::processEvents();
    QCOMPARE(recorder_.flags, QList<int>());
    QVERIFY(!UIFrame::isStored());

    // Readable devices only: no notice.
    StorageDeviceManager::instance().setCachedList({volume("/", 0, 0, "Disk", 1 << 30)});
    disks.refreshDeviceList();
    QVERIFY(!disks.accessNotice()->isVisibleTo(&disks));
}

void CardPagesTest::cleanupTestCase()
{
    setGaEventRecorder({});
    if (!analytics_)
        return;
    QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(60000));
    QThreadPool::globalInstance()->waitForDone();
    CardMachine::useNone();
    AppManager::instance()->registerWidget(0, nullptr);
}

QTEST_MAIN(CardPagesTest)
#include "CardPagesTest.moc"
