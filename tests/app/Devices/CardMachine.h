#pragma once
// Made-up machines for the SD card and whole disk pages, read by the real
// listing through VELMORA_SYSTEM_ROOT, with real FAT32 file systems in the
// device nodes (mkfs.fat) behind real partition tables (sfdisk).
#include "support/FakeSystem.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CardMachine
{
public:
    // The tools the machines need, or empty when all are there.
    static QString missingTool();

    // Cards: a USB reader holding a card of two FAT32 partitions (sdb, disk 0),
    // a fixed USB disk (sdc, disk 1), a card in the built-in slot (mmcblk0,
    // type SD, disk 2) and an eMMC (mmcblk1, type MMC, disk 3).
    void buildCards();
    // Whole disks: an NVMe with "/", "/home" and an unmounted FAT32 partition,
    // a USB stick, and an MBR image with free space after its partition.
    void buildWholeDisks();

    // A second reader with a card, plugged in and out (sdd).
    void plugCard();
    void unplugCard();

    // Points the listing at this machine (and its images).
    void use() const;
    static void useNone();

    TestSupport::FakeSystem sys;

private:
    // A disk node of the given sectors with an MBR whose partitions are FAT32
    // (start, size in sectors, label).
    struct Partition {
        quint64 start;
        quint64 sectors;
        QString label;
    };
    static void writeDisk(const QString& node, quint64 sectors, const QList<Partition>& partitions);

    QTemporaryDir work_;
    QStringList images_;
};
