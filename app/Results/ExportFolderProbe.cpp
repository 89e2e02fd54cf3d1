#include "ExportFolderProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <sys/statvfs.h>

bool canCreateFilesIn(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write_test_XXXXXX.tmp")));
    probe.setAutoRemove(true);
    return probe.open();
}

quint64 userFreeBytes(const QString& folder)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(folder).constData(), &info) != 0)
        return 0;
    return quint64(info.f_bavail) * quint64(info.f_frsize);
}
