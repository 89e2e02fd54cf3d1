// Queries over 1,000,000 found files in the document manager: sort by name,
// search, filter re-evaluation and select all, each printed next to its peer
// (GNU sort -V and grep over the same names) measured in the same run.
#include "DocumentComparator.h"
#include "DocumentManager.h"
#include "FileFilterManager.h"
#include "QDiskAndVolumeInfo.h"

#include "NameTable.h"
#include "../BenchSupport.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double timeShell(const QString& command)
{
    const auto start = Clock::now();
    QProcess::execute("sh", {"-c", command});
    return secondsSince(start);
}

void report(const char* what, double ours, double peer, const char* peerName, double target)
{
    std::printf("%-28s %8.3f s   %-34s %8.3f s   ratio %5.2f (target <= %.1f)\n", what, ours, peerName, peer,
                peer > 0 ? ours / peer : 0.0, target);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    fillNameTable();
    const BenchSupport::Arguments arguments(argc, argv, "model_queries [records]");
    const int count = static_cast<int>(arguments.Count(1, 1000000));
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::printf("records %d, cores %u\n", count, cores);

    QTemporaryDir dir;
    const QString namesFile = dir.filePath("names.txt");
    std::ofstream names(namesFile.toStdString());
    DocumentManager manager;
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = "Bench (sdb1)";
    manager.resetForScan(target);
    QDiskAndVolumeInfo volume;
    volume.displayName = "Bench (sdb1)";
    volume.volumeLetter = "/media/bench";
    volume.volumePath = "/dev/sdb1";
    static const char* const extensions[] = {"jpg", "png", "mp4", "mp3", "docx", "pdf", "txt", "zip", "dat", ""};
    static const char* const words[] = {"Users", "ann", "Documents", "Pictures", "2019", "Holiday", "Windows",
                                        "Temp", "Music", "Camera", "Backup", "Scans"};
    std::mt19937_64 random(7);
    std::vector<DataRun> runs{{4096, 4096}};
    for (int i = 0; i < count; ++i) {
        std::string path;
        const int depth = 1 + int(random() % 3);
        for (int d = 0; d < depth; ++d)
            path += std::string("\\") + words[random() % std::size(words)] + std::to_string(random() % 40);
        const char* extension = extensions[random() % std::size(extensions)];
        const std::string name = "IMG_" + std::to_string(random() % 100000) + "_" + std::to_string(i)
                                 + (*extension ? std::string(".") + extension : std::string());
        path += "\\" + name;
        names << name << '\n';
        DataRecoveryInfo info = MakeDataRecoveryInfo(NtfsFile);
        info.fileSize = random() % (1 << 22);
        info.modifyTime = 120000000000000000LL + int64_t(random() % 100000000000000000LL);
        info.runs = runs.data();
        info.runCount = 1;
        info.path = path.c_str();
        info.pathLength = uint16_t(path.size());
        info.deletedState = random() % 3 == 0;
        manager.onEngineEvent(volume, info);
    }
    names.close();
    manager.waitForIdle(600000);
    std::printf("intake done: %llu files\n", manager.totalFoundSizeAndCount().second);

    QVector<DocumentInfo*> records = manager.allFileRecords();
    auto start = Clock::now();
    sortDocuments(records, 0, Qt::AscendingOrder);
    const double sortOurs = secondsSince(start);
    const double sortPeer = timeShell(QStringLiteral("LC_ALL=C sort -V --parallel=%1 %2 > /dev/null").arg(cores).arg(namesFile));
    report("sort by name", sortOurs, sortPeer, "LC_ALL=C sort -V --parallel", 1.0);

    start = Clock::now();
    manager.startDocumentSearch("2", QSharedPointer<QAtomicInteger<bool>>::create(false));
    manager.waitForIdle(600000);
    const double searchOurs = secondsSince(start);
    const double searchPeer = timeShell(QStringLiteral("grep -ic 2 %1 > /dev/null").arg(namesFile));
    report("search \"2\"", searchOurs, searchPeer, "grep -ic 2", 3.0);

    FileFilterManager* filters = FileFilterManager::instance();
    filters->setFileTypeFilter(0x1 | 0x8, {});
    filters->setModifiedDateFilter(5, 0, 4102444800000LL);
    filters->setFileSizeFilter(6, 1024, 1 << 21);
    filters->setExclusionFlags(0xF);
    start = Clock::now();
    manager.setFilterCriteriaUpdated(1);
    manager.waitForIdle(600000);
    std::printf("%-28s %8.3f s   (target <= 1 s on 16 cores)\n", "filter re-evaluation", secondsSince(start));

    start = Clock::now();
    manager.selectionDocumentNodeState(Qt::Checked, 1);
    manager.waitForIdle(600000);
    std::printf("%-28s %8.3f s   (target <= 1 s on 16 cores), %llu checked\n", "select all", secondsSince(start),
                manager.selectedSizeAndCount().second);
    manager.shutdown();
    return 0;
}
