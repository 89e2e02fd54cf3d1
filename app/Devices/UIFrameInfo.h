#pragma once
#include <QMetaType>
#include <QVariant>

// The selection that started the last scan; kept in memory only (settings
// key "UIFrameInfo", scope 0) so the device pages can select it again.
struct UIFrameInfo {
    quint32 pageType = 0;  // 0 hard disk and folder page, 1 SD card page
    qint32 itemKind = 0;   // 1 local drives, 2 external drives, 3 locations
    qint32 itemId = 0;     // 1 a drive; locations: 2 Desktop, 3 Recycle Bin, 4 Select a Folder
    quint64 diskIndex = 0;
    quint64 volIndex = 0;
};
Q_DECLARE_METATYPE(UIFrameInfo)

namespace UIFrame {
inline constexpr const char* settingsKey = "UIFrameInfo";
void registerType();
// The stored value, or all zero when missing or of another type.
UIFrameInfo stored();
bool isStored();
void store(const UIFrameInfo& info);
// Removes the stored value.
void clear();
}  // namespace UIFrame
