// TEMPORARY until the partition-table reader lands: no entries are added.
#include "Disk/DiskInfoItem.h"

void DiskInfoWithVolumes::ScanPartitionTable() {}
