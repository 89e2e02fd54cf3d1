#include "ScannedDiskCheck.h"

#include "spdlog_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Loops of loops, stacked device-mapper tables: a hostile or broken stack
// must not recurse for ever.
constexpr int maxDepth = 8;

struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    QString mountPoint;
    QString source;
};

// mountinfo writes space, tab, newline and backslash as \ooo.
QString unescapeMountField(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

QList<MountEntry> readMounts(const QString& path)
{
    QList<MountEntry> mounts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        logError(QStringLiteral("same-disk check: cannot read %1").arg(path));
        return mounts;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        const int dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> numbers = fields[2].split(':');
        if (numbers.size() != 2)
            continue;
        MountEntry entry;
        bool okMajor = false;
        bool okMinor = false;
        entry.major = numbers[0].toUInt(&okMajor);
        entry.minor = numbers[1].toUInt(&okMinor);
        if (!okMajor || !okMinor)
            continue;
        entry.mountPoint = unescapeMountField(fields[4]);
        entry.source = unescapeMountField(fields[dash + 2]);
        mounts.append(entry);
    }
    return mounts;
}

bool holdsPath(const QString& mountPoint, const QString& path)
{
    return mountPoint == QLatin1String("/") || path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

// The mount whose point is the longest prefix of the path; of several mounts
// on one point the last, which hides the others.
const MountEntry* mountOf(const QList<MountEntry>& mounts, const QString& path)
{
    const MountEntry* best = nullptr;
    for (const MountEntry& entry : mounts) {
        if (holdsPath(entry.mountPoint, path) && (!best || entry.mountPoint.size() >= best->mountPoint.size()))
            best = &entry;
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

QString readLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
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
        if (mounts_.isEmpty())
            mounts_ = readMounts(roots_.mountInfo);
        const MountEntry* mount = mountOf(mounts_, path);
        if (!mount)
            return;
        if (mount->major != 0) {
            addBlockDevice(mount->major, mount->minor, depth + 1);
            return;
        }
        // FUSE, btrfs and memory file systems have anonymous numbers: what
        // backs them is the mount source, when that names a device or a file.
        if (!addSource(mount->source, depth + 1))
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
        const QString deviceDir = QFileInfo(roots_.sysDevBlock + QLatin1Char('/') + numbers).canonicalFilePath();
        if (deviceDir.isEmpty()) {
            keys.insert(QStringLiteral("blk:") + numbers);
            return;
        }
        QString wholeDir = deviceDir;
        if (QFileInfo::exists(deviceDir + QStringLiteral("/partition")))
            wholeDir = QFileInfo(deviceDir).path();
        const QString whole = readLine(wholeDir + QStringLiteral("/dev"));
        keys.insert(QStringLiteral("blk:") + (whole.isEmpty() ? numbers : whole));

        const QStringList dirs = wholeDir == deviceDir ? QStringList{deviceDir} : QStringList{deviceDir, wholeDir};
        for (const QString& dir : dirs) {
            addSource(readLine(dir + QStringLiteral("/loop/backing_file")), depth);
            const QStringList slaves = QDir(dir + QStringLiteral("/slaves")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& slave : slaves) {
                const QStringList parts = readLine(dir + QStringLiteral("/slaves/") + slave + QStringLiteral("/dev"))
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
    QList<MountEntry> mounts_;
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
