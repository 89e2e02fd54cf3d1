// 1,000,000 synthetic found-file events through the document manager's intake,
// against the same paths put into a plain hash map of folders (the peer).
#include "DocumentManager.h"
#include "QDiskAndVolumeInfo.h"

#include "NameTable.h"
#include "../BenchSupport.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QCoreApplication>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

struct Event {
    std::string path;
    std::vector<DataRun> runs;
    uint64_t size;
    int64_t time;
    uint8_t deleted;
};

// Realistic names for every type, in folders of a deep tree.
std::vector<Event> makeEvents(int count, int folders)
{
    static const char* const extensions[] = {"jpg", "JPG", "png", "cr2", "heic", "mp4", "mov", "mkv", "mp3", "flac",
                                             "wav", "docx", "xlsx", "pdf", "txt", "pst", "eml", "zip", "7z", "tar.gz",
                                             "exe", "dat", "bin", "",    "log"};
    static const char* const words[] = {"Users", "ann", "Documents", "Pictures", "2019", "Holiday", "Projects",
                                        "Reports", "Music", "Albums", "Video", "Camera", "Downloads", "Backup",
                                        "Work", "Taxes", "Archive", "Mail", "Desktop", "Scans"};
    std::mt19937_64 random(42);
    std::vector<std::string> folderPaths;
    folderPaths.reserve(folders);
    for (int i = 0; i < folders; ++i) {
        std::string path;
        const int depth = 2 + int(random() % 4);
        for (int d = 0; d < depth; ++d)
            path += std::string("\\") + words[random() % std::size(words)];
        path += "\\f" + std::to_string(i);
        folderPaths.push_back(path);
    }
    std::vector<Event> events(count);
    for (int i = 0; i < count; ++i) {
        Event& e = events[i];
        const std::string& folder = folderPaths[random() % folderPaths.size()];
        const char* extension = extensions[random() % std::size(extensions)];
        std::string name = "IMG_" + std::to_string(random() % 100000) + "_" + std::to_string(i);
        const size_t target = 40 + random() % 81;
        if (folder.size() + name.size() + 6 < target)
            name += std::string(target - folder.size() - name.size() - 6, 'x');
        e.path = folder + "\\" + name + (*extension ? std::string(".") + extension : std::string());
        const int runs = 1 + int(random() % 3);
        for (int r = 0; r < runs; ++r)
            e.runs.push_back({(random() % 1000000) * 4096, (1 + random() % 256) * 4096});
        e.size = e.runs.front().length;
        e.time = 1200000000 + int64_t(random() % 500000000);
        e.deleted = random() % 3 == 0;
    }
    return events;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    fillNameTable();
    const BenchSupport::Arguments arguments(argc, argv, "model_intake [events]");
    const int count = static_cast<int>(arguments.Count(1, 1000000));
    const std::vector<Event> events = makeEvents(count, 20000);

    // Peer: the same paths by folder in a plain hash map.
    const auto peerStart = Clock::now();
    {
        std::unordered_map<std::string, std::vector<const void*>> folders;
        for (const Event& e : events)
            folders[e.path.substr(0, e.path.rfind('\\'))].push_back(&e);
    }
    const double peerSeconds = std::chrono::duration<double>(Clock::now() - peerStart).count();

    DocumentManager manager;
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = QStringLiteral("Data (sdb1)");
    manager.resetForScan(target);
    QDiskAndVolumeInfo volume;
    volume.displayName = target.name;
    volume.volumeLetter = QStringLiteral("/media/data");
    volume.volumePath = QStringLiteral("/dev/sdb1");
    malloc_trim(0);
    const long residentBefore = residentBytes();
    const size_t heapBefore = mallinfo2().uordblks;

    std::atomic<bool> reading{true};
    std::atomic<long long> worstDelayUs{0};
    std::thread reader([&] {
        while (reading.load()) {
            const auto start = Clock::now();
            (void)manager.totalFoundSummaryText();
            const long long us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            if (us > worstDelayUs.load())
                worstDelayUs.store(us);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    quint64 peakQueued = 0;
    int peakEvents = 0;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        const Event& e = events[i];
        DataRecoveryInfo info = MakeDataRecoveryInfo(NtfsFile);
        info.fileSize = e.size;
        info.modifyTime = e.time;
        info.runs = e.runs.data();
        info.runCount = uint8_t(e.runs.size());
        info.path = e.path.c_str();
        info.pathLength = uint16_t(e.path.size());
        info.deletedState = e.deleted;
        manager.onEngineEvent(volume, info);
        if ((i & 0xFFF) == 0) {
            const int queued = manager.queuedEventCount();
            if (queued > peakEvents) {
                peakEvents = queued;
                peakQueued = manager.queuedEventBytes();
            }
        }
    }
    while (manager.totalFoundSizeAndCount().second < quint64(count))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    // The engine ends every scan with a finish event; the model then compacts its trees.
    DataRecoveryInfo finish = MakeDataRecoveryInfo(ScanFinished);
    finish.progress = 1.0;
    manager.onEngineEvent(volume, finish);
    manager.waitForIdle(60000);
    reading = false;
    reader.join();
    malloc_trim(0);
    const long residentAfter = residentBytes();
    const size_t heapAfter = mallinfo2().uordblks;

    std::printf("model_intake: %d found-file events, 20000 folders, 1-3 runs\n", count);
    std::printf("  events per second:            %.0f (%.3f s)\n", count / seconds, seconds);
    std::printf("  peer unordered_map insert:    %.0f per second (%.3f s); model/peer time %.2fx\n",
                count / peerSeconds, peerSeconds, seconds / peerSeconds);
    std::printf("  resident bytes per found file: %.1f (after the finish event's compaction)\n",
                double(residentAfter - residentBefore) / count);
    std::printf("  peak queue: %d events, %.1f bytes per queued event (model's estimate %llu bytes)\n", peakEvents,
                peakEvents ? double(peakQueued) / peakEvents : 0.0,
                static_cast<unsigned long long>(manager.peakQueuedEventBytes()));
    std::printf("  heap bytes in use per file:   %.1f (main arena only)\n", double(heapAfter - heapBefore) / count);
    quint64 recordBytes = 0;
    const QVector<DocumentInfo*> records = manager.allFileRecords();
    for (DocumentInfo* record : records)
        recordBytes += malloc_usable_size(record);
    std::printf("  record block bytes per file:  %.1f (usable size, both trees' entries not included)\n",
                double(recordBytes) / qMax(1, records.size()));
    std::printf("  largest reader delay:         %.3f ms\n", worstDelayUs.load() / 1000.0);
    manager.clearDocumentCache();
    return 0;
}
