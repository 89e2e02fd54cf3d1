// ostrel-device-shots --out DIR: one PNG per device-selection page and dialog
// state, for review: on the machine VELMORA_SYSTEM_ROOT points at (the tests'
// fake machine), else on a made-up device list.

#include "AppManager.h"
#include "CardShots.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "Application/XApplication.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "StorageDeviceBar.h"
#include "StorageDeviceManager.h"
#include "StorageDeviceModule.h"
#include "StorageDevicePage.h"
#include "XListView.h"
#include "XMessageBox.h"

#include "MadeUpVolume.h"
#include "ShotRun.h"
#include "ShotWriter.h"

#include <QHoverEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace {

ShotWriter* shots = nullptr;

void save(const QPixmap& picture, const QString& name)
{
    shots->save(picture, name);
}

void take(QWidget& widget, const QString& name)
{
    shots->take(widget, name);
}

// The page with the shown tooltip painted over it (a tooltip is a window of its own).
void takeWithToolTip(QWidget& widget, const QString& name)
{
    processEventRounds(5);
    QPixmap picture = widget.grab();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) {
            QPainter painter(&picture);
            painter.drawPixmap(widget.mapFromGlobal(top->pos()), top->grab());
        }
    }
    save(picture, name);
}

void hover(QAbstractItemView* view, const QPoint& at)
{
    QHoverEvent move(QEvent::HoverMove, at, QPoint(-1, -1));
    QApplication::sendEvent(view->viewport(), &move);
    QMouseEvent mouse(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &mouse);
    processEventRounds(5);
}

QDiskAndVolumeInfo volume(const QString& name, const QString& letter, const QString& fs, double totalGiB,
                          double freeGiB, quint64 disk, quint64 index, bool external = false, bool system = false)
{
    QDiskAndVolumeInfo record = madeUpVolume(name, letter, fs, totalGiB, freeGiB, disk, index);
    record.isExternal = external;
    record.isSystem = system;
    return record;
}

QDiskAndVolumeInfo unmounted(QDiskAndVolumeInfo record, const QString& label, const QString& diskModel,
                             const QString& node)
{
    record.category = UnmountedPartitionCategory;
    record.label = label;
    record.diskModel = diskModel;
    record.volumePath = node;
    return record;
}

QVector<QDiskAndVolumeInfo> machine()
{
    return {volume("System Disk (nvme0n1p2)", "/", "ext4", 476.34, 211.08, 0, 1, false, true),
            volume("EFI (nvme0n1p1)", "/boot/efi", "FAT32", 0.5, 0.49, 0, 0),
            volume("Home (nvme0n1p3)", "/home", "ext4", 300.0, 12.5, 0, 2),
            unmounted(volume("Unmounted Partition - 3", "3", "FAT32", 16.0, 0.0, 0, 3), "DATA",
                      "Samsung SSD 980 PRO 1TB", "/dev/nvme0n1p4"),
            volume("Locked Volume (sda1)", "4", "BitLocker", 931.51, 0.0, 1, 0),
            volume("MYSTICK (sdb1)", "/media/user/MYSTICK", "FAT32", 28.87, 20.01, 2, 0, true),
            volume("Holiday photos from the summer of 2026 (sdc1)", "/media/user/photos", "exFAT", 59.48, 3.2, 3,
                   0, true),
            unmounted(volume("Unmounted Partition - 6", "6", "FAT32", 0.03, 0.0, 4, 0, true), QString(),
                      "card.img", "/dev/loop0p1"),
            volume("Unallocated Space - 5", "5", "Unallocated", 0.09, 0.0, 4, 1, true)};
}

// The first tile whose name is cut short (its tooltip shows the whole name).
QModelIndex firstElidedTile(QAbstractItemView* list)
{
    QFont font = list->font();
    font.setWeight(75);
    font.setPointSizeF(12.0);
    const QFontMetrics metrics(font);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (HardDiskAndFolderSelectDelegate::isHeader(index))
            continue;
        const QRect name = HardDiskAndFolderSelectDelegate::tileNameRect(list->visualRect(index),
                                                                         index.data(DriveTileRoles::SectionRole).toInt());
        if (metrics.horizontalAdvance(HardDiskAndFolderSelectDelegate::tileName(index)) > name.width())
            return index;
    }
    return list->model()->index(1, 0);
}

// Answers the next modal box after grabbing it.
void grabNextModal(const QString& name)
{
    QTimer::singleShot(200, [name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return grabNextModal(name);
        save(modal->grab(), name);
        modal->close();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    ScratchHome scratch;
    XApplication app(argc, argv);
    const QString folder = shotsFolder(app);
    if (folder.isEmpty())
        return 1;
    ShotWriter writer(folder);
    shots = &writer;
    AppManager::instance()->initApplication();
    const bool listed = !qEnvironmentVariableIsEmpty("VELMORA_SYSTEM_ROOT");
    const QVector<QDiskAndVolumeInfo> drives = listed ? StorageDeviceManager::instance().refreshDiskList() : machine();
    StorageDeviceManager::instance().setCachedList(drives);

    {
        StorageDevicePage page;
        page.resize(1180, 720);
        take(page, "devices-hard-disk");
        auto* hardDisk = qobject_cast<HardDiskAndFolderSelectPage*>(page.currentSelectionPage());
        QAbstractItemView* list = hardDisk->listView();
        const QModelIndex longName = firstElidedTile(list);
        list->scrollTo(longName);
        processEventRounds(5);
        const QRect tile = list->visualRect(longName);
        const QPoint nameSpot = tile.topLeft() + QPoint(120, 25);
        hover(list, nameSpot);
        QHelpEvent help(QEvent::ToolTip, nameSpot, list->viewport()->mapToGlobal(nameSpot));
        QApplication::sendEvent(list->viewport(), &help);
        takeWithToolTip(page, "devices-tile-hover");
        QToolTip::hideText();

        // Every unmounted volume's tile with its tooltip (label, disk, kernel name).
        int unmountedShown = 0;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (HardDiskAndFolderSelectDelegate::isHeader(index) ||
                HardDiskAndFolderSelectDelegate::unmountedToolTip(
                    index.data(DriveTileRoles::RecordRole).value<QDiskAndVolumeInfo>())
                    .isEmpty())
                continue;
            list->scrollTo(index);
            processEventRounds(5);
            const QPoint spot = list->visualRect(index).center();
            hover(list, spot);
            QHelpEvent unmountedHelp(QEvent::ToolTip, spot, list->viewport()->mapToGlobal(spot));
            QApplication::sendEvent(list->viewport(), &unmountedHelp);
            takeWithToolTip(page, QStringLiteral("devices-unmounted-tooltip-%1").arg(++unmountedShown));
            QToolTip::hideText();
        }
        list->scrollToTop();

        QAbstractItemView* barList = page.bar()->listView();
        hover(list, QPoint(-10, -10));
        hover(barList, barList->visualRect(barList->model()->index(3, 0)).center());
        take(page, "devices-bar-sd-hover");
    }
    {
        StorageDeviceManager::instance().setCachedList({});
        StorageDevicePage page;
        page.resize(1180, 720);
        take(page, "devices-no-drives");
        StorageDeviceManager::instance().setCachedList(drives);
    }
    {
        RefreshDiskDialog::setStartDelayMs(3600000);
        RefreshDiskDialog dialog;
        take(dialog, "devices-refresh-dialog");
    }
    {
        NoLocalDiskDialog dialog;
        take(dialog, "devices-no-local-disk");
    }
    {
        grabNextModal("devices-folder-refused");
        XMessageBox::information(nullptr, QString(),
                                 QCoreApplication::translate("HardDiskAndFolderSelectPage",
                                                             "Unable to scan this path. Please check disk read "
                                                             "permissions or select another path."),
                                 {QObject::tr("OK")}, 1);
    }
    {
        StorageDeviceModule module;
        grabNextModal("devices-exit-question");
        module.confirmClose();
    }
    takeCardAndWholeDiskShots({save, take, takeWithToolTip, hover});
    return writer.failures() ? 1 : 0;
}
