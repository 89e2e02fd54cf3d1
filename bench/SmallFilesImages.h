#pragma once
// Volumes of many small files made by the real tools (mkfs.fat and mcopy,
// mkfs.exfat and exfat-fuse, mkntfs and ntfs-3g), and the check that a
// recovered tree holds every one of them byte-exact.
//
// File i is "files/d<i % 100>/f<i>.bin", 1024 + (i * 7919) % 2048 bytes long,
// byte k being (k * 31 + i) & 0xFF.
#include "BenchSupport.h"

#include <cstdio>
#include <cstring>
#include <strings.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace SmallFilesImages {

namespace fs = std::filesystem;

inline size_t SizeOf(uint64_t i)
{
    return 1024 + static_cast<size_t>((i * 7919) % 2048);
}

inline void Fill(std::vector<char>& bytes, uint64_t i)
{
    bytes.resize(SizeOf(i));
    for (size_t k = 0; k < bytes.size(); ++k)
        bytes[k] = static_cast<char>((k * 31 + i) & 0xFF);
}

inline std::string Quote(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// The source tree, on tmpfs where there is one (writing 200,000 files to a busy disk takes minutes).
inline fs::path MakeTree(const std::string& name, uint64_t count)
{
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path root = base / name;
    fs::remove_all(root);
    std::vector<char> bytes;
    for (uint64_t i = 0; i < count; ++i) {
        const fs::path dir = root / "files" / ("d" + std::to_string(i % 100));
        if (i < 100)
            fs::create_directories(dir);
        Fill(bytes, i);
        std::ofstream(dir / ("f" + std::to_string(i) + ".bin"), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return root;
}

// Waits until no process holds path open: a FUSE daemon writes its last blocks
// after umount has returned.
inline void WaitUnused(const fs::path& path)
{
    const fs::path target = fs::canonical(path);
    for (int tries = 0; tries < 600; ++tries) {
        bool used = false;
        std::error_code ec;
        for (const auto& process : fs::directory_iterator("/proc", ec)) {
            for (const auto& fd : fs::directory_iterator(process.path() / "fd", ec)) {
                std::error_code link;
                if (fs::read_symlink(fd.path(), link) == target)
                    used = true;
            }
        }
        if (!used)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// Copies the tree into a FUSE mount (exfat-fuse or ntfs-3g) of the image, through a
// loop device (exfat-fuse mounts block devices only).
inline bool FillThroughMount(const std::string& mountCommand, const fs::path& image, const fs::path& tree)
{
    const fs::path mount = image.string() + ".mnt";
    const fs::path deviceName = image.string() + ".device";
    fs::create_directories(mount);
    if (!BenchSupport::Run("losetup -f --show " + Quote(image) + " > " + Quote(deviceName)))
        return false;
    std::string device;
    std::ifstream(deviceName) >> device;
    fs::remove(deviceName);
    bool ok = BenchSupport::Run(mountCommand + " " + device + " " + Quote(mount));
    if (ok) {
        ok = BenchSupport::Run("cp -r " + Quote(tree / "files") + " " + Quote(mount) + "/");
        ok = BenchSupport::Run("umount " + Quote(mount)) && ok;
        WaitUnused(device);
    }
    ok = BenchSupport::Run("blockdev --flushbufs " + device + " && losetup -d " + device) && ok;
    fs::remove(mount);
    return ok;
}

// "FAT32", "exFAT" or "NTFS": the image of count files of the tree; false when a tool failed.
inline bool MakeImage(const std::string& fileSystem, const fs::path& image, const fs::path& tree, uint64_t count)
{
    // 4 KiB clusters: room for every file, its directory entries and the file system's own.
    const uint64_t mib = (count * 6 * 1024 >> 20) + 256;
    fs::remove(image);
    if (!BenchSupport::Run("truncate -s " + std::to_string(mib) + "M " + Quote(image)))
        return false;
    if (fileSystem == "FAT32")
        return BenchSupport::Run("mkfs.fat -F 32 -s 8 " + Quote(image) + " >/dev/null") &&
               BenchSupport::Run("mcopy -s -i " + Quote(image) + " " + Quote(tree / "files") + " ::/");
    if (fileSystem == "exFAT")
        return BenchSupport::Run("mkfs.exfat -c 4K " + Quote(image) + " >/dev/null") &&
               FillThroughMount("mount.exfat-fuse", image, tree);
    if (fileSystem == "NTFS")
        return BenchSupport::Run("mkntfs -F -q -Q -c 4096 " + Quote(image) + " >/dev/null 2>&1") &&
               FillThroughMount("ntfs-3g", image, tree);
    return false;
}

inline bool ToolsFor(const std::string& fileSystem)
{
    if (fileSystem == "FAT32")
        return BenchSupport::Run("command -v mkfs.fat >/dev/null && command -v mcopy >/dev/null");
    if (fileSystem == "exFAT")
        return ::geteuid() == 0 && fs::exists("/dev/fuse") &&
               BenchSupport::Run("command -v mkfs.exfat >/dev/null && command -v mount.exfat-fuse >/dev/null");
    if (fileSystem == "NTFS")
        return ::geteuid() == 0 && fs::exists("/dev/fuse") &&
               BenchSupport::Run("command -v mkntfs >/dev/null && command -v ntfs-3g >/dev/null");
    return false;
}

// NTFS's own files at the root ($MFT, $LogFile, ...) by their found path (".\\$MFT"):
// tsk_recover leaves them out.
inline bool IsNtfsRootMetafile(const std::string& path)
{
    size_t start = 0;
    while (start < path.size() && (path[start] == '.' || path[start] == '\\'))
        ++start;
    return start < path.size() && path[start] == '$' && path.find('\\', start) == std::string::npos;
}

// What a recovered tree holds of the count files (names compared without case: a
// FAT short name comes back upper case); other files are counted apart.
struct Check {
    uint64_t exact = 0;
    uint64_t wrong = 0;
    uint64_t others = 0;
};

inline Check CheckTree(const fs::path& out, uint64_t count)
{
    Check check;
    std::vector<char> expected;
    std::vector<char> actual;
    std::vector<bool> seen(count, false);
    if (!fs::exists(out))
        return check;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        uint64_t i = 0;
        const bool ours = name.size() > 5 && (name[0] == 'f' || name[0] == 'F') &&
                          strcasecmp(name.c_str() + name.size() - 4, ".bin") == 0 &&
                          std::from_chars(name.data() + 1, name.data() + name.size() - 4, i).ptr ==
                              name.data() + name.size() - 4 &&
                          i < count && !seen[i];
        if (!ours) {
            ++check.others;
            continue;
        }
        seen[i] = true;
        Fill(expected, i);
        std::ifstream in(entry.path(), std::ios::binary);
        actual.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (actual == expected)
            ++check.exact;
        else
            ++check.wrong;
    }
    return check;
}

// The benchmarks' target: a fresh ext4 volume on a loop device over a sparse file
// (as root), so removing a round's 100,000 files costs no discard of the host's
// disk; elsewhere the folder itself. Unmounted and deleted at the end.
class TargetVolume {
public:
    TargetVolume(const fs::path& folder, uint64_t gib) : mount_(folder / "target")
    {
        fs::create_directories(mount_);
        if (::geteuid() != 0)
            return;
        image_ = folder / "target.ext4";
        fs::remove(image_);
        if (!BenchSupport::Run("truncate -s " + std::to_string(gib) + "G " + Quote(image_) +
                               " && mkfs.ext4 -q -F -i 4096 -E nodiscard,lazy_itable_init=1 " + Quote(image_)) ||
            !BenchSupport::Run("mount -o loop " + Quote(image_) + " " + Quote(mount_))) {
            fs::remove(image_);
            image_.clear();
        }
    }
    ~TargetVolume()
    {
        if (!image_.empty()) {
            BenchSupport::Run("umount " + Quote(mount_));
            fs::remove(image_);
        }
        fs::remove_all(mount_);
    }
    TargetVolume(const TargetVolume&) = delete;
    TargetVolume& operator=(const TargetVolume&) = delete;

    const fs::path& Path() const { return mount_; }
    std::string Describe() const { return image_.empty() ? mount_.string() : "a fresh ext4 volume (loop device)"; }

private:
    fs::path mount_;
    fs::path image_;
};

// Bytes in a folder tree (the program's log and settings folders).
inline uint64_t TreeBytes(const fs::path& folder)
{
    uint64_t bytes = 0;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

}
