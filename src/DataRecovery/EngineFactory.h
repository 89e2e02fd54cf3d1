#pragma once
// Where a volume container gets its engines. The file-system engines and the
// raw volume search are built elsewhere; until one is, its maker answers with
// an empty pointer and the container reports the volume's scan as failed,
// naming the missing engine. Tests put fake engines here.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/VolumeInfoItem.h"

#include <functional>
#include <map>
#include <vector>
#include <memory>
#include <optional>
#include <string>

class UnknownDataRecovery;

enum class FileSystemEngineKind { NTFS, FAT32, ExFAT };

// The engine a file-system name selects: case-sensitive substring search,
// "NTFS" before "FAT32" before "EXFAT".
std::optional<FileSystemEngineKind> ChooseFileSystemEngine(const std::string& fileSystemName);
// "NTFS engine (NTFSDataRecovery)" and the like, for log lines and messages.
std::string FileSystemEngineName(FileSystemEngineKind kind);

struct EngineFactory {
    using FileSystemMaker = std::function<std::shared_ptr<DataRecoveryEntity>(
        FileSystemEngineKind, const VolumeInfoItem&, DiskAndVolumeInfo, DataRecoveryCallback)>;
    using RawSearchMaker = std::function<std::shared_ptr<UnknownDataRecovery>(
        std::shared_ptr<DataRecoveryEntity>, const VolumeInfoItem&, DiskAndVolumeInfo, DataRecoveryCallback)>;

    FileSystemMaker createFileSystemEngine;
    RawSearchMaker createRawSearch;
    // The recognisers the raw search looks for lost volumes with, by
    // file-system type (0 NTFS, 1 FAT32, 2 exFAT); shared so that makers
    // added after the raw search's own are seen by it.
    std::shared_ptr<std::map<int, std::function<std::unique_ptr<Utils::DataRecognize>(
        const std::vector<uint32_t>& knownSerials)>>>
        recognisers = std::make_shared<std::map<int, std::function<std::unique_ptr<Utils::DataRecognize>(
            const std::vector<uint32_t>& knownSerials)>>>();

    // The engines this build of the library has.
    static EngineFactory Default();
};
