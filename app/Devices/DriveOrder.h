#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QVector>

// The drive order of the device pages, a strict weak order: letter-led names
// ("C:"), then mount paths ("/" first, by QString order), then generated
// numbers by value, then the rest; ties by disk and volume index.
bool compareDriveLetters(const QDiskAndVolumeInfo& a, const QDiskAndVolumeInfo& b);
// Stable sort by compareDriveLetters.
void sortDrives(QVector<QDiskAndVolumeInfo>& drives);
// The order the hard disk page shows volumes in: local ones, then external
// ones, each sorted by compareDriveLetters. The whole disk page lists disks in
// the order of their first volume here.
QVector<QDiskAndVolumeInfo> devicePageOrder(const QVector<QDiskAndVolumeInfo>& drives);
