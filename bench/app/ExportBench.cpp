// Export of many small files, timed whole as tsk_recover -e is: per file
// system (FAT32, exFAT, NTFS), an image of N files made by the real tools,
// then in alternating rounds, each process started anew after a sync:
//  - the engine: list the images, walk the volume from its root, recover the
//    found files as one list (DataRecoveryMulti::RecoverData with a list);
//  - the program's export path: the same walk's events into DocumentManager as
//    the program's scan feeds it, everything checked, DocumentManager's export
//    (one engine call per file, as the window and ostrel-bridge make it), with
//    the program's two logs open;
//  - tsk_recover -e over the same image.
// Every recovered tree is compared with the files written, byte for byte.
// Once per image, ostrel-bridge's full scan and export, and the size its log
// and settings folders reach.
//   export-bench [folder [files, default 100000 [file systems, default FAT32,exFAT,NTFS]]]
#include "DocumentManager.h"
#include "QDiskAndVolumeInfo.h"

#include "CuteSettings.h"
#include "NameTable.h"
#include "spdlog_qt.h"
#include "../FoundFiles.h"
#include "../SmallFilesImages.h"

#include "DataRecovery/VelmoraExports.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace BenchSupport;
using namespace SmallFilesImages;

namespace {

constexpr int rounds = 3;

bool SameFileSystem(const std::string& listed, const std::string& wanted)
{
    return strcasecmp(listed.c_str(), wanted.c_str()) == 0;
}

// The image's volume as the engine lists it (VELMORA_DISK_IMAGES is set by main).
bool FindVolume(const std::string& fileSystem, DiskAndVolumeInfo* volume)
{
    for (const auto& record : GetLocalDiskAndVolumeInfo())
        if (SameFileSystem(record.fileSystem, fileSystem)) {
            *volume = record;
            return true;
        }
    std::fprintf(stderr, "export-bench: no %s volume listed\n", fileSystem.c_str());
    return false;
}

// NTFS's own files at the root: tsk_recover leaves them out, so both sides write the same files.
bool IsNtfsMetafile(const DataRecoveryInfo& e)
{
    return e.kind == NtfsFile && e.path && IsNtfsRootMetafile(std::string(e.path, e.pathLength));
}

std::vector<ScanPathInfo> RootOf(const DiskAndVolumeInfo& volume)
{
    return {ScanPathInfo{volume.diskIndex, volume.volIndex, "\\"}};
}

// The engine alone: walk, then one list recovery.
int EngineRun(const std::string& fileSystem, const fs::path& out)
{
    DiskAndVolumeInfo volume;
    if (!FindVolume(fileSystem, &volume))
        return 1;
    FoundFiles found;
    DataRecoveryMulti* engine = CreateDataRecovery({volume}, [&](const DataRecoveryInfo& e) {
        if (e.kind >= NtfsFile && e.kind <= CarvedFile && e.path && !IsNtfsMetafile(e))
            found.Add(e);
    });
    if (!engine)
        return 1;
    engine->Start(RootOf(volume));
    const std::vector<DataRecoveryInfo> records = found.Records();
    return engine->RecoverData(out.string(), records) == 0 && !records.empty() ? 0 : 1;
}

// The program's export path, its logs and settings below home.
int ProgramRun(const std::string& fileSystem, const fs::path& out, const fs::path& home)
{
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    int argc = 1;
    char name[] = "export-bench";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("pelvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Windows Data Recovery"));
    fillNameTable();
    const QString logFolder = CuteSettings::logDirectory();
    startAppLog(logFolder);
    InitVelmoraW(logFolder.toStdWString().c_str(), L"ostrel_windows_data.log");

    DiskAndVolumeInfo listed;
    if (!FindVolume(fileSystem, &listed))
        return 1;
    DocumentManager manager;
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = QStringLiteral("Bench (loop0)");
    manager.resetForScan(target);
    QDiskAndVolumeInfo volume;
    volume.displayName = target.name;
    volume.diskIndex = listed.diskIndex;
    volume.volIndex = listed.volIndex;
    volume.fileSystem = QString::fromStdString(listed.fileSystem);

    DataRecoveryMulti* engine = CreateDataRecovery({listed}, [&](const DataRecoveryInfo& e) {
        if (!IsNtfsMetafile(e))
            manager.onEngineEvent(volume, e);
    });
    if (!engine)
        return 1;
    engine->Start(RootOf(listed));
    manager.waitForIdle(600000);

    std::atomic<bool> completed{false};
    std::atomic<int> errorType{-1};
    QObject::connect(&manager, &DocumentManager::recoveryCompleted, &manager,
                     [&](int type) {
                         errorType = type;
                         completed = true;
                     },
                     Qt::DirectConnection);
    manager.setRecoverFunction([engine](const QString& folder, const DataRecoveryInfo& info) {
        return engine->RecoverData(folder.toStdString(), info);
    });
    manager.selectionDocumentNodeState(Qt::Checked, 1);
    manager.exportAllDocumentsToDisk(QString::fromStdString(out.string()), false);
    while (!completed.load())
        manager.waitForIdle(100);
    ShutdownSpdLog();
    return errorType.load() == 0 ? 0 : 1;
}

void Report(const char* what, const Best& best, const Check& check, uint64_t count)
{
    const double rate = static_cast<double>(check.exact) / best.seconds;
    std::printf("  %-36s %7.3f s  %8.0f files/s  (%llu of %llu byte-exact, %llu wrong, %llu others)%s\n", what,
                best.seconds, rate, static_cast<unsigned long long>(check.exact),
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(check.wrong),
                static_cast<unsigned long long>(check.others), best.ok ? "" : "  FAILED (exit status)");
}

bool BenchOne(const fs::path& folder, const fs::path& tree, const std::string& fileSystem, uint64_t count)
{
    if (!ToolsFor(fileSystem)) {
        std::printf("%s: skipped (needs the tools that make it, root and /dev/fuse for FUSE mounts)\n",
                    fileSystem.c_str());
        return true;
    }
    const fs::path image = folder / (fileSystem + ".img");
    std::fprintf(stderr, "%s: making the image\n", fileSystem.c_str());
    if (!MakeImage(fileSystem, image, tree, count)) {
        std::fprintf(stderr, "export-bench: the %s image could not be made\n", fileSystem.c_str());
        return false;
    }
    Run("cat " + Quote(image) + " > /dev/null");
    setenv("VELMORA_IMAGES_ONLY", "1", 1);
    setenv("VELMORA_DISK_IMAGES", image.c_str(), 1);

    // Room for four trees of count files of one 4 KiB block (and one inode) each, and the file system's own.
    const TargetVolume target(folder, (count * 4 * 4096 * 2 >> 30) + 2);
    const fs::path engineOut = target.Path() / "engine-out";
    const fs::path programOut = target.Path() / "program-out";
    const fs::path tskOut = target.Path() / "tsk-out";
    const fs::path home = target.Path() / "home";
    Best engine, program, tsk;
    for (int round = 0; round < rounds; ++round) {
        std::fprintf(stderr, "%s: round %d\n", fileSystem.c_str(), round + 1);
        fs::remove_all(engineOut);
        Flush();
        engine.Add(TimeChild([&] { return EngineRun(fileSystem, engineOut); }));
        fs::remove_all(programOut);
        fs::remove_all(home);
        Flush();
        program.Add(TimeChild([&] { return ProgramRun(fileSystem, programOut, home); }));
        fs::remove_all(tskOut);
        Flush();
        tsk.Add(TimeCommand("tsk_recover -e " + Quote(image) + " " + Quote(tskOut) + " >/dev/null"));
    }
    const uint64_t homeBytes = TreeBytes(home);

    std::fprintf(stderr, "%s: ostrel-bridge\n", fileSystem.c_str());
    // The real program's path once: ostrel-bridge's whole-volume scan and export.
    const fs::path bridgeOut = target.Path() / "bridge-out";
    const fs::path bridgeHome = target.Path() / "bridge-home";
    fs::remove_all(bridgeOut);
    fs::remove_all(bridgeHome);
    Flush();
    // The image is the only disk listed, and its volume the disk's first (this process lists
    // nothing itself: the children fork from it).
    std::ostringstream bridge;
    bridge << "XDG_DATA_HOME=" << Quote(bridgeHome / "data") << " XDG_CONFIG_HOME=" << Quote(bridgeHome / "config")
           << " " << Quote(fs::path(OSTREL_BRIDGE)) << " scan --disk 0 --volume 0 --export " << Quote(bridgeOut)
           << " >/dev/null";
    const Timed bridgeRun = TimeCommand(bridge.str());
    const Check bridgeCheck = CheckTree(bridgeOut, count);

    std::printf("%s: %llu files of 1-3 KB, page-cached image, best of %d alternating rounds, target %s\n",
                fileSystem.c_str(), static_cast<unsigned long long>(count), rounds, target.Describe().c_str());
    const Check engineCheck = CheckTree(engineOut, count);
    const Check programCheck = CheckTree(programOut, count);
    const Check tskCheck = CheckTree(tskOut, count);
    Report("engine: walk, RecoverData(list)", engine, engineCheck, count);
    Report("program: walk, DocumentManager export", program, programCheck, count);
    Report("tsk_recover -e", tsk, tskCheck, count);
    const double tskRate = static_cast<double>(tskCheck.exact) / tsk.seconds;
    std::printf("  files/s against tsk_recover -e: engine %.2f, program %.2f\n",
                static_cast<double>(engineCheck.exact) / engine.seconds / tskRate,
                static_cast<double>(programCheck.exact) / program.seconds / tskRate);
    std::printf("  program's log and settings folders after the export: %.1f KB\n", homeBytes / 1e3);
    std::printf("  ostrel-bridge, whole-volume scan (raw search included) and export, once: %.3f s, %llu byte-exact, "
                "log and settings %.1f KB%s\n",
                bridgeRun.seconds, static_cast<unsigned long long>(bridgeCheck.exact),
                TreeBytes(bridgeHome) / 1e3, bridgeRun.ok ? "" : "  FAILED (exit status)");
    const bool ok = engine.ok && program.ok && tsk.ok && bridgeRun.ok && engineCheck.exact == count &&
                    programCheck.exact == count && tskCheck.exact == count && bridgeCheck.exact == count &&
                    engineCheck.wrong + programCheck.wrong + bridgeCheck.wrong == 0;
    for (const auto& path : {engineOut, programOut, tskOut, home, bridgeOut, bridgeHome, image})
        fs::remove_all(path);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    const Arguments arguments(argc, argv, "export-bench [folder [files [FAT32,exFAT,NTFS]]]");
    const fs::path folder = arguments.Text(1, (fs::temp_directory_path() / "ostrel-export-bench").string());
    const uint64_t count = arguments.Count(2, 100000);
    std::string systems = arguments.Text(3, "FAT32,exFAT,NTFS");
    if (!Run("command -v tsk_recover >/dev/null")) {
        std::printf("export-bench: needs tsk_recover (sleuthkit)\n");
        return 0;
    }
    fs::create_directories(folder);
    const fs::path tree = MakeTree("ostrel-export-bench-files", count);
    bool ok = true;
    std::stringstream list(systems);
    for (std::string fileSystem; std::getline(list, fileSystem, ',');)
        ok = BenchOne(folder, tree, fileSystem, count) && ok;
    fs::remove_all(tree);
    return ok ? 0 : 1;
}
