#include "ScannedDiskCheck.h"

#include "spdlog_qt.h"

#include "Platform/Linux/MountInfo.h"
#include "Platform/Linux/SysfsAttributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <set>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Loops of loops, stacked device-mapper tables: a hostile or broken stack
// must not recurse for ever.
constexpr int maxDepth = 8;

std::vector<Platform::MountEntry> readMounts(const std::string& path)
{
    auto mounts = Platform::ReadMountInfo(path);
    if (!mounts) {
        logError(QStringLiteral("same-disk check: cannot read %1").arg(QString::fromStdString(path)));
        return {};
    }
    return std::move(*mounts);
}

bool holdsPath(const QString& mountPoint, const QString& path)
{
    return mountPoint == QLatin1String("/") || path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

// The mount whose point is the longest prefix of the path; of several mounts
// on one point the last, which hides the others.
const Platform::MountEntry* mountOf(const std::vector<Platform::MountEntry>& mounts, const QString& path)
{
    const Platform::MountEntry* best = nullptr;
    qsizetype bestSize = 0;
    for (const Platform::MountEntry& entry : mounts) {
        const QString mountPoint = QString::fromStdString(entry.mountPoint);
        if (holdsPath(mountPoint, path) && (!best || mountPoint.size() >= bestSize)) {
            best = &entry;
            bestSize = mountPoint.size();
        }
    }
    return best;
}

QString numbersText(unsigned major, unsigned minor)
{
    return QStringLiteral("%1:%2").arg(major).arg(minor);
}

QString fileKey(const struct stat& st)
{
    return QStringLiteral("file:%1:%2").arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
}

QString readAttribute(const QString& path)
{
    const auto text = Platform::ReadSysfsAttribute(QFile::encodeName(path).toStdString());
    return text ? QString::fromStdString(*text).trimmed() : QString();
}

// The existing folder itself, or its nearest existing ancestor, canonical.
QString canonicalExisting(const QString& folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!path.isEmpty()) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        if (path == QLatin1String("/"))
            break;
        path = QFileInfo(path).path();
    }
    return QString();
}

class KeyCollector {
public:
    KeyCollector(const StorageRoots& roots, bool followBackingFileSystem)
        : roots_(roots), follow_(followBackingFileSystem)
    {
    }

    void addFolder(const QString& folder, int depth)
    {
        if (depth > maxDepth)
            return;
        const QString path = canonicalExisting(folder);
        if (path.isEmpty())
            return;
        if (!mounts_)
            mounts_ = readMounts(roots_.mountInfoPath);
        const Platform::MountEntry* mount = mountOf(*mounts_, path);
        if (!mount)
            return;
        if (mount->major != 0) {
            addBlockDevice(mount->major, mount->minor, depth + 1);
            return;
        }
        // FUSE, btrfs and memory file systems have anonymous numbers: what
        // backs them is the mount source, when that names a device or a file.
        if (!addSource(QString::fromStdString(mount->source), depth + 1))
            keys.insert(QStringLiteral("anon:") + numbersText(mount->major, mount->minor));
    }

    // A device node or image file path.
    bool addSource(const QString& source, int depth)
    {
        if (!source.startsWith(QLatin1Char('/')) || depth > maxDepth)
            return false;
        struct stat st {};
        if (::stat(QFile::encodeName(source).constData(), &st) != 0)
            return false;
        if (S_ISBLK(st.st_mode)) {
            addBlockDevice(major(st.st_rdev), minor(st.st_rdev), depth + 1);
            return true;
        }
        if (S_ISREG(st.st_mode)) {
            addBackingFile(source, st, depth + 1);
            return true;
        }
        return false;
    }

    QSet<QString> keys;

private:
    void addBackingFile(const QString& path, const struct stat& st, int depth)
    {
        keys.insert(fileKey(st));
        // Writing through a loop or FUSE mount writes into the file, and so
        // into the file system that holds it.
        if (follow_)
            addFolder(QFileInfo(path).absolutePath(), depth + 1);
    }

    void addBlockDevice(unsigned major, unsigned minor, int depth)
    {
        if (depth > maxDepth)
            return;
        const QString numbers = numbersText(major, minor);
        if (!visited_.insert(numbers).second)
            return;
        const QString deviceDir =
            QFileInfo(QString::fromStdString(roots_.sysRoot) + QStringLiteral("/dev/block/") + numbers)
                .canonicalFilePath();
        if (deviceDir.isEmpty()) {
            keys.insert(QStringLiteral("blk:") + numbers);
            return;
        }
        QString wholeDir = deviceDir;
        if (QFileInfo::exists(deviceDir + QStringLiteral("/partition")))
            wholeDir = QFileInfo(deviceDir).path();
        const QString whole = readAttribute(wholeDir + QStringLiteral("/dev"));
        keys.insert(QStringLiteral("blk:") + (whole.isEmpty() ? numbers : whole));

        const QStringList dirs = wholeDir == deviceDir ? QStringList{deviceDir} : QStringList{deviceDir, wholeDir};
        for (const QString& dir : dirs) {
            addSource(readAttribute(dir + QStringLiteral("/loop/backing_file")), depth);
            const QStringList slaves = QDir(dir + QStringLiteral("/slaves")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& slave : slaves) {
                const QStringList parts = readAttribute(dir + QStringLiteral("/slaves/") + slave + QStringLiteral("/dev"))
                                              .split(QLatin1Char(':'));
                bool okMajor = false;
                bool okMinor = false;
                const unsigned slaveMajor = parts.value(0).toUInt(&okMajor);
                const unsigned slaveMinor = parts.value(1).toUInt(&okMinor);
                if (parts.size() == 2 && okMajor && okMinor)
                    addBlockDevice(slaveMajor, slaveMinor, depth + 1);
            }
        }
    }

    const StorageRoots& roots_;
    bool follow_;
    std::optional<std::vector<Platform::MountEntry>> mounts_;
    std::set<QString> visited_;
};

}

QSet<QString> storageKeysOfFolder(const QString& folder, const StorageRoots& roots)
{
    KeyCollector collector(roots, true);
    collector.addFolder(folder, 0);
    return collector.keys;
}

ScannedDisk scannedDiskOf(const ScanTargetInfo& target, const DiskVolumeHash& volumes, const StorageRoots& roots)
{
    ScannedDisk scanned;
    if (target.nodeTypeCode == 14 || target.deviceType == RecycleBin) {
        scanned.neverAsk = true;
        return scanned;
    }
    const bool byDisk = target.deviceType == Volume || target.deviceType == WholeDisk;
    bool anyOfDisk = false;
    for (const QDiskAndVolumeInfo& record : volumes)
        anyOfDisk = anyOfDisk || record.diskIndex == target.diskIndex;
    KeyCollector collector(roots, false);
    for (const QDiskAndVolumeInfo& record : volumes) {
        if (byDisk && anyOfDisk && record.diskIndex != target.diskIndex)
            continue;
        collector.addSource(record.diskName, 0);
        collector.addSource(record.volumePath, 0);
    }
    // A folder scan whose volumes are not known: the file system of its folder.
    if (collector.keys.isEmpty() && target.volumeLetter.startsWith(QLatin1Char('/')))
        collector.keys = storageKeysOfFolder(target.volumeLetter, roots);
    scanned.keys = collector.keys;
    return scanned;
}

bool isOutsideScannedDisk(const QString& folder, const ScannedDisk& scanned, const StorageRoots& roots)
{
    if (scanned.neverAsk)
        return true;
    const QSet<QString> folderKeys = storageKeysOfFolder(folder, roots);
    if (folderKeys.isEmpty() || scanned.keys.isEmpty()) {
        logInfo(QStringLiteral("same-disk check: cannot tell where '%1' lies; asking").arg(folder));
        return false;
    }
    return !folderKeys.intersects(scanned.keys);
}
