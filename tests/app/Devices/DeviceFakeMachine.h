#pragma once
// The machine the device pages are checked on, made from the engine's fake
// sysfs tree (VELMORA_SYSTEM_ROOT) and one disk image (VELMORA_DISK_IMAGES):
//   - NVMe: "/" (ext4, the system volume), "/boot/efi", "/home" and an
//     unmounted FAT32 "DATA" written by mkfs.fat into the disk's node;
//   - USB stick: FAT32 "MYSTICK", mounted on a real folder that holds the
//     user's home (with its Desktop) and a folder "Photos";
//   - SD card on an MMC host: FAT32 "CARD" in its node, mounted;
//   - SATA disk whose partition carries a BitLocker boot sector (locked);
//   - a 128 MiB MBR image with one 32 MiB FAT32 partition, the rest unallocated.
// velmora-probe list, run in the same environment, is the oracle of the list.
#include "support/FakeSystem.h"
#include "support/TempDir.h"

#include <QJsonObject>
#include <QList>
#include <QString>

class DeviceFakeMachine {
public:
    // The tools the machine is made with; the first one missing, or empty.
    static QString missingTool();

    DeviceFakeMachine();

    // Points this process (and the probe) at the machine.
    void activate() const;
    // One object per record velmora-probe lists on this machine.
    QList<QJsonObject> probeRows() const;

    QString stickMount() const { return stickMount_; }
    // HOME lives on the stick, so its Desktop is a folder of the stick's volume.
    QString home() const { return stickMount_ + QStringLiteral("/user"); }
    QString desktop() const { return home() + QStringLiteral("/Desktop"); }
    QString photos() const { return stickMount_ + QStringLiteral("/Photos"); }
    QString image() const { return image_; }
    QString root() const;

    // The stick leaves sysfs and the mount table keeps its stale line, as
    // between an unplug and the automounter's clean-up.
    void unplugStick();
    // A second stick, "SPARE", comes and its volume is mounted.
    void plugSpareStick();

private:
    TestSupport::FakeSystem sys_;
    TestSupport::TempDir files_;
    QString stickMount_;
    QString image_;
};
