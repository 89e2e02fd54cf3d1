// The results views fed through the found-file model's intake from a thread at
// full speed (no engine): GUI event-loop gaps, queued flushes, time to the last
// row, folder-tree insertion and sorting against peers in the same process,
// and resident memory per row.
#include "DocumentManager.h"
#include "FileBrowserModel.h"
#include "FileBrowserProxyModel.h"
#include "FileSystemPathNavigato.h"
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeProxyModel.h"
#include "FileSystemPathTreeView.h"
#include "FileTreeNodeObserverRegistry.h"
#include "ImageResources.h"
#include "NaturalOrder.h"
#include "QDiskAndVolumeInfo.h"
#include "TreeEventBatcher.h"

#include "NameTable.h"
#include "../BenchSupport.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTimer>
#include <QTreeView>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

// Allocated heap, with the blocks glibc serves by mmap (large vectors) counted too.
size_t heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

QDiskAndVolumeInfo benchVolume()
{
    QDiskAndVolumeInfo volume;
    volume.displayName = QStringLiteral("Data (sdb1)");
    volume.volumeLetter = QStringLiteral("/media/data");
    volume.volumePath = QStringLiteral("/dev/sdb1");
    return volume;
}

std::unique_ptr<DocumentManager> newManager()
{
    auto manager = std::make_unique<DocumentManager>();
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = QStringLiteral("Data (sdb1)");
    manager->resetForScan(target);
    return manager;
}

void sendFile(DocumentManager& manager, const QDiskAndVolumeInfo& volume, const std::string& path)
{
    static const DataRun run{4096, 4096};
    DataRecoveryInfo info = MakeDataRecoveryInfo(NtfsFile);
    info.fileSize = 4096;
    info.modifyTime = 1600000000;
    info.runs = &run;
    info.runCount = 1;
    info.path = path.c_str();
    info.pathLength = uint16_t(path.size());
    manager.onEngineEvent(volume, info);
}

// A 1 ms timer's largest interval while the loop runs until done() holds.
struct LoopWatch {
    qint64 worstGapMs = 0;
    void runUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer tick;
        tick.setInterval(1);
        QEventLoop loop;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            worstGapMs = std::max(worstGapMs, now - last);
            last = now;
            if (done())
                loop.quit();
        });
        tick.start();
        loop.exec();
    }
};

std::string filePath(int folder, int file, int folders)
{
    return folders == 0 ? "\\shown\\IMG_" + std::to_string(file) + ".jpg"
                        : "\\root\\f" + std::to_string(folder) + "\\IMG_" + std::to_string(file) + ".jpg";
}

// Files into the shown folder (folders 0) or spread over folders, with the file
// list watching the shown folder and the navigator watching the whole tree.
void arrivals(int count, int folders)
{
    auto manager = newManager();
    const QDiskAndVolumeInfo volume = benchVolume();
    sendFile(*manager, volume, folders == 0 ? filePath(0, -1, 0) : filePath(0, -1, 1));
    manager->waitForIdle(60000);
    QListView list;
    list.resize(800, 600);
    FileBrowserModel model(&list);
    FileBrowserProxyModel proxy(&list);
    proxy.setSourceModel(&model);
    list.setModel(&proxy);
    list.show();
    FileSystemPathNavigato navigator(manager.get());
    navigator.resize(300, 600);
    navigator.show();
    FileTreeNode* shown = manager->findFolderNode(folders == 0 ? QStringLiteral("sdb1/shown") : QStringLiteral("sdb1/root/f0"));
    TreeEventBatcher fileEvents(manager.get(), [&](const QVector<TreeEvent>& events) {
        QVector<DocumentInfo*> docs;
        docs.reserve(events.size());
        for (const TreeEvent& e : events) {
            if (e.type == FileTreeNodeEventType::DocumentAdded && e.record && e.record->isFile())
                docs.append(e.record);
        }
        model.appendDocuments(docs);
    });
    fileEvents.watchNode(shown);
    const int expectedShown = folders == 0 ? count : (count + folders - 1) / folders;

    std::atomic<bool> fed{false};
    QElapsedTimer clock;
    clock.start();
    qint64 lastArrivalMs = 0;
    std::thread feeder([&] {
        for (int i = 0; i < count; ++i)
            sendFile(*manager, volume, filePath(folders ? i % folders : 0, i, folders));
        fed = true;
    });
    int mostOutstanding = 0;
    LoopWatch watch;
    watch.runUntil([&] {
        mostOutstanding = std::max({mostOutstanding, fileEvents.postedFlushes()});
        if (fed && lastArrivalMs == 0 && manager->totalFoundSizeAndCount().second >= quint64(count + 1))
            lastArrivalMs = clock.elapsed();
        return lastArrivalMs != 0 && model.documents().size() >= expectedShown
               && fileEvents.postedFlushes() == 0;
    });
    const qint64 shownMs = clock.elapsed();
    feeder.join();
    navigator.flushTreeEvents();
    std::printf("arrivals: %7d files into %s %s: longest GUI gap %lld ms, queued flushes outstanding at most %d, "
                "last row reachable %lld ms after the last arrival (rows %d, tree folders %d)\n",
                count, folders ? std::to_string(folders).c_str() : "", folders ? "folders" : "the shown folder", static_cast<long long>(watch.worstGapMs),
                mostOutstanding, static_cast<long long>(shownMs - lastArrivalMs), int(model.documents().size()),
                navigator.tree()->model()->rowCount(
                    navigator.tree()->model()->indexForPath(QStringLiteral("sdb1/root"))));
    FileTreeNodeObserverRegistry::instance().reset();
}

// Live: folders arriving through batched events into a sorted model and proxy
// (GUI time spent in the inserts). Peer: the same nodes into a fresh model and
// proxy in one batch per parent.
void treeInsert(int folders, int files)
{
    auto manager = newManager();
    const QDiskAndVolumeInfo volume = benchVolume();
    sendFile(*manager, volume, "\\root\\seed.jpg");
    manager->waitForIdle(60000);
    QTreeView view;
    FileSystemPathTreeModel live(manager.get());
    FileSystemPathTreeProxyModel liveProxy;
    liveProxy.setSourceModel(&live);
    liveProxy.setDynamicSortFilter(true);
    liveProxy.sort(0);
    view.setModel(&liveProxy);
    view.setUniformRowHeights(true);
    view.show();
    view.expandAll();
    qint64 insertNs = 0;
    TreeEventBatcher events(manager.get(), [&](const QVector<TreeEvent>& batch) {
        QElapsedTimer clock;
        clock.start();
        QVector<FileTreeNode*> created;
        for (const TreeEvent& e : batch) {
            if (e.type == FileTreeNodeEventType::NodeCreated)
                created.append(e.node);
        }
        live.onNodesCreated(created);
        insertNs += clock.nsecsElapsed();
    });
    events.watchAll();
    std::atomic<bool> fed{false};
    const int total = std::max(folders, files);
    std::thread feeder([&] {
        for (int i = 0; i < total; ++i)
            sendFile(*manager, volume, "\\root\\d" + std::to_string(i % folders) + "\\f" + std::to_string(i) + ".jpg");
        fed = true;
    });
    LoopWatch watch;
    watch.runUntil([&] { return fed.load() && manager->totalFoundSizeAndCount().second >= quint64(total + 1); });
    feeder.join();
    manager->waitForIdle(60000);
    events.flushAll();
    const int liveRows = live.rowCount(live.indexForPath(QStringLiteral("sdb1/root")));

    malloc_trim(0);
    const size_t heapBefore = mallinfo2().uordblks;
    QElapsedTimer peerClock;
    peerClock.start();
    auto peer = std::make_unique<FileSystemPathTreeModel>(manager.get());
    auto peerProxy = std::make_unique<FileSystemPathTreeProxyModel>();
    peerProxy->setSourceModel(peer.get());
    peerProxy->setDynamicSortFilter(true);
    peerProxy->sort(0);
    peerProxy->rowCount(peerProxy->mapFromSource(peer->indexForPath(QStringLiteral("sdb1/root"))));
    const qint64 peerNs = peerClock.nsecsElapsed();
    const size_t heapAfter = mallinfo2().uordblks;
    std::printf("tree: %7d folders, %7d files: GUI time inserting %.0f ms in batches (longest loop gap %lld ms, "
                "rows %d); peer one batch per parent into model and sorted proxy %.0f ms (%.2fx); "
                "heap per folder node, model and proxy %.0f bytes\n",
                folders, total, insertNs / 1e6, static_cast<long long>(watch.worstGapMs), liveRows, peerNs / 1e6,
                peerNs ? double(insertNs) / peerNs : 0.0, double(heapAfter - heapBefore) / (folders + 2));
    FileTreeNodeObserverRegistry::instance().reset();
}

// Sorting a 1,000,000-file list by name and showing it, against std::sort of
// the same names with naturalLessThan; then memory, thumbnails and the tri-state.
void listCases(int count)
{
    // Freed memory at the top of a thread's arena goes back only under a fixed
    // trim threshold: without it the sorting thread's discarded keys would stay
    // resident and count as the list's.
    mallopt(M_TRIM_THRESHOLD, 1 << 20);
    malloc_trim(0);
    const long modelBefore = residentBytes();
    auto manager = newManager();
    const QDiskAndVolumeInfo volume = benchVolume();
    for (int i = 0; i < count; ++i)
        sendFile(*manager, volume, "\\shown\\IMG_" + std::to_string(int64_t(i) * 7919 % count) + ".jpg");
    manager->waitForIdle(600000);
    const QVector<DocumentInfo*> records = manager->allFileRecords();
    malloc_trim(0);
    const double modelPerFile = double(residentBytes() - modelBefore) / count;
    QListView list;
    list.resize(800, 600);
    FileBrowserModel model(&list);
    FileBrowserProxyModel proxy(&list);
    proxy.setSourceModel(&model);
    proxy.sort(-1);
    list.setModel(&proxy);
    list.setUniformItemSizes(true);
    list.show();

    QStringList names;
    names.reserve(records.size());
    for (const DocumentInfo* r : records)
        names << DocumentInfo::fileName(r);
    QElapsedTimer peerClock;
    peerClock.start();
    std::sort(names.begin(), names.end(), naturalLessThan);
    const qint64 peerMs = peerClock.elapsed();

    malloc_trim(0);
    const long before = residentBytes();
    const size_t heapBefore = heapBytes();
    // The click: the sort runs off the GUI thread (as the model's thread does it);
    // the GUI shows the result. The loop watch measures the GUI's stalls meanwhile.
    QElapsedTimer clock;
    clock.start();
    QVector<DocumentInfo*> sorted;
    std::atomic<bool> sortedReady{false};
    std::thread sorter([&] {
        QVector<QPair<QString, DocumentInfo*>> keyed;
        keyed.reserve(records.size());
        for (DocumentInfo* r : records)
            keyed.append({DocumentInfo::fileName(r), r});
        std::sort(keyed.begin(), keyed.end(),
                  [](const auto& a, const auto& b) { return naturalLessThan(a.first, b.first); });
        QVector<DocumentInfo*> result;
        result.reserve(keyed.size());
        for (const auto& k : keyed)
            result.append(k.second);
        sorted = std::move(result);
        sortedReady = true;
    });
    LoopWatch sortWatch;
    bool shown = false;
    qint64 showMs = 0;
    sortWatch.runUntil([&] {
        if (!shown && sortedReady.load()) {
            QElapsedTimer show;
            show.start();
            model.setDocuments(sorted);
            showMs = show.elapsed();
            shown = true;
            return false;
        }
        return shown;
    });
    sorter.join();
    const qint64 sortMs = clock.elapsed();
    std::printf("sort: %d names: click to sorted list shown %lld ms (showing it %lld ms, longest GUI gap %lld ms); "
                "peer std::sort with naturalLessThan %lld ms (%.2fx)\n",
                count, static_cast<long long>(sortMs), static_cast<long long>(showMs),
                static_cast<long long>(sortWatch.worstGapMs), static_cast<long long>(peerMs),
                peerMs ? double(sortMs) / peerMs : 0.0);

    // The first far lookup builds the row index; its peer scans the list once.
    QElapsedTimer scanClock;
    scanClock.start();
    const int scanned = int(model.documents().indexOf(std::as_const(sorted).at(sorted.size() / 2 + 1)));
    const qint64 scanUs = scanClock.nsecsElapsed() / 1000;
    QElapsedTimer thumbClock;
    thumbClock.start();
    qint64 worstThumbUs = 0;
    // Thumbnails arrive for the cells on screen: 1000 updates over a screenful
    // of 40 cells scrolled through the list.
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer one;
        one.start();
        const int screen = (i / 40) * 37117 % (sorted.size() - 40);
        model.updateDocumentThumbnail(std::as_const(sorted).at(screen + (i * 7) % 40));
        worstThumbUs = std::max(worstThumbUs, one.nsecsElapsed() / 1000);
    }
    const qint64 thumbMs = thumbClock.elapsed();
    QElapsedTimer triClock;
    triClock.start();
    const int tri = model.aggregateCheckState();
    const qint64 triMs = triClock.elapsed();
    malloc_trim(0);
    const long after = residentBytes();
    const size_t heapAfter = heapBytes();
    std::printf("list: %d rows: 1000 thumbnail updates %lld ms (worst %lld us; peer one scan of the list %lld us, "
                "row %d); header tri-state %lld ms (state %d); per listed file with its row index: resident %.1f bytes, "
                "heap %.1f bytes (peer the found-file model's own: resident %.1f bytes per file)\n",
                count, static_cast<long long>(thumbMs), static_cast<long long>(worstThumbUs),
                static_cast<long long>(scanUs), scanned, static_cast<long long>(triMs), tri,
                double(after - before) / count, double(heapAfter - heapBefore) / count, modelPerFile);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fillNameTable();
    initImageResources();
    const BenchSupport::Arguments arguments(argc, argv, "results-views-bench [divisor of the counts, 1 or more]");
    const int scale = std::max(1, static_cast<int>(arguments.Count(1, 1)));
    arrivals(100000 / scale, 0);
    arrivals(1000000 / scale, 0);
    arrivals(100000 / scale, 50000 / scale);
    arrivals(1000000 / scale, 50000 / scale);
    treeInsert(100000 / scale, 0);
    treeInsert(50000 / scale, 1000000 / scale);
    listCases(1000000 / scale);
    return 0;
}
