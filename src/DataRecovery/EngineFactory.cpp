#include "DataRecovery/EngineFactory.h"

#include "DeepScan/UnknownDataRecovery.h"

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
    // No file-system engine is part of this build yet.
    factory.createFileSystemEngine = [](FileSystemEngineKind, const VolumeInfoItem&, DiskAndVolumeInfo,
                                        DataRecoveryCallback) { return std::shared_ptr<DataRecoveryEntity>(); };
    // The raw search runs on every volume, with or without a file-system engine.
    factory.createRawSearch = [recognisers = factory.recognisers](std::shared_ptr<DataRecoveryEntity> engine,
                                                                  const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                  DataRecoveryCallback callback) {
        return std::make_shared<UnknownDataRecovery>(std::move(engine), volume, std::move(info), std::move(callback),
                                                     *recognisers);
    };
    return factory;
}
