#pragma once
#include "QDiskAndVolumeInfo.h"
#include "XLabel.h"

#include <QVector>

// A normal user may not read the machine's disks. They are listed all the
// same, each marked "No access", and this notice on the selection page says
// how to reach them; it shows while the page's list holds such a device.
class DeviceAccessNotice : public XLabel
{
    Q_OBJECT
public:
    explicit DeviceAccessNotice(QWidget* parent = nullptr);

    void showFor(const QVector<QDiskAndVolumeInfo>& records);

    static bool anyUnreadable(const QVector<QDiskAndVolumeInfo>& records);
    // The mark on a tile of a device this user may not read.
    static QString noAccessText();
    static QString howToGetAccessText();
    // A scan that would read such a device is refused, with the notice's
    // words in a message box over parent: true when refused.
    static bool refuseUnreadable(QWidget* parent, const QVector<QDiskAndVolumeInfo>& records);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
};
