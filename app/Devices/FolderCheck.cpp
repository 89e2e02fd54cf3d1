#include "FolderCheck.h"

#include "ScanTarget.h"
#include "DataRecovery/DataRecoveryInfo.h"
#include "SystemHelpers.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

bool isRemoteFileSystemType(const QString& type)
{
    static const QStringList remote = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs",
                                       "tmpfs", "ramfs", "overlay", "9p", "afs", "ceph", "fuse.rclone"};
    return remote.contains(type, Qt::CaseInsensitive);
}

bool isScannableFolder(const QString& path, const QVector<QDiskAndVolumeInfo>& drives)
{
    if (path.isEmpty() || !isDirectoryReadable(path, true))
        return false;
    // isDirectoryReadable lets network file systems through; the engine reads volumes, not shares.
    const QStorageInfo storage(path);
    if (!storage.isValid() || isRemoteFileSystemType(QString::fromUtf8(storage.fileSystemType())))
        return false;
    QVector<QDiskAndVolumeInfo> kept;
    std::vector<ScanPathInfo> rows;
    resolvePathRows({QFileInfo(path).absoluteFilePath()}, drives, &kept, &rows);
    // The volume is found by its mount path alone: a folder on a mount the list
    // does not hold (a bind mount, a stick plugged in before the list's reload)
    // would be looked for on the enclosing volume, usually "/", and not found there.
    return !kept.isEmpty() && QStorageInfo(kept.first().volumeLetter).rootPath() == storage.rootPath();
}

QString scanPathOf(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

QStringList existingDesktopFolders()
{
    QStringList folders;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::DesktopLocation)) {
        if (QFileInfo(folder).isDir())
            folders << folder;
    }
    return folders;
}

QStringList scannableDesktopFolders(const QVector<QDiskAndVolumeInfo>& drives)
{
    QStringList folders;
    for (const QString& desktop : existingDesktopFolders()) {
        const QString folder = scanPathOf(desktop);
        if (isScannableFolder(folder, drives) && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}
