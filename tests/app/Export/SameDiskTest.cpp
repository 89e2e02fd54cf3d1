// Whether an export folder lies on the disk being recovered, compared by
// device on real file systems (as root): an NTFS image made by mkntfs and
// mounted by ntfs-3g straight on the file and on a loop device, tmpfs
// mounts, folders beside the image; then the warning itself in the export
// flow, with a volume label holding markup shown as it is.
#include "ExportTestSupport.h"
#include "MountSupport.h"

#include "ExportFolderSuggestion.h"
#include "ImageResources.h"
#include "ResultsExportFlow.h"
#include "ScannedDiskCheck.h"
#include "StorageDeviceManager.h"

#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace ExportTest;
using namespace TestMounts;

Q_DECLARE_METATYPE(ExportVolume)

namespace {

const QString hostileLabel = QStringLiteral("<i>L</i>");

QDiskAndVolumeInfo listedVolume(const QString& disk, const QString& node, quint64 diskIndex)
{
    QDiskAndVolumeInfo record;
    record.diskName = disk;
    record.volumePath = node;
    record.diskIndex = diskIndex;
    record.volIndex = 0;
    record.volumeLetter = QStringLiteral("1");
    return record;
}

ScanTargetInfo targetOf(quint32 deviceType, quint64 diskIndex, const QString& path = QString())
{
    ScanTargetInfo target;
    target.deviceType = deviceType;
    target.diskIndex = diskIndex;
    target.nodeTypeCode = deviceType == RecycleBin ? 14 : deviceType == Folder ? 15 : 3;
    target.volumeLetter = path;
    return target;
}

QString plainText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

bool makeLink(const QString& target, const QString& link)
{
    QDir().mkpath(QFileInfo(link).path());
    return QFile::link(target, link);
}

}

class SameDiskTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initImageResources();
        if (!isRoot())
            skipReason_ = "ntfs-3g, loop and tmpfs mounts need root";
        else if (!haveTool("mkntfs") || !haveTool("ntfs-3g") || !haveTool("losetup"))
            skipReason_ = "mkntfs, ntfs-3g or losetup is missing";
        else if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
            skipReason_ = "no /dev/fuse for ntfs-3g";
        if (!skipReason_.isEmpty())
            return;
        QVERIFY(base_.isValid());
        image_ = base_.filePath(QStringLiteral("volume.img"));
        QFile image(image_);
        QVERIFY(image.open(QIODevice::WriteOnly));
        QVERIFY(image.resize(16 * 1048576));
        image.close();
        QString output;
        QVERIFY2(run("mkntfs", {"-q", "-F", "-f", "-L", hostileLabel, image_}, &output) == 0, qPrintable(output));
        QVERIFY(QDir().mkpath(base_.filePath(QStringLiteral("beside"))));
    }

    void byDevice_data()
    {
        QTest::addColumn<QString>("mountOn");   // "file" or "loop"
        QTest::addColumn<QString>("scanned");   // "file" or "loop"
        QTest::addColumn<quint32>("deviceType");
        QTest::addColumn<QString>("folder");    // "mount", "mount-other", "beside", "tmpfs", "sibling"
        QTest::addColumn<bool>("outside");

        for (const char* mountOn : {"file", "loop"}) {
            for (const char* scanned : {"file", "loop"}) {
                const QString row = QStringLiteral("mounted on %1, scanned %2").arg(mountOn, scanned);
                QTest::newRow(qPrintable(row + ", volume scan")) << mountOn << scanned << quint32(Volume) << "mount" << false;
                QTest::newRow(qPrintable(row + ", disk scan")) << mountOn << scanned << quint32(WholeDisk) << "mount" << false;
            }
        }
        QTest::newRow("beside the image") << "file" << "file" << quint32(Volume) << "beside" << true;
        QTest::newRow("beside the image, loop") << "loop" << "loop" << quint32(Volume) << "beside" << true;
        QTest::newRow("another tmpfs") << "loop" << "file" << quint32(Volume) << "tmpfs" << true;
        QTest::newRow("mount path as a text prefix") << "file" << "file" << quint32(Volume) << "sibling" << true;
        QTest::newRow("folder scan, same file system") << "loop" << "loop" << quint32(Folder) << "mount-other" << false;
        QTest::newRow("folder scan, straight on the file") << "file" << "file" << quint32(Folder) << "mount-other" << false;
        QTest::newRow("folder scan, elsewhere") << "loop" << "loop" << quint32(Folder) << "beside" << true;
        QTest::newRow("recycle bin") << "loop" << "loop" << quint32(RecycleBin) << "mount" << true;
    }

    void byDevice()
    {
        QFETCH(QString, mountOn);
        QFETCH(QString, scanned);
        QFETCH(quint32, deviceType);
        QFETCH(QString, folder);
        QFETCH(bool, outside);
        if (!skipReason_.isEmpty())
            SKIP_OR_FAIL(false, skipReason_);

        LoopDevice loop;
        QVERIFY(loop.attach(image_));
        Mount ntfs;
        const QString point = base_.filePath(QStringLiteral("m"));
        QVERIFY(ntfs.mountNtfs(mountOn == QLatin1String("file") ? image_ : loop.device(), point));
        QVERIFY(QDir().mkpath(point + QStringLiteral("/Exports")));
        QVERIFY(QDir().mkpath(point + QStringLiteral("/Pictures/2024")));
        Mount other;
        QString chosen;
        if (folder == QLatin1String("mount")) {
            chosen = point + QStringLiteral("/Exports");
        } else if (folder == QLatin1String("mount-other")) {
            chosen = point + QStringLiteral("/Exports");
        } else if (folder == QLatin1String("beside")) {
            chosen = base_.filePath(QStringLiteral("beside"));
        } else if (folder == QLatin1String("sibling")) {
            chosen = point + QStringLiteral("b");
            QVERIFY(QDir().mkpath(chosen));
        } else {
            QVERIFY(other.mountTmpfs(base_.filePath(QStringLiteral("t")), QStringLiteral("size=1m")));
            chosen = other.point();
        }

        const QString source = scanned == QLatin1String("file") ? image_ : loop.device();
        DiskVolumeHash volumes;
        volumes.insert(quint64(3) << 32, listedVolume(source, source, 3));
        // Another disk of the scan list never counts for a volume scan of disk 3.
        volumes.insert(quint64(4) << 32, listedVolume(QStringLiteral("/nonexistent"), QString(), 4));
        const ScannedDisk disk = scannedDiskOf(targetOf(deviceType, 3, deviceType == Folder ? point : QString()), volumes);
        // Both sides are known: a warning never comes from "cannot tell".
        if (deviceType != RecycleBin) {
            const QSet<QString> keys = storageKeysOfFolder(chosen);
            QVERIFY(!keys.isEmpty());
            QVERIFY(!disk.keys.isEmpty());
            QCOMPARE(keys.intersects(disk.keys), !outside);
        }
        QCOMPARE(isOutsideScannedDisk(chosen, disk), outside);
        if (folder == QLatin1String("sibling"))
            QDir(chosen).removeRecursively();
    }

    void warningInTheFlow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << 2;
        QTest::newRow("save anyway") << 1;
    }

    void warningInTheFlow()
    {
        QFETCH(int, answer);
        if (!skipReason_.isEmpty())
            SKIP_OR_FAIL(false, skipReason_);
        LoopDevice loop;
        QVERIFY(loop.attach(image_));
        Mount ntfs;
        const QString point = base_.filePath(QStringLiteral("m"));
        QVERIFY(ntfs.mountNtfs(loop.device(), point));
        const QString chosen = point + QStringLiteral("/Exports");
        QVERIFY(QDir().mkpath(chosen));
        QString label;
        QCOMPARE(run("blkid", {"-o", "value", "-s", "LABEL", loop.device()}, &label), 0);
        QCOMPARE(label, hostileLabel);
        // The device list names the mounted volume by its label, as the listing does.
        QDiskAndVolumeInfo mounted = listedVolume(loop.device(), loop.device(), 3);
        mounted.volumeLetter = point;
        mounted.label = label;
        mounted.displayName = QStringLiteral("%1 (%2)").arg(label, QFileInfo(loop.device()).fileName());
        StorageDeviceManager::instance().setCachedList({mounted});

        QStringList exported;
        ResultsExportHooks hooks = quietHooks();
        hooks.scanTarget = [] { return targetOf(Volume, 3); };
        hooks.scannedVolumes = [&] {
            DiskVolumeHash volumes;
            volumes.insert(quint64(3) << 32, mounted);
            return volumes;
        };
        hooks.checkedTotals = [](bool) { return qMakePair(quint64(4096), quint64(1)); };
        hooks.exportChecked = [&](const QString& folder, bool) { exported << folder; };
        hooks.chooseFolder = [&](QWidget*, const QString& start) {
            // The picker never starts on the disk being recovered.
            if (!start.isEmpty())
                exported << (start.startsWith(point) ? QStringLiteral("started on the scanned disk") : QString());
            return chosen;
        };
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks);
        RecordedEvents events;
        QString shownText;
        ModalAnswerer<XMessageBox> prompt([&](XMessageBox* box) {
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().contains(QStringLiteral("will overwrite")))
                    shownText = label->textFormat() == Qt::RichText ? plainText(label->text()) : label->text();
            }
            clickButton(box, answer);
        });
        flow.exportCheckedDocuments();
        QVERIFY(prompt.done());
        QCOMPARE(shownText, QStringLiteral("Saving data to %1 (where the data is lost) will overwrite the data and lead "
                                           "to data loss permanently.")
                                .arg(mounted.displayName));
        exported.removeAll(QString());
        if (answer == 2) {
            QVERIFY(exported.isEmpty());
            QVERIFY(QDir(chosen).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
            QVERIFY(!events.events.contains(QStringLiteral("DiskRecovery/SaveSameDisk")));
        } else {
            QCOMPARE(exported.size(), 1);
            QVERIFY(exported.first().startsWith(chosen + QStringLiteral("/Ostrel_")));
            QVERIFY(events.events.contains(QStringLiteral("DiskRecovery/SaveSameDisk")));
            flow.onRecoveryCompleted(99, QString(), 0);
        }
        QVERIFY(events.events.contains(QStringLiteral("DiskRecovery/ExportError/error2")));
        StorageDeviceManager::instance().setCachedList({});
        QTRY_VERIFY(!window_.busyShown && !window_.shadeShown);
    }

    void readOnlyPromptShowsLabelLiterally()
    {
        if (!skipReason_.isEmpty())
            SKIP_OR_FAIL(false, skipReason_);
        LoopDevice loop;
        QVERIFY(loop.attach(image_));
        Mount ntfs;
        const QString point = base_.filePath(QStringLiteral("m"));
        QDir().mkpath(point);
        QVERIFY(run("ntfs-3g", {"-o", "ro", loop.device(), point}) == 0);
        struct Unmount {
            QString point;
            ~Unmount() { run("umount", {"-l", point}); }
        } unmount{point};
        QDiskAndVolumeInfo mounted = listedVolume(loop.device(), loop.device(), 3);
        mounted.volumeLetter = point;
        mounted.displayName = QStringLiteral("%1 (%2)").arg(hostileLabel, QFileInfo(loop.device()).fileName());
        StorageDeviceManager::instance().setCachedList({mounted});
        ResultsExportHooks hooks = quietHooks();
        hooks.exportChecked = [](const QString&, bool) { QFAIL("a read-only folder must not be exported to"); };
        hooks.chooseFolder = [&](QWidget*, const QString&) { return point; };
        QWidget page(&window_);
        ResultsExportFlow flow(&page, hooks);
        QString shownText;
        ModalAnswerer<XMessageBox> prompt([&](XMessageBox* box) {
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text().contains(QStringLiteral("read-only")))
                    shownText = plainText(label->text());
            }
            clickButton(box, 2);
        });
        flow.exportCheckedDocuments();
        QVERIFY(prompt.done());
        QCOMPARE(shownText, mounted.displayName + QStringLiteral(" is read-only. Please select another location to save the data."));
        StorageDeviceManager::instance().setCachedList({});
    }

    void layersThroughSysfs()
    {
        // A made-up machine: a folder on device-mapper 253:0 over the partition
        // sda2 (8:2) of sda (8:0), and one on md127 (9:127) over sdb1 (8:17).
        QTemporaryDir root;
        const QString sys = root.filePath(QStringLiteral("sys"));
        writeText(sys + "/devices/pci/block/sda/dev", "8:0\n");
        writeText(sys + "/devices/pci/block/sda/sda2/dev", "8:2\n");
        writeText(sys + "/devices/pci/block/sda/sda2/partition", "2\n");
        writeText(sys + "/devices/pci/block/sdb/dev", "8:16\n");
        writeText(sys + "/devices/pci/block/sdb/sdb1/dev", "8:17\n");
        writeText(sys + "/devices/pci/block/sdb/sdb1/partition", "1\n");
        writeText(sys + "/devices/virtual/block/dm-0/dev", "253:0\n");
        QVERIFY(makeLink(sys + "/devices/pci/block/sda/sda2", sys + "/devices/virtual/block/dm-0/slaves/sda2"));
        writeText(sys + "/devices/virtual/block/md127/dev", "9:127\n");
        QVERIFY(makeLink(sys + "/devices/pci/block/sdb/sdb1", sys + "/devices/virtual/block/md127/slaves/sdb1"));
        for (const auto& [numbers, dir] : {std::pair{"8:0", "pci/block/sda"}, {"8:2", "pci/block/sda/sda2"},
                                           {"8:16", "pci/block/sdb"}, {"8:17", "pci/block/sdb/sdb1"},
                                           {"253:0", "virtual/block/dm-0"}, {"9:127", "virtual/block/md127"}})
            QVERIFY(makeLink(sys + "/devices/" + dir, sys + "/dev/block/" + numbers));
        const QString onDm = root.filePath(QStringLiteral("dm"));
        const QString onMd = root.filePath(QStringLiteral("md"));
        const QString onTmp = root.filePath(QStringLiteral("tmp"));
        QDir().mkpath(onDm + "/deep/er");
        QDir().mkpath(onMd);
        QDir().mkpath(onTmp);
        auto escaped = [](QString path) { return path.replace(QLatin1Char(' '), QStringLiteral("\\040")); };
        writeText(root.filePath("mountinfo"),
                  QStringLiteral("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                 "2 1 253:0 / %1 rw shared:1 - ext4 /dev/mapper/vg-home rw\n"
                                 "3 1 9:127 / %2 rw - xfs /dev/md127 rw\n"
                                 "4 1 0:55 / %3 rw - tmpfs tmpfs rw\n")
                      .arg(escaped(onDm), escaped(onMd), escaped(onTmp))
                      .toUtf8());
        StorageRoots roots;
        roots.mountInfoPath = root.filePath("mountinfo").toStdString();
        roots.sysRoot = sys.toStdString();
        const QSet<QString> dm = storageKeysOfFolder(onDm + "/deep/er/not yet made", roots);
        QVERIFY2(dm.contains("blk:8:0") && dm.contains("blk:253:0"), qPrintable(QStringList(dm.values()).join(' ')));
        const QSet<QString> md = storageKeysOfFolder(onMd, roots);
        QVERIFY(md.contains("blk:8:16") && !md.contains("blk:8:0"));
        QCOMPARE(storageKeysOfFolder(onTmp, roots), QSet<QString>{"anon:0:55"});
    }

    void startFolderChoice_data()
    {
        QTest::addColumn<QList<ExportVolume>>("volumes");
        QTest::addColumn<QString>("homeRoot");
        QTest::addColumn<QString>("expected");
        auto volume = [](const QString& root, quint64 bytes) {
            ExportVolume v;
            v.rootPath = root;
            v.fileSystemType = QStringLiteral("ext4");
            v.availableBytes = bytes;
            return v;
        };
        ExportVolume scanned = volume("/mnt/scanned", 900);
        scanned.onScannedDisk = true;
        ExportVolume memory = volume("/run", 800);
        memory.fileSystemType = QStringLiteral("tmpfs");
        ExportVolume readOnly = volume("/media/cd", 700);
        readOnly.readOnly = true;
        ExportVolume rootOnly = volume("/", 600);
        rootOnly.rootWritable = false;
        QTest::newRow("roomiest") << QList<ExportVolume>{volume("/a", 1), volume("/b", 5), volume("/c", 3)} << "/" << "/b";
        QTest::newRow("never the scanned disk, pseudo or read-only")
            << QList<ExportVolume>{scanned, memory, readOnly, volume("/data", 10)} << "/" << "/data";
        QTest::newRow("home on an unwritable root") << QList<ExportVolume>{rootOnly, volume("/small", 5)} << "/" << "/home/u";
        QTest::newRow("home elsewhere: the next volume") << QList<ExportVolume>{rootOnly, volume("/small", 5)} << "/home"
                                                         << "/small";
        QTest::newRow("nothing usable") << QList<ExportVolume>{scanned, memory} << "/" << "";
        // As root every root is writable: "/" and system mounts are still never offered.
        ExportVolume system = volume("/", 950);
        ExportVolume var = volume("/var", 940);
        ExportVolume boot = volume("/boot/efi", 930);
        QTest::newRow("never / or a system mount")
            << QList<ExportVolume>{system, var, boot, volume("/data", 10)} << "/home" << "/data";
        QTest::newRow("home on a writable /") << QList<ExportVolume>{system, var} << "/" << "/home/u";
        QTest::newRow("only system mounts") << QList<ExportVolume>{system, var, boot} << "/home" << "";
        QTest::newRow("removable media under /run/media")
            << QList<ExportVolume>{system, volume("/run/media/u/STICK", 20)} << "/home" << "/run/media/u/STICK";
    }

    void startFolderChoice()
    {
        QFETCH(QList<ExportVolume>, volumes);
        QFETCH(QString, homeRoot);
        QFETCH(QString, expected);
        QCOMPARE(pickExportStartFolder(volumes, QStringLiteral("/home/u"), homeRoot), expected);
    }

    void suggestionAvoidsTheScannedDisk()
    {
        // Scanning the disk of the temp folder: the survey must start elsewhere.
        ScannedDisk scanned;
        scanned.keys = storageKeysOfFolder(QDir::tempPath());
        QVERIFY(!scanned.keys.isEmpty());
        const QString suggestion = suggestExportStartFolder(scanned);
        if (!suggestion.isEmpty())
            QVERIFY2(isOutsideScannedDisk(suggestion, scanned), qPrintable(suggestion));
    }

    // Two real disks: the scanned one (a tmpfs) and the one of the temp folder.
    // The picker starts in the folder of the last export, then in the home
    // folder, each only while it is not on the scanned disk.
    void startFolderFollowsTheUser()
    {
        if (!isRoot())
            SKIP_OR_FAIL(false, QStringLiteral("mounting a tmpfs needs root"));
        QTemporaryDir other;
        QVERIFY(other.isValid());
        Mount disk;
        QVERIFY(disk.mountTmpfs(base_.filePath(QStringLiteral("scanned-disk")), QStringLiteral("size=1m")));
        ScannedDisk scanned;
        scanned.keys = storageKeysOfFolder(disk.point());
        QVERIFY(!scanned.keys.isEmpty());
        const QString homeThere = disk.point() + "/home";
        const QString chosenThere = disk.point() + "/chosen";
        const QString homeHere = other.filePath(QStringLiteral("home"));
        const QString chosenHere = other.filePath(QStringLiteral("chosen"));
        for (const QString& folder : {homeThere, chosenThere, homeHere, chosenHere})
            QVERIFY(QDir().mkpath(folder));

        // Home on another disk: the home folder.
        QCOMPARE(exportStartFolder(QString(), homeHere, scanned), homeHere);
        // Home on the scanned disk: the survey's pick, off the scanned disk.
        const QString survey = exportStartFolder(QString(), homeThere, scanned);
        QCOMPARE(survey, suggestExportStartFolder(scanned));
        QVERIFY(survey != homeThere);
        // After a first export: its folder, while it exists and is off the scanned disk.
        QCOMPARE(exportStartFolder(chosenHere, homeHere, scanned), chosenHere);
        QCOMPARE(exportStartFolder(chosenThere, homeHere, scanned), homeHere);
        QVERIFY(QDir(chosenHere).removeRecursively());
        QCOMPARE(exportStartFolder(chosenHere, homeHere, scanned), homeHere);

        // Home on the scanned disk with its Documents on another: the Documents.
        const QString documentsHere = other.filePath(QStringLiteral("documents"));
        QVERIFY(QDir().mkpath(documentsHere));
        QVERIFY(makeLink(documentsHere, homeThere + QStringLiteral("/Documents")));
        QCOMPARE(exportStartFolder(QString(), homeThere, scanned), homeThere + QStringLiteral("/Documents"));
        QVERIFY(QFile::remove(homeThere + QStringLiteral("/Documents")));

        // "/" and system folders are never offered, also when they exist and lie
        // off the scanned disk; the survey's pick is never one either.
        for (const QString& system : {QStringLiteral("/"), QStringLiteral("/etc"), QStringLiteral("/usr/share"),
                                      QStringLiteral("/var/tmp"), QStringLiteral("/proc")}) {
            QVERIFY(isSystemFolder(system));
            QCOMPARE(exportStartFolder(system, homeHere, scanned), homeHere);
            const QString pick = exportStartFolder(system, system, scanned);
            QVERIFY2(pick.isEmpty() || !isSystemFolder(pick), qPrintable(pick));
        }
        QVERIFY(!isSystemFolder(homeHere));
        QVERIFY(!isSystemFolder(QStringLiteral("/run/media/u/STICK")));
        QVERIFY(isSystemFolder(QStringLiteral("/lib64")));
        QVERIFY(isSystemFolder(QStringLiteral("/home/../etc")));

        // Nothing fits (every mounted volume counts as scanned): no start folder
        // at all, so the picker opens in the home folder by itself.
        ScannedDisk everything;
        for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
            everything.keys += storageKeysOfFolder(storage.rootPath());
        everything.keys += scanned.keys;
        QCOMPARE(suggestExportStartFolder(everything), QString());
        QCOMPARE(exportStartFolder(chosenThere, homeThere, everything), QString());
        QCOMPARE(exportStartFolder(QStringLiteral("/"), QStringLiteral("/"), everything), QString());
    }

private:
    AppEventWindow window_;
    QTemporaryDir base_;
    QString image_;
    QString skipReason_;
};

QTEST_MAIN(SameDiskTest)
#include "SameDiskTest.moc"
