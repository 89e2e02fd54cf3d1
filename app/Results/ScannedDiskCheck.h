#pragma once
// Whether a folder lies on the disk a scan reads, by device, not by path text:
// a write there could overwrite the very data being recovered.
//
// Each side becomes a set of storage keys: "blk:M:m" of a whole disk (a
// partition counts as its disk), "file:D:I" of an image or loop backing file
// (st_dev, st_ino), "anon:M:m" of a file system without a device (tmpfs).
// A folder's keys follow its file system (the longest mount point of its
// canonical path in mountinfo) down every layer: partition to disk, a loop
// device to its backing file and the file system holding that, device-mapper
// and md devices to their slaves, a FUSE mount to its source. A scan's keys are
// its disks and image files themselves, so a folder beside an image file is
// not on it.
#include "ScanTargetInfo.h"
#include "StorageDataRecoverMgr.h"

#include "Platform/Linux/SystemRoots.h"

#include <QSet>
#include <QString>

// The mount table and sysfs read (mountInfoPath and sysRoot; tests point them
// at a fake tree).
using StorageRoots = Platform::SystemRoots;

struct ScannedDisk {
    // A Recycle Bin scan never asks.
    bool neverAsk = false;
    QSet<QString> keys;
};

// What the current scan reads: volume and disk scans the disks of the scan's
// volumes with the target's disk index, folder and Desktop scans the disks of
// their volumes, the Recycle Bin nothing.
ScannedDisk scannedDiskOf(const ScanTargetInfo& target, const DiskVolumeHash& volumes,
                          const StorageRoots& roots = StorageRoots());

// Every storage key a write into the folder may reach; empty when its file
// system cannot be found.
QSet<QString> storageKeysOfFolder(const QString& folder, const StorageRoots& roots = StorageRoots());

// True when writing into the folder cannot overwrite what the scan reads.
// Unknown (no keys on either side) counts as the same disk: it asks.
bool isOutsideScannedDisk(const QString& folder, const ScannedDisk& scanned, const StorageRoots& roots = StorageRoots());
