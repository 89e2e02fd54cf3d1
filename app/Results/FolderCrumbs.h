#pragma once
#include <QString>
#include <QStringList>

// The crumbs of a folder path: its "/" parts with the first replaced by the
// scan's display name, which may itself hold "/" (a scanned folder).
QStringList folderCrumbs(const QString& path, const QString& displayName);
