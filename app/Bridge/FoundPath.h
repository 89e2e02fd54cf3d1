#pragma once
#include <QString>
#include <QStringList>

struct QDiskAndVolumeInfo;

// The first component of every found path: one non-empty name without "/". A
// mount path would split into several folders, so a mounted volume is named by
// its kernel device name ("sdb1"), an unmounted one by its label or device and
// the engine's generated number ("CAMERA - 1"), and a volume the bridge does
// not know by "Disk D Volume V".
QString volumeComponent(const QDiskAndVolumeInfo& volume, quint64 diskIndex, quint64 volIndex);

// Components of an engine path split at "\" and "/", empty ones dropped. "." and
// ".." stay literal names: they never climb into other folders.
QStringList splitFoundPath(const QString& path);

// The display path of an engine event: volume component, then the components,
// joined by "/"; any spelling of "$RECYCLE.BIN" becomes "$RECYCLE.BIN". A leading
// "." is the engine's mark of the scanned folder and is dropped; "." and ".."
// further on stay literal names.
QString foundDisplayPath(const QString& volume, const QString& enginePath);

// The part of a record's display path inside its volume: without the volume
// component, and without the display-name folder a whole-disk scan inserts.
QString inVolumePath(const QString& displayPath, bool wholeDiskScan);

// The form classification and the exclusion patterns match: "C:/" + in-volume path.
QString driveAnchoredPath(const QString& inVolume);

// A display path without empty components ("/a//b/" gives "a/b"); others unchanged.
QString cleanDisplayPath(const QString& displayPath);
