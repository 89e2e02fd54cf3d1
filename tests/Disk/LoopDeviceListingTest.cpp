// The real listing of an attached loop device, compared with lsblk. Needs root
// and loop devices (CI has both).
#include "DataRecovery/VelmoraExports.h"
#include "Disk/DiskTable.h"
#include "Disk/LocalDiskListing.h"
#include "support/DiskImages.h"
#include "support/OtherUser.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/mount.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

using namespace TestSupport;
using nlohmann::json;

namespace {

// An image attached with its partitions. Where losetup -P makes no partition
// devices (a container without udev), partx adds them to the kernel.
class AttachedImage {
public:
    explicit AttachedImage(const std::string& image)
    {
        std::string output;
        if (RunCommand("losetup -P -f --show " + Quote(image) + " 2>&1", &output) != 0) {
            error = output;
            return;
        }
        device = output.substr(0, output.find('\n'));
        if (!WaitForNode(device + "p1", std::chrono::milliseconds(300)) &&
            RunCommand("partx -a " + Quote(device) + " 2>&1") == 0)
            partitionsAdded = WaitForNode(device + "p1", std::chrono::seconds(5));
    }
    ~AttachedImage()
    {
        if (partitionsAdded)
            RunCommand("partx -d " + Quote(device) + " 2>&1");
        if (!device.empty())
            RunCommand("losetup -d " + Quote(device));
    }
    AttachedImage(const AttachedImage&) = delete;
    AttachedImage& operator=(const AttachedImage&) = delete;
    std::string device;
    std::string error; // losetup's output where it failed

private:
    static bool WaitForNode(const std::string& path, std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!std::filesystem::exists(path)) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
    bool partitionsAdded = false;
};

// A partition mounted read-only, by the kernel or by a FUSE program given as
// type "fuse:PROGRAM".
class Mounted {
public:
    Mounted(const std::string& device, const std::string& folder, const std::string& type) : folder(folder)
    {
        if (type.rfind("fuse:", 0) == 0)
            mounted = RunCommand(type.substr(5) + " -o ro " + Quote(device) + " " + Quote(folder) + " 2>&1") == 0;
        else
            mounted = ::mount(device.c_str(), folder.c_str(), type.c_str(), MS_RDONLY, nullptr) == 0;
    }
    ~Mounted()
    {
        if (mounted)
            ::umount(folder.c_str());
    }
    Mounted(const Mounted&) = delete;
    Mounted& operator=(const Mounted&) = delete;
    std::string folder;
    bool mounted = false;
};

// File system and label as libblkid's own tool reads them from the device, for
// where lsblk has no udev database to take them from.
std::pair<std::string, std::string> BlkidTypeAndLabel(const std::string& device)
{
    std::string output;
    RunCommand("blkid -p -o export " + Quote(device), &output);
    std::string type, label;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("TYPE=", 0) == 0)
            type = line.substr(5);
        else if (line.rfind("LABEL=", 0) == 0)
            label = line.substr(6);
    }
    return {type, label};
}

std::string EngineName(const std::string& type)
{
    if (type == "vfat")
        return "FAT32";
    if (type == "exfat")
        return "EXFAT";
    if (type == "ntfs")
        return "NTFS";
    return type;
}

std::string Text(const json& value)
{
    return value.is_null() ? "" : value.get<std::string>();
}

}

TEST(LoopDeviceListing, ListsAnAttachedImageLikeLsblk)
{
    if (!IsRoot())
        SKIP_FOR_MISSING("attaching a loop device needs root");
    for (const char* tool : {"losetup", "lsblk", "sfdisk", "mkfs.fat", "mkfs.exfat"})
        REQUIRE_TOOL(tool);
    TempDir dir;
    const std::string image = dir / "usb.img";
    MakeSparseFile(image, 120 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, size=40MiB, type=c\\nstart=83968, size=40MiB, type=7\\n' | sfdisk -q " +
              Quote(image));
    MakeFat32File(dir / "p1.fs", 40 * MiB, "LOOPFAT");
    MakeSparseFile(dir / "p2.fs", 40 * MiB);
    RunOrFail("mkfs.exfat -L LoopEx " + Quote(dir / "p2.fs"));
    RunOrFail("dd status=none conv=notrunc,sparse bs=512 seek=2048 if=" + Quote(dir / "p1.fs") + " of=" + Quote(image));
    RunOrFail("dd status=none conv=notrunc,sparse bs=512 seek=83968 if=" + Quote(dir / "p2.fs") + " of=" + Quote(image));

    AttachedImage loop(image);
    ASSERT_FALSE(loop.device.empty()) << "losetup could not attach the image: " << loop.error;
    const std::string name = std::filesystem::path(loop.device).filename();

    // One partition is mounted: the FAT one by the kernel where it can, else
    // the exFAT one through exfat-fuse.
    std::optional<Mounted> mounted;
    if (std::filesystem::exists(loop.device + "p1")) {
        std::filesystem::create_directory(dir / "mnt");
        mounted.emplace(loop.device + "p1", dir / "mnt", "vfat");
        if (!mounted->mounted && HaveTool("mount.exfat-fuse")) {
            mounted.reset();
            mounted.emplace(loop.device + "p2", dir / "mnt", "fuse:mount.exfat-fuse");
        }
    }

    const json lsblk = json::parse(RunOrFail("lsblk -b -J -o NAME,PATH,SIZE,START,FSTYPE,LABEL,MOUNTPOINT " +
                                             Quote(loop.device)))["blockdevices"][0];
    const auto all = ListLocalDisksAndVolumes(Platform::SystemRoots{});
    std::vector<DiskAndVolumeInfo> rows;
    for (const auto& row : all)
        if (row.diskName == loop.device)
            rows.push_back(row);
    ASSERT_FALSE(rows.empty()) << "the loop device " << loop.device << " is not listed";
    for (const auto& row : rows) {
        EXPECT_EQ(row.deviceSize, lsblk["size"].get<uint64_t>());
        EXPECT_EQ(row.diskModel, "usb.img");
        EXPECT_FALSE(row.isExternal);
        ASSERT_TRUE(DiskTable::FindVolume(row).has_value()) << row.volumeLetter;
    }

    // Both file systems are offered, read through their partitions or the disk.
    std::set<std::string> labels;
    for (const auto& row : rows)
        labels.insert(row.label);
    EXPECT_TRUE(labels.count("LOOPFAT"));
    EXPECT_TRUE(labels.count("LoopEx"));

    // losetup -P, else partx -a, makes the partition devices: none is a failure of the fixture, not a kernel's lack.
    ASSERT_TRUE(KernelHasLoopPartitions(loop.device)) << "no partition device of " << loop.device;
    ASSERT_TRUE(lsblk.contains("children")) << "lsblk lists no partitions of " << name << ": " << lsblk.dump();
    const auto& children = lsblk["children"];
    ASSERT_EQ(children.size(), 2u);
    ASSERT_TRUE(mounted && mounted->mounted) << "neither partition could be mounted";
    int mountedRows = 0;
    for (const auto& child : children) {
        const uint64_t start = child["start"].get<uint64_t>() * 512;
        const uint64_t size = child["size"].get<uint64_t>();
        const bool isMounted = !child["mountpoint"].is_null();
        const DiskAndVolumeInfo* row = nullptr;
        for (const auto& candidate : rows) {
            const bool match = isMounted ? candidate.volumePath == child["path"].get<std::string>()
                                         : candidate.startOffset == start && candidate.volumeKind == 5;
            if (match)
                row = &candidate;
        }
        ASSERT_NE(row, nullptr) << child.dump();
        EXPECT_EQ(row->endOffset - row->startOffset, size) << child.dump();
        auto [type, label] = BlkidTypeAndLabel(child["path"].get<std::string>());
        if (!child["fstype"].is_null()) { // lsblk could read the volume
            type = child["fstype"].get<std::string>();
            label = Text(child["label"]);
        }
        ASSERT_FALSE(type.empty()) << child.dump();
        EXPECT_EQ(row->fileSystem, EngineName(type)) << child.dump();
        EXPECT_EQ(row->label, label) << child.dump();
        if (isMounted) {
            ++mountedRows;
            EXPECT_EQ(row->volumeKind, 0u);
            EXPECT_EQ(row->volumeLetter, child["mountpoint"].get<std::string>() + "/");
            EXPECT_EQ(row->startOffset, 0u);
        }
    }
    EXPECT_EQ(mountedRows, 1);
}

namespace {

std::vector<json> ProbeRows(const std::string& output, const std::string& disk)
{
    std::vector<json> rows;
    for (const auto& row : ParseJsonLines(output))
        if (row.value("diskName", "") == disk)
            rows.push_back(row);
    return rows;
}

}

// A normal user may not open the machine's disks. The listing it gets still
// names each one, marked unreadable, with the partitions the kernel knows of,
// and says nothing on stderr. Run through the exported listing (velmora-probe)
// as the user nobody, on loop devices only root may read.
TEST(LoopDeviceListing, ListsDevicesAnotherUserCannotRead)
{
    if (!IsRoot())
        SKIP_FOR_MISSING("running the listing as another user needs root");
    for (const char* tool : {"losetup", "lsblk", "sfdisk", "mkfs.fat", "runuser"})
        REQUIRE_TOOL(tool);
    TempDir dir;
    const std::string cardImage = dir / "card.img";
    MakeFat32File(cardImage, 40 * MiB, "CAMERA");
    const std::string diskImage = dir / "disk.img";
    MakeSparseFile(diskImage, 24 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, size=8MiB, type=c\\nstart=18432, size=12MiB, type=7\\n' | sfdisk -q " +
              Quote(diskImage));
    AttachedImage card(cardImage);
    AttachedImage disk(diskImage);
    ASSERT_FALSE(card.device.empty() || disk.device.empty()) << "losetup could not attach the images";

    auto children = [](const std::string& device) {
        const json listed = json::parse(RunOrFail("lsblk -b -J -o NAME,PATH,SIZE " + Quote(device)))["blockdevices"][0];
        return listed.contains("children") ? listed["children"] : json::array();
    };
    for (const auto& device : {card.device, disk.device}) {
        ASSERT_EQ(::chmod(device.c_str(), 0600), 0) << device;
        for (const auto& child : children(device)) {
            const std::string node = child["path"].get<std::string>();
            if (std::filesystem::exists(node)) {
                ASSERT_EQ(::chmod(node.c_str(), 0600), 0) << node;
            }
        }
    }

    const OtherUserProgram probe(ProbePath());
    ASSERT_EQ(probe.Error(), "");
    std::string output;
    ASSERT_EQ(RunCommand(probe.Command("nobody", {"list"}, {"HOME=/nonexistent"}) + " 2>" + Quote(dir / "stderr"),
                         &output),
              0)
        << output;
    std::ifstream errors(dir / "stderr");
    const std::string errorText((std::istreambuf_iterator<char>(errors)), std::istreambuf_iterator<char>());
    EXPECT_EQ(errorText.find("Permission denied"), std::string::npos) << errorText;

    // The card has no partition table: the whole device is its one entry.
    const auto cardRows = ProbeRows(output, card.device);
    ASSERT_EQ(cardRows.size(), 1u) << output;
    EXPECT_TRUE(cardRows[0]["isUnreadable"].get<bool>());
    EXPECT_EQ(cardRows[0]["volumeKind"], 5);
    EXPECT_EQ(cardRows[0]["endOffset"].get<uint64_t>() - cardRows[0]["startOffset"].get<uint64_t>(), 40 * MiB);
    EXPECT_EQ(cardRows[0]["diskModel"], "card.img");

    // The disk's partitions as the kernel lists them, each under its own node.
    const json partitions = children(disk.device);
    const auto diskRows = ProbeRows(output, disk.device);
    ASSERT_EQ(diskRows.size(), std::max<size_t>(partitions.size(), 1)) << output;
    for (const auto& partition : partitions) {
        const auto row = std::find_if(diskRows.begin(), diskRows.end(), [&](const json& candidate) {
            return candidate["volumePath"] == partition["path"];
        });
        ASSERT_NE(row, diskRows.end()) << partition.dump() << "\n" << output;
        EXPECT_TRUE((*row)["isUnreadable"].get<bool>());
        EXPECT_EQ((*row)["endOffset"].get<uint64_t>() - (*row)["startOffset"].get<uint64_t>(),
                  partition["size"].get<uint64_t>());
    }
    for (const auto& row : diskRows)
        EXPECT_TRUE(row["isUnreadable"].get<bool>()) << row.dump();

    // Root reads the same card: listed as before, with its label, not marked.
    // Its stderr stays apart: devices of tests running beside this one come and go, and may say so there.
    std::string rootOutput;
    ASSERT_EQ(RunCommand(Quote(ProbePath()) + " list 2>/dev/null", &rootOutput), 0);
    const auto rootRows = ProbeRows(rootOutput, card.device);
    ASSERT_EQ(rootRows.size(), 1u);
    EXPECT_FALSE(rootRows[0]["isUnreadable"].get<bool>());
    EXPECT_EQ(rootRows[0]["label"], "CAMERA");
}
