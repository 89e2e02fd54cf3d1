#include "CardMachine.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

namespace {

constexpr const char* ReaderBus = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0";
constexpr const char* UsbDiskBus = "pci0000:00/0000:00:14.0/usb2/2-2/2-2:1.0/host7/target7:0:0/7:0:0:0";
constexpr const char* SecondReaderBus = "pci0000:00/0000:00:14.0/usb2/2-3/2-3:1.0/host8/target8:0:0/8:0:0:0";
constexpr const char* SlotBus = "platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa";
constexpr const char* EmmcBus = "platform/fe330000.mmc/mmc_host/mmc1/mmc1:0001";
constexpr const char* NvmeBus = "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";
// 34 MiB: the smallest FAT32 mkfs.fat makes with its default cluster size.
constexpr quint64 FatSectors = 69632;

void run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error((program + " " + arguments.join(' ') + ": " + process.readAllStandardError())
                                     .toStdString());
}

QString str(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

QString CardMachine::missingTool()
{
    for (const char* tool : {"mkfs.fat", "sfdisk", "dd"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    return {};
}

void CardMachine::writeDisk(const QString& node, quint64 sectors, const QList<Partition>& partitions)
{
    QFile file(node);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !file.resize(qint64(sectors) * 512))
        throw std::runtime_error("cannot make " + node.toStdString());
    file.close();
    QByteArray table = "label: dos\n";
    for (const Partition& partition : partitions)
        table += QStringLiteral("start=%1, size=%2, type=c\n").arg(partition.start).arg(partition.sectors).toLatin1();
    run(QStringLiteral("sfdisk"), {QStringLiteral("-q"), node}, table);
    for (const Partition& partition : partitions) {
        const QString fat = node + QStringLiteral(".fat");
        QFile::remove(fat);
        run(QStringLiteral("mkfs.fat"), {"-F", "32", "-n", partition.label, "-C", fat, QString::number(partition.sectors / 2)});
        run(QStringLiteral("dd"), {"status=none", "conv=notrunc,sparse", "bs=512", QStringLiteral("seek=%1").arg(partition.start),
                                   "if=" + fat, "of=" + node});
        QFile::remove(fat);
    }
}

void CardMachine::buildCards()
{
    const quint64 cardSectors = 2048 + 2 * FatSectors;
    sys.AddDisk("sdb", ReaderBus, cardSectors,
                {{"removable", "1"}, {"device/vendor", "Generic-"}, {"device/model", "SD/MMC Reader"}});
    sys.AddPartition("sdb", "sdb1", 1, 2048, FatSectors);
    sys.AddPartition("sdb", "sdb2", 2, 2048 + FatSectors, FatSectors);
    writeDisk(str(sys.DeviceNode("sdb")), cardSectors,
              {{2048, FatSectors, "CAMERA"}, {2048 + FatSectors, FatSectors, "VIDEOS"}});

    const quint64 diskSectors = 2048 + FatSectors;
    sys.AddDisk("sdc", UsbDiskBus, diskSectors, {{"device/vendor", "Samsung "}, {"device/model", "Portable SSD T7"}});
    sys.AddPartition("sdc", "sdc1", 1, 2048, FatSectors);
    writeDisk(str(sys.DeviceNode("sdc")), diskSectors, {{2048, FatSectors, "BACKUP"}});

    sys.AddDisk("mmcblk0", SlotBus, diskSectors, {{"device/name", "SD64G"}, {"device/type", "SD"}});
    sys.AddPartition("mmcblk0", "mmcblk0p1", 1, 2048, FatSectors);
    writeDisk(str(sys.DeviceNode("mmcblk0")), diskSectors, {{2048, FatSectors, "DCIM"}});

    sys.AddDisk("mmcblk1", EmmcBus, diskSectors, {{"device/name", "BJTD4R"}, {"device/type", "MMC"}});
    sys.AddPartition("mmcblk1", "mmcblk1p1", 1, 2048, FatSectors);
    writeDisk(str(sys.DeviceNode("mmcblk1")), diskSectors, {{2048, FatSectors, "BOOT"}});
}

void CardMachine::plugCard()
{
    const quint64 sectors = 2048 + FatSectors;
    sys.AddDisk("sdd", SecondReaderBus, sectors,
                {{"removable", "1"}, {"device/model", "Extreme PRO SDXC UHS-I card reader with a very long model name"}});
    sys.AddPartition("sdd", "sdd1", 1, 2048, FatSectors);
    writeDisk(str(sys.DeviceNode("sdd")), sectors, {{2048, FatSectors, "PHOTOS"}});
}

void CardMachine::unplugCard()
{
    sys.RemoveDisk("sdd");
}

void CardMachine::buildWholeDisks()
{
    // "/" and "/home" are mounted (ext4, nothing to read here); p3 is a FAT32
    // partition nobody mounted, found through the disk's own table.
    const quint64 nvmeSectors = 2048 + 3 * FatSectors;
    sys.AddDisk("nvme0n1", NvmeBus, nvmeSectors, {{"device/model", "Samsung SSD 980"}});
    sys.AddPartition("nvme0n1", "nvme0n1p1", 1, 2048, FatSectors);
    sys.AddPartition("nvme0n1", "nvme0n1p2", 2, 2048 + FatSectors, FatSectors);
    sys.AddPartition("nvme0n1", "nvme0n1p3", 3, 2048 + 2 * FatSectors, FatSectors);
    writeDisk(str(sys.DeviceNode("nvme0n1")), nvmeSectors,
              {{2048, FatSectors, "ROOT"}, {2048 + FatSectors, FatSectors, "HOME"}, {2048 + 2 * FatSectors, FatSectors, "SPARE"}});
    sys.AddMount("nvme0n1p2", "/home", "ext4");
    sys.AddMount("nvme0n1p1", "/", "ext4");

    const quint64 stickSectors = 2048 + FatSectors;
    sys.AddDisk("sdb", ReaderBus, stickSectors, {{"removable", "1"}, {"device/model", "Cruzer Blade"}});
    sys.AddPartition("sdb", "sdb1", 1, 2048, FatSectors);
    writeDisk(str(sys.DeviceNode("sdb")), stickSectors, {{2048, FatSectors, "MYSTICK"}});

    const QString image = work_.filePath(QStringLiteral("camera disk.img"));
    writeDisk(image, 2048 + FatSectors + 81920, {{2048, FatSectors, "CAMERA"}});
    images_ = QStringList{image};
}

void CardMachine::use() const
{
    qputenv("VELMORA_SYSTEM_ROOT", QByteArray::fromStdString(sys.Path("")));
    if (images_.isEmpty())
        qunsetenv("VELMORA_DISK_IMAGES");
    else
        qputenv("VELMORA_DISK_IMAGES", images_.join(QLatin1Char(':')).toUtf8());
}

void CardMachine::useNone()
{
    qunsetenv("VELMORA_SYSTEM_ROOT");
    qunsetenv("VELMORA_DISK_IMAGES");
}
