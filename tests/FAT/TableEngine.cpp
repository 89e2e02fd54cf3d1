#include "FAT/TableEngine.h"

namespace FatTest {

DataRecoveryCallback Recorder::Callback()
{
    return [this](const DataRecoveryInfo& info) {
        Reported r;
        r.kind = info.kind;
        if (info.kind <= DeepScanProgress) {
            r.progress = info.progress;
        } else if (info.kind >= NtfsFile) {
            r.path.assign(info.path, info.pathLength);
            r.runs.assign(info.runs, info.runs + info.runCount);
            r.size = info.fileSize;
            r.time = info.modifyTime;
            r.nodeId = info.nodeId;
            r.deletedState = info.deletedState;
            r.pathState = info.pathState;
        }
        std::lock_guard lock(mutex);
        records.push_back(std::move(r));
    };
}

std::vector<Reported> Recorder::Files()
{
    std::lock_guard lock(mutex);
    std::vector<Reported> files;
    for (const auto& r : records)
        if (r.kind >= NtfsFile)
            files.push_back(r);
    return files;
}

std::vector<double> Recorder::Progress(uint32_t kind)
{
    std::lock_guard lock(mutex);
    std::vector<double> values;
    for (const auto& r : records)
        if (r.kind == kind)
            values.push_back(r.progress);
    return values;
}

const Reported* Recorder::File(const std::string& path)
{
    std::lock_guard lock(mutex);
    for (const auto& r : records)
        if (r.kind >= NtfsFile && r.path == path)
            return &r;
    return nullptr;
}

TableEngine::TableEngine(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback,
                         uint64_t dataStart, uint64_t clusterSize)
    : FATDataRecovery(volume, std::move(info), std::move(callback)), explorer(volume, dataStart, clusterSize)
{
    nodeStore.rootId = 2;
}

std::vector<DataRun> TableEngine::GetDirectoryRuns(uint64_t cluster)
{
    if (!directories.count(cluster))
        return {};
    return {{explorer.table->ClusterOffset(cluster), explorer.table->ClusterSize()}};
}

void TableEngine::ProcessFATDataItem(FAT::DirectoryItems& items, uint64_t offset, const uint8_t*, uint64_t,
                                     uint64_t inode)
{
    const uint64_t cluster = explorer.table->ClusterOfPosition(offset);
    walked.push_back(inode);
    auto it = directories.find(cluster);
    if (it == directories.end())
        return;
    for (const auto& entry : it->second) {
        FileManagerSP::FileNode node;
        node.name = entry.name;
        node.id = entry.id;
        node.parentId = static_cast<uint32_t>(inode);
        node.size = entry.size;
        node.folderFlag = entry.folder ? 1 : 0;
        node.deletedState = entry.deleted ? 1 : 0;
        items.push_back(node);
    }
}

void TableEngine::WalkDirectoryItems(FAT::DirectoryItems& items, FAT::DirectoryQueue* queue, FAT::VisitedSet* visited)
{
    for (auto& item : items) {
        if (item.folderFlag) {
            HandleDirectory(item, queue, visited);
        } else {
            UpdateFileNodeDataInfo(item);
            HandleFile(item);
        }
    }
}

bool TableEngine::IsDirectoryBlock(uint64_t position, const uint8_t*, uint64_t)
{
    rawChecked.push_back(position);
    return directories.count(explorer.table->ClusterOfPosition(position)) != 0;
}

}
