#pragma once
// Where the export folder picker starts: the roomiest writable volume that is
// not on the disk being recovered.
#include "ScannedDiskCheck.h"

#include <QString>

// One candidate volume of the survey.
struct ExportVolume {
    QString rootPath;
    QString fileSystemType;
    quint64 availableBytes = 0;
    bool valid = true;
    bool ready = true;
    bool readOnly = false;
    bool rootReadable = true;
    bool rootWritable = true;
    bool onScannedDisk = false;
};

// Pseudo and memory file systems hold nothing a user would keep.
bool isPseudoFileSystem(const QString& type);

// "/" and the folders of the system itself (/usr, /etc, /boot, /proc, /sys,
// /dev, /run, /var, /bin, /sbin, /lib*), by the path and by where it leads;
// the removable-media mounts under /run/media are the user's.
bool isSystemFolder(const QString& folder);

// The roomiest usable volume: its root when writable and not a system folder,
// else the home folder when it lies on it (homeVolumeRoot: the root of the
// volume holding it); the next volume otherwise. Empty when none is usable.
QString pickExportStartFolder(const QList<ExportVolume>& volumes, const QString& homeFolder,
                              const QString& homeVolumeRoot);

// Surveys the mounted volumes (QStorageInfo); runs on a pool thread.
QString suggestExportStartFolder(const ScannedDisk& scanned);

// Where the folder picker starts: the folder chosen for the last export while it
// exists and is not on the scanned disk; else the home folder, its Documents or
// its Desktop when not on the scanned disk; else the survey's suggestion. Never
// a system folder: empty when nothing fits (the picker then opens in the home
// folder). Runs on a pool thread.
QString exportStartFolder(const QString& lastChosen, const QString& homeFolder, const ScannedDisk& scanned);
