#pragma once
#include "QDiskAndVolumeInfo.h"
#include "ScanTargetInfo.h"

#include <QStringList>

#include <string>
#include <vector>

struct DiskAndVolumeInfo;
struct ScanPathInfo;

// The scan target of a device type, a record and (folder scans) the paths.
ScanTargetInfo fillScanTarget(quint32 deviceType, const QDiskAndVolumeInfo& record, const QStringList& paths);
// "HDD", "SSD", "USB", "Lost" or "Unknown".
QString diskKindText(quint32 category);
// The engine's record; a mount path gets back the "/" the program's record dropped.
DiskAndVolumeInfo toDiskAndVolumeInfo(const QDiskAndVolumeInfo& record);
// The log text of one engine record.
std::string diskAndVolumeInfoToString(const DiskAndVolumeInfo& record);
// "Disk", "Path", "Desktop", "RecycleBin" or "WholeDisk".
QString deviceTypeLogWord(quint32 deviceType);
// The device's kernel name ("sdb1"), or the generated number of an unmounted volume.
QString volumeKernelName(const QDiskAndVolumeInfo& record);
// Whether the record is named by a generated number (lost, unmounted or
// unallocated) rather than by its label and device.
bool isNumberedVolume(const QDiskAndVolumeInfo& record);
// What tells a numbered volume apart from others like it: its label, else the
// name of its device or image file ("loop1p2", "card1.img"). Never holds "/" or "\".
QString volumeDistinctName(const QDiskAndVolumeInfo& record);

// The listed volume whose mount path is the longest prefix of cleanPath on a
// component boundary (case-sensitive), or -1.
int owningVolumeIndex(const QString& cleanPath, const QVector<QDiskAndVolumeInfo>& listed);
// The volumes of a folder scan and its engine rows. Each path belongs to the
// listed volume whose mount path is its longest prefix on a component boundary
// (case-sensitive); kept volumes come in list order, each with one row per path
// it holds, the path as given.
void resolvePathRows(const QStringList& paths, const QVector<QDiskAndVolumeInfo>& listed,
                     QVector<QDiskAndVolumeInfo>* kept, std::vector<ScanPathInfo>* rows);
