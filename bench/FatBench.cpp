// Structure scans of FAT32 and exFAT volumes of 100 small files per folder,
// every tenth file deleted, through the exported interface, against fls over
// the same image in the same run.
//   velmora-bench-fat [folder] [--million]
// The 100,000-file volumes always run; --million adds 1,000,000-file volumes
// on 16 GiB sparse images, their folders 100 to a group. Source trees and
// images are kept in the folder, so a later run skips building them (each
// build prints its files per second; the million-file images take some
// minutes each). Each volume sits in an MBR partition at 1 MiB; the exFAT
// ones need root (loop device and exfat-fuse) and are skipped with the reason
// otherwise.
#include "BenchSupport.h"

#include "DataRecovery/VelmoraExports.h"
#include "Disk/DiskTable.h"

#include <sys/resource.h>
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
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint64_t partitionStart = 1 << 20;
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

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string Quote(const std::string& text)
{
    return "'" + text + "'";
}

// Above 100,000 files the folders go 100 to a group, so that no folder holds
// more than 1,000 entries (mtools looks every path up name by name).
bool Grouped(int count)
{
    return count > 100000;
}

std::string FolderOf(int d, int count)
{
    const std::string folder = "folder " + std::to_string(d);
    return Grouped(count) ? "group " + std::to_string(d / 100) + "/" + folder : folder;
}

// Top folders of the tree: the folders themselves, or their groups.
std::vector<std::string> TopFolders(int count)
{
    std::vector<std::string> top;
    const int folders = count / filesPerFolder;
    for (int d = 0; d < folders; d += Grouped(count) ? 100 : 1)
        top.push_back(Grouped(count) ? "group " + std::to_string(d / 100) : "folder " + std::to_string(d));
    return top;
}

double SecondsSince(std::chrono::steady_clock::time_point started)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void ReportBuild(const char* what, int count, std::chrono::steady_clock::time_point started)
{
    const double seconds = SecondsSince(started);
    std::printf("built %s of %d files in %.1f s (%.0f files/s)\n", what, count, seconds, count / seconds);
    std::fflush(stdout);
}

// count files, 100 to a folder: "folder D/photo number F.jpg" holding "D:F",
// written by a few threads, one slice of the folders each.
void MakeTree(const fs::path& tree, int count)
{
    if (fs::exists(tree / "done"))
        return;
    const auto started = std::chrono::steady_clock::now();
    fs::remove_all(tree);
    const int folders = count / filesPerFolder;
    const int workers = 8;
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&, w] {
            for (int d = w; d < folders; d += workers) {
                const fs::path folder = tree / FolderOf(d, count);
                fs::create_directories(folder);
                for (int f = 0; f < filesPerFolder; ++f)
                    std::ofstream(folder / ("photo number " + std::to_string(f) + ".jpg")) << d << ":" << f << "\n";
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    std::ofstream(tree / "done");
    ReportBuild("the source tree", count, started);
}

void PartitionedImage(const std::string& image, uint64_t size)
{
    Run("rm -f " + Quote(image) + " && truncate -s " + std::to_string(size) + " " + Quote(image));
    Run("echo 'start=2048, type=c' | sfdisk -q " + Quote(image) + " >/dev/null");
}

// Writes the lines of a list, NUL-separated, for xargs -0.
std::string ArgumentFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines)
        out << line << '\0';
    return path;
}

// mkfs.fat, one mcopy -s per top folder (mtools looks each name up in its
// folder, so no folder holds more than 1,000 entries), then mdel of files 0,
// 10, ... 90 of each folder, many folders to a call.
bool MakeFat32(const std::string& image, uint64_t size, const fs::path& tree, int count)
{
    const auto started = std::chrono::steady_clock::now();
    PartitionedImage(image, size);
    const uint64_t length = size - partitionStart;
    if (Run("mkfs.fat -F 32 --offset 2048 " + Quote(image) + " " + std::to_string(length / 1024) + " >/dev/null") != 0)
        return false;
    const std::string target = Quote(image + "@@1M");
    const std::string tops = ArgumentFile(image + ".top", TopFolders(count));
    const int copied = Run("cd " + Quote(tree.string()) + " && xargs -0 -n 10 sh -c 'mcopy -s -i \"$0\" \"$@\" ::/' " +
                           target + " < " + Quote(tops));
    fs::remove(tops);
    if (copied != 0)
        return false;
    std::vector<std::string> patterns;
    for (int d = 0; d < count / filesPerFolder; ++d)
        patterns.push_back("::/" + FolderOf(d, count) + "/photo number *0.jpg");
    const std::string deletions = ArgumentFile(image + ".mdel", patterns);
    const int deleted = Run("xargs -0 -n 500 mdel -i " + target + " < " + Quote(deletions));
    fs::remove(deletions);
    ReportBuild("the FAT32 image", count, started);
    return deleted == 0;
}

// mkfs.exfat, exfat-fuse on a loop device, cp -r of the tree and rm of the
// same tenth, a few top folders at a time (one writer leaves exfat-fuse idle
// between its requests).
bool MakeExfat(const std::string& image, uint64_t size, const fs::path& tree, int count, const fs::path& mount)
{
    const auto started = std::chrono::steady_clock::now();
    PartitionedImage(image, size);
    const uint64_t length = size - partitionStart;
    const std::string loop =
        Output("losetup -f --show -o 1048576 --sizelimit " + std::to_string(length) + " " + Quote(image));
    const std::string device = loop.substr(0, loop.find('\n'));
    if (device.empty())
        return false;
    fs::create_directories(mount);
    const std::string m = Quote(mount.string());
    const std::string tops = ArgumentFile(image + ".top", TopFolders(count));
    const std::string perTop = " sh -c 'for top; do cp -r \"$top\" \"$0\" && find \"$0/$top\" -name \"*0.jpg\" "
                               "-delete || exit 255; done' " + m + " < " + Quote(tops);
    const int filled = Run("mkfs.exfat -c 4K " + device + " >/dev/null && mount.exfat-fuse " + device + " " + m +
                           " && cd " + Quote(tree.string()) + " && xargs -0 -n 1 -P 6" + perTop + " && sync");
    Run("umount " + m + " 2>/dev/null; losetup -d " + device);
    fs::remove(tops);
    ReportBuild("the exFAT image", count, started);
    return filled == 0;
}

struct Measured {
    double seconds = 1e9;
    double cpuSeconds = 1e9; // user + system of the whole process, which a loaded machine stretches less
    uint64_t files = 0;
    long bytesPerFile = 0;
    long firstBytesPerFile = 0;
    long firstBeforeKiB = 0;
    long firstPeakKiB = 0;
};

// The image's partition as the only volume of the disk table.
DiskAndVolumeInfo Register(const std::string& image, uint64_t length, const char* fileSystem)
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
    return info;
}

// The engine's walk and fls timed alike: each a fresh process from its start to its
// end, alternating, after a sync; the engine's process exits non-zero when it found nothing.
struct Alike {
    BenchSupport::Best engine;
    BenchSupport::Best fls;
};

Alike TimeAlike(const std::string& image, uint64_t length, const char* fileSystem, int rounds)
{
    Alike alike;
    for (int round = 0; round < rounds; ++round) {
        BenchSupport::Flush();
        alike.engine.Add(BenchSupport::TimeChild([&] {
            std::atomic<uint64_t> files{0};
            DataRecoveryMulti* engine =
                CreateDataRecovery({Register(image, length, fileSystem)}, [&](const DataRecoveryInfo& record) {
                    if (record.kind == Fat32File || record.kind == ExFatFile)
                        ++files;
                });
            if (!engine || engine->Start(std::vector<ScanPathInfo>{{0, 0, "X:\\"}}) != 0)
                return 1;
            return files.load() > 0 ? 0 : 1;
        }));
        BenchSupport::Flush();
        alike.fls.Add(BenchSupport::TimeCommand("fls -r -p -o 2048 " + Quote(image) + " > /dev/null"));
    }
    return alike;
}

// A warm engine's repeated walks: memory and CPU time per file.
Measured ScanThroughInterface(const std::string& image, uint64_t length, const char* fileSystem, int rounds)
{
    const DiskAndVolumeInfo info = Register(image, length, fileSystem);
    Measured best;
    std::atomic<uint64_t> files{0};
    DataRecoveryMulti* engine = CreateDataRecovery({info}, [&](const DataRecoveryInfo& record) {
        if (record.kind == Fat32File || record.kind == ExFatFile)
            ++files;
    });
    // A first scan sizes the read-ahead window for directories; the rounds
    // after it measure the scan's own growth, not the window's shrinking.
    // Its own growth is what a first scan costs, heap not yet reused.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long firstBefore = StatusKiB("VmRSS:");
    engine->Start(std::vector<ScanPathInfo>{{0, 0, "X:\\"}});
    best.firstBeforeKiB = firstBefore;
    best.firstPeakKiB = StatusKiB("VmHWM:");
    // The kernel's counters lag by some pages: a growth below that reads 0.
    best.firstBytesPerFile =
        files ? std::max(0L, best.firstPeakKiB - firstBefore) * 1024 / static_cast<long>(files) : 0;
    for (int round = 0; round < rounds; ++round) {
        files = 0;
        std::ofstream("/proc/self/clear_refs") << "5"; // restart the peak RSS
        const long before = StatusKiB("VmRSS:");
        const auto started = std::chrono::steady_clock::now();
        const double cpuBefore = CpuSeconds();
        engine->Start(std::vector<ScanPathInfo>{{0, 0, "X:\\"}});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const double cpu = CpuSeconds() - cpuBefore;
        const long peak = StatusKiB("VmHWM:");
        if (seconds < best.seconds) {
            best.seconds = seconds;
            best.files = files;
        }
        best.cpuSeconds = std::min(best.cpuSeconds, cpu);
        best.bytesPerFile = std::max(best.bytesPerFile, files ? (peak - before) * 1024 / static_cast<long>(files) : 0);
    }
    ReleaseDataRecovery(engine);
    return best;
}

// Seconds per file of each 100,000-file case, for the 1,000,000-file lines.
std::map<std::string, double> perFileAt100k;
std::map<std::string, double> cpuPerFileAt100k;

void Report(const std::string& name, const std::string& image, int count, const Alike& alike, const Measured& engine)
{
    const double flsBest = alike.fls.seconds;
    long live = 0;
    long gone = 0;
    std::istringstream(Output("fls -r -p -o 2048 " + Quote(image) +
                              " | awk '/^r\\/r [0-9]/ { l++ } /^r\\/r \\* / { g++ } END { print l + 0, g + 0 }'")) >>
        live >> gone;
    const double perFile = engine.files ? engine.seconds / static_cast<double>(engine.files) : 0;
    const std::string label = name + " " + std::to_string(count);
    std::printf("%s files, 10%% deleted, fresh processes timed whole: engine %.3f s, fls -r -p %.3f s, ratio %.2f "
                "(target <= 1.0)%s; found %llu, fls %ld live + %ld deleted\n",
                label.c_str(), alike.engine.seconds, flsBest, alike.engine.seconds / flsBest,
                alike.engine.ok && alike.fls.ok ? "" : " FAILED (exit status)",
                static_cast<unsigned long long>(engine.files), live, gone);
    std::printf("%s: a warm engine's walk %.3f s (the engine object and read-ahead kept between rounds)\n",
                label.c_str(), engine.seconds);
    std::printf("%s: %.2f us per found file (fls %.2f us per listed file), (peak RSS - RSS before) / found file = "
                "%ld bytes (first scan of the process: %ld bytes, peak %ld KiB from %ld KiB)\n",
                label.c_str(), perFile * 1e6, live + gone ? flsBest / static_cast<double>(live + gone) * 1e6 : 0.0,
                engine.bytesPerFile, engine.firstBytesPerFile, engine.firstPeakKiB, engine.firstBeforeKiB);
    const double cpuPerFile = engine.files ? engine.cpuSeconds / static_cast<double>(engine.files) : 0;
    std::printf("%s: engine CPU time %.3f s, %.2f us per found file\n", label.c_str(), engine.cpuSeconds,
                cpuPerFile * 1e6);
    if (count == 100000) {
        perFileAt100k[name] = perFile;
        cpuPerFileAt100k[name] = cpuPerFile;
    } else if (perFileAt100k.count(name) && perFileAt100k[name] > 0 && cpuPerFileAt100k[name] > 0) {
        std::printf("%s: time per file %.2fx the 100,000-file figure, CPU time per file %.2fx (target <= 1.5)\n",
                    label.c_str(), perFile / perFileAt100k[name], cpuPerFile / cpuPerFileAt100k[name]);
    }
    std::fflush(stdout);
}

}

int main(int argc, char** argv)
{
    fs::path folder = fs::temp_directory_path() / "velmora-bench-fat";
    bool million = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--million") == 0)
            million = true;
        else
            folder = argv[i];
    }
    fs::create_directories(folder);
    const bool exfatPossible = geteuid() == 0 && fs::exists("/dev/fuse");
    std::vector<int> counts{100000};
    if (million)
        counts.push_back(1000000);
    for (const int count : counts) {
        const std::string n = std::to_string(count);
        // The source tree is made only for an image still to build.
        const fs::path tree = folder / ("tree-" + n);
        // 100,000 one-cluster files fit 768 MiB; a million get a 16 GiB sparse image.
        const uint64_t size = count > 100000 ? 16ull << 30 : 768ull << 20;
        const uint64_t length = size - partitionStart;

        const std::string fat = (folder / ("fat32-" + n + ".img")).string();
        if (!fs::exists(fat + ".done")) {
            MakeTree(tree, count);
            if (!MakeFat32(fat, size, tree, count))
                return std::fprintf(stderr, "FAT32 image of %d files failed\n", count), 1;
            std::ofstream(fat + ".done");
        }
        Run("cat " + Quote(fat) + " > /dev/null");
        // The best of three scans at every size, so both sizes get the same
        // chance on a loaded machine; fls and a fresh engine, a minute at a million, run once there.
        const int rounds = 3;
        const int flsRounds = count > 100000 ? 1 : 3;
        // Fresh processes first: the process forks before any engine thread exists.
        const Alike fatAlike = TimeAlike(fat, length, "FAT32", flsRounds);
        Report("FAT32", fat, count, fatAlike, ScanThroughInterface(fat, length, "FAT32", rounds));

        if (!exfatPossible) {
            std::printf("exFAT %d: skipped, filling the volume through exfat-fuse needs root and /dev/fuse\n", count);
            continue;
        }
        const std::string exfat = (folder / ("exfat-" + n + ".img")).string();
        if (!fs::exists(exfat + ".done")) {
            MakeTree(tree, count);
            if (!MakeExfat(exfat, size, tree, count, folder / ("mnt-" + n)))
                return std::fprintf(stderr, "exFAT image of %d files failed\n", count), 1;
            std::ofstream(exfat + ".done");
        }
        Run("cat " + Quote(exfat) + " > /dev/null");
        const Alike exfatAlike = TimeAlike(exfat, length, "EXFAT", flsRounds);
        Report("exFAT", exfat, count, exfatAlike, ScanThroughInterface(exfat, length, "EXFAT", rounds));
    }
    return 0;
}
