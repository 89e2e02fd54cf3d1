#include "DeviceFakeMachine.h"

#include "support/DiskImages.h"
#include "support/Tools.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

using namespace TestSupport;

namespace {

constexpr const char* NvmeBus = "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0";
constexpr const char* UsbBus = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0";
constexpr const char* MmcBus = "platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa";
constexpr const char* SataBus = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0";

const QStringList tools{"mkfs.fat", "sfdisk", "mmd"};

// Runs a fixture command; a failure ends the fixture with its output.
void run(const std::string& command)
{
    std::string output;
    if (RunCommand(command + " 2>&1", &output) != 0)
        throw std::runtime_error(command + ": " + output);
}

void fat32At(const std::string& file, uint64_t startSector, uint64_t sectors, const std::string& label)
{
    run("mkfs.fat -F 32 -n " + Quote(label) + " -i 1234ABCD --offset=" + std::to_string(startSector) + " " +
        Quote(file) + " " + std::to_string(sectors / 2));
}

// A disk's node as the kernel shows it: its size, with an MBR of one partition.
void partitionedNode(const std::string& node, uint64_t sectors, const std::string& partition)
{
    MakeSparseFile(node, sectors * 512);
    run("printf 'label: dos\\n" + partition + "\\n' | sfdisk -q " + Quote(node));
}

} // namespace

QString DeviceFakeMachine::missingTool()
{
    for (const QString& tool : tools)
        if (QStandardPaths::findExecutable(tool).isEmpty()
            && QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}).isEmpty())
            return tool;
    return {};
}

DeviceFakeMachine::DeviceFakeMachine()
{
    // NVMe, 256 MiB, GPT: EFI, root, home, and a FAT32 nobody mounted.
    sys_.AddDisk("nvme0n1", NvmeBus, 524288, {{"device/model", "Velmora NVMe 256"}});
    sys_.AddPartition("nvme0n1", "nvme0n1p1", 1, 2048, 65536);
    sys_.AddPartition("nvme0n1", "nvme0n1p2", 2, 67584, 131072);
    sys_.AddPartition("nvme0n1", "nvme0n1p3", 3, 198656, 131072);
    sys_.AddPartition("nvme0n1", "nvme0n1p4", 4, 329728, 73728);
    const std::string nvme = sys_.DeviceNode("nvme0n1");
    MakeSparseFile(nvme, 524288ull * 512);
    run("printf 'label: gpt\\nstart=2048,size=65536\\nstart=67584,size=131072\\nstart=198656,size=131072\\n"
        "start=329728,size=73728,type=EBD0A0A2-B9E5-4433-87C0-68B6B72699C7\\n' | sfdisk -q " + Quote(nvme));
    fat32At(nvme, 329728, 73728, "DATA");
    sys_.AddMount("nvme0n1p2", "/", "ext4");
    sys_.AddMount("nvme0n1p1", "/boot/efi", "vfat");
    sys_.AddMount("nvme0n1p3", "/home", "ext4");

    // USB stick, 41 MiB: FAT32 "MYSTICK" in its partition's node, mounted on a real folder.
    sys_.AddDisk("sdb", UsbBus, 83968, {{"removable", "1"}, {"device/vendor", "Velmora"}, {"device/model", "Stick"}});
    sys_.AddPartition("sdb", "sdb1", 1, 2048, 81920);
    partitionedNode(sys_.DeviceNode("sdb"), 83968, "start=2048,size=81920,type=c");
    const std::string stick = sys_.DeviceNode("sdb1");
    MakeSparseFile(stick, 81920ull * 512);
    fat32At(stick, 0, 81920, "MYSTICK");
    run("mmd -i " + Quote(stick) + " ::/user ::/user/Desktop ::/Photos");
    stickMount_ = QString::fromStdString(files_ / "MYSTICK");
    for (const QString& folder : {stickMount_, desktop(), photos()})
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot make " + folder.toStdString());
    sys_.AddMount("sdb1", stickMount_.toStdString());

    // SD card in a built-in slot.
    sys_.AddDisk("mmcblk0", MmcBus, 65536, {{"device/name", "SD32G"}, {"device/type", "SD"}});
    sys_.AddPartition("mmcblk0", "mmcblk0p1", 1, 8192, 57344);
    partitionedNode(sys_.DeviceNode("mmcblk0"), 65536, "start=8192,size=57344,type=c");
    const std::string card = sys_.DeviceNode("mmcblk0p1");
    MakeSparseFile(card, 57344ull * 512);
    fat32At(card, 0, 57344, "CARD");
    sys_.AddMount("mmcblk0p1", "/media/user/CARD");

    // SATA disk, 100 MiB, MBR; its partition starts with BitLocker's boot sector and nothing opened it.
    sys_.AddDisk("sda", SataBus, 204800, {{"device/vendor", "ATA"}, {"device/model", "Velmora HDD"}});
    sys_.AddPartition("sda", "sda1", 1, 2048, 81920);
    const std::string sata = sys_.DeviceNode("sda");
    MakeSparseFile(sata, 204800ull * 512);
    run("printf 'label: dos\\nstart=2048,size=81920,type=7\\n' | sfdisk -q " + Quote(sata));
    WriteBitLockerBootSector(sata, 2048 * 512);

    // A card image: 128 MiB, MBR, one 32 MiB FAT32, 95 MiB unallocated after it.
    image_ = QString::fromStdString(files_ / "card.img");
    MakeSparseFile(image_.toStdString(), 128 * MiB);
    run("printf 'label: dos\\nstart=2048,size=65536,type=c\\n' | sfdisk -q " + Quote(image_.toStdString()));
    fat32At(image_.toStdString(), 2048, 65536, "PHOTOS");
}

QString DeviceFakeMachine::root() const
{
    return QFileInfo(QString::fromStdString(sys_.Roots().sysRoot)).path();
}

void DeviceFakeMachine::activate() const
{
    qputenv("VELMORA_SYSTEM_ROOT", root().toUtf8());
    qputenv("VELMORA_DISK_IMAGES", image_.toUtf8());
    qunsetenv("VELMORA_IMAGES_ONLY");
}

QList<QJsonObject> DeviceFakeMachine::probeRows() const
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELMORA_SYSTEM_ROOT", root());
    environment.insert("VELMORA_DISK_IMAGES", image_);
    environment.remove("VELMORA_IMAGES_ONLY");
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(VELMORA_BINARY_DIR "/tools/velmora-probe"), {QStringLiteral("list")});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        throw std::runtime_error("velmora-probe list failed: " + probe.readAllStandardError().toStdString());
    QList<QJsonObject> rows;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty())
            rows << QJsonDocument::fromJson(line).object();
    return rows;
}

void DeviceFakeMachine::plugSpareStick()
{
    sys_.AddDisk("sdc", "pci0000:00/0000:00:14.0/usb2/2-2/2-2:1.0/host7/target7:0:0/7:0:0:0", 83968,
                 {{"removable", "1"}, {"device/vendor", "Velmora"}, {"device/model", "Spare"}});
    sys_.AddPartition("sdc", "sdc1", 1, 2048, 81920);
    partitionedNode(sys_.DeviceNode("sdc"), 83968, "start=2048,size=81920,type=c");
    sys_.AddMount("sdc1", "/media/user/SPARE");
}

void DeviceFakeMachine::unplugStick()
{
    sys_.RemoveDisk("sdb");
}
