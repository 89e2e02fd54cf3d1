#include "FolderCrumbs.h"

QStringList folderCrumbs(const QString& path, const QString& displayName)
{
    QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return parts;
    // The display name "/home/u/Pictures" of a folder scan is one crumb: the
    // path below it starts after the whole name, not after its first part.
    if (!displayName.isEmpty() && (path == displayName || path.startsWith(displayName + '/'))) {
        QStringList rest = path.mid(displayName.size()).split('/', Qt::SkipEmptyParts);
        rest.prepend(displayName);
        return rest;
    }
    parts[0] = displayName;
    return parts;
}
