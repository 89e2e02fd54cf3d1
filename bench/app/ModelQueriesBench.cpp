// Queries over 1,000,000 found files in the document manager: sort by name,
// search, filter re-evaluation and select all, each printed next to its peer
// (GNU sort -V and grep over the same names, awk over the same records' type,
// size and time for the filter and for select all's pass) measured in the same run.
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

void report(const char* what, double ours, double peer, const char* peerName, const char* target)
{
    std::printf("%-28s %8.3f s   %-34s %8.3f s   ratio %5.2f (target %s)\n", what, ours, peerName, peer,
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
    // extension, size, modification time, deleted: what the filter and select all look at.
    const QString recordsFile = dir.filePath("records.tsv");
    std::ofstream recordsOut(recordsFile.toStdString());
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
        recordsOut << extension << '\t' << info.fileSize << '\t' << info.modifyTime << '\t'
                   << int(info.deletedState) << '\n';
        manager.onEngineEvent(volume, info);
    }
    names.close();
    recordsOut.close();
    manager.waitForIdle(600000);
    std::printf("intake done: %llu files\n", manager.totalFoundSizeAndCount().second);

    QVector<DocumentInfo*> records = manager.allFileRecords();
    auto start = Clock::now();
    sortDocuments(records, 0, Qt::AscendingOrder);
    const double sortOurs = secondsSince(start);
    const double sortPeer = timeShell(QStringLiteral("LC_ALL=C sort -V --parallel=%1 %2 > /dev/null").arg(cores).arg(namesFile));
    report("sort by name", sortOurs, sortPeer, "LC_ALL=C sort -V --parallel", "ratio <= 1.0");

    start = Clock::now();
    manager.startDocumentSearch("2", QSharedPointer<QAtomicInteger<bool>>::create(false));
    manager.waitForIdle(600000);
    const double searchOurs = secondsSince(start);
    const double searchPeer = timeShell(QStringLiteral("grep -ic 2 %1 > /dev/null").arg(namesFile));
    report("search \"2\"", searchOurs, searchPeer, "grep -ic 2", "ratio <= 3.0");

    FileFilterManager* filters = FileFilterManager::instance();
    filters->setFileTypeFilter(0x1 | 0x8, {});
    filters->setModifiedDateFilter(5, 0, 4102444800000LL);
    filters->setFileSizeFilter(6, 1024, 1 << 21);
    filters->setExclusionFlags(0xF);
    start = Clock::now();
    manager.setFilterCriteriaUpdated(1);
    manager.waitForIdle(600000);
    const double filterOurs = secondsSince(start);
    // The same kind of test per record: a type among a set, a size range, a time bound, not deleted.
    const double filterPeer = timeShell(
        QStringLiteral("awk -F'\\t' '($1==\"jpg\"||$1==\"png\"||$1==\"docx\"||$1==\"pdf\"||$1==\"txt\") && "
                       "$2>=1024 && $2<=2097152 && $3<=4102444800000 && $4==0 {n++} END {print n+0}' %1 > /dev/null")
            .arg(recordsFile));
    report("filter re-evaluation", filterOurs, filterPeer, "awk over type, size, time", "<= 1 s on 16 cores");

    start = Clock::now();
    manager.selectionDocumentNodeState(Qt::Checked, 1);
    manager.waitForIdle(600000);
    const double selectOurs = secondsSince(start);
    // One pass over every record adding its size and count, as checking everything totals them.
    const double selectPeer = timeShell(
        QStringLiteral("awk -F'\\t' '{s+=$2; n++} END {print s, n}' %1 > /dev/null").arg(recordsFile));
    report("select all", selectOurs, selectPeer, "awk summing size and count", "<= 1 s on 16 cores");
    std::printf("select all checked %llu files\n", manager.selectedSizeAndCount().second);
    manager.shutdown();
    return 0;
}
