#include "DiskManagementTool.h"

#include <QProcess>
#include <QStandardPaths>

QString diskManagementProgram()
{
    for (const char* name : {"gnome-disks", "partitionmanager"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startDiskManagement()
{
    const QString program = diskManagementProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
