#include "HardDiskAndFolderSelectPage.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "DeviceAccessNotice.h"
#include "DeviceButtons.h"
#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "DriveListView.h"
#include "DriveOrder.h"
#include "DriveTileRoles.h"
#include "FolderCheck.h"
#include "GaService.h"
#include "GuideManagement.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "UIFrameInfo.h"
#include "WinFolderSelector.h"
#include "XLabel.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

using namespace DriveTileRoles;

namespace {

HardDiskAndFolderSelectPage::FolderPicker& folderPicker()
{
    static HardDiskAndFolderSelectPage::FolderPicker picker;
    return picker;
}

QStandardItem* headerItem(int section, int count)
{
    auto* item = new QStandardItem;
    item->setData(section, SectionRole);
    item->setData(count, CountRole);
    item->setData(HeaderId, ItemIdRole);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QStandardItem* tileItem(int section, int itemId, const QVariant& record)
{
    auto* item = new QStandardItem;
    item->setData(section, SectionRole);
    item->setData(itemId, ItemIdRole);
    if (record.isValid())
        item->setData(record, RecordRole);
    return item;
}

}  // namespace

void HardDiskAndFolderSelectPage::setFolderPicker(FolderPicker picker)
{
    folderPicker() = std::move(picker);
}

HardDiskAndFolderSelectPage::HardDiskAndFolderSelectPage(QWidget* parent)
    : PageWidget(parent), title_(new XLabel(this)), help_(new XLabel(this)), refreshButton_(new XPushButton(this)),
      startButton_(new XPushButton(this)), accessNotice_(new DeviceAccessNotice(this)), list_(new DriveListView(this)),
      delegate_(new HardDiskAndFolderSelectDelegate(this)), model_(new QStandardItemModel(this)),
      dialogs_(new SelectionHelpDialogs(this))
{
    UIFrame::registerType();
    setupUi();
    connectSignals();
    retranslateUi();
    StorageGuideManagement::instance()->setStepTarget(2, startButton_->size(), QPoint(-1, -1));
}

void HardDiskAndFolderSelectPage::setupUi()
{
    title_->setTextColor(QColor("#000000"));
    title_->setFontBold(true);

    styleRefreshButton(refreshButton_);

    help_->setObjectName("scanDiskLink");
    help_->setTextColor(DeviceColors::primaryText);
    help_->setContextMenuPolicy(Qt::NoContextMenu);

    auto* question = new XPushButton(this);
    question->setFixedSize(sx(20), sy(20));
    question->setPixmap(AppManager::imagePath("question_mark@2x.png"));
    question->setBorderColor(Qt::transparent);
    question->setBackgroundColor(Qt::transparent);
    question->scalePixmaps(question->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);

    startButton_->setObjectName("startButton");
    stylePrimaryButton(startButton_, 152, 38);

    list_->setViewMode(QListView::IconMode);
    setupTileList(list_, QAbstractItemView::ScrollPerPixel, "white");
    list_->setDragDropMode(QAbstractItemView::NoDragDrop);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setModel(model_);
    list_->setItemDelegate(delegate_);

    auto* topRow = new QHBoxLayout;
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(0);
    topRow->addWidget(title_);
    topRow->addSpacing(sx(19));
    topRow->addWidget(refreshButton_);
    topRow->addStretch();
    auto* upper = new QVBoxLayout;
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);
    upper->addLayout(topRow);
    upper->addSpacing(sy(16));
    upper->addWidget(accessNotice_);
    upper->addWidget(list_);

    QWidget* bottom = makeActionBar(this, {question, help_}, startButton_);

    auto* page = new QVBoxLayout(contentWidget());
    page->setContentsMargins(sx(16), sy(16), sx(16), 0);
    page->setSpacing(0);
    page->addLayout(upper);
    page->addWidget(bottom);
}

void HardDiskAndFolderSelectPage::connectSignals()
{
    connect(refreshButton_, &XPushButton::clicked, this, &HardDiskAndFolderSelectPage::showRefreshDialog);
    connect(help_, &QLabel::linkActivated, this, &HardDiskAndFolderSelectPage::wholeDiskRecovery);
    connect(startButton_, &XPushButton::clicked, this, &HardDiskAndFolderSelectPage::startScan);
    connect(list_, &QAbstractItemView::doubleClicked, this, &HardDiskAndFolderSelectPage::startScan);
}

void HardDiskAndFolderSelectPage::retranslateUi()
{
    title_->setFontPointSize(13.5);
    title_->setText(tr("Select a location to search for lost data"));
    help_->setFontPointSize(12.0);
    help_->setText(tr("Not sure where data was lost? <a style='color: %1;' href=\"Seek help/\">Scan Disk</a>")
                       .arg(DeviceColors::accent.name()));
    startButton_->setText(tr("Search for Lost Data"));
}

void HardDiskAndFolderSelectPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void HardDiskAndFolderSelectPage::refreshDeviceList()
{
    QVector<QDiskAndVolumeInfo> local, external;
    const QVector<QDiskAndVolumeInfo> listed = StorageDeviceManager::instance().diskList();
    for (const QDiskAndVolumeInfo& record : devicePageOrder(listed))
        (record.isExternal ? external : local).append(record);
    accessNotice_->showFor(listed);

    model_->clear();
    model_->appendRow(headerItem(LocalDrives, local.size()));
    for (const QDiskAndVolumeInfo& record : local)
        model_->appendRow(tileItem(LocalDrives, DriveId, QVariant::fromValue(record)));
    model_->appendRow(headerItem(ExternalDrives, external.size()));
    for (const QDiskAndVolumeInfo& record : external)
        model_->appendRow(tileItem(ExternalDrives, DriveId, QVariant::fromValue(record)));
    model_->appendRow(headerItem(Locations, 0));
    model_->appendRow(tileItem(Locations, RecycleBinId, QVariant()));
    model_->appendRow(tileItem(Locations, DesktopId, QVariant()));
    model_->appendRow(tileItem(Locations, FolderId, QVariant()));

    QMetaObject::invokeMethod(
        this, [this, local, external] { restoreSelection(local, external); }, Qt::QueuedConnection);
}

QModelIndex HardDiskAndFolderSelectPage::findItemToSelect(const QVector<QDiskAndVolumeInfo>& local,
                                                          const QVector<QDiskAndVolumeInfo>& external) const
{
    const UIFrameInfo stored = UIFrame::stored();
    int kind = stored.itemKind, id = stored.itemId;
    quint64 disk = stored.diskIndex, volume = stored.volIndex;
    if (!UIFrame::isStored() || (kind == LocalDrives && local.isEmpty()) || (kind == ExternalDrives && external.isEmpty())) {
        if (!local.isEmpty()) {
            kind = LocalDrives, id = DriveId, disk = local.first().diskIndex, volume = local.first().volIndex;
        } else if (!external.isEmpty()) {
            kind = ExternalDrives, id = DriveId, disk = external.first().diskIndex, volume = external.first().volIndex;
        } else {
            kind = Locations, id = RecycleBinId, disk = 0, volume = 0;
        }
    }
    QModelIndex remembered;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QModelIndex index = model_->index(row, 0);
        if (index.data(SectionRole).toInt() != kind || index.data(ItemIdRole).toInt() != id)
            continue;
        if (!remembered.isValid())
            remembered = index;
        if (kind == LocalDrives || kind == ExternalDrives) {
            const auto record = index.data(RecordRole).value<QDiskAndVolumeInfo>();
            if (record.diskIndex == disk && record.volIndex == volume)
                return index;
        }
    }
    return remembered;
}

void HardDiskAndFolderSelectPage::restoreSelection(const QVector<QDiskAndVolumeInfo>& local,
                                                   const QVector<QDiskAndVolumeInfo>& external)
{
    QModelIndex index = findItemToSelect(local, external);
    if (!index.isValid()) {
        UIFrame::clear();
        index = findItemToSelect(local, external);
    }
    list_->setCurrentIndex(index);
}

void HardDiskAndFolderSelectPage::startScan()
{
    const QModelIndex index = list_->currentIndex();
    if (!index.isValid())
        return;
    const int kind = index.data(SectionRole).toInt();
    const int id = index.data(ItemIdRole).toInt();
    const QVariant recordValue = index.data(RecordRole);
    const bool drive = (kind == LocalDrives || kind == ExternalDrives) && id == DriveId
                       && recordValue.canConvert<QDiskAndVolumeInfo>();
    const bool location = kind == Locations && (id == DesktopId || id == RecycleBinId || id == FolderId);
    // A header (reachable by keyboard before) or an unknown row has nothing to scan:
    // no volume resolved by default, no busy indicator left up.
    if (!drive && !location)
        return;
    const QDiskAndVolumeInfo record = recordValue.value<QDiskAndVolumeInfo>();
    if (drive && DeviceAccessNotice::refuseUnreadable(dialogs_->dialogParent(), {record}))
        return;
    const QStringList desktops =
        id == DesktopId ? scannableDesktopFolders(StorageDeviceManager::instance().diskList()) : QStringList();
    if (id == DesktopId && desktops.isEmpty()) {
        refuseFolder();
        return;
    }
    postToMainWindow(AppEvent::ShowBusy);
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    if (drive) {
        bridge->startVolumeScan(record, 0);
        if (record.isExternal)
            bridge->sendExternalDiskStatistics();
        else
            bridge->sendDiskStatistics();
    } else if (!startLocationScan(id, desktops)) {
        return;
    }
    UIFrame::store({0, kind, id, drive ? record.diskIndex : 0, drive ? record.volIndex : 0});
    sendGaEvent("DiskRecovery", "StartScan");
    sendGaEvent("DiskRecovery", "Scanning");
}

bool HardDiskAndFolderSelectPage::startLocationScan(int itemId, const QStringList& desktopFolders)
{
    StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
    if (itemId == DesktopId) {
        bridge->startPathScan(desktopFolders, 11);
        return true;
    }
    if (itemId == RecycleBinId) {
        bridge->startRecycleBinScan();
        return true;
    }
    postToMainWindow(AppEvent::ShowShade | AppEvent::ShowBusy);
    const QStringList desktops = existingDesktopFolders();
    const QString startFolder = desktops.isEmpty() ? QDir::homePath() : desktops.first();
    QPointer<HardDiskAndFolderSelectPage> self(this);
    auto onState = [self](int state) {
        if (self)
            self->onFolderPickerState(state);
    };
    QString path;
    if (folderPicker()) {
        path = folderPicker()(startFolder, onState);
    } else {
        WinFolderSelector selector;
        selector.selectFolder(path, 0, startFolder, dialogs_->dialogParent(), onState);
    }
    if (!self || path.isEmpty())
        return false;
    const QString folder = scanPathOf(path);
    if (!isScannableFolder(folder, StorageDeviceManager::instance().diskList())) {
        refuseFolder();
        return false;
    }
    postToMainWindow(AppEvent::ShowBusy);
    bridge->startPathScan({folder}, 10);
    return true;
}

void HardDiskAndFolderSelectPage::refuseFolder()
{
    XMessageBox::information(dialogs_->dialogParent(), QString(),
                             tr("Unable to scan this path. Please check disk read permissions or select another "
                                "path."),
                             {QObject::tr("OK")}, 1);
}

void HardDiskAndFolderSelectPage::onFolderPickerState(int state)
{
    if (state == 0)
        return;
    postToMainWindow(AppEvent::HideBusy);
    if (state == WinFolderSelector::Chosen || state == WinFolderSelector::Cancelled)
        postToMainWindow(AppEvent::HideShade);
}

void HardDiskAndFolderSelectPage::showRefreshDialog()
{
    dialogs_->showRefreshDialog([this] { refreshDeviceList(); },
                                [] { sendGaEvent("DiskRecovery", "RefreshInvalid"); });
    sendGaEvent("DiskRecovery", "Refresh");
}

void HardDiskAndFolderSelectPage::showNoLocalDiskDialog()
{
    dialogs_->showNoLocalDiskDialog();
    sendGaEvent("DiskRecovery", "RefreshInvalid");
}
