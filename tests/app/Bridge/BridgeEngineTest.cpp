// The engine bridge against the real engine on images made at test time, and
// its tables: display names, ordering, conversions, scan targets, folder rows,
// statistics and the release and quit races.
#include "DocumentManager.h"
#include "ScanTarget.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"

#include "FileTypeName.h"
#include "FoundPath.h"
#include "LanguageSettings.h"
#include "NameTable.h"
#include "NodeTypeCode.h"

#include "DataRecovery/VelmoraExports.h"
#include "spdlog_qt.h"

#include <QDir>
#include <QLocale>
#include <QMap>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "MountSupport.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace {

// The first component of every found path of the volume.
QString foundRoot(const QDiskAndVolumeInfo& volume)
{
    return volumeComponent(volume, volume.diskIndex, volume.volIndex);
}

QDiskAndVolumeInfo record(const QString& letter, const QString& node, bool external = false, quint64 disk = 0,
                          quint64 volume = 0)
{
    QDiskAndVolumeInfo r;
    r.volumeLetter = letter;
    r.volumePath = node;
    r.isExternal = external;
    r.diskIndex = disk;
    r.volIndex = volume;
    r.fileSystem = QStringLiteral("NTFS");
    r.displayName = volumeDisplayName(r);
    return r;
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Holds the bridge's starter while it builds the engine object, until released.
class CreationHold {
public:
    CreationHold()
    {
        StorageDataRecoverMgr::TestHooks hooks;
        hooks.whileCreating = [this] {
            std::unique_lock lock(mutex_);
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        };
        StorageDataRecoverMgr::instance()->setTestHooks(hooks);
    }
    ~CreationHold()
    {
        release();
        StorageDataRecoverMgr::instance()->setTestHooks({});
    }
    bool held()
    {
        std::lock_guard lock(mutex_);
        return held_;
    }
    void release()
    {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool released_ = false;
};

struct Captured {
    std::mutex mutex;
    QStringList events;
    void add(const QString& c, const QString& a, const QString& l, const QString& v)
    {
        std::lock_guard lock(mutex);
        events.append(QStringList{c, a, l, v}.join(QLatin1Char('|')));
    }
    QStringList take()
    {
        std::lock_guard lock(mutex);
        return std::exchange(events, {});
    }
};

// Records what the bridge and the model emit, with the arguments, thread-safely.
struct ScanLog {
    std::mutex mutex;
    QList<bool> initResults;
    QList<QVariantList> finished;
    QList<QMetaObject::Connection> connections;
    ScanLog()
    {
        connections << QObject::connect(StorageDataRecoverMgr::instance(), &StorageDataRecoverMgr::initCfgFinished,
                                        [this](bool ok) {
                                            std::lock_guard lock(mutex);
                                            initResults.append(ok);
                                        });
        connections << QObject::connect(DocumentManager::instance(), &DocumentManager::scanFinished,
                                        [this](int e, const QString& d, int c) {
                                            std::lock_guard lock(mutex);
                                            finished.append(QVariantList{e, d, c});
                                        });
    }
    ~ScanLog()
    {
        for (const auto& c : connections)
            QObject::disconnect(c);
    }
    int finishedCount()
    {
        std::lock_guard lock(mutex);
        return finished.size();
    }
    // Copies taken under the lock: a scan thread may still be appending.
    QList<bool> inits()
    {
        std::lock_guard lock(mutex);
        return initResults;
    }
    QList<QVariantList> finishes()
    {
        std::lock_guard lock(mutex);
        return finished;
    }
};

} // namespace

class BridgeEngineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString fatImage_;
    QString extImage_;
    Captured analytics_;

    // Lists the given images alone through the real engine.
    QVector<QDiskAndVolumeInfo> listImages(const QStringList& images)
    {
        qputenv("VELMORA_IMAGES_ONLY", "1");
        qputenv("VELMORA_DISK_IMAGES", images.join(QLatin1Char(':')).toUtf8());
        return StorageDeviceManager::instance().refreshDiskList();
    }

    // A FAT32 image holding one file, "kept.txt"; false when the tools are missing.
    bool makeKeptFileImage(const QString& image)
    {
        const QString file = dir_.filePath(QStringLiteral("kept.txt"));
        QFile text(file);
        if (!text.open(QIODevice::WriteOnly))
            return false;
        text.write(QByteArray(100000, 'k'));
        text.close();
        return run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", image, "40000"})
               && run(QStringLiteral("mcopy"), {"-i", image, file, "::/kept.txt"});
    }

    // Starts a whole disk scan of the image's volume and of a second volume
    // whose device went away after the listing; true once the model scans and
    // the starter is held in the engine object's creation.
    bool startBehindAVanishedVolume(const QString& image, CreationHold& hold)
    {
        const QVector<QDiskAndVolumeInfo> list = listImages({image});
        if (list.size() != 1)
            return false;
        QDiskAndVolumeInfo gone = list[0];
        gone.volIndex = 9;
        gone.diskName = gone.volumePath = dir_.filePath(QStringLiteral("unplugged.img"));
        StorageDataRecoverMgr::instance()->startWholeDiskScan({list[0], gone}, WholeDisk);
        // The bounds only keep a lost start from hanging the test.
        return QTest::qWaitFor([&] { return hold.held(); }, 60000)
               && DocumentManager::instance()->state() == DocumentManager::Scanning
               && !StorageDataRecoverMgr::instance()->hasEngine();
    }

    bool waitForScan(ScanLog& log, int finishes = 1)
    {
        if (!QTest::qWaitFor([&] { return log.finishedCount() >= finishes; }, 30000))
            return false;
        return StorageDataRecoverMgr::instance()->waitForStarters(30000)
               && DocumentManager::instance()->waitForIdle(30000);
    }

    // An NTFS image with files written on an ntfs-3g mount and two deleted;
    // an empty answer, or why it could not be made (failed: not for want of a
    // tool or right).
    QString makeNtfsImage(const QString& image, bool* failed)
    {
        TestMounts::MountedNtfsImage ntfs(image, image + QStringLiteral(".mnt"), 32 * 1024 * 1024);
        *failed = true;
        if (!ntfs.mounted()) {
            *failed = ntfs.failed();
            return ntfs.whyNot();
        }
        QDir root(ntfs.point());
        root.mkpath(QStringLiteral("dir1/sub"));
        root.mkpath(QString::fromUtf8("Ünïcode folder"));
        auto write = [&](const QString& name, int size) {
            QFile out(root.filePath(name));
            QByteArray bytes(size, '\0');
            for (int i = 0; i < size; ++i)
                bytes[i] = char(i * 31 + size);
            return out.open(QIODevice::WriteOnly) && out.write(bytes) == size;
        };
        const bool written = write(QStringLiteral("dir1/report.pdf"), 5000) && write(QStringLiteral("dir1/sub/a.txt"), 3)
                             && write(QStringLiteral("photo.jpg"), 70000)
                             && write(QString::fromUtf8("Ünïcode folder/naïve café.docx"), 1234)
                             && write(QStringLiteral("gone.txt"), 4) && write(QStringLiteral("dir1/old.mp3"), 9000);
        run(QStringLiteral("sync"), {});
        if (!written || !root.remove(QStringLiteral("gone.txt")) || !root.remove(QStringLiteral("dir1/old.mp3")))
            return QStringLiteral("writing the files on the mount failed");
        return QString();
    }

    // What fls lists: regular files with their deleted marks and sizes, system
    // files and streams left out; offset in sectors for a partitioned image.
    static QMap<QString, QPair<bool, qint64>> flsFiles(const QString& image, qint64 sectorOffset, bool* ok)
    {
        QMap<QString, QPair<bool, qint64>> files;
        QProcess fls;
        QStringList arguments{"-r", "-p", "-l"};
        if (sectorOffset)
            arguments << "-o" << QString::number(sectorOffset);
        fls.start(QStringLiteral("fls"), arguments << image);
        *ok = fls.waitForFinished(60000) && fls.exitStatus() == QProcess::NormalExit && fls.exitCode() == 0;
        for (const QString& line : QString::fromUtf8(fls.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() < 7 || !fields[0].contains(QLatin1String("/r")))
                continue;
            const QString name = fields[1];
            if (name.startsWith(QLatin1Char('$')) || name.contains(QLatin1String("/$")) || name.contains(QLatin1Char(':')))
                continue;
            files.insert(name, {fields[0].contains(QLatin1Char('*')), fields[6].toLongLong()});
        }
        return files;
    }

    // The model's files below a path prefix, keyed like fls's names.
    static QMap<QString, QPair<bool, qint64>> modelFiles(const QString& prefix, int* total)
    {
        QMap<QString, QPair<bool, qint64>> files;
        const QVector<DocumentInfo*> records = DocumentManager::instance()->allFileRecords();
        *total = records.size();
        for (const DocumentInfo* record : records) {
            const QString path = DocumentInfo::filePath(record);
            if (!path.startsWith(prefix))
                continue;
            const QString inVolume = path.mid(prefix.size());
            if (inVolume.startsWith(QLatin1Char('$')) || inVolume.contains(QLatin1String("/$")))
                continue;
            files.insert(inVolume, {record->deletedState() != 0, record->size});
        }
        return files;
    }

private slots:
    void initTestCase()
    {
        fillNameTable();
        QVERIFY(dir_.isValid());
        fatImage_ = dir_.filePath(QStringLiteral("fat.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mkfs.ext4"));
        QVERIFY(run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", fatImage_, "65536"}));
        extImage_ = dir_.filePath(QStringLiteral("ext4.img"));
        QFile ext(extImage_);
        QVERIFY(ext.open(QIODevice::WriteOnly));
        QVERIFY(ext.resize(16 * 1024 * 1024));
        ext.close();
        QVERIFY(run(QStringLiteral("mkfs.ext4"), {"-q", "-F", extImage_}));
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        bridge->setStartDelayMs(0);
        bridge->setAnalyticsSender(
            [this](const QString& c, const QString& a, const QString& l, const QString& v) { analytics_.add(c, a, l, v); });
    }

    void displayNames_data()
    {
        QTest::addColumn<QDiskAndVolumeInfo>("volume");
        QTest::addColumn<QString>("name");
        QDiskAndVolumeInfo data = record("/media/data", "/dev/sdb1");
        data.label = QStringLiteral("Data");
        QTest::newRow("label") << data << "Data (sdb1)";
        QTest::newRow("no label") << record("/media/x", "/dev/sdc1") << "Local Drives (sdc1)";
        QTest::newRow("external") << record("/media/x", "/dev/sdc1", true) << "USB Drive (sdc1)";
        QDiskAndVolumeInfo system = record("/", "/dev/nvme0n1p2");
        system.isSystem = true;
        QTest::newRow("system") << system << "System Disk (nvme0n1p2)";
        QDiskAndVolumeInfo lost = record("2", "/dev/sdb");
        lost.category = LostPartitionCategory;
        QTest::newRow("lost") << lost << "Lost Partition - 2";
        QDiskAndVolumeInfo unmounted = record("1", "/dev/sdb");
        unmounted.category = UnmountedPartitionCategory;
        QTest::newRow("unmounted") << unmounted << "Unmounted Partition - 1";
    }
    void displayNames()
    {
        QFETCH(QDiskAndVolumeInfo, volume);
        QFETCH(QString, name);
        QCOMPARE(volumeDisplayName(volume), name);
        QVERIFY(!name.contains(QLatin1Char('/')));
    }

    void translatedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("translated");
        QTest::newRow("base and bracket") << "Local Drives (sdb1)" << "Local Drives (sdb1)";
        QTest::newRow("number") << "Lost Partition - 2" << "Lost Partition - 2";
        QTest::newRow("spaces tidied") << "  Unmounted Partition  -  3  ( sdc )  " << "Unmounted Partition - 3 (sdc)";
        QTest::newRow("not a number") << "Backup - x" << "Backup - x";
        QTest::newRow("unknown name") << "Data (sdb1)" << "Data (sdb1)";
    }
    void translatedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, translated);
        QCOMPARE(translateDisplayName(name), translated);
    }

    // In German: the base name is translated, the number and the bracketed part kept.
    void translatedNamesInGerman()
    {
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageGerman));
        fillNameTable();
        QCOMPARE(translateDisplayName(QStringLiteral("Lost Partition - 2")), QStringLiteral("Verlorene Partition - 2"));
        QCOMPARE(translateDisplayName(QStringLiteral("Local Drives (sdb1)")), QStringLiteral("Lokale Laufwerke (sdb1)"));
        QCOMPARE(translateDisplayName(QStringLiteral("Backup - x")), QStringLiteral("Backup - x"));
        QCOMPARE(fileTypeName(PhotoFile, true), QStringLiteral("Foto"));
        QCOMPARE(fileTypeName(PhotoFile, false), QStringLiteral("Photo"));
        QCOMPARE(fileTypeName(200, true), QStringLiteral("Unbekannt"));
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish));
        fillNameTable();
    }

    void sortedList()
    {
        QVector<QDiskAndVolumeInfo> list{record("/media/d", "/dev/sdd1"), record("/", "/dev/sda1"),
                                         record("/media/e", "/dev/sde1", true), record("/media/a", "/dev/sdf1", true),
                                         record("2", "/dev/sdb")};
        StorageDeviceManager::sortDiskList(list);
        QStringList letters;
        for (const auto& r : list)
            letters.append(r.volumeLetter);
        QCOMPARE(letters, (QStringList{"/", "/media/d", "2", "/media/a", "/media/e"}));
    }

    void volumeLetterRoundTrip_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("program");
        QTest::newRow("mount path") << "/media/usb/" << "/media/usb";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("generated number") << "3" << "3";
        QTest::newRow("spaces in the mount") << "/media/my disk/" << "/media/my disk";
    }
    void volumeLetterRoundTrip()
    {
        QFETCH(QString, engine);
        QFETCH(QString, program);
        DiskAndVolumeInfo info;
        info.volumeLetter = engine.toStdString();
        info.diskName = " /dev/sdb ";
        info.startOffset = 1048576;
        info.endOffset = 2097152;
        info.diskIndex = 3;
        info.volIndex = 4;
        info.isRemovable = true;
        const QDiskAndVolumeInfo converted = toQDiskAndVolumeInfo(info);
        QCOMPARE(converted.volumeLetter, program);
        QCOMPARE(converted.diskName, QStringLiteral("/dev/sdb"));
        const DiskAndVolumeInfo back = toDiskAndVolumeInfo(converted);
        QCOMPARE(QString::fromStdString(back.volumeLetter), engine);
        QCOMPARE(back.startOffset, info.startOffset);
        QCOMPARE(back.endOffset, info.endOffset);
        QCOMPARE(int(back.diskIndex), 3);
        QCOMPARE(int(back.volIndex), 4);
        QVERIFY(back.isRemovable);
    }

    void logText()
    {
        DiskAndVolumeInfo info;
        info.diskName = "/dev/sdb";
        info.volumeLetter = "/media/usb/";
        info.label = "Data";
        info.deviceSize = 1000;
        info.diskIndex = 1;
        info.volIndex = 2;
        info.isExternal = true;
        info.fileSystem = "NTFS";
        QCOMPARE(QString::fromStdString(diskAndVolumeInfoToString(info)),
                 QStringLiteral("DiskAndVolumeInfo{diskName=/dev/sdb, volumeLetter=/media/usb/, label=Data, "
                                "deviceSize=1000, diskIndex=1, volIndex=2, isExternal=true, isSystem=false, "
                                "isRemovable=false, fileSystem=NTFS}"));
    }

    void scanTargets_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<QDiskAndVolumeInfo>("volume");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("kind");
        QDiskAndVolumeInfo usb = record("/media/usb", "/dev/sdb1", true);
        usb.category = UsbDiskCategory;
        usb.diskModel = QStringLiteral("SanDisk Ultra");
        QTest::newRow("folder at a mount point") << 10 << usb << QStringList{"/media/usb"} << 16 << "usb"
                                                 << "/media/usb" << "USB";
        QDiskAndVolumeInfo rootVolume = record("/", "/dev/sda2");
        QTest::newRow("the root folder") << 10 << rootVolume << QStringList{"/"} << 16 << "sda2" << "/" << "Unknown";
        QTest::newRow("folder") << 10 << usb << QStringList{"/media/usb/Pictures/"} << 16 << "Pictures"
                                << "/media/usb" << "USB";
        QTest::newRow("desktop") << 11 << usb << QStringList{"/media/usb/home/x/Desktop"} << 13 << "Desktop"
                                 << "sdb1" << "USB";
        QTest::newRow("recycle bin") << 12 << usb << QStringList{} << 14 << "Recycle Bin" << "/media/usb" << "USB";
        QTest::newRow("whole external disk") << 20 << usb << QStringList{} << 1 << "SanDisk Ultra" << "/media/usb"
                                             << "USB";
        QDiskAndVolumeInfo internal = record("/", "/dev/sda1");
        internal.diskModel = QStringLiteral("Disk A");
        internal.category = SolidStateCategory;
        QTest::newRow("whole internal disk") << 20 << internal << QStringList{} << 0 << "Disk A" << "/" << "SSD";
        QDiskAndVolumeInfo lost = record("4", "/dev/sdb", true);
        lost.category = LostPartitionCategory;
        lost.displayName = volumeDisplayName(lost);
        QTest::newRow("lost external") << 0 << lost << QStringList{} << 6 << "Lost Partition - 4" << "4" << "Lost";
        QDiskAndVolumeInfo free = record("5", "/dev/sda");
        free.category = UnallocatedCategory;
        free.displayName = volumeDisplayName(free);
        QTest::newRow("unallocated internal") << 0 << free << QStringList{} << 11 << "Unallocated Partition - 5"
                                              << "5" << "Unknown";
        QDiskAndVolumeInfo system = record("/", "/dev/sda2");
        system.isSystem = true;
        system.displayName = volumeDisplayName(system);
        QTest::newRow("system volume") << 0 << system << QStringList{} << 2 << "System Disk (sda2)" << "/"
                                       << "Unknown";
        QTest::newRow("other type") << 7 << system << QStringList{} << 3 << "Local Drives" << "/" << "Unknown";
    }
    void scanTargets()
    {
        QFETCH(int, deviceType);
        QFETCH(QDiskAndVolumeInfo, volume);
        QFETCH(QStringList, paths);
        QFETCH(int, code);
        QFETCH(QString, name);
        QFETCH(QString, letter);
        QFETCH(QString, kind);
        const ScanTargetInfo target = fillScanTarget(quint32(deviceType), volume, paths);
        QCOMPARE(int(target.nodeTypeCode), code);
        QCOMPARE(target.name, name);
        QCOMPARE(target.volumeLetter, letter);
        QCOMPARE(target.diskKind, kind);
        QCOMPARE(int(target.deviceType), deviceType);
    }

    void folderRows_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("rows");  // "disk:volume:path"
        QTest::newRow("nested mounts: longest wins") << QStringList{"/media/usb/Pictures"}
                                                     << QStringList{"1:0:/media/usb/Pictures"};
        QTest::newRow("component boundary") << QStringList{"/media/usb2/a", "/media/usbx"}
                                             << QStringList{"0:0:/media/usbx", "2:0:/media/usb2/a"};
        QTest::newRow("root") << QStringList{"/home/ann"} << QStringList{"0:0:/home/ann"};
        QTest::newRow("two paths, one volume") << QStringList{"/media/usb/a", "/media/usb/b/"}
                                               << QStringList{"1:0:/media/usb/a", "1:0:/media/usb/b/"};
        QTest::newRow("case-sensitive") << QStringList{"/Media/USB/a"} << QStringList{"0:0:/Media/USB/a"};
        QTest::newRow("mount itself") << QStringList{"/media/usb"} << QStringList{"1:0:/media/usb"};
    }
    void folderRows()
    {
        QFETCH(QStringList, paths);
        QFETCH(QStringList, rows);
        const QVector<QDiskAndVolumeInfo> listed{record("/", "/dev/sda1", false, 0, 0),
                                                 record("/media/usb", "/dev/sdb1", true, 1, 0),
                                                 record("/media/usb2", "/dev/sdc1", true, 2, 0),
                                                 record("3", "/dev/sdd", false, 3, 0)};
        QVector<QDiskAndVolumeInfo> kept;
        std::vector<ScanPathInfo> result;
        resolvePathRows(paths, listed, &kept, &result);
        QStringList got;
        for (const ScanPathInfo& row : result)
            got.append(QStringLiteral("%1:%2:%3").arg(row.diskIndex).arg(row.volIndex).arg(QString::fromStdString(row.path)));
        QCOMPARE(got, rows);
    }

    void driveNames()
    {
        QDiskAndVolumeInfo root = record("/", "/dev/sda2");
        QDiskAndVolumeInfo usb = record("/media/usb", "/dev/sdb1", true);
        StorageDeviceManager::instance().setCachedList({root, usb});
        QCOMPARE(StorageDeviceManager::instance().driveDisplayName(QStringLiteral("/media/usb/a/b")), usb.displayName);
        QCOMPARE(StorageDeviceManager::instance().driveDisplayName(QStringLiteral("/media/usb")), usb.displayName);
        QCOMPARE(StorageDeviceManager::instance().driveDisplayName(QStringLiteral("/media/usbx/a")), root.displayName);
        QCOMPARE(StorageDeviceManager::instance().driveDisplayName(QStringLiteral("/media/usb/../x")), root.displayName);
        // Not listed: the platform names it, with its device's kernel name.
        StorageDeviceManager::instance().setCachedList({});
        const QString name = StorageDeviceManager::instance().driveDisplayName(dir_.path());
        QVERIFY2(name.endsWith(QLatin1Char(')')) && !name.contains(QLatin1Char('/')), qPrintable(name));
    }

    // Stopping twice sends one set of figures; without the target's volume record
    // only the scan's own figures go.
    void stopStatistics()
    {
        StorageDataRecoverMgr::instance()->releaseDataRecovery();
        analytics_.take();
        ScanLog log;
        ScanTargetInfo target;
        target.nodeTypeCode = 3;
        target.name = QStringLiteral("Gone (sdz1)");
        DocumentManager::instance()->resetForScan(target);
        StorageDataRecoverMgr::instance()->stopScan();
        StorageDataRecoverMgr::instance()->stopScan();
        QVERIFY(QTest::qWaitFor([&] { return log.finishedCount() == 1; }, 5000));
        const QStringList sent = analytics_.take();
        QCOMPARE(sent.size(), 4);
        QVERIFY(sent[0].startsWith(QLatin1String("ScanInformation|ScanStopInfo|Label1|")));
        QCOMPARE(sent.mid(1), (QStringList{"ScanInformation|ScanStopInfo|Label2|0",
                                           "ScanInformation|ScanStopInfo|Label6|0 B",
                                           "ScanInformation|ScanStopInfo|Label7|0"}));
        QCOMPARE(log.finishes().value(0), (QVariantList{1, "", 0}));
    }

    // A finish without failures sends the completion set; without the target's
    // volume record, only the scan time.
    void completionStatistics()
    {
        StorageDataRecoverMgr::instance()->releaseDataRecovery();
        analytics_.take();
        ScanLog log;
        ScanTargetInfo target;
        target.nodeTypeCode = 3;
        target.name = QStringLiteral("Gone (sdz1)");
        DocumentManager::instance()->resetForScan(target);
        DataRecoveryInfo finish = MakeDataRecoveryInfo(ScanFinished);
        finish.progress = 1.0;
        DocumentManager::instance()->onEngineEvent(QDiskAndVolumeInfo(), finish);
        QVERIFY(QTest::qWaitFor([&] { return log.finishedCount() == 1; }, 5000));
        QCOMPARE(log.finishes().value(0), (QVariantList{0, "", 0}));
        const QStringList sent = analytics_.take();
        QCOMPARE(sent.size(), 1);
        QVERIFY(sent[0].startsWith(QLatin1String("ScanInformation|ScanComplete|Label1|")));
    }

    void deviceStatistics()
    {
        analytics_.take();
        QDiskAndVolumeInfo a = record("/", "/dev/sda1");
        a.category = SolidStateCategory;
        a.fileSystem = QStringLiteral("EXT4");
        a.totalBytes = 1000;
        StorageDeviceManager::instance().setCachedList({a});
        StorageDataRecoverMgr::instance()->sendDiskStatistics();
        StorageDataRecoverMgr::instance()->sendExternalDiskStatistics();
        StorageDataRecoverMgr::instance()->sendSDCardStatistics();
        QCOMPARE(analytics_.take(),
                 (QStringList{"DiskInformation|DiskAll|Label1|EXT4", "DiskInformation|DiskAll|Label2|SSD",
                              "DiskInformation|DiskAll|Label3|1000", "DiskInformation|DiskNum|1|",
                              "DiskInformation|ExternalNum|0|", "DiskInformation|SDNum|0|"}));
    }

    // A volume whose image is emptied between the listing and the scan cannot be
    // read: the scan must end as failed, naming it, never as a success.
    void failedScanIsReportedAsFailed_data()
    {
        QTest::addColumn<bool>("ext4");
        QTest::newRow("FAT32 image") << false;
        QTest::newRow("ext4 image") << true;
    }
    void failedScanIsReportedAsFailed()
    {
        QFETCH(bool, ext4);
        const QString copy = dir_.filePath(ext4 ? QStringLiteral("gone-ext4.img") : QStringLiteral("gone-fat.img"));
        QFile::remove(copy);
        QVERIFY(QFile::copy(ext4 ? extImage_ : fatImage_, copy));
        const QVector<QDiskAndVolumeInfo> list = listImages({copy});
        QVERIFY(QFile::resize(copy, 0));
        QCOMPARE(list.size(), 1);
        analytics_.take();
        ScanLog log;
        StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
        QVERIFY(waitForScan(log));
        QCOMPARE(log.inits(), QList<bool>{true});
        QCOMPARE(log.finishes().size(), 1);
        QCOMPARE(log.finishes().value(0), (QVariantList{1, list[0].displayName, 1}));
        const ScanTargetInfo target = StorageDataRecoverMgr::instance()->currentScanTarget();
        QCOMPARE(target.name, list[0].displayName);
        QCOMPARE(int(target.deviceType), int(Volume));
        QCOMPARE(int(target.nodeTypeCode), 9);
        QCOMPARE(DocumentInfo::filePath(DocumentManager::instance()->pathTreeRoot()->record), list[0].displayName);
        // A finished scan with a failed volume reports the stop set of figures.
        const QStringList sent = analytics_.take();
        QVERIFY2(sent.value(0).startsWith(QLatin1String("ScanInformation|ScanStopInfo|Label1|")), qPrintable(sent.join(';')));
        QCOMPARE(sent.mid(2), (QStringList{"ScanInformation|ScanStopInfo|Label3|" + list[0].fileSystem,
                                           "ScanInformation|ScanStopInfo|Label4|Unknown",
                                           "ScanInformation|ScanStopInfo|Label5|" + QString::number(list[0].totalBytes),
                                           "ScanInformation|ScanStopInfo|Label6|0 B",
                                           "ScanInformation|ScanStopInfo|Label7|0"}));
        StorageDataRecoverMgr::instance()->releaseScanData();
        QVERIFY(!StorageDataRecoverMgr::instance()->hasEngine());
    }

    void wholeDiskAndRecycleBinStart()
    {
        const QVector<QDiskAndVolumeInfo> list = listImages({fatImage_});
        {
            ScanLog log;
            StorageDataRecoverMgr::instance()->startWholeDiskScan(list, WholeDisk);
            QVERIFY(waitForScan(log));
            QCOMPARE(log.inits(), QList<bool>{true});
            QCOMPARE(int(StorageDataRecoverMgr::instance()->currentScanTarget().nodeTypeCode), 0);
        }
        {
            ScanLog log;
            StorageDataRecoverMgr::instance()->startRecycleBinScan();
            QVERIFY(waitForScan(log));
            QCOMPARE(log.inits(), QList<bool>{true});
            QCOMPARE(StorageDataRecoverMgr::instance()->currentScanTarget().name, QStringLiteral("Recycle Bin"));
        }
        StorageDataRecoverMgr::instance()->releaseScanData();
    }

    // A volume gone between the listing and the start: two reloads, then the failure.
    // The engine ends every scan with an event naming disk 0, volume 0. A scan of
    // the second listed disk must neither take that for an unknown volume nor
    // let it stand in for the scanned one: the log stays free of the empty-record
    // line and the figures and the tree name the disk that was scanned.
    void scanOfTheSecondDiskNamesThatDisk()
    {
        const QString second = dir_.filePath(QStringLiteral("second-disk.img"));
        QFile::remove(second);
        QVERIFY(makeKeptFileImage(second));
        const QVector<QDiskAndVolumeInfo> list = listImages({fatImage_, second});
        QCOMPARE(list.size(), 2);
        const auto scanned = std::find_if(list.begin(), list.end(), [&](const QDiskAndVolumeInfo& r) {
            return r.diskName == second || r.volumePath == second;
        });
        QVERIFY(scanned != list.end());
        QVERIFY2(scanned->diskIndex != 0, "the second image must be listed as another disk than 0");

        const QString logFolder = dir_.filePath(QStringLiteral("second-disk-log"));
        QVERIFY(startAppLog(logFolder));
        analytics_.take();
        ScanLog log;
        StorageDataRecoverMgr::instance()->startVolumeScan(*scanned, Volume);
        QVERIFY(waitForScan(log));
        QCOMPARE(log.finished.value(0), (QVariantList{0, QString(), 0}));
        // Everything logged before this line is in the file once it is.
        const QString marker = QStringLiteral("second disk scan over %1").arg(quintptr(this));
        logInfo(marker);
        QString text;
        QVERIFY(QTest::qWaitFor([&] {
            QFile file(logFolder + QStringLiteral("/AppLog.log"));
            text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            return text.contains(marker);
        }, 10000));
        QVERIFY2(!text.contains(QLatin1String("Using empty disk info")), qPrintable(text));

        QCOMPARE(StorageDataRecoverMgr::instance()->currentScanTarget().diskIndex, scanned->diskIndex);
        QCOMPARE(DocumentInfo::filePath(DocumentManager::instance()->pathTreeRoot()->record), scanned->displayName);
        const QVector<DocumentInfo*> records = DocumentManager::instance()->allFileRecords();
        QVERIFY(!records.isEmpty());
        for (const DocumentInfo* found : records)
            QVERIFY2(DocumentInfo::filePath(found).startsWith(foundRoot(*scanned) + QLatin1Char('/')),
                     qPrintable(DocumentInfo::filePath(found)));
        const QStringList sent = analytics_.take();
        QVERIFY2(sent.value(0).startsWith(QLatin1String("ScanInformation|ScanComplete|Label1|")), qPrintable(sent.join(';')));
        QCOMPARE(sent.mid(1), (QStringList{"ScanInformation|ScanComplete|Label2|" + scanned->fileSystem,
                                           "ScanInformation|ScanComplete|Label3|" + diskKindText(scanned->category),
                                           "ScanInformation|ScanComplete|Label4|" + QString::number(scanned->totalBytes)}));
        StorageDataRecoverMgr::instance()->releaseScanData();
    }

    void vanishedVolumeRetriesTwice()
    {
        const QVector<QDiskAndVolumeInfo> list = listImages({fatImage_});
        StorageDeviceManager::instance().setCachedList({});
        std::atomic<int> listings{0};
        StorageDeviceManager::instance().setLister([&] {
            ++listings;
            return std::vector<DiskAndVolumeInfo>{};
        });
        ScanLog log;
        StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
        QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(30000));
        StorageDeviceManager::instance().setLister({});
        QCOMPARE(listings.load(), 2);
        QCOMPARE(log.inits(), QList<bool>{false});
        QCOMPARE(log.finishedCount(), 0);
    }

    // A volume the engine cannot open holds the engine object's creation for
    // its three attempts, five seconds apart. A stop asked meanwhile used to
    // be dropped (the bridge's lock was taken): the other volumes were then
    // scanned to the end behind a page that showed the scan stopped.
    void stopDuringEngineCreationReachesTheEngine()
    {
        const QString image = dir_.filePath(QStringLiteral("stop.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(makeKeptFileImage(image));
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        ScanLog log;
        CreationHold hold;
        QVERIFY(startBehindAVanishedVolume(image, hold));
        bridge->stopScan();
        hold.release();
        QVERIFY(bridge->waitForStarters(60000));
        QVERIFY(DocumentManager::instance()->waitForIdle(30000));
        QCOMPARE(log.inits(), QList<bool>{true});
        int total = 0;
        modelFiles(QString(), &total);
        QCOMPARE(total, 0);
        bridge->releaseScanData();
    }

    // A pause asked while the engine object is being built used to be skipped
    // the same way, and the engine's own start clears a pause handed to it
    // before its run: the volumes were scanned behind a page that showed the
    // scan paused. The run now waits for the resume.
    void pauseDuringEngineCreationHoldsTheRun()
    {
        const QString image = dir_.filePath(QStringLiteral("pause.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(makeKeptFileImage(image));
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        ScanLog log;
        CreationHold hold;
        QVERIFY(startBehindAVanishedVolume(image, hold));
        bridge->pauseScan();
        hold.release();
        QVERIFY(QTest::qWaitFor([&] { return bridge->hasEngine(); }, 60000));
        // Built and not scanning: the starter stays in its hold.
        QVERIFY(!bridge->waitForStarters(2000));
        bridge->resumeScan();
        QVERIFY(waitForScan(log));
        QCOMPARE(log.inits(), QList<bool>{true});
        int total = 0;
        QVERIFY(!modelFiles(QString(), &total).keys().filter(QStringLiteral("kept.txt"), Qt::CaseInsensitive).isEmpty());
        bridge->releaseScanData();
    }

    // A pause in the start's settling delay (the engine object exists, its run
    // has not begun) holds the run too, and a stop ends the hold at once.
    void pauseBeforeTheRunThenStop()
    {
        const QString image = dir_.filePath(QStringLiteral("held.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(makeKeptFileImage(image));
        const QVector<QDiskAndVolumeInfo> list = listImages({image});
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        bridge->setStartDelayMs(1500);
        const auto noDelay = qScopeGuard([bridge] { bridge->setStartDelayMs(0); });
        ScanLog log;
        bridge->startVolumeScan(list[0], Volume);
        QVERIFY(QTest::qWaitFor([&] { return bridge->hasEngine(); }, 30000));
        bridge->pauseScan();
        QVERIFY(!bridge->waitForStarters(3000));
        QCOMPARE(log.inits(), QList<bool>{true});
        bridge->stopScan();
        QVERIFY(bridge->waitForStarters(30000));
        QVERIFY(DocumentManager::instance()->waitForIdle(30000));
        int total = 0;
        modelFiles(QString(), &total);
        QCOMPARE(total, 0);
        bridge->releaseScanData();
    }

    // A stop that lands after the run was let through but before the engine's
    // run has begun used to be cleared by the engine's own start, and the
    // volume was scanned to its end. The starter is held at that very point
    // while the stop is asked: the engine's run now ends stopped (its volume
    // fails with 14), whichever engine event comes first. A stop asked before
    // the check keeps the run from beginning at all.
    void stopAsTheRunBeginsEndsTheScan_data()
    {
        QTest::addColumn<bool>("betweenCheckAndRun");
        QTest::newRow("between the check and the engine's start") << true;
        QTest::newRow("with no hold (the scan runs to its end)") << false;
    }
    void stopAsTheRunBeginsEndsTheScan()
    {
        QFETCH(bool, betweenCheckAndRun);
        const QString image = dir_.filePath(QStringLiteral("race.img"));
        QFile::remove(image);
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(makeKeptFileImage(image));
        const QVector<QDiskAndVolumeInfo> list = listImages({image});
        QCOMPARE(list.size(), 1);
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        std::mutex mutex;
        std::condition_variable changed;
        bool held = false, released = false;
        QList<int> stopCodes;
        int finishedEvents = 0;
        StorageDataRecoverMgr::TestHooks hooks;
        if (betweenCheckAndRun)
            hooks.beforeRun = [&] {
                std::unique_lock lock(mutex);
                held = true;
                changed.notify_all();
                changed.wait(lock, [&] { return released; });
            };
        hooks.onEngineEvent = [&](const DataRecoveryInfo& info) {
            std::lock_guard lock(mutex);
            if (info.kind == ScanFailed)
                stopCodes.append(int(info.errorCode));
            finishedEvents += info.kind == ScanFinished;
        };
        bridge->setTestHooks(hooks);
        const auto unhook = qScopeGuard([bridge] { bridge->setTestHooks({}); });
        ScanLog log;
        bridge->startVolumeScan(list[0], Volume);
        if (betweenCheckAndRun) {
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return held; });
            }
            bridge->stopScan();
            {
                std::lock_guard lock(mutex);
                released = true;
            }
            changed.notify_all();
        }
        QVERIFY(bridge->waitForStarters(60000));
        QVERIFY(DocumentManager::instance()->waitForIdle(30000));
        bridge->setTestHooks({});
        QCOMPARE(finishedEvents, 1);
        QCOMPARE(stopCodes, betweenCheckAndRun ? QList<int>{14} : QList<int>{});
        bridge->releaseScanData();
    }

    void emptyPathListFailsAtOnce()
    {
        ScanLog log;
        StorageDataRecoverMgr::instance()->startPathScan({}, Folder);
        QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(30000));
        QCOMPARE(log.inits(), QList<bool>{false});
    }

    void recoveryWithoutEngineAnswers17()
    {
        StorageDataRecoverMgr::instance()->releaseDataRecovery();
        DataRecoveryInfo item = MakeDataRecoveryInfo(NtfsFile);
        char buffer[16];
        size_t size = sizeof buffer;
        QCOMPARE(StorageDataRecoverMgr::instance()->recoverToMemory(buffer, &size, item), 17);
        QCOMPARE(StorageDataRecoverMgr::instance()->recoverData(dir_.path(), item), 17);
    }

    // A second start without a release stops and releases the first engine object;
    // a release while another thread loops on memory reads frees nothing under it.
    void secondStartAndReleaseUnderReads()
    {
        const QVector<QDiskAndVolumeInfo> list = listImages({fatImage_});
        {
            ScanLog log;
            StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
            StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
            // The second start releases the first engine object (its finish may
            // be dropped with its data); the second scan finishes.
            QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(30000));
            QVERIFY(waitForScan(log));
            QCOMPARE(log.inits(), (QList<bool>{true, true}));
            QVERIFY(StorageDataRecoverMgr::instance()->hasEngine());
        }
        std::atomic<bool> done{false};
        std::atomic<int> reads{0};
        std::thread thumbnails([&] {
            DataRecoveryInfo item = MakeDataRecoveryInfo(Fat32File);
            const DataRun run{0, 512};
            item.runs = &run;
            item.runCount = 1;
            item.fileSize = 512;
            item.path = "x.txt";
            item.pathLength = 5;
            std::vector<char> buffer(512);
            while (!done.load()) {
                size_t size = buffer.size();
                StorageDataRecoverMgr::instance()->recoverToMemory(buffer.data(), &size, item);
                ++reads;
            }
        });
        QVERIFY(QTest::qWaitFor([&] { return reads.load() > 20; }, 5000));
        StorageDataRecoverMgr::instance()->releaseScanData();
        QVERIFY(!StorageDataRecoverMgr::instance()->hasEngine());
        done = true;
        thumbnails.join();
    }

    // A folder on an NTFS image attached with losetup and mounted with ntfs-3g,
    // listed with the machine's own disks: the row goes to that volume alone.
    void folderScanOnAMountedImage()
    {
        TestMounts::MountedNtfsImage ntfs(dir_.filePath(QStringLiteral("ntfs.img")), dir_.filePath(QStringLiteral("mnt")),
                                          32 * 1024 * 1024);
        SKIP_UNLESS_MOUNTED(ntfs);
        const QString mount = ntfs.point(), loop = ntfs.loop();
        QDir(mount).mkpath(QStringLiteral("photos"));

        qunsetenv("VELMORA_IMAGES_ONLY");
        qunsetenv("VELMORA_DISK_IMAGES");
        const QVector<QDiskAndVolumeInfo> list = StorageDeviceManager::instance().refreshDiskList();
        const QString canonical = QFileInfo(mount).canonicalFilePath();
        const auto found = std::find_if(list.begin(), list.end(), [&](const QDiskAndVolumeInfo& r) {
            return r.volumeLetter == mount || r.volumeLetter == canonical;
        });
        QVERIFY2(found != list.end(), "the listing does not show the ntfs-3g mount");
        QCOMPARE(found->displayName, QStringLiteral("Local Drives (%1)").arg(QFileInfo(loop).fileName()));
        const QString folder = found->volumeLetter + QStringLiteral("/photos");
        ScanLog log;
        StorageDataRecoverMgr::instance()->startPathScan({folder}, Folder);
        QVERIFY(waitForScan(log));
        QCOMPARE(log.inits(), QList<bool>{true});
        const DiskVolumeHash map = StorageDataRecoverMgr::instance()->diskVolumeHash();
        QCOMPARE(map.size(), 1);
        QCOMPARE(map.begin()->volumeLetter, found->volumeLetter);
        const ScanTargetInfo target = StorageDataRecoverMgr::instance()->currentScanTarget();
        QCOMPARE(target.name, QStringLiteral("photos"));
        QCOMPARE(int(target.nodeTypeCode), 16);
        StorageDataRecoverMgr::instance()->releaseScanData();
    }

    // Files written on an ntfs-3g mount and some deleted: the model holds what
    // The Sleuth Kit's fls lists (names, deleted flags, sizes), once in each tree.
    void ntfsScanAgreesWithFls()
    {
        const QString image = dir_.filePath(QStringLiteral("files.ntfs"));
        REQUIRE_TOOLS(QStringLiteral("fls"));
        bool failed = false;
        const QString why = makeNtfsImage(image, &failed);
        if (!why.isEmpty())
            SKIP_OR_FAIL(failed, why);
        bool flsRan = false;
        const QMap<QString, QPair<bool, qint64>> expected = flsFiles(image, 0, &flsRan);
        QVERIFY(flsRan);
        QVERIFY(expected.contains(QStringLiteral("gone.txt")));
        QVERIFY(expected.value(QStringLiteral("gone.txt")).first);

        const QVector<QDiskAndVolumeInfo> list = listImages({image});
        QCOMPARE(list.size(), 1);
        QString lastCount;
        std::mutex countMutex;
        const auto connection = QObject::connect(DocumentManager::instance(), &DocumentManager::fileProgressUpdated,
                                                 [&](const QString& count, const QString&) {
                                                     std::lock_guard lock(countMutex);
                                                     lastCount = count;
                                                 });
        ScanLog log;
        StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
        QVERIFY(waitForScan(log));
        QObject::disconnect(connection);

        int total = 0;
        QCOMPARE(modelFiles(foundRoot(list[0]) + QLatin1Char('/'), &total), expected);
        QCOMPARE(int(DocumentManager::instance()->pathTreeRoot()->fileCount), total);
        QCOMPARE(int(DocumentManager::instance()->typeTreeRoot()->fileCount), total);
        {
            std::lock_guard lock(countMutex);
            QCOMPARE(lastCount, QLocale().toString(total));
        }
        QVERIFY(DocumentManager::instance()->findFolderNode(
            QString::fromUtf8("%1/Ünïcode folder").arg(foundRoot(list[0]))));
        StorageDataRecoverMgr::instance()->releaseScanData();
    }

    // An MBR disk holding the NTFS volume and a FAT32 one, scanned whole: the
    // NTFS files sit under their volume's display-name folder, as fls lists them.
    void wholeDiskScanOfAPartitionedImage()
    {
        const QString ntfs = dir_.filePath(QStringLiteral("part.ntfs"));
        REQUIRE_TOOLS(QStringLiteral("fls"), QStringLiteral("sfdisk"));
        bool failed = false;
        const QString why = makeNtfsImage(ntfs, &failed);
        if (!why.isEmpty())
            SKIP_OR_FAIL(failed, why);
        const QString fat = dir_.filePath(QStringLiteral("part.fat"));
        QVERIFY(run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", fat, "40960"}));
        const QString disk = dir_.filePath(QStringLiteral("disk.img"));
        QFile file(disk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(80 * 1024 * 1024));
        file.close();
        QProcess sfdisk;
        sfdisk.start(QStringLiteral("sfdisk"), {"-q", disk});
        QVERIFY(sfdisk.waitForStarted());
        sfdisk.write("label: dos\nstart=2048, size=65536, type=7\nstart=67584, size=81920, type=c\n");
        sfdisk.closeWriteChannel();
        QVERIFY(sfdisk.waitForFinished(30000) && sfdisk.exitStatus() == QProcess::NormalExit && sfdisk.exitCode() == 0);
        QVERIFY(run(QStringLiteral("dd"), {"if=" + ntfs, "of=" + disk, "bs=512", "seek=2048", "conv=notrunc", "status=none"}));
        QVERIFY(run(QStringLiteral("dd"), {"if=" + fat, "of=" + disk, "bs=512", "seek=67584", "conv=notrunc", "status=none"}));
        bool flsRan = false;
        const QMap<QString, QPair<bool, qint64>> expected = flsFiles(disk, 2048, &flsRan);
        QVERIFY(flsRan);

        const QVector<QDiskAndVolumeInfo> list = listImages({disk});
        QCOMPARE(list.size(), 2);
        const auto ntfsVolume = std::find_if(list.begin(), list.end(), [](const QDiskAndVolumeInfo& r) {
            return r.fileSystem == QLatin1String("NTFS");
        });
        QVERIFY(ntfsVolume != list.end());
        ScanLog log;
        StorageDataRecoverMgr::instance()->startWholeDiskScan(list, WholeDisk);
        QVERIFY(waitForScan(log));
        QCOMPARE(log.inits(), QList<bool>{true});
        int total = 0;
        const QString prefix = foundRoot(*ntfsVolume) + QLatin1Char('/') + ntfsVolume->displayName + QLatin1Char('/');
        QCOMPARE(modelFiles(prefix, &total), expected);
        FileTreeNode* folder = DocumentManager::instance()->findFolderNode(prefix.chopped(1));
        QVERIFY(folder);
        QCOMPARE(int(folder->record->typeCode), 9);
        StorageDataRecoverMgr::instance()->releaseScanData();
    }

    // Quit while an export keeps asking for files: the stop ends it, the model's
    // thread leaves, and only then is the engine released. Runs last: it ends the model.
    void quitDuringExport()
    {
        const QVector<QDiskAndVolumeInfo> list = listImages({fatImage_});
        ScanLog log;
        StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
        QVERIFY(waitForScan(log));
        std::atomic<int> calls{0};
        DocumentManager::instance()->postTask(DocumentManager::DataExport, [&] {
            DataRecoveryInfo item = MakeDataRecoveryInfo(Fat32File);
            const DataRun run{0, 1 << 20};
            item.runs = &run;
            item.runCount = 1;
            item.fileSize = 1 << 20;
            item.path = "big.bin";
            item.pathLength = 7;
            while (!DocumentManager::instance()->stopRecoveryRequested()) {
                StorageDataRecoverMgr::instance()->recoverData(dir_.filePath(QStringLiteral("out")), item);
                ++calls;
            }
        });
        QVERIFY(QTest::qWaitFor([&] { return calls.load() > 3; }, 5000));
        StorageDataRecoverMgr::instance()->stopEngineWork();
        DocumentManager::instance()->shutdown();
        QVERIFY(DocumentManager::instance()->isFinished());
        StorageDataRecoverMgr::instance()->releaseDataRecovery();
        QVERIFY(!StorageDataRecoverMgr::instance()->hasEngine());
    }
};

QTEST_GUILESS_MAIN(BridgeEngineTest)
#include "BridgeEngineTest.moc"
