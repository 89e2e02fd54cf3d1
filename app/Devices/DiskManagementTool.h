#pragma once
#include <QString>

// The desktop's partition tool, standing in for Disk Management: the first of
// gnome-disks and partitionmanager found on PATH; empty when neither is there.
QString diskManagementProgram();
// Starts it detached; false when there is none or it cannot start.
bool startDiskManagement();
