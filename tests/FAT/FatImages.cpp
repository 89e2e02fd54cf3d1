#include "FAT/FatImages.h"

#include "support/DiskImages.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

using namespace TestSupport;

namespace FatTest {

void MakeFat32Image(const std::string& image, uint64_t sizeMiB, const std::string& options)
{
    std::filesystem::remove(image);
    RunOrFail("mkfs.fat -C -F 32 " + options + " " + Quote(image) + " " + std::to_string(sizeMiB * 1024));
}

void CopyPatternFile(const std::string& image, const std::string& scratchDir, const std::string& target,
                     uint64_t size, uint32_t seed)
{
    const std::string local = scratchDir + "/pattern-" + std::to_string(seed) + ".bin";
    {
        std::mt19937 random(seed);
        std::ofstream out(local, std::ios::binary | std::ios::trunc);
        for (uint64_t i = 0; i < size; ++i)
            out.put(static_cast<char>(random() & 0xFF));
    }
    RunOrFail("mcopy -o -i " + Quote(image) + " " + Quote(local) + " " + Quote(target));
    std::filesystem::remove(local);
}

void MakeFragmentedFile(const std::string& image, const std::string& scratchDir, const std::string& target,
                        uint64_t pieceSize)
{
    for (int i = 1; i <= 5; ++i)
        CopyPatternFile(image, scratchDir, "::/GAP" + std::to_string(i) + ".BIN", pieceSize, 100 + i);
    RunOrFail("mdel -i " + Quote(image) + " ::/GAP2.BIN ::/GAP4.BIN");
    // mtools starts at the FSInfo next-free hint; with none it fills the gaps.
    const auto boot = ReadBytes(image, 0, 512);
    const uint64_t sector = boot[11] | boot[12] << 8;
    const uint64_t infoSector = boot[48] | boot[49] << 8;
    PatchU32(image, infoSector * sector + 492, 0xFFFFFFFF);
    CopyPatternFile(image, scratchDir, target, pieceSize * 3, 200);
}

std::vector<ClusterRange> ShowFat(const std::string& image, const std::string& target)
{
    const std::string output = RunOrFail("mshowfat -i " + Quote(image) + " " + Quote(target));
    std::vector<ClusterRange> ranges;
    static const std::regex range("<(\\d+)(?:-(\\d+))?>");
    for (auto it = std::sregex_iterator(output.begin(), output.end(), range); it != std::sregex_iterator(); ++it) {
        const uint64_t first = std::stoull((*it)[1]);
        ranges.push_back({first, (*it)[2].matched ? std::stoull((*it)[2]) : first});
    }
    return ranges;
}

VolumeInfoItem ImageVolume(const std::string& image, uint64_t offset, uint64_t length)
{
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.offset = offset;
    volume.length = length ? length : std::filesystem::file_size(image) - offset;
    return volume;
}

void Patch(const std::string& file, uint64_t offset, const std::vector<uint8_t>& bytes)
{
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
}

void PatchU32(const std::string& file, uint64_t offset, uint32_t v)
{
    Patch(file, offset, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

std::vector<uint8_t> ReadBytes(const std::string& file, uint64_t offset, size_t length)
{
    std::vector<uint8_t> bytes(length);
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

std::string Field(const std::string& output, const std::string& key)
{
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto at = line.find(key);
        if (at == std::string::npos)
            continue;
        std::string value = line.substr(at + key.size());
        const auto start = value.find_first_not_of(" \t:=");
        return start == std::string::npos ? "" : value.substr(start);
    }
    return "";
}

ExFatMount::ExFatMount(const std::string& image, uint64_t sizeMiB, const std::string& point,
                       const std::string& mkfsOptions)
    : mountPoint(point)
{
    const auto missing = [this](const std::string& reason) {
        why = reason;
        if (NoToolSkips())
            ADD_FAILURE() << why;
    };
    if (!IsRoot()) {
        missing("exFAT fixtures need root for losetup and mount");
        return;
    }
    if (!std::filesystem::exists("/dev/fuse")) {
        missing("exFAT fixtures need /dev/fuse");
        return;
    }
    for (const char* tool : {"mkfs.exfat", "mount.exfat-fuse", "losetup"})
        if (!HaveTool(tool)) {
            missing(std::string("exFAT fixtures need ") + tool);
            return;
        }
    // From here on a failure is the fixture's: the test fails (and skips the rest).
    MakeSparseFile(image, sizeMiB * 1024 * 1024);
    RunOrFail("mkfs.exfat " + mkfsOptions + " " + Quote(image) + " >/dev/null");
    std::string out;
    if (RunCommand("losetup -f --show " + Quote(image) + " 2>&1", &out) != 0) {
        why = "losetup could not attach the exFAT image: " + out;
        ADD_FAILURE() << why;
        return;
    }
    device = out.substr(0, out.find('\n'));
    std::filesystem::create_directories(mountPoint);
    out.clear();
    if (RunCommand("mount.exfat-fuse " + Quote(device) + " " + Quote(mountPoint) + " 2>&1", &out) != 0) {
        why = "mount.exfat-fuse failed: " + out;
        ADD_FAILURE() << why;
        return;
    }
    mounted = true;
    ok = true;
}

void ExFatMount::Finish()
{
    if (mounted) {
        UnmountFuse(mountPoint, device);
        mounted = false;
        device.clear();
    }
    if (!device.empty()) {
        RunCommand("losetup -d " + Quote(device) + " 2>&1");
        device.clear();
    }
}

ExFatMount::~ExFatMount()
{
    Finish();
}

void CopyFiles(const std::string& image, const std::string& scratchDir, const std::string& folder,
               const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files)
{
    const std::filesystem::path local = std::filesystem::path(scratchDir) / "copy-batch";
    std::filesystem::remove_all(local);
    std::filesystem::create_directories(local);
    std::string names;
    for (const auto& [name, bytes] : files) {
        std::ofstream out(local / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        names += " " + Quote((local / name).string());
    }
    RunOrFail("mcopy -o -i " + Quote(image) + names + " " + Quote(folder + "/"));
    std::filesystem::remove_all(local);
}

void ClearNextFreeHint(const std::string& image)
{
    const auto boot = ReadBytes(image, 0, 512);
    const uint64_t sector = boot[11] | boot[12] << 8;
    const uint64_t infoSector = boot[48] | boot[49] << 8;
    PatchU32(image, infoSector * sector + 492, 0xFFFFFFFF);
}

void PlaceInMbrDisk(const std::string& volume, const std::string& disk, uint64_t start, const std::string& type)
{
    const uint64_t length = std::filesystem::file_size(volume);
    std::filesystem::remove(disk);
    MakeSparseFile(disk, start + length);
    RunOrFail("echo " + Quote("start=" + std::to_string(start / 512) + ", size=" + std::to_string(length / 512) +
                              ", type=" + type) +
              " | sfdisk -q " + Quote(disk));
    RunOrFail("dd if=" + Quote(volume) + " of=" + Quote(disk) + " bs=1M oflag=seek_bytes seek=" +
              std::to_string(start) + " conv=notrunc,sparse status=none");
}

}
