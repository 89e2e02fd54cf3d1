#pragma once
// Where a volume container gets its engines. The file-system engines and the
// raw volume search are built elsewhere; until one is, its maker answers with
// an empty pointer and the container reports the volume's scan as failed,
// naming the missing engine. Tests put fake engines here.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/VolumeInfoItem.h"

#include <functional>
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

    // The engines this build of the library has.
    static EngineFactory Default();
};
