#include "SDCardSelectPage.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "DeviceAccessNotice.h"
#include "DeviceButtons.h"
#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "GaService.h"
#include "NoFindSDCardWidget.h"
#include "SDCardSelectDelegate.h"
#include "SelectionHelpDialogs.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "UIFrameInfo.h"
#include "XLabel.h"
#include "XListView.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMap>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

void registerVolumeListType()
{
    static const int id = qRegisterMetaType<QList<QDiskAndVolumeInfo>>("QList<QDiskAndVolumeInfo>");
    Q_UNUSED(id);
}

}  // namespace

SDCardSelectPage::SDCardSelectPage(QWidget* parent)
    : PageWidget(parent), title_(new XLabel(this)), description_(new XLabel(this)), help_(new XLabel(this)),
      refreshButton_(new XPushButton(this)), startButton_(new XPushButton(this)), list_(new XListView(this)),
      delegate_(new SDCardSelectDelegate(this)), model_(new QStandardItemModel(this)),
      stack_(new QStackedWidget(this)), accessNotice_(new DeviceAccessNotice(this)),
      dialogs_(new SelectionHelpDialogs(this))
{
    registerVolumeListType();
    UIFrame::registerType();
    setupUi();
    connectSignals();
    retranslateUi();
}

void SDCardSelectPage::setupUi()
{
    title_->setTextColor(QColor("#000000"));
    title_->setFontBold(true);

    styleRefreshButton(refreshButton_);
    startButton_->setObjectName("startButton");
    stylePrimaryButton(startButton_, 152, 38);

    description_->setTextColor(DeviceColors::primaryText);
    description_->setWordWrap(true);
    help_->setObjectName("helpLink");
    help_->setTextColor(DeviceColors::primaryText);
    help_->setContextMenuPolicy(Qt::NoContextMenu);

    setupTileList(list_, QAbstractItemView::ScrollPerItem, "whiteTopRadius");
    list_->setModel(model_);
    list_->setItemDelegate(delegate_);

    auto* titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(0, 0, 0, 0);
    titleRow->setSpacing(0);
    titleRow->addSpacing(sx(8));
    titleRow->addWidget(title_);
    titleRow->addSpacing(sx(19));
    titleRow->addWidget(refreshButton_);
    titleRow->addStretch();
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->setContentsMargins(0, 0, 0, 0);
    descriptionRow->setSpacing(0);
    descriptionRow->addSpacing(sx(8));
    descriptionRow->addWidget(description_);

    QWidget* bottom = makeActionBar(this, {help_}, startButton_);

    stack_->addWidget(list_);
    stack_->addWidget(new NoFindSDCardWidget(stack_));
    stack_->setCurrentIndex(1);

    auto* page = new QVBoxLayout(contentWidget());
    page->setContentsMargins(sx(16), sy(16), sx(16), 0);
    page->setSpacing(0);
    page->addLayout(titleRow);
    page->addSpacing(sy(9));
    page->addLayout(descriptionRow);
    page->addSpacing(sy(16));
    page->addWidget(accessNotice_);
    page->addWidget(stack_);
    page->addWidget(bottom);
}

void SDCardSelectPage::connectSignals()
{
    connect(list_, &QAbstractItemView::pressed, this, [this] { list_->viewport()->update(); });
    connect(refreshButton_, &XPushButton::clicked, this, &SDCardSelectPage::showRefreshDialog);
    connect(startButton_, &XPushButton::clicked, this, &SDCardSelectPage::startScan);
    connect(help_, &QLabel::linkActivated, this, &SDCardSelectPage::showNoSDCardDialog);
}

void SDCardSelectPage::retranslateUi()
{
    title_->setFontPointSize(13.5);
    title_->setText(tr("Select an SD Card to Recover Lost Data"));
    description_->setFontPointSize(12.0);
    description_->setText(tr("Connect the SD card to the computer through a card reader to recover lost pictures "
                             "and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, "
                             "GoPro, DJI, etc.), various brands of drones, car cameras and monitors."));
    help_->setFontPointSize(12.0);
    help_->setText(tr("No SD card detected? <a style='color: %1;' href=\"Seek help/\">Get Help</a>")
                       .arg(DeviceColors::accent.name()));
    startButton_->setText(tr("Search for Lost Data"));
}

void SDCardSelectPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QList<SDCardSelectPage::Card> SDCardSelectPage::cardsOf(const QVector<QDiskAndVolumeInfo>& devices)
{
    QMap<quint64, Card> cards;
    for (const QDiskAndVolumeInfo& record : devices) {
        if (!record.isExternal || !record.isRemovable)
            continue;
        auto found = cards.find(record.diskIndex);
        if (found == cards.end()) {
            cards.insert(record.diskIndex, Card{record, {record}});
        } else {
            found->record.totalBytes += record.totalBytes;
            found->volumes.append(record);
        }
    }
    return cards.values();
}

void SDCardSelectPage::refreshDeviceList()
{
    // A rebuild after another device came or went keeps the card the user
    // picked (by its device node: disk numbers shift), so "Search for Lost
    // Data" never scans a card other than the one marked.
    const QString picked =
        list_->currentIndex().data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>().diskName;
    model_->clear();
    const QList<Card> cards = cardsOf(StorageDeviceManager::instance().diskList());
    QVector<QDiskAndVolumeInfo> cardVolumes;
    // Volumes stay in device-list order, the order a whole-disk scan reads them.
    for (const Card& card : cards) {
        cardVolumes += QVector<QDiskAndVolumeInfo>(card.volumes.begin(), card.volumes.end());
        auto* item = new QStandardItem;
        item->setData(QVariant::fromValue(card.record), SDCardSelectDelegate::CardRole);
        item->setData(QVariant::fromValue(card.volumes), SDCardSelectDelegate::VolumesRole);
        model_->appendRow(item);
    }
    accessNotice_->showFor(cardVolumes);
    if (model_->rowCount() == 0) {
        startButton_->hide();
        stack_->setCurrentIndex(1);
        sendGaEvent("SDRecovery", "NoSD");
        return;
    }
    startButton_->show();
    QModelIndex current = model_->index(0, 0);
    for (int row = 0; row < model_->rowCount() && !picked.isEmpty(); ++row) {
        const QModelIndex index = model_->index(row, 0);
        if (index.data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>().diskName == picked)
            current = index;
    }
    list_->setCurrentIndex(current);
    stack_->setCurrentIndex(0);
    sendGaEvent("SDRecovery", "ConnectSD");
}

void SDCardSelectPage::startScan()
{
    const QModelIndex index = list_->currentIndex();
    if (!index.isValid())
        return;
    const auto card = index.data(SDCardSelectDelegate::CardRole).value<QDiskAndVolumeInfo>();
    const auto volumes = index.data(SDCardSelectDelegate::VolumesRole).value<QList<QDiskAndVolumeInfo>>();
    if (volumes.isEmpty())
        return;
    const QVector<QDiskAndVolumeInfo> scanned(volumes.begin(), volumes.end());
    if (DeviceAccessNotice::refuseUnreadable(dialogs_->dialogParent(), scanned))
        return;
    postToMainWindow(AppEvent::ShowBusy);
    StorageDataRecoverMgr::instance()->startWholeDiskScan(scanned, 20);
    UIFrame::store({1, 2, 1, card.diskIndex, card.volIndex});
    sendGaEvent("SDRecovery", "StartScan");
    sendGaEventAction("SDRecovery", "Scanning");
    StorageDataRecoverMgr::instance()->sendSDCardStatistics();
}

void SDCardSelectPage::showRefreshDialog()
{
    dialogs_->showRefreshDialog([this] { refreshDeviceList(); },
                                [] { sendGaEvent("SDRecovery", "RefreshInvalid"); });
    sendGaEvent("SDRecovery", "Refresh");
}

void SDCardSelectPage::showNoLocalDiskDialog()
{
    dialogs_->showNoLocalDiskDialog();
}

void SDCardSelectPage::showNoSDCardDialog()
{
    dialogs_->showNoSDCardDialog();
    sendGaEvent("SDRecovery", "UnrecognizedSD");
}
