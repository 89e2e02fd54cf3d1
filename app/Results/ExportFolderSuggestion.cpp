#include "ExportFolderSuggestion.h"

#include "SystemHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

#include <unistd.h>

bool isPseudoFileSystem(const QString& type)
{
    static const QStringList pseudo{
        "tmpfs", "ramfs", "devtmpfs", "proc", "sysfs", "cgroup", "cgroup2", "devpts", "mqueue", "debugfs",
        "tracefs", "securityfs", "pstore", "bpf", "configfs", "fusectl", "hugetlbfs", "autofs", "binfmt_misc",
        "efivarfs", "squashfs", "overlay", "nsfs", "rpc_pipefs", "selinuxfs", "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(type.toLower());
}

bool isSystemFolder(const QString& folder)
{
    static const QStringList systemTops{"usr", "etc", "boot", "proc", "sys", "dev", "run", "var", "bin", "sbin"};
    auto isSystem = [](const QString& path) {
        const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::root().absoluteFilePath(path));
        if (clean == QLatin1String("/"))
            return true;
        const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        const QString top = parts.value(0);
        if (top == QLatin1String("run") && parts.size() > 2 && parts[1] == QLatin1String("media"))
            return false;
        return systemTops.contains(top) || top.startsWith(QLatin1String("lib"));
    };
    if (folder.isEmpty())
        return false;
    if (isSystem(folder))
        return true;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && isSystem(canonical);
}

QString pickExportStartFolder(const QList<ExportVolume>& volumes, const QString& homeFolder,
                              const QString& homeVolumeRoot)
{
    QList<ExportVolume> usable;
    for (const ExportVolume& volume : volumes) {
        if (!volume.valid || !volume.ready || volume.readOnly || volume.fileSystemType.isEmpty()
            || !volume.rootReadable || isPseudoFileSystem(volume.fileSystemType) || volume.onScannedDisk)
            continue;
        usable.append(volume);
    }
    std::stable_sort(usable.begin(), usable.end(),
                     [](const ExportVolume& a, const ExportVolume& b) { return a.availableBytes > b.availableBytes; });
    for (const ExportVolume& volume : usable) {
        if (volume.rootWritable && !isSystemFolder(volume.rootPath))
            return volume.rootPath;
        if (!homeFolder.isEmpty() && !isSystemFolder(homeFolder)
            && QDir::cleanPath(homeVolumeRoot) == QDir::cleanPath(volume.rootPath))
            return homeFolder;
    }
    return QString();
}

QString suggestExportStartFolder(const ScannedDisk& scanned)
{
    QList<ExportVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        ExportVolume volume;
        volume.rootPath = storage.rootPath();
        volume.fileSystemType = QString::fromUtf8(storage.fileSystemType());
        volume.availableBytes = quint64(std::max<qint64>(storage.bytesAvailable(), 0));
        volume.valid = storage.isValid();
        volume.ready = storage.isReady();
        volume.readOnly = storage.isReadOnly();
        if (volume.valid && volume.ready && !volume.readOnly && !isPseudoFileSystem(volume.fileSystemType)) {
            const QByteArray root = QFile::encodeName(volume.rootPath);
            volume.rootReadable = isDirectoryReadable(volume.rootPath, false);
            volume.rootWritable = ::access(root.constData(), W_OK | X_OK) == 0;
            volume.onScannedDisk = !scanned.keys.isEmpty() && !isOutsideScannedDisk(volume.rootPath, scanned);
        }
        volumes.append(volume);
    }
    const QString home = QDir::homePath();
    return pickExportStartFolder(volumes, home, QStorageInfo(home).rootPath());
}

QString exportStartFolder(const QString& lastChosen, const QString& homeFolder, const ScannedDisk& scanned)
{
    auto usable = [&](const QString& folder) {
        return !folder.isEmpty() && !isSystemFolder(folder) && QFileInfo(folder).isDir()
               && isOutsideScannedDisk(folder, scanned);
    };
    if (usable(lastChosen))
        return lastChosen;
    if (!homeFolder.isEmpty()) {
        const QStringList homeFolders{homeFolder, homeFolder + QStringLiteral("/Documents"),
                                      homeFolder + QStringLiteral("/Desktop")};
        for (const QString& folder : homeFolders) {
            if (usable(folder))
                return folder;
        }
    }
    const QString survey = suggestExportStartFolder(scanned);
    return isSystemFolder(survey) ? QString() : survey;
}
