#include "DataRecovery/EngineFactory.h"

#include "DeepScan/UnknownDataRecovery.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSRecognize.h"
#include "FAT/ExFATDataRecovery.h"
#include "FAT/FAT32DataRecovery.h"
#include "FAT/FATRecognize.h"

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
    factory.createFileSystemEngine = [](FileSystemEngineKind kind, const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                        DataRecoveryCallback callback) -> std::shared_ptr<DataRecoveryEntity> {
        if (kind == FileSystemEngineKind::NTFS)
            return std::make_shared<NTFSDataRecovery>(volume, std::move(info), std::move(callback));
        if (kind == FileSystemEngineKind::FAT32)
            return std::make_shared<FAT::FAT32DataRecovery>(volume, std::move(info), std::move(callback));
        if (kind == FileSystemEngineKind::ExFAT)
            return std::make_shared<FAT::ExFATDataRecovery>(volume, std::move(info), std::move(callback));
        return {};
    };
    // The raw search runs on every volume, with or without a file-system engine.
    factory.createRawSearch = [recognisers = factory.recognisers](std::shared_ptr<DataRecoveryEntity> engine,
                                                                  const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                  DataRecoveryCallback callback) {
        return std::make_shared<UnknownDataRecovery>(std::move(engine), volume, std::move(info), std::move(callback),
                                                     *recognisers);
    };
    // Lost volumes are looked for with these, one per file-system type.
    (*factory.recognisers)[0] = [](const std::vector<uint32_t>& known) -> std::unique_ptr<Utils::DataRecognize> {
        return std::make_unique<NTFS::NTFSRecognize>(known);
    };
    (*factory.recognisers)[1] = [](const std::vector<uint32_t>& known) -> std::unique_ptr<Utils::DataRecognize> {
        return std::make_unique<FAT::FAT32Recognize>(known);
    };
    (*factory.recognisers)[2] = [](const std::vector<uint32_t>& known) -> std::unique_ptr<Utils::DataRecognize> {
        return std::make_unique<FAT::ExFATRecognize>(known);
    };
    return factory;
}
