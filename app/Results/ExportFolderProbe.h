#pragma once
// Whether files can be created in a chosen export folder, and how much room
// this user has there.
#include <QString>

// Creates and removes a uniquely named file (O_CREAT|O_EXCL): a file of the
// user's is never opened, whatever its name.
bool canCreateFilesIn(const QString& folder);

// What this user may still write there (statvfs f_bavail x f_frsize); 0 on failure.
quint64 userFreeBytes(const QString& folder);
