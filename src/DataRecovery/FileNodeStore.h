#pragma once
// Remembers every node by id so full paths can be built by walking parents,
// and holds found files as pending until their paths are known.
#include "DataRecovery/FileNode.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

namespace FileManagerSP {

using ResolvedNode = std::pair<std::string, FileNode>;

class FileNodeStore {
public:
    static constexpr uint64_t maxPendingSize = 0x2000000000ull; // 128 GiB

    explicit FileNodeStore(uint64_t rootId = 0);

    void AddNode(const FileNode& node);
    void AddPending(const FileNode& node);
    // (deletedState, id at which the parent walk ended, path joined with "\").
    // A walk that meets a parent whose sequence number is not the one its
    // child's reference carries ends there, below that folder, at reusedParentId.
    std::tuple<uint8_t, uint64_t, std::string> BuildPath(const FileNode& node);
    static constexpr uint64_t reusedParentId = UINT64_MAX;
    std::vector<ResolvedNode> TakeResolvedNodes(uint64_t maxCount);
    std::vector<ResolvedNode> TakeAllNodes();
    void ClearPending();

    size_t PendingCount();
    size_t KnownCount();

    // The engines set these before a scan; read under no lock by design, so
    // they are only changed while no scan runs.
    uint64_t rootId;
    uint64_t startId = 0;
    const uint8_t underRootState = 0;
    const uint8_t lostState = 1;

    // The FAT engines add pending nodes in their own code under this mutex;
    // the exFAT closing step empties idMap under idMutex.
    std::mutex idMutex;
    std::mutex pendingMutex;
    std::unordered_map<uint64_t, FileNode> idMap;
    std::unordered_map<uint64_t, std::vector<FileNode>> pendingMap;

private:
    std::tuple<uint8_t, uint64_t, std::string> BuildPathLocked(const FileNode& node);
};

}
