#pragma once
#include "DocumentInfo.h"

#include <QAtomicInteger>
#include <QPixmap>
#include <QSharedPointer>
#include <QVariant>
#include <QVector>
#include <QWidget>

#include <memory>

class FileBrowserView;
class FileSystemPathNavigato;
class MemoryMonitor;
class QSplitter;
class ResultsExportFlow;
struct SearchConfig;
struct TreeEvent;
struct FileTreeNode;

// The results page proper: the navigator on the left, the file browser on
// the right. The one listener of the bridge, the filter and search managers
// and the thumbnail engine for the results; it turns their signals into
// calls on its two views and into the scan's prompts and dialogs, and hands
// the export to its ResultsExportFlow.
class FileSystemPathDisplayData : public QWidget {
    Q_OBJECT
public:
    explicit FileSystemPathDisplayData(QWidget* parent = nullptr);
    ~FileSystemPathDisplayData() override;

    // Called when the user leaves the program with search results on screen.
    void sendSearchCloseEvent();

    FileSystemPathNavigato* navigator() const;
    FileBrowserView* browser() const;
    MemoryMonitor* memoryMonitor() const;
    ResultsExportFlow* exportFlow() const;
    QSplitter* splitter() const;
    QWidget* memoryWarningDialog() const;
    QWidget* previewDialog() const;
    // Replaces the page's memory monitor (tests feed it faked /proc files).
    void setMemoryMonitor(MemoryMonitor* monitor);
    // The folder tree's width when the user has not dragged it: a camera
    // card's "DCIM/100PHOTO" shows whole.
    static int defaultNavigatorWidth();

signals:
    void clearSearchTextSignal(bool blockSignals);

protected:
    // The folder tree keeps its width; the file list takes what the window gains or loses.
    void resizeEvent(QResizeEvent* event) override;

public slots:
    void onPauseButtonClicked();
    void onStopButtonClicked();
    void onRecoverButtonClicked();
    void onBackHomeButtonClicked();
    void onTreeViewItemSelectedChanged(int viewMode, const QString& nodePath);
    void onSearchDataChanged(const QString& text);
    void onMediaPreviewTryClosed();
    void onMediaPreviewRecoverFile(const QVariant& item);
    void onDataRecoveryTryClosed();
    void onItemDoubleClicked(const QVariant& item);
    void onViewActionTriggered(const QVariant& item);
    void onFileRecoveryProgress(const QString& filePath, qulonglong recoveredCount, qulonglong totalCount);
    void onOverallRecoveryProgress(int progressPercent);
    void onRecoveryCompleted(int errorType, const QString& description, int totalErrorCount,
                             int incompleteCount = 0);
    void onScanStarted();
    void onScanPaused();
    void onScanFinished(int errorType, const QString& description, int totalErrorCount);
    void onMemoryStatsUpdated(qint64 processMB, qint64 totalMB, qint64 totalUsageMB, double totalUsagePercent);
    void onFileSystemTreePathChanged(const QVariant& var);
    void onCurrentPreviewTypeChanged(int type);
    void onNodeStateChanged(const QString& folderPath, Qt::CheckState state, int index, bool isLast);
    void onUpdateDocumentThumbnail(qulonglong docAddress, const QPixmap& thumbnail, bool isLast);
    void onFilterOptionsChanged();
    void onFilterCompleted();
    void onFindDocumentsCompleted(const QString& targetPath, int viewDisplayMode,
                                  const QVector<DocumentInfo*>& documents, const QVariant& parameter);
    void onSearchDocumentsCompleted();
    void onFileProgressUpdated();

private:
    // Browsing and search (FileSystemPathDisplayDataBrowse.cpp).
    void watchFolder(const QString& path);
    void startSearch(const QString& text);
    void leaveSearch();
    void openPreview(const QVector<DocumentInfo*>& documents, DocumentInfo* current);
    void selectFolderInNavigator(const QString& path, bool notify);
    void selectRootInNavigator(FileTreeNode* root);
    void cancelSearch();
    SearchConfig currentConfig() const;
    SearchConfig folderConfig(const QString& path, int viewMode) const;
    void storeConfig(const SearchConfig& config);
    QString categoryName() const;
    void showScanSummary(int errorType, const QString& description, int totalErrorCount);
    void connectSignals();
    void connectMonitor();
    void applyFolderEvents(const QVector<TreeEvent>& events);

    struct Private;
    std::unique_ptr<Private> d;
};
