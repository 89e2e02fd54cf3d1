#include "ModelTestSupport.h"

#include <QMetaObject>

#include <cstring>
#include <shared_mutex>

namespace ModelTest {

QDiskAndVolumeInfo mountedVolume(quint64 disk, quint64 volume)
{
    QDiskAndVolumeInfo info;
    info.displayName = QStringLiteral("Data (sdb%1)").arg(volume + 1);
    info.volumeLetter = QStringLiteral("/media/data%1").arg(volume);
    info.volumePath = QStringLiteral("/dev/sdb%1").arg(volume + 1);
    info.fileSystem = QStringLiteral("NTFS");
    info.diskIndex = disk;
    info.volIndex = volume;
    info.category = 1;
    return info;
}

DataRecoveryInfo FoundFile::info() const
{
    DataRecoveryInfo event = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    event.diskIndex = disk;
    event.volIndex = volume;
    event.fileSize = size;
    event.modifyTime = time;
    event.runs = runs.empty() ? nullptr : runs.data();
    event.runCount = quint8(runs.size());
    event.path = path.c_str();
    event.pathLength = quint16(path.size());
    event.deletedState = deletedState;
    event.pathState = pathState;
    event.lostPartitionFlag = lostFlag;
    event.dataState = dataState;
    event.lostPartitionNumber = lostNumber;
    return event;
}

DataRecoveryInfo progressEvent(quint32 kind, double progress)
{
    DataRecoveryInfo event = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    event.progress = progress;
    return event;
}

DataRecoveryInfo finishEvent()
{
    DataRecoveryInfo event = MakeDataRecoveryInfo(ScanFinished);
    event.progress = 1.0;
    return event;
}

DataRecoveryInfo failureEvent(quint8 disk, quint8 volume, int code)
{
    DataRecoveryInfo event = MakeDataRecoveryInfo(ScanFailed);
    event.diskIndex = disk;
    event.volIndex = volume;
    event.progress = 1.0;
    event.errorCode = code;
    return event;
}

ScanTargetInfo volumeTarget(const QString& name)
{
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.deviceType = Volume;
    target.name = name;
    return target;
}

SignalLog::SignalLog(DocumentManager* m)
{
    auto direct = Qt::DirectConnection;
    connections_ << QObject::connect(m, &DocumentManager::progressUpdated, m,
                                     [this](int t, int p, QString r) { add("progressUpdated", {t, p, r}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::fileProgressUpdated, m,
                                     [this](QString c, QString s) { add("fileProgressUpdated", {c, s}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::scanFinished, m,
                                     [this](int e, QString d, int c) { add("scanFinished", {e, d, c}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::scanStarted, m, [this] { add("scanStarted", {}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::scanPaused, m, [this] { add("scanPaused", {}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::scanResume, m, [this] { add("scanResume", {}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::releaseData, m, [this] { add("releaseData", {}); }, direct);
    connections_ << QObject::connect(m, &DocumentManager::overallRecoveryProgress, m,
                                     [this](int p) { add("overallRecoveryProgress", {p}); }, direct);
}

SignalLog::~SignalLog()
{
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

void SignalLog::add(const QString& name, QVariantList args)
{
    std::lock_guard lock(mutex_);
    entries_.append({name, std::move(args)});
}

QList<QVariantList> SignalLog::take(const QString& name)
{
    std::lock_guard lock(mutex_);
    QList<QVariantList> found;
    for (const auto& entry : entries_) {
        if (entry.first == name)
            found.append(entry.second);
    }
    return found;
}

int SignalLog::count(const QString& name)
{
    return take(name).size();
}

QStringList SignalLog::names()
{
    std::lock_guard lock(mutex_);
    QStringList names;
    for (const auto& entry : entries_)
        names.append(entry.first);
    return names;
}

namespace {

QStringList filesBelow(DocumentManager* manager, FileTreeNode* root, bool folders)
{
    QStringList out;
    if (!root)
        return out;
    std::vector<FileTreeNode*> stack{root};
    while (!stack.empty()) {
        FileTreeNode* node = stack.back();
        stack.pop_back();
        if (folders)
            out.append(FileTreeNode::documentPath(node));
        for (DocumentInfo* entry : node->entries) {
            if (entry->isFile()) {
                if (!folders)
                    out.append(DocumentInfo::filePath(entry));
            } else if (FileTreeNode* child = manager->findFolderNode(static_cast<const DocumentInfo*>(entry))) {
                stack.push_back(child);
            }
        }
    }
    out.sort();
    return out;
}

} // namespace

QStringList folderTreeFiles(DocumentManager* manager)
{
    return filesBelow(manager, manager->pathTreeRoot(), false);
}

QStringList typeTreeFiles(DocumentManager* manager)
{
    return filesBelow(manager, manager->typeTreeRoot(), false);
}

QStringList folderPaths(DocumentManager* manager, FileTreeNode* root)
{
    return filesBelow(manager, root, true);
}

} // namespace ModelTest
