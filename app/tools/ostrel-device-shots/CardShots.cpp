#include "CardShots.h"

#include "AppStyleSheet.h"
#include "MadeUpVolume.h"
#include "Application/XApplication.h"
#include "NoSDCardDialog.h"
#include "NoSDCardTabBar.h"
#include "SDCardSelectDelegate.h"
#include "SDCardSelectPage.h"
#include "StorageDeviceBar.h"
#include "StorageDeviceManager.h"
#include "StorageDevicePage.h"
#include "WholeDiskPage.h"
#include "XListView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QToolTip>

namespace {

QDiskAndVolumeInfo volume(const QString& model, const QString& name, const QString& letter, const QString& fs,
                          double totalGiB, double freeGiB, quint64 disk, quint64 index, bool external, bool removable,
                          bool system = false)
{
    QDiskAndVolumeInfo record = madeUpVolume(name, letter, fs, totalGiB, freeGiB, disk, index);
    record.diskModel = model;
    record.isExternal = external;
    record.isRemovable = removable;
    record.isSystem = system;
    return record;
}

// A laptop with an NVMe disk, a camera card in a USB reader (two partitions)
// and a card in the built-in slot with a long model name.
QVector<QDiskAndVolumeInfo> machine()
{
    return {volume("Samsung SSD 980 PRO 1TB", "System Disk (nvme0n1p2)", "/", "EXT4", 476.34, 211.08, 0, 1, false,
                   false, true),
            volume("Samsung SSD 980 PRO 1TB", "Home (nvme0n1p3)", "/home", "EXT4", 300.0, 412.5, 0, 2, false, false),
            volume("Samsung SSD 980 PRO 1TB", "Unmounted Partition - 3", "3", "FAT32", 16.0, 0.0, 0, 3, false, false),
            volume("Samsung SSD 980 PRO 1TB", "Unallocated Space - 4", "4", "", 0.5, 0.0, 0, 4, false, false),
            volume("Generic- SD/MMC Reader", "CAMERA (sdb1)", "/media/user/CAMERA", "FAT32", 29.72, 12.4, 1, 0, true,
                   true),
            volume("Generic- SD/MMC Reader", "Unmounted Partition - 5", "5", "exFAT", 29.5, 0.0, 1, 1, true, true),
            volume("SDXC Extreme PRO UHS-I U3 V30 A2 card in the laptop slot", "DCIM (mmcblk0p1)", "/media/user/DCIM",
                   "exFAT", 119.08, 64.2, 2, 0, true, true)};
}

// The page as the main window styles it (scroll bars, transparent strips).
void styleLikeTheMainWindow(QWidget& page)
{
    const double sx = XApplication::instance()->scaleX, sy = XApplication::instance()->scaleY;
    page.setStyleSheet(AppStyleSheet::scrollBarStyle(sx, sy) + AppStyleSheet::viewStyles(sx, sy));
}

}  // namespace

void takeCardAndWholeDiskShots(const ShotTools& tools)
{
    StorageDeviceManager::instance().setCachedList(machine());
    {
        StorageDevicePage page;
        styleLikeTheMainWindow(page);
        page.resize(1180, 720);
        page.bar()->retranslateItems(1);  // as after a press on "SD Card"
        page.showSelectionPage(1);
        tools.take(page, "devices-sd-cards-plain");
        auto* cards = qobject_cast<SDCardSelectPage*>(page.currentSelectionPage());
        QAbstractItemView* list = cards->listView();
        const QRect card = SDCardSelectDelegate::cardRect(list->visualRect(list->model()->index(1, 0)));
        const QPoint nameSpot(card.left() + card.width() / 5, card.center().y());
        tools.hover(list, nameSpot);
        QHelpEvent help(QEvent::ToolTip, nameSpot, list->viewport()->mapToGlobal(nameSpot));
        QApplication::sendEvent(list->viewport(), &help);
        tools.takeWithToolTip(page, "devices-sd-cards");
        QToolTip::hideText();

        page.bar()->retranslateItems(0);
        page.showSelectionPage(2);
        tools.take(page, "devices-whole-disk");
    }
    {
        StorageDeviceManager::instance().setCachedList({machine().first()});
        StorageDevicePage page;
        styleLikeTheMainWindow(page);
        page.resize(1180, 720);
        page.bar()->retranslateItems(1);
        page.showSelectionPage(1);
        tools.take(page, "devices-sd-none");
    }
    {
        // The support line shows only with a web site to send the user to.
        const QByteArray website = qgetenv("OSTREL_WEBSITE");
        qputenv("OSTREL_WEBSITE", "https://www.example.com");
        NoSDCardDialog dialog;
        tools.take(dialog, "devices-no-sd-connection");
        dialog.tabBar()->button(1)->click();
        tools.take(dialog, "devices-no-sd-status");
        if (website.isNull())
            qunsetenv("OSTREL_WEBSITE");
        else
            qputenv("OSTREL_WEBSITE", website);
    }
    StorageDeviceManager::instance().setCachedList({});
}
