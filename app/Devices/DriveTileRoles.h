#pragma once
#include <Qt>

// Roles of the hard disk page's rows. A row is a header when its section is
// non-zero and its item id 0.
namespace DriveTileRoles {
enum Role { SectionRole = Qt::UserRole + 1, CountRole = Qt::UserRole + 2, ItemIdRole = Qt::UserRole + 3,
            RecordRole = Qt::UserRole + 6 };
enum Section { LocalDrives = 1, ExternalDrives = 2, Locations = 3 };
enum ItemId { HeaderId = 0, DriveId = 1, DesktopId = 2, RecycleBinId = 3, FolderId = 4 };
}  // namespace DriveTileRoles
