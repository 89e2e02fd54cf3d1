#pragma once
#include "DocumentInfo.h"
#include "FileTreeNode.h"
#include "QDiskAndVolumeInfo.h"
#include "ScanTargetInfo.h"

#include <QAtomicInteger>
#include <QPair>
#include <QSharedPointer>
#include <QThread>
#include <QVariant>

#include <functional>
#include <memory>
#include <shared_mutex>

struct DataRecoveryInfo;
struct EngineEventItem;
class DocumentManagerPrivate;

// The worker thread that owns all found-file data: turns engine events into
// records placed in the folder tree and the type tree, and runs the tasks the
// results browser posts (tasks before queued events).
class DocumentManager : public QThread {
    Q_OBJECT
public:
    // findDocumentsCompleted's vector is built on the model thread and read on
    // the receiver's after Qt's queued hand-over, which TSan cannot see: the
    // sender gives this address, the receiver takes it (ThreadHandOver).
    static inline const char findResultsHandOver = 0;
    enum TaskType {
        FileRecovery = 0,
        DataAnalysis = 1,
        FilterOperation = 2,
        SearchOperation = 3,
        UpdateNodeState = 4,
        DataFindOrSort = 5,
        DataExport = 6,
        SqueezeAlltree = 7,
        Unknown = 8,
    };
    Q_ENUM(TaskType)
    enum WaitResult { TaskAvailable = 0, DocumentAvailable = 1, Interrupted = 2, Paused = 3 };
    Q_ENUM(WaitResult)
    // TargetDiskFull: the target took no more data or no more files (no space or no inodes left).
    enum RecoveryErrorType { NoError = 0, SourceDiskError = 1, TargetDiskError = 2, TargetDiskFull = 3 };
    Q_ENUM(RecoveryErrorType)
    enum DataRecoveryErrorFlags { DISK_ERROR = 1, STOP_RECOVERY = 2 };
    Q_ENUM(DataRecoveryErrorFlags)
    enum ScanState { Scanning = 0, ScanPaused = 1, ScanResumed = 2, ScanStopped = 3, ScanDone = 4, Released = 5 };

    static DocumentManager* instance();
    explicit DocumentManager(QObject* parent = nullptr);
    ~DocumentManager() override;

    // Intake, on the thread the engine reports on.
    void onEngineEvent(const QDiskAndVolumeInfo& volume, const DataRecoveryInfo& info);
    void enqueueEvent(EngineEventItem item);
    // Appends a task; with replaceSameType, pending tasks of its type are dropped first.
    void postTask(TaskType type, std::function<void()> body, const QString& description = QString(),
                  bool replaceSameType = false);
    void clearPendingTasks();
    // Waits until no task or batch runs and nothing is queued (queued events held
    // by a pause do not count); false when timeoutMs passed first.
    bool waitForIdle(int timeoutMs);

    void setPaused();
    void setResumed();
    void setState(int state);
    int state() const;

    // Readers hold treeLock() shared while they use nodes or records.
    std::shared_mutex& treeLock() const;
    // Raised under the write lock before records are freed; posted pointers carry
    // the value they were read under, and receivers drop them when it has moved on.
    quint64 dataGeneration() const;
    FileTreeNode* pathTreeRoot() const;
    FileTreeNode* typeTreeRoot() const;
    // For readers already holding treeLock() shared (the lock is not recursive).
    FileTreeNode* pathTreeRootLocked() const;
    FileTreeNode* typeTreeRootLocked() const;
    QVector<FileTreeNode*> childFolderNodesLocked(const FileTreeNode* node) const;
    // The folder tree first, then the type tree.
    FileTreeNode* findFolderNode(const QString& path) const;
    // The node of a folder record, in the tree its level names.
    FileTreeNode* findFolderNode(const DocumentInfo* folderRecord) const;

    // (total bytes, file count) of every found file.
    QPair<quint64, quint64> totalFoundSizeAndCount() const;
    // (count text, size text).
    QPair<QString, QString> totalFoundSummaryText() const;
    QPair<quint64, quint64> selectedSizeAndCount() const;
    QPair<quint64, quint64> searchResultSizeAndCount() const;
    QPair<quint64, quint64> searchSelectedSizeAndCount() const;
    QPair<QString, QString> selectedSummaryText() const;

    // Frees all found-file data once the thread is idle, then emits releaseData.
    void clearDocumentCache();
    // Frees the previous scan's data, builds empty trees for the target, emits scanStarted.
    void resetForScan(const ScanTargetInfo& target);
    // The user's stop: ends the scan once, with scanFinished(1, ...).
    void stopScanSession();
    // Quit: stops the thread and waits for it to leave.
    void shutdown();
    void setStopRecovery(bool stop);
    bool stopRecoveryRequested() const;

    // Export: posts a task; one recoveryCompleted ends every run.
    Q_INVOKABLE void exportAllDocumentsToDisk(const QString& destinationDirectoryPath, bool onlySearchResults);
    Q_INVOKABLE void exportSingleDocumentToDisk(const QString& destinationDirectoryPath, const DocumentInfo* doc);

    // Check states: a new request drops the pending ones. viewDisplayMode: 1 folder
    // view, 2 type view, 4 search results.
    Q_INVOKABLE void updateDocumentNodeState(const QString& currentNodePath, const QVector<DocumentInfo*>& docs,
                                             int checkState, int checkStateType, int viewDisplayMode);
    Q_INVOKABLE void selectionDocumentNodeState(int checkState, int viewDisplayMode);
    // (count, bytes) of the checked files of a view, counted afresh (tests and checks).
    QPair<quint64, quint64> recountCheckedFiles(bool searchView) const;

    // Re-evaluates every file against FileFilterManager's criteria; filterCompleted follows.
    Q_INVOKABLE void setFilterCriteriaUpdated(int viewDisplayMode);

    // Search: the pending search is dropped; state set to true abandons it.
    Q_INVOKABLE void startDocumentSearch(const QString& searchText, QSharedPointer<QAtomicInteger<bool>> state);
    // Find: what a view shows at targetPath, sorted by column (-1: unsorted); a non-empty
    // items list is answered reversed. The pending find is dropped.
    Q_INVOKABLE void findDocuments(const QString& targetPath, int viewDisplayMode, int column = -1,
                                   Qt::SortOrder sortOrder = Qt::AscendingOrder, const QVariant& parameter = QVariant(),
                                   const QVector<DocumentInfo*>& items = QVector<DocumentInfo*>());

    // A copy of the stored search results (tests and the probe tool).
    QVector<DocumentInfo*> findResults() const;

    // Walks.
    void clearSearchResults();
    // (record delta, byte delta) of checking or unchecking everything below a folder.
    QPair<qint64, qint64> setSubtreeCheckState(const QString& folderPath, int state, bool searchView,
                                               bool onlyPassing);
    // (record delta, byte delta) of setting every given record's state.
    QPair<qint64, qint64> setAllCheckStates(const QVector<DocumentInfo*>& records, int state, bool searchView,
                                            bool onlyPassing, QStringList* folderPaths = nullptr);
    void markSearchResult();
    void resetViewFlags(bool filterActive, bool searchView);
    // Number of files passing the filter after re-evaluating every file record.
    quint64 reevaluateFilter();
    void compactTrees();
    // Every record, each file once: for tests and the probe tool.
    QVector<DocumentInfo*> allFileRecords() const;

    // Seams of the bridge and of the filters.
    using FilterFunction = std::function<bool(const DocumentInfo*)>;
    void setFilter(FilterFunction filter);
    // The export's engine call (tests); unset, the bridge's recoverData.
    using RecoverFunction = std::function<int(const QString& folder, const DataRecoveryInfo& item)>;
    void setRecoverFunction(RecoverFunction recover);
    using VolumeNameResolver = std::function<QString(quint64 volumeKey, const QString& fallback)>;
    void setVolumeNameResolver(VolumeNameResolver resolver);
    using ScanStatisticsSender = std::function<void(bool completed, double minutes, quint64 percent,
                                                    quint64 foundBytes, quint64 foundCount)>;
    void setScanStatisticsSender(ScanStatisticsSender sender);

    // Queue figures for the benchmark.
    quint64 queuedEventBytes() const;
    int queuedEventCount() const;
    quint64 peakQueuedEventBytes() const;

    static QString eventKindName(quint32 kind);

signals:
    void searchDocumentsCompleted();
    void selectedDocumentChanged(QString filesCount, QString totalSize);
    void progressUpdated(int type, int progress, QString remainingTime);
    void fileProgressUpdated(QString filesCount, QString totalSize);
    void scanStarted();
    void scanPaused();
    void scanResume();
    void scanFinished(int errorType, QString description, int totalErrorCount);
    void releaseData();
    void nodeStateChanged(QString folderPath, Qt::CheckState state, int index, bool isLast);
    void fileRecoveryProgress(QString filePath, qulonglong recoveredCount, qulonglong totalCount);
    void overallRecoveryProgress(int progressPercent);
    // incompleteCount: files written from a guessed or cut run list (not plain successes).
    void recoveryCompleted(int errorType, QString description, int totalErrorCount, int incompleteCount);
    void filterCompleted();
    void findDocumentsCompleted(QString targetPath, int viewDisplayMode, QVector<DocumentInfo*> documents,
                                QVariant parameter);

protected:
    void run() override;

private:
    friend class DocumentManagerPrivate;
    std::unique_ptr<DocumentManagerPrivate> d;
};
