#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QVector>

// True when a volume appeared, went, or changed its mount path or disk. A
// volume is keyed by its path and start offset: every unmounted partition and
// free region of one disk shares the disk's node as its path.
bool deviceListChanged(const QVector<QDiskAndVolumeInfo>& previous, const QVector<QDiskAndVolumeInfo>& current);
