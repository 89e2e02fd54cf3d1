// Recovery speed against its peers in the same run, page cache warm:
//  - many small files of an NTFS volume (mkntfs, written through ntfs-3g),
//    found by the engine's scan and recovered one call per file as the program
//    does, against `tsk_recover -a` writing every live file of the same image;
//    with the bytes read per recovered byte;
//  - one large contiguous file against dd bs=1M over the same bytes.
//   velmora-bench-recover [folder] [large file MiB, default 1024] [small files, default 5000]
#include "BenchSupport.h"

#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/VelmoraContainer.h"
#include "DataRecovery/VelmoraExports.h"
#include "Disk/DiskTable.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using BenchSupport::Seconds;
using BenchSupport::Run;
using BenchSupport::ReadCalls;

void MakeImage(const std::string& path, uint64_t size)
{
    std::ofstream out(path, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    uint64_t state = 0x9E3779B97F4A7C15ull;
    for (uint64_t done = 0; done < size; done += chunk.size()) {
        for (size_t i = 0; i < chunk.size(); i += 8) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            std::memcpy(&chunk[i], &state, 8);
        }
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
}

// Bytes this process asked read(2) and its kin for (the kernel's rchar).
DiskAndVolumeInfo Register(const std::string& image, const std::string& fileSystem, uint64_t size)
{
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskSize = size;
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.fileSystem = fileSystem;
    volume.length = size;
    disk.volumes.push_back(volume);
    DiskTable::Replace({disk});
    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.volumeLetter = "X:\\";
    info.fileSystem = fileSystem;
    info.endOffset = size;
    info.deviceSize = size;
    return info;
}

struct Found {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record;
};

size_t CountFiles(const fs::path& folder)
{
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

// An NTFS image of count files of 1-3 KB in 50 folders, written through ntfs-3g.
bool MakeSmallFilesImage(const fs::path& folder, const std::string& image, int count)
{
    const fs::path mount = folder / "mnt";
    fs::create_directories(mount);
    if (!Run("truncate -s 0 '" + image + "' && truncate -s 256M '" + image + "' && mkntfs -F -q -Q '" + image +
             "' >/dev/null 2>&1"))
        return false;
    if (!Run("ntfs-3g '" + image + "' '" + mount.string() + "'"))
        return false;
    bool ok = true;
    std::vector<char> bytes(3072);
    for (int i = 0; i < count && ok; ++i) {
        const fs::path dir = mount / ("d" + std::to_string(i % 50));
        fs::create_directories(dir);
        const size_t size = 1024 + static_cast<size_t>(i * 7919) % 2048;
        for (size_t k = 0; k < size; ++k)
            bytes[k] = static_cast<char>((k * 31 + i) & 0xFF);
        std::ofstream out(dir / ("f" + std::to_string(i) + ".bin"), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(size));
        ok = static_cast<bool>(out);
    }
    return Run("umount '" + mount.string() + "'") && ok;
}

int SmallFiles(const fs::path& folder, int count)
{
    if (::geteuid() != 0 || !Run("command -v mkntfs >/dev/null && command -v ntfs-3g >/dev/null && "
                                 "command -v tsk_recover >/dev/null")) {
        std::printf("small files: skipped (needs root, mkntfs, ntfs-3g and tsk_recover)\n");
        return 0;
    }
    const std::string image = (folder / "small.img").string();
    if (!MakeSmallFilesImage(folder, image, count)) {
        std::fprintf(stderr, "small files: the NTFS image could not be made\n");
        return 1;
    }
    Run("cat '" + image + "' > /dev/null");
    const uint64_t size = fs::file_size(image);
    const auto info = Register(image, "NTFS", size);

    std::mutex mutex;
    std::vector<std::unique_ptr<Found>> files;
    DataRecoveryMultiImpl engine({info}, [&](const DataRecoveryInfo& e) {
        if (e.kind != NtfsFile || e.runCount == 0 || e.deletedState != 0 || !e.path)
            return;
        auto found = std::make_unique<Found>();
        found->path.assign(e.path, e.pathLength);
        if (found->path.find(".bin") == std::string::npos)
            return;
        found->runs.assign(e.runs, e.runs + e.runCount);
        found->record = e;
        found->record.path = found->path.c_str();
        found->record.runs = found->runs.data();
        std::lock_guard lock(mutex);
        files.push_back(std::move(found));
    });
    engine.Start();
    if (files.size() != static_cast<size_t>(count)) {
        std::fprintf(stderr, "small files: the scan found %zu of %d files\n", files.size(), count);
        return 1;
    }
    const auto buffer = engine.FindContainer(0, 0)->GetPartReader()->LockReaderBuffer();

    // Best of three rounds each, alternating, with the written files flushed
    // first: the target's writeback of one round must not land in the next.
    const fs::path out = folder / "small-out";
    const fs::path tskOut = folder / "tsk-out";
    uint64_t recovered = 0;
    uint64_t callBytes = 0;
    uint64_t deviceBytes = 0;
    size_t tskFiles = 0;
    double engineSeconds = 1e300;
    double tskSeconds = 1e300;
    for (int round = 0; round < 3; ++round) {
        fs::remove_all(out);
        fs::remove_all(tskOut);
        Run("sync");
        recovered = 0;
        const uint64_t deviceBefore = buffer->GetStatistics().bytesRead;
        const uint64_t callsBefore = ReadCalls();
        auto started = std::chrono::steady_clock::now();
        for (const auto& file : files) {
            if (engine.RecoverData(out.string(), file->record) != 0) {
                std::fprintf(stderr, "small files: %s failed\n", file->path.c_str());
                return 1;
            }
            recovered += file->record.fileSize;
        }
        engineSeconds = std::min(engineSeconds, Seconds(started));
        callBytes = ReadCalls() - callsBefore;
        deviceBytes = buffer->GetStatistics().bytesRead - deviceBefore;

        Run("sync");
        started = std::chrono::steady_clock::now();
        if (!Run("tsk_recover -a '" + image + "' '" + tskOut.string() + "' >/dev/null")) {
            std::fprintf(stderr, "small files: tsk_recover failed\n");
            return 1;
        }
        tskSeconds = std::min(tskSeconds, Seconds(started));
        tskFiles = CountFiles(tskOut);
    }

    std::printf("small files: %d NTFS files of 1-3 KB (%.1f MB), page-cached 256 MiB image, best of 3 rounds\n", count,
                static_cast<double>(recovered) / 1e6);
    std::printf("  RecoverData, one call per file: %.3f s, %.0f files/s\n", engineSeconds, count / engineSeconds);
    std::printf("  tsk_recover -a:                 %.3f s, %.0f files/s (%zu files)\n", tskSeconds,
                static_cast<double>(tskFiles) / tskSeconds, tskFiles);
    std::printf("  files/s ratio engine / tsk_recover: %.2f\n",
                (count / engineSeconds) / (static_cast<double>(tskFiles) / tskSeconds));
    std::printf("  bytes read per recovered byte: %.3f from the device, %.3f by read calls (rchar)\n",
                static_cast<double>(deviceBytes) / static_cast<double>(recovered),
                static_cast<double>(callBytes) / static_cast<double>(recovered));
    fs::remove_all(out);
    fs::remove_all(tskOut);
    fs::remove(image);
    return 0;
}

int LargeFile(const fs::path& folder, uint64_t size)
{
    const std::string image = (folder / "source.img").string();
    if (!fs::exists(image) || fs::file_size(image) != size)
        MakeImage(image, size);
    Run("cat '" + image + "' > /dev/null"); // into the page cache
    const auto info = Register(image, "FAT32", size);

    const fs::path out = folder / "out";
    fs::remove_all(out);
    DataRun run{0, size};
    std::string path = "big.bin";
    auto file = MakeDataRecoveryInfo(Fat32File);
    file.fileSize = size;
    file.runs = &run;
    file.runCount = 1;
    file.path = path.c_str();
    file.pathLength = static_cast<uint16_t>(path.size());

    DataRecoveryMulti* engine = CreateDataRecovery({info}, [](const DataRecoveryInfo&) {});
    auto started = std::chrono::steady_clock::now();
    const int code = engine->RecoverData(out.string(), file);
    const double engineSeconds = Seconds(started);
    ReleaseDataRecovery(engine);
    if (code != 0) {
        std::fprintf(stderr, "recovery failed with code %d\n", code);
        return 1;
    }

    const std::string ddOut = (folder / "dd.bin").string();
    started = std::chrono::steady_clock::now();
    Run("dd if='" + image + "' of='" + ddOut + "' bs=1M status=none");
    const double ddSeconds = Seconds(started);

    const double mib = static_cast<double>(size) / (1 << 20);
    std::printf("large file: %.0f MiB contiguous, page-cached source, target %s\n", mib, folder.c_str());
    std::printf("  RecoverData: %.3f s, %.0f MiB/s\n", engineSeconds, mib / engineSeconds);
    std::printf("  dd bs=1M:    %.3f s, %.0f MiB/s\n", ddSeconds, mib / ddSeconds);
    std::printf("  throughput ratio engine / dd: %.2f\n", ddSeconds / engineSeconds);
    fs::remove_all(out);
    fs::remove(ddOut);
    return 0;
}

}

int main(int argc, char** argv)
{
    const BenchSupport::Arguments arguments(argc, argv, "velmora-bench-recover [folder [MiB of the big file [small files]]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "velmora-bench").string());
    const uint64_t size = arguments.Count(2, 1024) << 20;
    const int smallCount = static_cast<int>(arguments.Count(3, 5000));
    fs::create_directories(folder);
    const int small = SmallFiles(folder, smallCount);
    const int large = LargeFile(folder, size);
    return small != 0 ? small : large;
}
