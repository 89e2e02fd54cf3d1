// The cost of a preview of a large NTFS-compressed file (written by ntfs-3g
// in a compressed folder) against its peers in the same run: the whole file
// decoded by RecoverData, and ntfscat's first bytes (`ntfscat | head -c`).
// Bytes are those the engine asked of its reader and the process's read calls.
// The preview and ntfscat are timed alike: each a fresh process that opens the
// volume and reads the first bytes (ours from the record the probe's scan
// printed, as the program holds it after a scan), best of three alternating rounds.
//   velmora-bench-preview [folder] [file MiB, default 2048] [preview bytes, default 65536]
#include "BenchSupport.h"

#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/VelmoraContainer.h"
#include "Disk/DiskTable.h"
#include "Utils/PartReader.h"
#include "Utils/ReaderBuffer.h"

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using BenchSupport::Seconds;
using BenchSupport::Run;
using BenchSupport::ReadCalls;

// Text that LZNT1 shrinks to about a third: numbered lines of words.
bool WriteText(const fs::path& path, uint64_t size)
{
    std::ofstream out(path, std::ios::binary);
    std::string block;
    for (uint64_t line = 0; block.size() < (1u << 20); ++line)
        block += "line " + std::to_string(line * 2654435761u % 1000003) + " of the cluster preview volume\n";
    block.resize(1u << 20);
    for (uint64_t done = 0; done < size && out; done += block.size()) {
        std::rotate(block.begin(), block.begin() + 4097, block.end());
        out.write(block.data(), static_cast<std::streamsize>(std::min<uint64_t>(block.size(), size - done)));
    }
    return static_cast<bool>(out);
}

// The found file named name, as velmora-probe's scan of the image prints it.
struct ProbedFile {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record{};
};

bool ProbeScan(const std::string& probe, const std::string& image, const std::string& name, ProbedFile* file)
{
    FILE* pipe = popen(("VELMORA_DISK_IMAGES='" + image + "' VELMORA_IMAGES_ONLY=1 '" + probe +
                        "' scan --disk 0 --volume 0 --path '\\' 2>/dev/null")
                           .c_str(),
                       "r");
    if (!pipe)
        return false;
    std::string text;
    char chunk[1 << 16];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        text.append(chunk, n);
    const bool ran = pclose(pipe) == 0;
    for (size_t start = 0, end; ran && start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const auto line = nlohmann::json::parse(text.begin() + start, text.begin() + end, nullptr, false);
        if (!line.is_object() || line.value("kind", "") != "NtfsFile" ||
            line.value("path", "").find(name) == std::string::npos)
            continue;
        file->path = line["path"].get<std::string>();
        for (const auto& run : line["runs"])
            file->runs.push_back({run[0].get<uint64_t>(), run[1].get<uint64_t>()});
        auto& r = file->record;
        r = MakeDataRecoveryInfo(NtfsFile);
        r.fileSize = line["fileSize"].get<uint64_t>();
        r.nodeId = line["nodeId"].get<uint32_t>();
        r.runs = file->runs.data();
        r.runCount = static_cast<uint8_t>(file->runs.size());
        r.path = file->path.c_str();
        r.pathLength = static_cast<uint16_t>(file->path.size());
        return true;
    }
    return false;
}

}

int main(int argc, char** argv)
{
    const BenchSupport::Arguments arguments(argc, argv, "velmora-bench-preview [folder [MiB of text [room]]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "velmora-bench-preview").string());
    const uint64_t size = arguments.Count(2, 2048) << 20;
    const size_t room = arguments.Count(3, 65536);
    if (::geteuid() != 0 || !Run("command -v mkntfs >/dev/null && command -v ntfs-3g >/dev/null && "
                                 "command -v ntfscat >/dev/null && command -v python3 >/dev/null")) {
        std::printf("preview: skipped (needs root, mkntfs, ntfs-3g, ntfscat and python3)\n");
        return 0;
    }
    fs::create_directories(folder / "mnt");
    const std::string image = (folder / "compressed.img").string();
    const std::string mount = (folder / "mnt").string();
    const fs::path text = folder / "big.txt";
    if (!WriteText(text, size))
        return 1;
    const uint64_t imageSize = size + (256u << 20);
    const std::string setCompressed =
        "python3 -c \"import os,sys; p=sys.argv[1]; a=int.from_bytes(os.getxattr(p,'system.ntfs_attrib_be'),'big'); "
        "os.setxattr(p,'system.ntfs_attrib_be',(a|0x800).to_bytes(4,'big'))\" '" + mount + "/c'";
    if (!Run("truncate -s 0 '" + image + "' && truncate -s " + std::to_string(imageSize) + " '" + image +
             "' && mkntfs -F -q -Q -c 4096 '" + image + "' >/dev/null 2>&1") ||
        !Run("ntfs-3g '" + image + "' '" + mount + "'")) {
        std::fprintf(stderr, "preview: the NTFS image could not be made\n");
        return 1;
    }
    const bool written = Run("mkdir '" + mount + "/c'") && Run(setCompressed) &&
                         Run("cp '" + text.string() + "' '" + mount + "/c/big.txt'");
    if (!Run("umount '" + mount + "'") || !written) {
        std::fprintf(stderr, "preview: the compressed file could not be written\n");
        return 1;
    }
    fs::remove(text);
    Run("cat '" + image + "' > /dev/null");

    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskSize = imageSize;
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.fileSystem = "NTFS";
    volume.length = imageSize;
    disk.volumes.push_back(volume);
    DiskTable::Replace({disk});
    DiskAndVolumeInfo info;
    info.diskName = info.volumePath = image;
    info.volumeLetter = "X:\\";
    info.fileSystem = "NTFS";
    info.endOffset = info.deviceSize = imageSize;

    std::mutex mutex;
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo file{};
    // Timed alike, before this process starts an engine thread of its own.
    const std::string probe = (fs::path(argv[0]).parent_path() / ".." / "tools" / "velmora-probe").string();
    ProbedFile probed;
    if (!ProbeScan(probe, image, "big.txt", &probed) || probed.record.fileSize != size) {
        std::fprintf(stderr, "preview: velmora-probe's scan did not find the compressed file\n");
        return 1;
    }
    BenchSupport::Best fresh, ntfscat;
    for (int round = 0; round < 3; ++round) {
        BenchSupport::Flush();
        fresh.Add(BenchSupport::TimeChild([&] {
            DataRecoveryMultiImpl engine({info}, [](const DataRecoveryInfo&) {});
            std::vector<char> memory(room);
            size_t got = room;
            return engine.RecoverToMemory(memory.data(), &got, probed.record) == 0 && got == room ? 0 : 1;
        }));
        BenchSupport::Flush();
        // ntfscat ends by SIGPIPE once head has its bytes: that is its success here.
        ntfscat.Add(BenchSupport::TimeCommand("bash -c \"ntfscat '" + image + "' /c/big.txt 2>/dev/null | head -c " +
                                              std::to_string(room) +
                                              " > /dev/null; s=\\${PIPESTATUS[0]}; [ \\$s = 0 ] || [ \\$s = 141 ]\""));
    }

    DataRecoveryMultiImpl engine({info}, [&](const DataRecoveryInfo& e) {
        if (e.kind != NtfsFile || !e.path || std::string(e.path, e.pathLength).find("big.txt") == std::string::npos)
            return;
        std::lock_guard lock(mutex);
        path.assign(e.path, e.pathLength);
        runs.assign(e.runs, e.runs + e.runCount);
        file = e;
    });
    engine.Start();
    file.path = path.c_str();
    file.runs = runs.data();
    if (file.fileSize != size) {
        std::fprintf(stderr, "preview: the scan did not find the compressed file\n");
        return 1;
    }
    const auto buffer = engine.FindContainer(0, 0)->GetPartReader()->LockReaderBuffer();

    std::vector<char> memory(room);
    size_t got = room;
    uint64_t asked = buffer->GetStatistics().bytesAsked;
    const uint64_t device = buffer->GetStatistics().bytesRead;
    uint64_t calls = ReadCalls();
    auto started = std::chrono::steady_clock::now();
    if (engine.RecoverToMemory(memory.data(), &got, file) != 0 || got != room) {
        std::fprintf(stderr, "preview: RecoverToMemory failed\n");
        return 1;
    }
    const double previewSeconds = Seconds(started);
    const uint64_t previewAsked = buffer->GetStatistics().bytesAsked - asked;
    const uint64_t previewCalls = ReadCalls() - calls;
    const uint64_t previewDevice = buffer->GetStatistics().bytesRead - device;

    const fs::path out = folder / "out";
    fs::remove_all(out);
    asked = buffer->GetStatistics().bytesAsked;
    started = std::chrono::steady_clock::now();
    if (engine.RecoverData(out.string(), file) != 0) {
        std::fprintf(stderr, "preview: RecoverData failed\n");
        return 1;
    }
    const double wholeSeconds = Seconds(started);
    const uint64_t wholeAsked = buffer->GetStatistics().bytesAsked - asked;


    std::printf("preview: %zu bytes of a %.0f MiB NTFS-compressed file (%.1f MiB on disk)\n", room,
                static_cast<double>(size) / (1 << 20), static_cast<double>(wholeAsked) / (1 << 20));
    std::printf("  fresh processes timed whole (start, volume open, first bytes), best of 3 alternating rounds:\n");
    std::printf("    RecoverToMemory:       %.4f s%s\n", fresh.seconds, fresh.ok ? "" : "  FAILED (exit status)");
    std::printf("    ntfscat | head -c %zu: %.4f s%s\n", room, ntfscat.seconds, ntfscat.ok ? "" : "  FAILED (exit status)");
    std::printf("  in this process, volume open and scanned:\n");
    std::printf("  RecoverToMemory:         %.4f s, %llu bytes asked of the reader, %llu read from the device, "
                "%llu by read calls (rchar)\n",
                previewSeconds, static_cast<unsigned long long>(previewAsked),
                static_cast<unsigned long long>(previewDevice), static_cast<unsigned long long>(previewCalls));
    std::printf("  RecoverData, whole file: %.3f s, %llu bytes asked of the reader\n", wholeSeconds,
                static_cast<unsigned long long>(wholeAsked));
    fs::remove_all(out);
    fs::remove(image);
    return fresh.ok && ntfscat.ok ? 0 : 1;
}
