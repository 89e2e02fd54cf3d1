#include "StorageDevicePage.h"

#include "DeviceListDiff.h"
#include "DeviceNotifier.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "SDCardSelectPage.h"
#include "StorageDeviceBar.h"
#include "StorageDeviceManager.h"
#include "UIFrameInfo.h"
#include "WholeDiskPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QStackedWidget>

StorageDevicePage::StorageDevicePage(QWidget* parent)
    : PageWidget(parent), bar_(new StorageDeviceBar(this)), stack_(new QStackedWidget(this))
{
    setupUi();
}

void StorageDevicePage::setupUi()
{
    pageType_ = int(UIFrame::stored().pageType);
    auto* layout = new QHBoxLayout(contentWidget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(stack_);
    connect(bar_, &StorageDeviceBar::selectRecoverTypeSignal, this, [this](int id, int) {
        if (id == 2)
            showSelectionPage(0);
        else if (id == 3)
            showSelectionPage(1);
    });
    connect(&DeviceNotifier::instance(), &DeviceNotifier::deviceChanged, this, &StorageDevicePage::onDeviceChanged);
    bar_->retranslateItems(pageType_);
    showSelectionPage(pageType_);
}

QWidget* StorageDevicePage::currentSelectionPage() const
{
    return stack_->currentWidget();
}

void StorageDevicePage::showSelectionPage(int pageType)
{
    if (QWidget* old = stack_->currentWidget()) {
        stack_->removeWidget(old);
        old->deleteLater();
    }
    QWidget* page = nullptr;
    if (pageType == 0) {
        auto* hardDisk = new HardDiskAndFolderSelectPage(this);
        connect(hardDisk, &HardDiskAndFolderSelectPage::wholeDiskRecovery, this, [this] { showSelectionPage(2); });
        hardDisk->refreshDeviceList();
        page = hardDisk;
    } else if (pageType == 1) {
        auto* cards = new SDCardSelectPage(this);
        cards->refreshDeviceList();
        page = cards;
    } else {
        auto* wholeDisk = new WholeDiskPage(this);
        connect(wholeDisk, &WholeDiskPage::partitionRecovery, this, [this] { showSelectionPage(0); });
        wholeDisk->refreshDeviceList();
        page = wholeDisk;
    }
    pageType_ = pageType;
    stack_->addWidget(page);
    stack_->setCurrentWidget(page);
}

void StorageDevicePage::refreshCurrentPage()
{
    QWidget* page = stack_->currentWidget();
    if (auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(page))
        hardDisk->refreshDeviceList();
    else if (auto* cards = qobject_cast<SDCardSelectPage*>(page))
        cards->refreshDeviceList();
    else if (auto* wholeDisk = qobject_cast<WholeDiskPage*>(page))
        wholeDisk->refreshDeviceList();
}

void StorageDevicePage::onDeviceChanged(int)
{
    // The reload waits in a local event loop: a signal meanwhile asks for one
    // more reload after this one instead of nesting another wait.
    if (reloading_) {
        reloadQueued_ = true;
        return;
    }
    QPointer<StorageDevicePage> self(this);
    reloading_ = true;
    do {
        reloadQueued_ = false;
        const QVector<QDiskAndVolumeInfo> previous = StorageDeviceManager::instance().diskList();
        const QVector<QDiskAndVolumeInfo> current = StorageDeviceManager::instance().refreshDiskList();
        // A scan started during the wait switches modules and deletes this page.
        if (!self)
            return;
        ++reloads_;
        if (deviceListChanged(previous, current))
            refreshCurrentPage();
    } while (reloadQueued_);
    reloading_ = false;
}

void StorageDevicePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        bar_->retranslateItems(pageType_);
    QWidget::changeEvent(event);
}
