// The program's export of many small files: a FAT32 image (mkfs.fat, mcopy)
// is listed and scanned through the engine's exported interface, its found
// files go into the document manager as the program's scan puts them, and the
// checked files are exported through DocumentManager's export (one engine call
// per file, as the program makes it). Peers in the same run: the engine's
// RecoverData over the same records called directly, and tsk_recover -a.
//   export-bench [folder] [files, default 10000]
#include "DocumentManager.h"
#include "QDiskAndVolumeInfo.h"

#include "NameTable.h"
#include "../BenchSupport.h"

#include "DataRecovery/VelmoraExports.h"

#include <QCoreApplication>

#include <atomic>
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

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool run(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

size_t filesBelow(const fs::path& folder)
{
    size_t count = 0;
    if (fs::exists(folder))
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            count += entry.is_regular_file() ? 1 : 0;
    return count;
}

struct Found {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    fillNameTable();
    const BenchSupport::Arguments arguments(argc, argv, "export-bench [folder [files]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "ostrel-export-bench").string());
    const int count = static_cast<int>(arguments.Count(2, 10000));
    if (!run("command -v mkfs.fat >/dev/null && command -v mcopy >/dev/null && command -v tsk_recover >/dev/null")) {
        std::printf("export-bench: needs mkfs.fat, mcopy (mtools) and tsk_recover\n");
        return 0;
    }
    fs::remove_all(folder);
    fs::create_directories(folder / "files");
    for (int i = 0; i < count; ++i) {
        const fs::path dir = folder / "files" / ("d" + std::to_string(i % 100));
        fs::create_directories(dir);
        std::ofstream out(dir / ("f" + std::to_string(i) + ".bin"), std::ios::binary);
        const size_t size = 1024 + static_cast<size_t>(i * 7919) % 2048;
        for (size_t k = 0; k < size; ++k)
            out.put(static_cast<char>((k * 31 + i) & 0xFF));
    }
    const std::string image = (folder / "fat.img").string();
    if (!run("truncate -s 256M '" + image + "' && mkfs.fat -F 32 '" + image + "' >/dev/null && mcopy -s -i '" + image +
             "' '" + (folder / "files").string() + "' ::/ ")) {
        std::fprintf(stderr, "export-bench: the FAT32 image could not be made\n");
        return 1;
    }
    run("cat '" + image + "' > /dev/null");

    setenv("VELMORA_IMAGES_ONLY", "1", 1);
    setenv("VELMORA_DISK_IMAGES", image.c_str(), 1);
    std::vector<DiskAndVolumeInfo> volumes;
    for (const auto& volume : GetLocalDiskAndVolumeInfo())
        if (volume.fileSystem.find("FAT32") != std::string::npos)
            volumes.push_back(volume);
    if (volumes.size() != 1) {
        std::fprintf(stderr, "export-bench: the listing holds %zu FAT32 volumes\n", volumes.size());
        return 1;
    }

    DocumentManager manager;
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = QStringLiteral("Bench (loop0)");
    manager.resetForScan(target);
    QDiskAndVolumeInfo volume;
    volume.displayName = target.name;
    volume.diskIndex = volumes[0].diskIndex;
    volume.volIndex = volumes[0].volIndex;
    volume.fileSystem = QStringLiteral("FAT32");

    std::mutex mutex;
    std::vector<std::unique_ptr<Found>> found;
    std::atomic<bool> intake{true};
    std::atomic<bool> toModel{true}; // the direct peer's events stay out of the model
    DataRecoveryMulti* engine = CreateDataRecovery(volumes, [&](const DataRecoveryInfo& e) {
        // Recovery events reach the model as the program's bridge hands them on;
        // of the scan, the live files of the structure scan and its end.
        if (!intake.load() || e.kind == ScanFinished) {
            if (toModel.load())
                manager.onEngineEvent(volume, e);
            return;
        }
        if (e.kind != Fat32File || e.deletedState != 0 || e.runCount == 0 || !e.path ||
            std::string(e.path, e.pathLength).find(".bin") == std::string::npos)
            return;
        auto file = std::make_unique<Found>();
        file->path.assign(e.path, e.pathLength);
        file->runs.assign(e.runs, e.runs + e.runCount);
        file->record = e;
        file->record.path = file->path.c_str();
        file->record.runs = file->runs.data();
        manager.onEngineEvent(volume, e);
        std::lock_guard lock(mutex);
        found.push_back(std::move(file));
    });
    if (!engine) {
        std::fprintf(stderr, "export-bench: no engine object\n");
        return 1;
    }
    engine->Start();
    intake = false;
    manager.waitForIdle(600000);
    if (found.size() != static_cast<size_t>(count)) {
        std::fprintf(stderr, "export-bench: the scan found %zu of %d files\n", found.size(), count);
        return 1;
    }
    manager.setAllCheckStates(manager.allFileRecords(), Qt::Checked, false, false);
    manager.waitForIdle(600000);

    // The program's export.
    std::atomic<bool> completed{false};
    QObject::connect(&manager, &DocumentManager::recoveryCompleted, &manager,
                     [&](int, const QString&, int) { completed = true; }, Qt::DirectConnection);
    manager.setRecoverFunction([engine](const QString& out, const DataRecoveryInfo& info) {
        return engine->RecoverData(out.toStdString(), info);
    });
    const fs::path bridgeOut = folder / "bridge-out";
    auto start = Clock::now();
    manager.exportAllDocumentsToDisk(QString::fromStdString(bridgeOut.string()), false);
    while (!completed.load())
        manager.waitForIdle(100);
    const double bridgeSeconds = secondsSince(start);
    const size_t bridgeFiles = filesBelow(bridgeOut);

    // Peer 1: the engine called directly over the same records.
    toModel = false;
    const fs::path engineOut = folder / "engine-out";
    start = Clock::now();
    for (const auto& file : found)
        engine->RecoverData(engineOut.string(), file->record);
    const double engineSeconds = secondsSince(start);
    manager.setRecoverFunction({});
    ReleaseDataRecovery(engine);

    // Peer 2: The Sleuth Kit.
    const fs::path tskOut = folder / "tsk-out";
    start = Clock::now();
    run("tsk_recover -a '" + image + "' '" + tskOut.string() + "' >/dev/null");
    const double tskSeconds = secondsSince(start);
    const size_t tskFiles = filesBelow(tskOut);

    std::printf("export-bench: %d files of 1-3 KB on a page-cached FAT32 image\n", count);
    std::printf("  DocumentManager export:  %.3f s, %.0f files/s (%zu files written)\n", bridgeSeconds,
                bridgeFiles / bridgeSeconds, bridgeFiles);
    std::printf("  engine RecoverData loop: %.3f s, %.0f files/s\n", engineSeconds, count / engineSeconds);
    std::printf("  tsk_recover -a:          %.3f s, %.0f files/s (%zu files)\n", tskSeconds, tskFiles / tskSeconds,
                tskFiles);
    manager.clearDocumentCache();
    fs::remove_all(folder);
    return bridgeFiles == static_cast<size_t>(count) ? 0 : 1;
}
