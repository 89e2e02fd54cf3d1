#pragma once
// A stand-in for the desktop's folder opener (xdg-open): a script in folder
// that writes the folder it is asked to open into the file asked, then runs
// script, whose exit tells whether a file manager answered.
#include <QFile>
#include <QString>

inline QString writeFolderOpener(const QString& folder, const QString& script, const QString& asked)
{
    const QString path = folder + QStringLiteral("/opener");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n%2\n").arg(asked, script).toUtf8());
    file.close();
    return file.setPermissions(file.permissions() | QFileDevice::ExeOwner) ? path : QString();
}
