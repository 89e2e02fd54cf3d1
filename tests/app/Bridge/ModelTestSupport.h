#pragma once
// Synthetic engine events and a thread-safe record of the model's signals.
#include "DocumentManager.h"
#include "QDiskAndVolumeInfo.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <mutex>
#include <string>
#include <vector>

namespace ModelTest {

QDiskAndVolumeInfo mountedVolume(quint64 disk = 0, quint64 volume = 0);

// One found-file event; the path and runs stay owned by the caller's copy.
struct FoundFile {
    std::string path;
    std::vector<DataRun> runs{{4096, 512}};
    quint64 size = 512;
    qint64 time = 1600000000;
    quint32 kind = 8;
    quint8 disk = 0;
    quint8 volume = 0;
    quint8 deletedState = 0;
    quint8 pathState = 0;
    quint8 lostFlag = 0;
    quint8 lostNumber = 0;
    quint8 dataState = 0;

    DataRecoveryInfo info() const;
};

DataRecoveryInfo progressEvent(quint32 kind, double progress);
DataRecoveryInfo finishEvent();
DataRecoveryInfo failureEvent(quint8 disk, quint8 volume, int code);

ScanTargetInfo volumeTarget(const QString& name = QStringLiteral("Data (sdb1)"));

// Records every model signal with its arguments, from whichever thread emits it.
class SignalLog {
public:
    explicit SignalLog(DocumentManager* manager);
    ~SignalLog();
    QList<QVariantList> take(const QString& name);
    int count(const QString& name);
    QStringList names();

private:
    void add(const QString& name, QVariantList args);
    std::mutex mutex_;
    QList<QPair<QString, QVariantList>> entries_;
    QList<QMetaObject::Connection> connections_;
};

// Every found file's path in the folder tree (depth first) and in the type tree.
QStringList folderTreeFiles(DocumentManager* manager);
QStringList typeTreeFiles(DocumentManager* manager);
QStringList folderPaths(DocumentManager* manager, FileTreeNode* root);

} // namespace ModelTest
