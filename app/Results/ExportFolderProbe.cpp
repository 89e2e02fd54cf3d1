#include "ExportFolderProbe.h"

#include "Platform/Linux/VolumePaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

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
    return Platform::FreeBytesAt(QFile::encodeName(folder).toStdString());
}
