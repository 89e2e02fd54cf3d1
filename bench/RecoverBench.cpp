// Recovery speed against its peers in the same run, page cache warm:
//  - many small files of an NTFS volume (mkntfs, written through ntfs-3g),
//    walked by the engine from the root and recovered one call per file as the
//    program does, against `tsk_recover -a` writing every live file of the same
//    image, both timed whole as processes; with the bytes read per recovered byte;
//  - one large contiguous file against dd bs=1M over the same bytes, both timed
//    whole as processes.
//   velmora-bench-recover [folder] [large file MiB, default 1024] [small files, default 100000]
#include "BenchSupport.h"
#include "FoundFiles.h"
#include "SmallFilesImages.h"

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

// The files tsk_recover -a writes too: NTFS's own files at the root are left out.
bool IsTestFile(const DataRecoveryInfo& e)
{
    return e.kind == NtfsFile && e.path && !SmallFilesImages::IsNtfsRootMetafile(std::string(e.path, e.pathLength));
}

// The program's way in a fresh process: walk the volume from its root, then one
// RecoverData call per found file.
int OneCallPerFile(const DiskAndVolumeInfo& info, const fs::path& out)
{
    BenchSupport::FoundFiles found;
    DataRecoveryMultiImpl engine({info}, [&](const DataRecoveryInfo& e) {
        if (IsTestFile(e))
            found.Add(e);
    });
    engine.Start(std::vector<ScanPathInfo>{{0, 0, "\\"}});
    const auto records = found.Records();
    for (const auto& record : records)
        if (engine.RecoverData(out.string(), record) != 0)
            return 1;
    return records.empty() ? 1 : 0;
}

int SmallFiles(const fs::path& folder, int count)
{
    if (!SmallFilesImages::ToolsFor("NTFS") || !Run("command -v tsk_recover >/dev/null")) {
        std::printf("small files: skipped (needs root, /dev/fuse, mkntfs, ntfs-3g and tsk_recover)\n");
        return 0;
    }
    const fs::path tree = SmallFilesImages::MakeTree("velmora-bench-recover-files", count);
    const fs::path image = folder / "small.img";
    const bool made = SmallFilesImages::MakeImage("NTFS", image, tree, count);
    fs::remove_all(tree);
    if (!made) {
        std::fprintf(stderr, "small files: the NTFS image could not be made\n");
        return 1;
    }
    Run("cat '" + image.string() + "' > /dev/null");
    const uint64_t size = fs::file_size(image);
    const auto info = Register(image.string(), "NTFS", size);

    // Both timed whole as processes (walk and writes), best of three alternating
    // rounds, each after its target was removed and the disks flushed.
    const SmallFilesImages::TargetVolume target(folder, (count * 3ull * 4096 * 2 >> 30) + 2);
    const fs::path out = target.Path() / "small-out";
    const fs::path tskOut = target.Path() / "tsk-out";
    BenchSupport::Best engine, tsk;
    for (int round = 0; round < 3; ++round) {
        fs::remove_all(out);
        BenchSupport::Flush();
        engine.Add(BenchSupport::TimeChild([&] { return OneCallPerFile(info, out); }));
        fs::remove_all(tskOut);
        BenchSupport::Flush();
        tsk.Add(BenchSupport::TimeCommand("tsk_recover -a '" + image.string() + "' '" + tskOut.string() + "' >/dev/null"));
    }
    const auto ours = SmallFilesImages::CheckTree(out, count);
    const auto theirs = SmallFilesImages::CheckTree(tskOut, count);

    // Bytes read per recovered byte, in this process (not timed).
    BenchSupport::FoundFiles found;
    DataRecoveryMultiImpl probe({info}, [&](const DataRecoveryInfo& e) {
        if (IsTestFile(e))
            found.Add(e);
    });
    probe.Start(std::vector<ScanPathInfo>{{0, 0, "\\"}});
    const auto buffer = probe.FindContainer(0, 0)->GetPartReader()->LockReaderBuffer();
    const fs::path bytesOut = target.Path() / "bytes-out";
    uint64_t recovered = 0;
    const uint64_t deviceBefore = buffer->GetStatistics().bytesRead;
    const uint64_t callsBefore = ReadCalls();
    for (const auto& record : found.Records())
        if (probe.RecoverData(bytesOut.string(), record) == 0)
            recovered += record.fileSize;
    const uint64_t callBytes = ReadCalls() - callsBefore;
    const uint64_t deviceBytes = buffer->GetStatistics().bytesRead - deviceBefore;

    std::printf("small files: %d NTFS files of 1-3 KB (%.1f MB), page-cached image, target %s\n", count,
                static_cast<double>(recovered) / 1e6, target.Describe().c_str());
    std::printf("  processes timed whole (walk and writes), best of 3 alternating rounds\n");
    std::printf("  walk, RecoverData one call per file: %.3f s, %.0f files/s (%llu byte-exact, %llu wrong)%s\n",
                engine.seconds, static_cast<double>(ours.exact) / engine.seconds,
                static_cast<unsigned long long>(ours.exact), static_cast<unsigned long long>(ours.wrong),
                engine.ok ? "" : "  FAILED (exit status)");
    std::printf("  tsk_recover -a:                      %.3f s, %.0f files/s (%llu byte-exact)%s\n", tsk.seconds,
                static_cast<double>(theirs.exact) / tsk.seconds, static_cast<unsigned long long>(theirs.exact),
                tsk.ok ? "" : "  FAILED (exit status)");
    std::printf("  files/s ratio engine / tsk_recover: %.2f\n",
                (static_cast<double>(ours.exact) / engine.seconds) / (static_cast<double>(theirs.exact) / tsk.seconds));
    std::printf("  bytes read per recovered byte: %.3f from the device, %.3f by read calls (rchar)\n",
                static_cast<double>(deviceBytes) / static_cast<double>(recovered),
                static_cast<double>(callBytes) / static_cast<double>(recovered));
    fs::remove(image);
    const bool ok = engine.ok && tsk.ok && ours.exact == static_cast<uint64_t>(count) && ours.wrong == 0;
    return ok ? 0 : 1;
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

    // Both timed whole as processes, best of three alternating rounds, each after
    // its target was removed and the disks flushed (the other's writeback done).
    const std::string ddOut = (folder / "dd.bin").string();
    BenchSupport::Best engine, dd;
    for (int round = 0; round < 3; ++round) {
        fs::remove_all(out);
        BenchSupport::Flush();
        engine.Add(BenchSupport::TimeChild([&] {
            DataRecoveryMulti* recovery = CreateDataRecovery({info}, [](const DataRecoveryInfo&) {});
            return recovery && recovery->RecoverData(out.string(), file) == 0 ? 0 : 1;
        }));
        fs::remove(ddOut);
        BenchSupport::Flush();
        dd.Add(BenchSupport::TimeCommand("dd if='" + image + "' of='" + ddOut + "' bs=1M status=none"));
    }
    const double engineSeconds = engine.seconds;
    const double ddSeconds = dd.seconds;

    const double mib = static_cast<double>(size) / (1 << 20);
    std::printf("large file: %.0f MiB contiguous, page-cached source, target %s, processes timed whole, best of 3 "
                "alternating rounds\n",
                mib, folder.c_str());
    std::printf("  RecoverData: %.3f s, %.0f MiB/s%s\n", engineSeconds, mib / engineSeconds,
                engine.ok ? "" : "  FAILED (exit status)");
    std::printf("  dd bs=1M:    %.3f s, %.0f MiB/s%s\n", ddSeconds, mib / ddSeconds, dd.ok ? "" : "  FAILED (exit status)");
    std::printf("  throughput ratio engine / dd: %.2f\n", ddSeconds / engineSeconds);
    fs::remove_all(out);
    fs::remove(ddOut);
    return engine.ok && dd.ok ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    const BenchSupport::Arguments arguments(argc, argv, "velmora-bench-recover [folder [MiB of the big file [small files]]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "velmora-bench").string());
    const uint64_t size = arguments.Count(2, 1024) << 20;
    const int smallCount = static_cast<int>(arguments.Count(3, 100000));
    fs::create_directories(folder);
    const int small = SmallFiles(folder, smallCount);
    const int large = LargeFile(folder, size);
    return small != 0 ? small : large;
}
