#include "WholeDiskView.h"

#include "DeviceButtons.h"
#include "DeviceScale.h"
#include "DriveTileRoles.h"
#include "SizeText.h"
#include "WholeDiskDelegate.h"
#include "XLabel.h"
#include "XListView.h"
#include "XPushButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOption>
#include <QVBoxLayout>

WholeDiskView::WholeDiskView(QWidget* parent)
    : QWidget(parent), title_(new XLabel(this)), startButton_(new XPushButton(this)), strip_(new XListView(this))
{
    model_ = new QStandardItemModel(strip_);
    delegate_ = new WholeDiskDelegate(strip_);
    setFixedHeight(sy(196));
    setObjectName("WholeDiskView");
    setStyleSheet(QStringLiteral(
        "QWidget#WholeDiskView {    border: 1px solid #F1F5F9;    background-color: white;    border-radius: 10px;}"));
    setupUi();
    connect(startButton_, &XPushButton::clicked, this, &WholeDiskView::startScanSignal);
    retranslateUi();
}

void WholeDiskView::setupUi()
{
    title_->setTextColor(DeviceColors::primaryText);
    title_->setFontBold(true);
    // Model names come from the device (and image file names from the user): never markup.
    title_->setTextFormat(Qt::PlainText);

    startButton_->setObjectName("startScanButton");
    stylePrimaryButton(startButton_, 114, 32);

    strip_->setProperty("style", "transparent");
    strip_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip_->setFlow(QListView::LeftToRight);
    strip_->setViewMode(QListView::IconMode);
    strip_->setWrapping(false);
    strip_->setMovement(QListView::Static);
    strip_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    strip_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strip_->setSelectionMode(QAbstractItemView::NoSelection);
    strip_->setDragEnabled(false);
    strip_->setAttribute(Qt::WA_MouseTracking, false);
    strip_->setSpacing(0);
    strip_->wheelEnabled = false;
    strip_->setModel(model_);
    strip_->setItemDelegate(delegate_);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(sx(24), sy(17), sx(20), sy(15));
    header->setSpacing(0);
    header->addWidget(title_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    header->addSpacing(sx(20));
    header->addWidget(startButton_, 0, Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(strip_);
}

void WholeDiskView::retranslateUi()
{
    title_->setFontPointSize(12.0);
    startButton_->setText(tr("Start Scan"));
}

void WholeDiskView::setPartitions(const QVector<QDiskAndVolumeInfo>& volumes)
{
    model_->clear();
    if (volumes.isEmpty())
        return;
    QString title;
    quint64 total = 0;
    for (const QDiskAndVolumeInfo& record : volumes) {
        total += record.totalBytes;
        if (title.isEmpty() && !record.diskModel.isEmpty())
            title = record.diskModel;
        auto* item = new QStandardItem;
        item->setData(DriveTileRoles::LocalDrives, DriveTileRoles::SectionRole);
        item->setData(DriveTileRoles::DriveId, DriveTileRoles::ItemIdRole);
        item->setData(QVariant::fromValue(record), WholeDiskDelegate::RecordRole);
        model_->appendRow(item);
    }
    title_->setText(QStringLiteral("%1 (%2)").arg(title, formatFileSizeCached(total, 2, true)));
}

QVector<QDiskAndVolumeInfo> WholeDiskView::partitions() const
{
    QVector<QDiskAndVolumeInfo> volumes;
    for (int row = 0; row < model_->rowCount(); ++row)
        volumes.append(model_->index(row, 0).data(WholeDiskDelegate::RecordRole).value<QDiskAndVolumeInfo>());
    return volumes;
}

void WholeDiskView::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void WholeDiskView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
