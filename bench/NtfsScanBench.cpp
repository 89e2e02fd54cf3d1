// Times the NTFS structure walk of velmora-probe against fls on one image of
// many small files, both as processes timed whole, and measures the probe's
// memory per found file.
//   velmora-bench-ntfs-scan [folder] [files, default 100000]
// The images (made with mkntfs and an ntfs-3g mount, which needs root and
// /dev/fuse) are kept in the folder and reused by path.
#include "BenchSupport.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int Run(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// folders of 1,000 small files each.
bool MakeImage(const std::string& path, uint64_t files)
{
    if (fs::exists(path))
        return true;
    const uint64_t megabytes = 64 + files * 3 / 1000;
    const std::string mount = path + ".mnt";
    fs::create_directories(mount);
    const std::string fill = "python3 -c 'import os,sys\n"
                             "m,n=sys.argv[1],int(sys.argv[2])\n"
                             "for d in range((n+999)//1000):\n"
                             "  os.mkdir(\"%s/d%d\"%(m,d))\n"
                             "  for f in range(min(1000,n-d*1000)): open(\"%s/d%d/f%d.txt\"%(m,d,f),\"w\").write(\"x\")' ";
    const bool ok = Run("truncate -s " + std::to_string(megabytes) + "M '" + path + ".tmp' && mkntfs -q -F -Q '" + path +
                        ".tmp' >/dev/null 2>&1 && ntfs-3g '" + path + ".tmp' '" + mount + "'") == 0 &&
                    Run(fill + "'" + mount + "' " + std::to_string(files)) == 0;
    Run("umount '" + mount + "'");
    fs::remove(mount);
    if (!ok)
        return false;
    fs::rename(path + ".tmp", path);
    return true;
}

struct ProbeRun {
    double structureSeconds = -1;
    long peakKiB = 0;
    uint64_t files = 0;
};

ProbeRun RunProbe(const std::string& probe, const std::string& image)
{
    ProbeRun result;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    const pid_t child = fork();
    if (child == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        setenv("VELMORA_DISK_IMAGES", image.c_str(), 1);
        setenv("VELMORA_IMAGES_ONLY", "1", 1);
        freopen("/dev/null", "w", stderr);
        execl(probe.c_str(), probe.c_str(), "scan", "--disk", "0", "--volume", "0", nullptr);
        _exit(127);
    }
    close(fds[1]);
    // Read everything first: a slow reader would hold the probe back on a full pipe.
    std::string text;
    char block[1 << 16];
    for (ssize_t n; (n = read(fds[0], block, sizeof block)) > 0;)
        text.append(block, static_cast<size_t>(n));
    close(fds[0]);
    bool structurePhase = true;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const auto event = nlohmann::json::parse(text.begin() + start, text.begin() + end, nullptr, false);
        start = end + 1;
        if (!event.is_object())
            continue;
        const std::string kind = event.value("kind", "");
        if (kind == "RawScanProgress" || kind == "ScanFailed" || kind == "ScanFinished")
            structurePhase = false;
        if (structurePhase)
            result.structureSeconds = event.value("t", -1.0);
        result.files += kind == "NtfsFile";
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    result.peakKiB = usage.ru_maxrss;
    return result;
}

}

int main(int argc, char** argv)
{
    const BenchSupport::Arguments arguments(argc, argv, "velmora-bench-ntfs-scan [folder [files]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "velmora-bench").string());
    const uint64_t files = arguments.Count(2, 100000);
    const uint64_t fewFiles = 1000;
    fs::create_directories(folder);
    const std::string big = (folder / ("ntfs-" + std::to_string(files) + ".img")).string();
    const std::string small = (folder / ("ntfs-" + std::to_string(fewFiles) + ".img")).string();
    if (!MakeImage(big, files) || !MakeImage(small, fewFiles)) {
        std::fprintf(stderr, "could not make the images (mkntfs, ntfs-3g, root and /dev/fuse are needed)\n");
        return 1;
    }
    const std::string probe = (fs::path(argv[0]).parent_path() / ".." / "tools" / "velmora-probe").string();
    Run("cat '" + big + "' '" + small + "' > /dev/null"); // into the page cache

    // Both walks timed alike: a process each, from its start to its end, best of three
    // alternating rounds; the probe walks the structure from the root as fls does.
    const std::string images = "VELMORA_DISK_IMAGES='" + big + "' VELMORA_IMAGES_ONLY=1 ";
    BenchSupport::Best fls, walk;
    for (int round = 0; round < 3; ++round) {
        BenchSupport::Flush();
        fls.Add(BenchSupport::TimeCommand("fls -r -p -o 0 '" + big + "' > /dev/null"));
        BenchSupport::Flush();
        walk.Add(BenchSupport::TimeCommand(images + "'" + probe + "' scan --disk 0 --volume 0 --path '\\' > /dev/null 2>&1"));
    }
    const ProbeRun many = RunProbe(probe, big);
    const ProbeRun few = RunProbe(probe, small);

    std::printf("files on the image:            %llu (probe listed %llu)\n", static_cast<unsigned long long>(files),
                static_cast<unsigned long long>(many.files));
    std::printf("processes timed whole, best of 3 alternating rounds\n");
    std::printf("fls -r -p:                     %.3f s%s\n", fls.seconds, fls.ok ? "" : "  FAILED (exit status)");
    std::printf("velmora-probe scan --path \\:  %.3f s%s\n", walk.seconds, walk.ok ? "" : "  FAILED (exit status)");
    std::printf("ratio (target at most 1.0):    %.2f\n", walk.seconds / fls.seconds);
    std::printf("structure phase inside a whole-volume scan (the probe's own \"t\"): %.3f s\n", many.structureSeconds);
    const double perFile = static_cast<double>(many.peakKiB - few.peakKiB) * 1024.0 /
                           static_cast<double>(many.files > few.files ? many.files - few.files : 1);
    std::printf("peak RSS: %ld KiB at %llu files, %ld KiB at %llu files\n", many.peakKiB,
                static_cast<unsigned long long>(many.files), few.peakKiB, static_cast<unsigned long long>(few.files));
    std::printf("memory per found file (target at most 250 B): %.0f B\n", perFile);
    return fls.ok && walk.ok ? 0 : 1;
}
