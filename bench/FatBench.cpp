// Structure scans of a FAT32 and an exFAT volume of about 50,000 files in 500
// folders through the exported interface, against fls over the same image.
//   velmora-bench-fat [folder]
// Each volume sits in an MBR partition at 1 MiB; the exFAT one needs root
// (loop device and exfat-fuse) and is skipped with the reason otherwise.
#include "DataRecovery/VelmoraExports.h"
#include "Disk/DiskTable.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr uint64_t partitionStart = 1 << 20;
constexpr int folders = 500;
constexpr int filesPerFolder = 100;

int Run(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[4096];
        size_t n;
        while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0)
            out.append(chunk, n);
        pclose(pipe);
    }
    return out;
}

long StatusKiB(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + std::strlen(key));
    return 0;
}

void MakeTree(const fs::path& tree)
{
    if (fs::exists(tree / "done"))
        return;
    fs::remove_all(tree);
    for (int d = 0; d < folders; ++d) {
        const fs::path folder = tree / ("folder " + std::to_string(d));
        fs::create_directories(folder);
        for (int f = 0; f < filesPerFolder; ++f)
            std::ofstream(folder / ("photo number " + std::to_string(f) + ".jpg")) << d << ":" << f << "\n";
    }
    std::ofstream(tree / "done");
}

uint64_t PartitionedImage(const std::string& image, uint64_t size)
{
    Run("rm -f '" + image + "' && truncate -s " + std::to_string(size) + " '" + image + "'");
    Run("echo 'start=2048, type=c' | sfdisk -q '" + image + "' >/dev/null");
    return size - partitionStart;
}

struct Measured {
    double seconds = 1e9;
    uint64_t files = 0;
    long bytesPerFile = 0;
};

Measured ScanThroughInterface(const std::string& image, uint64_t length, const char* fileSystem)
{
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.fileSystem = fileSystem;
    volume.offset = partitionStart;
    volume.length = length;
    disk.volumes.push_back(volume);
    DiskTable::Replace({disk});
    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.fileSystem = fileSystem;
    info.startOffset = partitionStart;
    info.endOffset = partitionStart + length;

    Measured best;
    std::atomic<uint64_t> files{0};
    DataRecoveryMulti* engine = CreateDataRecovery({info}, [&](const DataRecoveryInfo& record) {
        if (record.kind == Fat32File || record.kind == ExFatFile)
            ++files;
    });
    // A first scan sizes the read-ahead window for directories; the rounds
    // after it measure the scan's own growth, not the window's shrinking.
    engine->Start(std::vector<ScanPathInfo>{{0, 0, "X:\\"}});
    for (int round = 0; round < 3; ++round) {
        files = 0;
        std::ofstream("/proc/self/clear_refs") << "5"; // restart the peak RSS
        const long before = StatusKiB("VmRSS:");
        const auto started = std::chrono::steady_clock::now();
        engine->Start(std::vector<ScanPathInfo>{{0, 0, "X:\\"}});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const long peak = StatusKiB("VmHWM:");
        if (seconds < best.seconds) {
            best.seconds = seconds;
            best.files = files;
        }
        best.bytesPerFile = std::max(best.bytesPerFile, files ? (peak - before) * 1024 / static_cast<long>(files) : 0);
    }
    ReleaseDataRecovery(engine);
    return best;
}

void Report(const char* name, const std::string& image, const Measured& engine)
{
    double flsBest = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto started = std::chrono::steady_clock::now();
        Run("fls -r -p -o 2048 '" + image + "' > /dev/null");
        flsBest = std::min(flsBest, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    const std::string count = Output("fls -r -p -o 2048 '" + image + "' | grep -c '^r/r [0-9]'");
    std::printf("%s: engine %.3f s, fls %.3f s, ratio %.2f (target <= 1.0); files %llu, fls %s",
                name, engine.seconds, flsBest, engine.seconds / flsBest,
                static_cast<unsigned long long>(engine.files), count.c_str());
    std::printf("%s: (peak RSS - RSS before) / files = %ld bytes (target <= 250)\n", name, engine.bytesPerFile);
}

}

int main(int argc, char** argv)
{
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "velmora-bench-fat";
    fs::create_directories(folder);
    const fs::path tree = folder / "tree";
    MakeTree(tree);

    const std::string fat = (folder / "fat32.img").string();
    const uint64_t size = 768ull << 20;
    uint64_t fatLength = size - partitionStart;
    if (!fs::exists(folder / "fat32.done")) {
        fatLength = PartitionedImage(fat, size);
        Run("mkfs.fat -F 32 --offset 2048 '" + fat + "' " + std::to_string(fatLength / 1024) + " >/dev/null");
        if (Run("cd '" + tree.string() + "' && mcopy -s -i '" + fat + "@@1M' folder* ::/") != 0)
            return std::fprintf(stderr, "mcopy failed\n"), 1;
        std::ofstream(folder / "fat32.done");
    }
    Run("cat '" + fat + "' > /dev/null");
    Report("FAT32", fat, ScanThroughInterface(fat, fatLength, "FAT32"));

    const std::string exfat = (folder / "exfat.img").string();
    if (geteuid() != 0 || !fs::exists("/dev/fuse")) {
        std::printf("exFAT: skipped, filling the volume through exfat-fuse needs root and /dev/fuse\n");
        return 0;
    }
    const uint64_t exfatLength = size - partitionStart;
    if (!fs::exists(folder / "exfat.done")) {
        PartitionedImage(exfat, size);
        const std::string loop =
            Output("losetup -f --show -o 1048576 --sizelimit " + std::to_string(exfatLength) + " '" + exfat + "'");
        const std::string device = loop.substr(0, loop.find('\n'));
        const std::string mount = (folder / "mnt").string();
        fs::create_directories(mount);
        const int filled = Run("mkfs.exfat -c 4K '" + device + "' >/dev/null && mount.exfat-fuse '" + device + "' '" +
                               mount + "' && cp -r '" + tree.string() + "'/folder* '" + mount + "'/ && sync");
        Run("umount '" + mount + "' 2>/dev/null; losetup -d '" + device + "'");
        if (filled != 0)
            return std::fprintf(stderr, "exFAT fill failed\n"), 1;
        std::ofstream(folder / "exfat.done");
    }
    Run("cat '" + exfat + "' > /dev/null");
    Report("exFAT", exfat, ScanThroughInterface(exfat, exfatLength, "EXFAT"));
    return 0;
}
