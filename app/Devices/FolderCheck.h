#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QStringList>
#include <QVector>

// A folder the engine can scan: readable, on a local file system (network,
// memory and overlay file systems have no volume to read), and held by a
// volume of the device list that is mounted where the folder's own mount is.
bool isScannableFolder(const QString& path, const QVector<QDiskAndVolumeInfo>& drives);
// The folder as the engine must look for it: links resolved, since the volume
// is found by the path's mount and the engine walks the path inside it.
// Empty when the folder does not exist.
QString scanPathOf(const QString& path);
// The file system types that count as a network path here.
bool isRemoteFileSystemType(const QString& type);
// The Desktop folders that exist.
QStringList existingDesktopFolders();
// Those of them the engine can scan: a Desktop in a memory or network home has
// no volume to read, and its scan would fail without a word.
QStringList scannableDesktopFolders(const QVector<QDiskAndVolumeInfo>& drives);
