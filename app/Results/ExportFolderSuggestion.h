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

// The roomiest usable volume: its root when writable, else the home folder
// when it lies on it (homeVolumeRoot: the root of the volume holding it); the
// next volume otherwise. Empty when none is usable.
QString pickExportStartFolder(const QList<ExportVolume>& volumes, const QString& homeFolder,
                              const QString& homeVolumeRoot);

// Surveys the mounted volumes (QStorageInfo); runs on a pool thread.
QString suggestExportStartFolder(const ScannedDisk& scanned);

// Where the folder picker starts: the folder chosen for the last export while it
// exists and is not on the scanned disk; else the home folder when it is not on
// the scanned disk; else the survey's suggestion. Runs on a pool thread.
QString exportStartFolder(const QString& lastChosen, const QString& homeFolder, const ScannedDisk& scanned);
