#pragma once
#include <QString>

#include <functional>

class QAbstractItemView;
class QPixmap;
class QPoint;
class QWidget;

// What the shots of the SD card and whole disk pages borrow from the tool.
struct ShotTools {
    std::function<void(const QPixmap&, const QString&)> save;
    std::function<void(QWidget&, const QString&)> take;
    std::function<void(QWidget&, const QString&)> takeWithToolTip;
    std::function<void(QAbstractItemView*, const QPoint&)> hover;
};

// devices-sd-cards, devices-sd-none, devices-whole-disk, devices-no-sd-connection
// and devices-no-sd-status; leaves the cached device list empty.
void takeCardAndWholeDiskShots(const ShotTools& tools);
