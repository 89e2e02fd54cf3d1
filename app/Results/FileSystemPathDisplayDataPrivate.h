#pragma once
// The results page's private part, shared by its two source files.
#include "FileSystemPathDisplayData.h"
#include "TreeEventBatcher.h"

#include <QMetaObject>
#include <QPointer>

class DataRecoveryDialog;
class MediaPreviewDialog;
class MemoryWarningDialog;

struct FileSystemPathDisplayData::Private {
    QSplitter* splitter = nullptr;
    QPointer<FileSystemPathNavigato> navigator;
    QPointer<FileBrowserView> browser;
    QPointer<MediaPreviewDialog> preview;
    QPointer<MemoryWarningDialog> memoryWarning;
    QPointer<MemoryMonitor> monitor;
    QPointer<ResultsExportFlow> exportFlow;
    // Raised to make the running search stop delivering; null before the first.
    QSharedPointer<QAtomicInteger<bool>> searchCancel;
    // The tree observer of the folder on show.
    std::unique_ptr<TreeEventBatcher> folderEvents;
    QMetaObject::Connection scanFinishedConnection;
    // A scan summary held back until the results tour is over.
    QMetaObject::Connection summaryAfterTour;
};

// The record a view's QVariant carries, or null.
DocumentInfo* documentFromVariant(const QVariant& item);
