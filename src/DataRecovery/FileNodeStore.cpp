#include "DataRecovery/FileNodeStore.h"

#include <unordered_set>

namespace FileManagerSP {

FileNodeStore::FileNodeStore(uint64_t rootId) : rootId(rootId)
{
    idMap.max_load_factor(1.0f);
    idMap.rehash(8);
    pendingMap.max_load_factor(1.0f);
    pendingMap.rehash(8);
}

void FileNodeStore::AddNode(const FileNode& node)
{
    std::lock_guard lock(idMutex);
    auto [it, inserted] = idMap.try_emplace(node.id, node);
    // The first live record of an id wins; a deleted one gives way to a live one.
    if (!inserted && it->second.deletedState == 1 && node.deletedState == 0)
        it->second = node;
}

void FileNodeStore::AddPending(const FileNode& node)
{
    if (node.size > maxPendingSize)
        return;
    std::lock_guard lock(pendingMutex);
    auto found = pendingMap.find(node.id);
    if (found == pendingMap.end()) {
        pendingMap[node.id].push_back(node);
        return;
    }
    auto& group = found->second;
    bool duplicate = false;
    for (auto& entry : group) {
        if (entry.name != node.name || entry.parentId != node.parentId) {
            duplicate = false;
            continue;
        }
        if (node.size == 0)
            return;
        if (entry.size == 0) {
            entry = node;
            return;
        }
        if (node.runs.empty()) {
            duplicate = true;
            continue;
        }
        if (entry.deletedState == 0)
            return;
        if (entry.runs.size() != node.runs.size())
            continue;
        for (size_t i = 0; i < entry.runs.size(); ++i) {
            // Holes share one marker offset (all ones): two holes are not the same clusters.
            if (entry.runs[i].offset == node.runs[i].offset && node.runs[i].offset != UINT64_MAX) {
                duplicate = true;
                break;
            }
        }
    }
    if (!duplicate)
        group.push_back(node);
}

std::tuple<uint8_t, uint64_t, std::string> FileNodeStore::BuildPath(const FileNode& node)
{
    std::lock_guard lock(idMutex);
    return BuildPathLocked(node);
}

std::tuple<uint8_t, uint64_t, std::string> FileNodeStore::BuildPathLocked(const FileNode& node)
{
    uint8_t state = node.deletedState;
    if (node.name.empty())
        return {state, 0, "Unknown"};

    std::vector<const std::string*> names{&node.name};
    std::unordered_set<uint64_t> visited;
    uint64_t id = node.parentId;
    uint16_t wanted = node.parentSequence;
    while (id != 0) {
        auto it = idMap.find(id);
        if (it == idMap.end())
            break;
        // A parent chain that loops back on itself ends at the first repeat.
        if (!visited.insert(id).second)
            break;
        const FileNode& parent = it->second;
        if (wanted != 0 && parent.sequence != 0 && wanted != parent.sequence) {
            id = reusedParentId;
            break;
        }
        wanted = parent.parentSequence;
        names.push_back(&parent.name);
        if (parent.deletedState == 1 && state != 2)
            state = 1;
        if (parent.parentId == id)
            break;
        id = parent.parentId;
    }

    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if ((*name)->empty())
            continue;
        if (!path.empty())
            path += '\\';
        path += **name;
    }
    return {state, id, path};
}

std::vector<ResolvedNode> FileNodeStore::TakeResolvedNodes(uint64_t maxCount)
{
    std::vector<ResolvedNode> result;
    std::lock_guard pendingLock(pendingMutex);
    std::lock_guard idLock(idMutex);
    for (auto group = pendingMap.begin(); group != pendingMap.end();) {
        bool taken = false;
        for (const auto& node : group->second) {
            auto [state, lastId, path] = BuildPathLocked(node);
            if (lastId != startId)
                continue;
            FileNode copy = node;
            copy.deletedState = state;
            copy.pathState = underRootState;
            result.emplace_back(std::move(path), std::move(copy));
            taken = true;
        }
        group = taken ? pendingMap.erase(group) : std::next(group);
        if (taken && maxCount != 0 && result.size() >= maxCount)
            break;
    }
    return result;
}

std::vector<ResolvedNode> FileNodeStore::TakeAllNodes()
{
    std::vector<ResolvedNode> result;
    std::lock_guard pendingLock(pendingMutex);
    std::lock_guard idLock(idMutex);
    for (const auto& [id, group] : pendingMap) {
        for (const auto& node : group) {
            auto [state, lastId, path] = BuildPathLocked(node);
            FileNode copy = node;
            copy.deletedState = state;
            copy.pathState = (lastId == rootId || lastId == startId) ? underRootState : lostState;
            result.emplace_back(std::move(path), std::move(copy));
        }
    }
    return result;
}

void FileNodeStore::ClearPending()
{
    std::lock_guard lock(pendingMutex);
    pendingMap.clear();
    pendingMap.rehash(0);
}

size_t FileNodeStore::PendingCount()
{
    std::lock_guard lock(pendingMutex);
    size_t count = 0;
    for (const auto& [id, group] : pendingMap)
        count += group.size();
    return count;
}

size_t FileNodeStore::KnownCount()
{
    std::lock_guard lock(idMutex);
    return idMap.size();
}

}
