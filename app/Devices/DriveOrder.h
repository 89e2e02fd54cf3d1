#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QVector>

// The drive order of the device pages, a strict weak order: letter-led names
// ("C:"), then mount paths ("/" first, by QString order), then generated
// numbers by value, then the rest; ties by disk and volume index.
bool compareDriveLetters(const QDiskAndVolumeInfo& a, const QDiskAndVolumeInfo& b);
// Stable sort by compareDriveLetters.
void sortDrives(QVector<QDiskAndVolumeInfo>& drives);
