#pragma once
#include "DocumentManager.h"
#include "EngineEventItem.h"
#include "PathIndex.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <vector>

class RecoveryFailureTable;

struct DocumentTask {
    std::function<void()> body;
    DocumentManager::TaskType type = DocumentManager::Unknown;
    QString description;
};

class alignas(64) DocumentManagerPrivate {
public:
    explicit DocumentManagerPrivate(DocumentManager* owner) : owner(owner) {}

    DocumentManager* owner;

    // Queue side: both queues, the failed-volume table and the idle hand-shake.
    mutable std::mutex queueMutex;
    std::condition_variable workCondition;
    std::condition_variable idleCondition;
    std::deque<DocumentTask> tasks;
    std::deque<EngineEventItem> events;
    std::map<quint64, int> failedVolumes;
    std::map<quint64, QString> failedVolumeNames;
    quint64 queuedBytes = 0;
    std::atomic<quint64> peakQueuedBytes{0};
    bool busy = false;       // the thread holds a batch or a task
    bool releasing = false;  // a release waits for the thread; it takes no new work
    bool threadLeft = false;
    // The worker ran, and its last per-thread data is gone (markThreadGone).
    bool threadStarted = false;
    bool threadGone = false;
    // Set under the queue mutex by every post; cleared there once the task queue is seen empty.
    std::atomic<bool> taskPosted{false};
    std::atomic<bool> interruption{false};

    // Tree side, under treeLock.
    mutable std::shared_mutex treeLock;
    FileTreeNode* folderRoot = nullptr;
    FileTreeNode* typeRoot = nullptr;
    // One index per tree: a folder path equal to a type path must not join the two.
    PathIndex folderIndex;
    PathIndex typeIndex;
    QVector<DocumentInfo*> searchResults;
    quint8 scanTargetCode = 0;
    quint32 lostPartitionCounter = 0xFFFFFFFF;

    std::atomic<quint64> generation{0};
    std::atomic<int> state{DocumentManager::Released};
    std::atomic<bool> stopRecovery{false};
    std::atomic<qint64> scanStartNs{0};
    std::atomic<quint64> scanPercent{0};
    std::atomic<quint64> recoveredBytes{0};
    std::atomic<quint64> recoverDataBytes{0};

    // Checked totals (count, bytes): normal view, search view, search result.
    std::atomic<quint64> selectedCount{0}, selectedBytes{0};
    std::atomic<quint64> searchSelectedCount{0}, searchSelectedBytes{0};
    std::atomic<quint64> searchResultCount{0}, searchResultBytes{0};

    std::mutex hooksMutex;
    DocumentManager::FilterFunction filter;
    std::atomic<bool> filterSet{false};
    DocumentManager::VolumeNameResolver volumeNameResolver;
    DocumentManager::RecoverFunction recoverFunction;
    DocumentManager::ScanStatisticsSender statisticsSender;

    QString lastRemainingText;

    // Thread side.
    void processEvent(const EngineEventItem& item);
    void processProgress(const EngineEventItem& item);
    void processFinished();
    void processFailure(const EngineEventItem& item);
    void addFoundFile(const EngineEventItem& item);
    void finishScan(bool completed);
    QString failedVolumeDescription(int* count);

    // Trees (callers hold treeLock exclusively).
    void addDocumentToNode(FileTreeNode* node, DocumentInfo* record, bool pass);
    void updatePassingCount(FileTreeNode* node, bool pass, bool filterActive);
    FileTreeNode* createFolder(FileTreeNode* parent, PathIndex& index, DocumentInfo* record, bool pass,
                               bool filterActive);
    void buildTrees(const ScanTargetInfo& target);
    void releaseTrees();
    static void releaseTree(FileTreeNode* root, const PathIndex& index, bool keepFileRecords);

    // Export (DocumentManagerExport.cpp).
    void exportAll(const QString& folder, bool onlySearchResults);
    void exportOne(const QString& folder, const DocumentInfo* record, quint64 postedGeneration);
    QString exportPathOf(const DocumentInfo* record) const;
    QString exportDisplayPathOf(const DocumentInfo* record) const;
    bool holdsFileRecord(const DocumentInfo* record) const;
    int recoverOne(const QString& folder, const DocumentInfo* record);
    void beginExport(quint64 totalBytes);
    void finishExport(const RecoveryFailureTable& table);
    // One file to the engine; its outcome into the table (*stopped when the engine was stopped).
    void exportRecord(const QString& folder, const DocumentInfo* record, RecoveryFailureTable& table, bool* stopped);
    QString failedVolumeNamesOf(const RecoveryFailureTable& table);

    // Check states (DocumentManagerCheckStates.cpp); helpers taking no lock need treeLock held.
    FileTreeNode* nodeOfPath(const QString& path) const;
    const PathIndex& indexOf(const FileTreeNode* node) const;
    quint32 directAggregate(const FileTreeNode* node, bool searchView, bool onlyPassing) const;
    void refreshTopDown(FileTreeNode* node, bool searchView, bool onlyPassing);
    void setAncestorAggregates(FileTreeNode* node, bool searchView, bool onlyPassing);
    void crossTreeRefresh(bool fromFolderView, bool onlyPassing);
    void emitSelectedTotals(bool searchView);
    void updateNormalView(const QString& path, const QVector<DocumentInfo*>& docs, int state, int stateType,
                          int viewMode);
    void updateSearchView(const QString& path, const QVector<DocumentInfo*>& docs, int state);
    void routeNodeStateUpdate(const QString& path, QVector<DocumentInfo*> docs, int state, int stateType,
                              int viewMode);

    // Filter task (DocumentManagerFilter.cpp); callers of the helpers hold treeLock.
    std::vector<FileTreeNode*> nodesPreorder(FileTreeNode* root,
                                             const std::function<bool(const DocumentInfo*)>& descend) const;
    static bool countsAsChecked(const DocumentInfo* record, bool searchView, bool filterActive);
    void storeRecount(bool searchView);
    void countPassing(FileTreeNode* root, const DocumentManager::FilterFunction& filter);
    void runFilterTask(int viewMode);

    // Search and find (DocumentManagerSearch.cpp).
    void runSearch(const QString& text, const QSharedPointer<QAtomicInteger<bool>>& state);
    QVector<DocumentInfo*> findRecords(const QString& targetPath, int viewMode, bool filterActive,
                                       const QString& searchText) const;

    // Release helpers.
    void takeQueuesAndWaitIdle();
    void endRelease();
    void resetTotals();
    // Frees the trees and zeroes every total; callers hold treeLock exclusively.
    void releaseAll();

    FileTreeNode* lookup(const PathIndex& index, const char* data, int size) const
    {
        return index.value(PathKey{data, size}, nullptr);
    }
    DocumentManager::FilterFunction currentFilter();
    qint64 elapsedMs() const;
};
