// ostrel-device-access-probe: the hard disk page as the user running it sees
// the machine through the real engine, for DeviceAccessTest: one JSON line per
// drive tile (its device, the unreadable mark of its record, the texts its
// delegate paints, its tooltip), then one for the access notice.
#include "DeviceAccessNotice.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "HardDiskAndFolderSelectPage.h"
#include "PaintRecorder.h"
#include "StorageDeviceManager.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QStandardItemModel>

#include <cstdio>

namespace {

void print(const QJsonObject& line)
{
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StorageDeviceManager::instance().refreshDiskList();
    HardDiskAndFolderSelectPage page;
    page.resize(1000, 700);
    page.refreshDeviceList();
    HardDiskAndFolderSelectDelegate delegate;
    for (int row = 0; row < page.model()->rowCount(); ++row) {
        const QModelIndex index = page.model()->index(row, 0);
        const QVariant value = index.data(DriveTileRoles::RecordRole);
        if (HardDiskAndFolderSelectDelegate::isHeader(index) || !value.canConvert<QDiskAndVolumeInfo>())
            continue;
        const auto record = value.value<QDiskAndVolumeInfo>();
        QStyleOptionViewItem option;
        option.initFrom(page.listView());
        option.rect = QRect(0, 0, 300, 126);
        PaintRecorder recorder(300, 126);
        {
            QPainter painter(&recorder);
            delegate.paint(&painter, option, index);
        }
        print({{"tile", record.diskName},
               {"volumePath", record.volumePath},
               {"unreadable", record.isUnreadable},
               {"texts", QJsonArray::fromStringList(recorder.texts)},
               {"toolTip", HardDiskAndFolderSelectDelegate::driveToolTip(record)}});
    }
    print({{"notice", page.accessNotice()->isVisibleTo(&page)}, {"text", page.accessNotice()->text()}});
    return 0;
}
