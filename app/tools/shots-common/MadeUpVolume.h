#pragma once
#include "QDiskAndVolumeInfo.h"

// A volume of a made-up machine for the screenshots: its sizes in GiB, its
// device path and partition start made from its disk and volume numbers.
QDiskAndVolumeInfo madeUpVolume(const QString& name, const QString& letter, const QString& fileSystem,
                                double totalGiB, double freeGiB, quint64 disk, quint64 index);
