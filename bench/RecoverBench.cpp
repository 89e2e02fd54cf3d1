// Recovers one contiguous file from a page-cached image through the exported
// interface and compares the rate with dd bs=1M over the same bytes.
//   velmora-bench-recover [folder] [size in MiB, default 1024]
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/VelmoraExports.h"
#include "Disk/DiskTable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

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

}

int main(int argc, char** argv)
{
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "velmora-bench";
    const uint64_t size = (argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1024) << 20;
    fs::create_directories(folder);
    const std::string image = (folder / "source.img").string();
    if (!fs::exists(image) || fs::file_size(image) != size)
        MakeImage(image, size);
    std::system(("cat '" + image + "' > /dev/null").c_str()); // into the page cache

    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    VolumeInfoItem volume;
    volume.devicePath = image;
    volume.fileSystem = "FAT32";
    volume.length = size;
    disk.volumes.push_back(volume);
    DiskTable::Replace({disk});
    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.endOffset = size;

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
    std::system(("dd if='" + image + "' of='" + ddOut + "' bs=1M status=none").c_str());
    const double ddSeconds = Seconds(started);

    const double mib = static_cast<double>(size) / (1 << 20);
    std::printf("file: %.0f MiB contiguous, page-cached source, target %s\n", mib, folder.c_str());
    std::printf("RecoverData: %.3f s, %.0f MiB/s\n", engineSeconds, mib / engineSeconds);
    std::printf("dd bs=1M:    %.3f s, %.0f MiB/s\n", ddSeconds, mib / ddSeconds);
    std::printf("ratio: %.2f\n", ddSeconds / engineSeconds);
    fs::remove_all(out);
    fs::remove(ddOut);
    return 0;
}
