#include "WholeDiskNavigator.h"

#include "AppEvent.h"
#include "DeviceAccessNotice.h"
#include "DeviceScale.h"
#include "SelectionHelpDialogs.h"
#include "StorageDataRecoverMgr.h"
#include "UIFrameInfo.h"
#include "WholeDiskView.h"
#include "spdlog_qt.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

WholeDiskNavigator::WholeDiskNavigator(QWidget* parent)
    : QWidget(parent), scrollArea_(new QScrollArea(this)), content_(new QWidget), layout_(new QVBoxLayout(content_))
{
    setupUi();
}

void WholeDiskNavigator::setupUi()
{
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFrameShadow(QFrame::Plain);
    scrollArea_->setContentsMargins(0, 0, 0, 0);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setStyleSheet(QStringLiteral("QScrollArea {    border: none;    background: transparent;}"));
    scrollArea_->viewport()->setObjectName("Viewport");
    scrollArea_->viewport()->setStyleSheet(
        QStringLiteral("QWidget#Viewport {    border: none;    background: transparent;}"));

    content_->setObjectName("contentWidget");
    content_->setStyleSheet(QStringLiteral("QWidget#contentWidget {    border: none;    background: transparent;}"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addStretch();
    scrollArea_->setWidget(content_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scrollArea_);
}

void WholeDiskNavigator::addDiskView(const QVector<QDiskAndVolumeInfo>& volumes)
{
    if (volumes.isEmpty())
        return;
    auto* view = new WholeDiskView(this);
    connect(view, &WholeDiskView::startScanSignal, this, &WholeDiskNavigator::onStartScanClicked);
    view->setPartitions(volumes);
    if (layout_->count() > 0 && layout_->itemAt(layout_->count() - 1)->spacerItem())
        delete layout_->takeAt(layout_->count() - 1);
    layout_->addWidget(view);
    layout_->addSpacing(sy(20));
    layout_->addStretch();
    content_->adjustSize();
}

void WholeDiskNavigator::clearDiskViews()
{
    while (QLayoutItem* item = layout_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
    layout_->addStretch();
    content_->adjustSize();
}

QList<WholeDiskView*> WholeDiskNavigator::diskViews() const
{
    QList<WholeDiskView*> views;
    for (int i = 0; i < layout_->count(); ++i)
        if (auto* view = qobject_cast<WholeDiskView*>(layout_->itemAt(i)->widget()))
            views.append(view);
    return views;
}

void WholeDiskNavigator::onStartScanClicked()
{
    auto* view = qobject_cast<WholeDiskView*>(sender());
    if (!view) {
        logError(QStringLiteral("Invalid sender in WholeDiskNavigator::onStartScanClicked. Expected WholeDiskView, "
                                "got: %1")
                     .arg(sender() ? QString::fromLatin1(sender()->metaObject()->className())
                                   : QStringLiteral("nullptr")));
        return;
    }
    const QVector<QDiskAndVolumeInfo> volumes = view->partitions();
    if (volumes.isEmpty() || DeviceAccessNotice::refuseUnreadable(window(), volumes))
        return;
    UIFrame::clear();
    postToMainWindow(AppEvent::ShowBusy);
    StorageDataRecoverMgr::instance()->startWholeDiskScan(volumes, 20);
}
