#include "DataRecovery/EngineFactory.h"

#include "DeepScan/UnknownDataRecovery.h"
#include "NTFS/NTFSDataRecovery.h"

std::optional<FileSystemEngineKind> ChooseFileSystemEngine(const std::string& fileSystemName)
{
    if (fileSystemName.find("NTFS") != std::string::npos)
        return FileSystemEngineKind::NTFS;
    if (fileSystemName.find("FAT32") != std::string::npos)
        return FileSystemEngineKind::FAT32;
    if (fileSystemName.find("EXFAT") != std::string::npos)
        return FileSystemEngineKind::ExFAT;
    return std::nullopt;
}

std::string FileSystemEngineName(FileSystemEngineKind kind)
{
    switch (kind) {
    case FileSystemEngineKind::NTFS:
        return "NTFS engine (NTFSDataRecovery)";
    case FileSystemEngineKind::FAT32:
        return "FAT32 engine (FAT32DataRecovery)";
    case FileSystemEngineKind::ExFAT:
        return "exFAT engine (ExFATDataRecovery)";
    }
    return "unknown engine";
}

EngineFactory EngineFactory::Default()
{
    EngineFactory factory;
    // No raw volume search is part of this build yet.
    factory.createFileSystemEngine = [](FileSystemEngineKind kind, const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                        DataRecoveryCallback callback) -> std::shared_ptr<DataRecoveryEntity> {
        if (kind == FileSystemEngineKind::NTFS)
            return std::make_shared<NTFSDataRecovery>(volume, std::move(info), std::move(callback));
        return nullptr;
    };
    factory.createRawSearch = [](std::shared_ptr<DataRecoveryEntity>, const VolumeInfoItem&, DiskAndVolumeInfo,
                                 DataRecoveryCallback) { return std::shared_ptr<UnknownDataRecovery>(); };
    return factory;
}
