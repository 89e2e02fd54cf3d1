// The drive order, the device-list comparison and the painted drive tiles.
#include "DeviceAccessNotice.h"
#include "DeviceListDiff.h"
#include "DevicePageParts.h"
#include "DriveOrder.h"
#include "DriveTileRoles.h"
#include "DeviceScale.h"
#include "FoundPath.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "ScanTarget.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QtTest>

#include <algorithm>

namespace {

QDiskAndVolumeInfo drive(const QString& letter, quint64 disk = 0, quint64 volume = 0)
{
    QDiskAndVolumeInfo record;
    record.volumeLetter = letter;
    record.diskIndex = disk;
    record.volIndex = volume;
    record.volumePath = QStringLiteral("/dev/disk%1").arg(disk);
    record.partitionStart = volume * 1048576;
    return record;
}

QStringList letters(const QVector<QDiskAndVolumeInfo>& records)
{
    QStringList out;
    for (const auto& record : records)
        out << QStringLiteral("%1#%2.%3").arg(record.volumeLetter).arg(record.diskIndex).arg(record.volIndex);
    return out;
}

// The record's tile as the hard disk page paints it, 300 x 126.
QImage paintedTile(const QDiskAndVolumeInfo& record)
{
    QStandardItemModel model;
    auto* item = new QStandardItem;
    item->setData(DriveTileRoles::LocalDrives, DriveTileRoles::SectionRole);
    item->setData(DriveTileRoles::DriveId, DriveTileRoles::ItemIdRole);
    item->setData(QVariant::fromValue(record), DriveTileRoles::RecordRole);
    model.appendRow(item);
    HardDiskAndFolderSelectDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 300, 126);
    QImage image(300, 126, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    return image;
}

const QColor trackColour(230, 230, 230);
const QColor usedColour(0, 120, 215);

}  // namespace

class DriveTilesTest : public QObject
{
    Q_OBJECT
private slots:
    void driveOrderTable();
    void driveOrderIsAStrictWeakOrder();
    void shuffledListsSortToOneOrder();
    void listChangeKeysOnPathAndStart_data();
    void listChangeKeysOnPathAndStart();
    void usedShareStaysWithinTheTrack();
    void paintedBarFill_data();
    void paintedBarFill();
    void numberedVolumesAreToldApart_data();
    void numberedVolumesAreToldApart();
    void unknownFreeSpaceShowsTheSizeAlone();
    void unreadableTileIsMarked();
};

void DriveTilesTest::driveOrderTable()
{
    QVector<QDiskAndVolumeInfo> records{drive(""), drive("10"), drive("/media/x"), drive("2"), drive("/home"),
                                        drive("D:"), drive("/"), drive("C:")};
    sortDrives(records);
    QCOMPARE(letters(records), QStringList({"C:#0.0", "D:#0.0", "/#0.0", "/home#0.0", "/media/x#0.0", "2#0.0",
                                            "10#0.0", "#0.0"}));
}

void DriveTilesTest::driveOrderIsAStrictWeakOrder()
{
    // The old rule made every mount path "equal" to every number while the
    // numbers were ordered among themselves: equivalence was not transitive.
    const QVector<QDiskAndVolumeInfo> records{drive("/", 0, 1), drive("2", 1, 0), drive("10", 1, 1),
                                              drive("C:", 2, 0), drive("", 2, 1), drive("#x", 3, 0),
                                              drive("/home", 0, 2), drive("2", 0, 3)};
    for (const auto& a : records) {
        QVERIFY(!compareDriveLetters(a, a));
        for (const auto& b : records) {
            QVERIFY(!(compareDriveLetters(a, b) && compareDriveLetters(b, a)));
            for (const auto& c : records) {
                if (compareDriveLetters(a, b) && compareDriveLetters(b, c))
                    QVERIFY(compareDriveLetters(a, c));
                const bool abEqual = !compareDriveLetters(a, b) && !compareDriveLetters(b, a);
                const bool bcEqual = !compareDriveLetters(b, c) && !compareDriveLetters(c, b);
                if (abEqual && bcEqual)
                    QVERIFY(!compareDriveLetters(a, c) && !compareDriveLetters(c, a));
            }
        }
    }
}

void DriveTilesTest::shuffledListsSortToOneOrder()
{
    QVector<QDiskAndVolumeInfo> records;
    const QStringList pool{"/", "/home", "/media/a", "/boot/efi", "1", "2", "10", "11", "", "C:", "D:", "?"};
    for (int i = 0; i < 40; ++i)
        records << drive(pool[i % pool.size()], quint64(i / 8), quint64(i % 8));
    QRandomGenerator random(25);
    QStringList first;
    for (int round = 0; round < 2; ++round) {
        QVector<QDiskAndVolumeInfo> copy = records;
        std::shuffle(copy.begin(), copy.end(), random);
        // Plain std::sort too: past 16 elements it relies on the order being sound.
        std::sort(copy.begin(), copy.end(), compareDriveLetters);
        if (round == 0)
            first = letters(copy);
        else
            QCOMPARE(letters(copy), first);
        sortDrives(copy);
        QCOMPARE(letters(copy), first);
    }
    QVERIFY(first.first().startsWith(QLatin1String("C:#")));
    QVERIFY(first.last().startsWith(QLatin1String("?#")));
}

void DriveTilesTest::listChangeKeysOnPathAndStart_data()
{
    QTest::addColumn<QVector<QDiskAndVolumeInfo>>("previous");
    QTest::addColumn<QVector<QDiskAndVolumeInfo>>("current");
    QTest::addColumn<bool>("changed");

    // An image with two unmounted partitions: same node, two start offsets.
    const QDiskAndVolumeInfo a = drive("3", 2, 0), b = drive("4", 2, 1);
    const QDiskAndVolumeInfo root = drive("/", 0, 0), home = drive("/home", 0, 1);
    QDiskAndVolumeInfo moved = home;
    moved.volumeLetter = QStringLiteral("/srv");
    QDiskAndVolumeInfo otherDisk = b;
    otherDisk.diskIndex = 3;
    QTest::newRow("same list") << QVector<QDiskAndVolumeInfo>{root, home, a, b}
                               << QVector<QDiskAndVolumeInfo>{root, home, a, b} << false;
    QTest::newRow("reordered") << QVector<QDiskAndVolumeInfo>{root, home, a, b}
                               << QVector<QDiskAndVolumeInfo>{b, a, home, root} << false;
    QTest::newRow("two unmounted on one node") << QVector<QDiskAndVolumeInfo>{a, b} << QVector<QDiskAndVolumeInfo>{a, b}
                                               << false;
    QTest::newRow("mount path changed") << QVector<QDiskAndVolumeInfo>{root, home}
                                        << QVector<QDiskAndVolumeInfo>{root, moved} << true;
    QTest::newRow("moved to another disk") << QVector<QDiskAndVolumeInfo>{a, b}
                                           << QVector<QDiskAndVolumeInfo>{a, otherDisk} << true;
    QTest::newRow("added") << QVector<QDiskAndVolumeInfo>{root} << QVector<QDiskAndVolumeInfo>{root, home} << true;
    QTest::newRow("replaced") << QVector<QDiskAndVolumeInfo>{root, a} << QVector<QDiskAndVolumeInfo>{root, home}
                              << true;
    QTest::newRow("both empty") << QVector<QDiskAndVolumeInfo>{} << QVector<QDiskAndVolumeInfo>{} << false;
}

void DriveTilesTest::listChangeKeysOnPathAndStart()
{
    QFETCH(QVector<QDiskAndVolumeInfo>, previous);
    QFETCH(QVector<QDiskAndVolumeInfo>, current);
    QFETCH(bool, changed);
    QCOMPARE(deviceListChanged(previous, current), changed);
}

void DriveTilesTest::usedShareStaysWithinTheTrack()
{
    QCOMPARE(HardDiskAndFolderSelectDelegate::usedShare(40, 100), 0.6);
    QCOMPARE(HardDiskAndFolderSelectDelegate::usedShare(0, 100), 1.0);
    QCOMPARE(HardDiskAndFolderSelectDelegate::usedShare(100, 100), 0.0);
    QCOMPARE(HardDiskAndFolderSelectDelegate::usedShare(5, 0), 0.0);
    QCOMPARE(HardDiskAndFolderSelectDelegate::usedShare(300, 100), 0.0);
}

void DriveTilesTest::paintedBarFill_data()
{
    QTest::addColumn<quint64>("freeBytes");
    QTest::addColumn<quint64>("totalBytes");
    QTest::addColumn<double>("share");
    QTest::addColumn<bool>("freeUnknown");
    QTest::newRow("40 of 100 free") << quint64(40) << quint64(100) << 0.6 << false;
    QTest::newRow("size 0: track only") << quint64(0) << quint64(0) << 0.0 << false;
    QTest::newRow("free 0: full") << quint64(0) << quint64(100) << 1.0 << false;
    QTest::newRow("more free than total") << quint64(300) << quint64(100) << 0.0 << false;
    QTest::newRow("free space unknown: no bar") << quint64(0) << quint64(100) << 0.0 << true;
}

void DriveTilesTest::paintedBarFill()
{
    QFETCH(quint64, freeBytes);
    QFETCH(quint64, totalBytes);
    QFETCH(double, share);
    QFETCH(bool, freeUnknown);
    QDiskAndVolumeInfo record = drive("/data");
    record.displayName = QStringLiteral("Data (sdb1)");
    record.freeBytes = freeBytes;
    record.freeBytesUnknown = freeUnknown;
    record.totalBytes = totalBytes;
    const QImage image = paintedTile(record);
    // Tile at x 20, icon 34..79, column at 94, bar 190 wide; find the bar's row by its track.
    const int left = 94, width = 190;
    int barY = -1;
    for (int y = 0; y < image.height() && barY < 0; ++y) {
        const QColor c = image.pixelColor(left + width / 2, y);
        if (c == trackColour || c == usedColour)
            barY = y + 2;
    }
    if (freeUnknown) {
        QCOMPARE(barY, -1);
        return;
    }
    QVERIFY(barY > 0);
    int used = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, barY) == usedColour) {
            QVERIFY2(x >= left && x < left + width, qPrintable(QString::number(x)));
            ++used;
        }
    }
    QVERIFY2(qAbs(used - int(width * share)) <= 2, qPrintable(QStringLiteral("%1 used pixels").arg(used)));
    // The icon's area holds no bar colour.
    for (int x = 34; x < 80; ++x)
        QVERIFY(image.pixelColor(x, barY) != usedColour);
}

void DriveTilesTest::numberedVolumesAreToldApart_data()
{
    QTest::addColumn<quint32>("category");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("volumePath");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    const quint32 unmounted = UnmountedPartitionCategory;
    QTest::newRow("mounted: its own name") << quint32(0) << "Data" << "/dev/sdb1" << 40 << "Volume";
    QTest::newRow("room for both") << unmounted << "CAMERA" << "/images/a.img" << 2000 << "Volume (CAMERA)";
    QTest::newRow("no room: the label") << unmounted << "CAMERA" << "/images/a.img" << 40 << "CAMERA";
    QTest::newRow("no label: the image") << unmounted << "" << "/images/card2.img" << 40 << "card2.img";
    QTest::newRow("placeholder label: the device") << unmounted << "UnknowPartition" << "/dev/sdc" << 40 << "sdc";
    QTest::newRow("lost partition's node") << quint32(LostPartitionCategory) << "" << "/dev/loop1p2" << 40
                                           << "loop1p2";
    QTest::newRow("a slash in the label") << unmounted << "A/B\\C" << "/dev/sdc" << 40 << "A_B_C";
}

void DriveTilesTest::numberedVolumesAreToldApart()
{
    QFETCH(quint32, category);
    QFETCH(QString, label);
    QFETCH(QString, volumePath);
    QFETCH(int, width);
    QFETCH(QString, shown);
    QDiskAndVolumeInfo record = drive("1");
    record.displayName = QStringLiteral("Volume");
    record.category = category;
    record.label = label;
    record.volumePath = volumePath;
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(driveTileName(record, metrics, metrics.horizontalAdvance(QStringLiteral("Volume")) + width), shown);
    // What names the volume on the tile also names its folder among the recovered files.
    if (category != 0)
        QCOMPARE(volumeComponent(record, 0, 0), QStringLiteral("%1 - 1").arg(volumeDistinctName(record)));
}

void DriveTilesTest::unknownFreeSpaceShowsTheSizeAlone()
{
    QDiskAndVolumeInfo record = drive("/data");
    record.totalBytes = 511ull << 20;
    QCOMPARE(driveSizeText(record), QStringLiteral("0 B / 511.00 MB"));
    record.freeBytesUnknown = true;
    QCOMPARE(driveSizeText(record), QStringLiteral("511.00 MB"));
}

void DriveTilesTest::unreadableTileIsMarked()
{
    QDiskAndVolumeInfo record = drive("/");
    record.displayName = QStringLiteral("System Disk (vda)");
    record.fileSystem = QStringLiteral("EXT4");
    record.isUnreadable = true;
    const QImage image = paintedTile(record);
    // The mark is painted in the warning colour where the file system stood.
    int warningPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 94; x < image.width(); ++x)
            warningPixels += image.pixelColor(x, y) == DeviceColors::warning;
    QVERIFY2(warningPixels > 20, qPrintable(QString::number(warningPixels)));
    const QString tip = HardDiskAndFolderSelectDelegate::driveToolTip(record);
    QVERIFY(tip.startsWith(record.displayName));
    QVERIFY(tip.endsWith(DeviceAccessNotice::howToGetAccessText()));
    record.isUnreadable = false;
    QCOMPARE(HardDiskAndFolderSelectDelegate::driveToolTip(record), QString());
}

QTEST_MAIN(DriveTilesTest)
#include "DriveTilesTest.moc"
