#include "WholeDiskPage.h"

#include "AppManager.h"
#include "DeviceAccessNotice.h"
#include "DeviceButtons.h"
#include "DeviceScale.h"
#include "DriveOrder.h"
#include "SelectionHelpDialogs.h"
#include "StorageDeviceManager.h"
#include "WholeDiskNavigator.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QVBoxLayout>

WholeDiskPage::WholeDiskPage(QWidget* parent)
    : PageWidget(parent), title_(new XLabel(this)), description_(new XLabel(this)), help_(new XLabel(this)),
      backButton_(new XPushButton(this)), refreshButton_(new XPushButton(this)),
      navigator_(new WholeDiskNavigator(this)), accessNotice_(new DeviceAccessNotice(this)),
      dialogs_(new SelectionHelpDialogs(this))
{
    setupUi();
    connectSignals();
    retranslateUi();
}

void WholeDiskPage::setupUi()
{
    title_->setFontBold(true);
    title_->setTextColor(DeviceColors::primaryText);

    backButton_->setObjectName("backButton");
    backButton_->setFixedSize(sx(24), sy(24));
    const QString back = AppManager::imagePath("back_left_arrow_blue_normal@2x.png");
    backButton_->setStatePixmaps(back, back, back);
    backButton_->scalePixmaps(backButton_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);

    styleRefreshButton(refreshButton_);

    description_->setTextColor(QColor("#333333"));
    description_->setWordWrap(true);
    help_->setObjectName("helpLink");
    help_->setTextColor(DeviceColors::primaryText);
    help_->setContextMenuPolicy(Qt::NoContextMenu);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(0);
    header->addWidget(backButton_);
    header->addSpacing(sx(8));
    header->addWidget(title_);
    header->addSpacing(sx(19));
    header->addWidget(refreshButton_);
    header->addStretch();
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->setContentsMargins(0, 0, 0, 0);
    descriptionRow->setSpacing(0);
    descriptionRow->addSpacing(sx(8));
    descriptionRow->addWidget(description_);

    auto* helpBar = new QWidget(this);
    helpBar->setObjectName("HelpTipWidget");
    helpBar->setFixedHeight(sy(46));
    helpBar->setStyleSheet(QStringLiteral("QWidget#HelpTipWidget{background: #EFF6FF; border: 1px solid %1;}")
                               .arg(DeviceColors::line.name()));
    auto* helpRow = new QHBoxLayout(helpBar);
    helpRow->setContentsMargins(0, 0, 0, 0);
    helpRow->setSpacing(0);
    helpRow->addSpacing(sx(20));
    helpRow->addWidget(help_);
    helpRow->addStretch();

    auto* page = new QVBoxLayout(contentWidget());
    page->setContentsMargins(sx(16), sy(16), sx(16), 0);
    page->setSpacing(0);
    page->addLayout(header);
    page->addSpacing(sy(16));
    page->addLayout(descriptionRow);
    page->addSpacing(sy(16));
    page->addWidget(accessNotice_);
    page->addWidget(navigator_);
    page->addWidget(helpBar);
}

void WholeDiskPage::connectSignals()
{
    connect(backButton_, &XPushButton::clicked, this, &WholeDiskPage::partitionRecovery);
    connect(refreshButton_, &XPushButton::clicked, this, &WholeDiskPage::showRefreshDialog);
    connect(help_, &QLabel::linkActivated, this, &WholeDiskPage::showNoSDCardDialog);
}

void WholeDiskPage::retranslateUi()
{
    title_->setFontPointSize(16.5);
    title_->setText(tr("Select a hard drive and scan data"));
    description_->setFontPointSize(10.5);
    description_->setText(tr("<p style='font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;'>Scanning "
                             "the entire hard drive is recommended in the following situations:</p>1. It is unclear "
                             "from which disk the data was lost.<br/>2. Multiple partitions are missing after "
                             "formatting or deleting a partition."));
    help_->setFontPointSize(12.0);
    help_->setText(tr("Can't find a connected hard drive? <a style='color: %1;' href=\"Seek help/\">Get Help</a>")
                       .arg(DeviceColors::accent.name()));
}

void WholeDiskPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QList<QVector<QDiskAndVolumeInfo>> WholeDiskPage::disksOf(const QVector<QDiskAndVolumeInfo>& devices)
{
    // Disks in the order the hard disk page shows their volumes.
    QList<quint64> order;
    QHash<quint64, QVector<QDiskAndVolumeInfo>> disks;
    for (const QDiskAndVolumeInfo& record : devicePageOrder(devices)) {
        if (!disks.contains(record.diskIndex))
            order.append(record.diskIndex);
        disks[record.diskIndex].append(record);
    }
    QList<QVector<QDiskAndVolumeInfo>> out;
    for (quint64 key : order)
        out.append(disks.value(key));
    return out;
}

void WholeDiskPage::refreshDeviceList()
{
    const QVector<QDiskAndVolumeInfo> listed = StorageDeviceManager::instance().diskList();
    accessNotice_->showFor(listed);
    const auto disks = disksOf(listed);
    navigator_->clearDiskViews();
    for (const auto& volumes : disks)
        navigator_->addDiskView(volumes);
}

void WholeDiskPage::showRefreshDialog()
{
    dialogs_->showRefreshDialog([this] { refreshDeviceList(); });
}

void WholeDiskPage::showNoLocalDiskDialog()
{
    dialogs_->showNoLocalDiskDialog();
}

void WholeDiskPage::showNoSDCardDialog()
{
    dialogs_->showNoSDCardDialog();
}
