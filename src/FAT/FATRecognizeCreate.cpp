#include "FAT/FATRecognize.h"

#include "DataRecovery/DataRecoveryEntity.h"
#include "FAT/ExFATDataRecovery.h"
#include "FAT/FAT32DataRecovery.h"

namespace FAT {

std::unique_ptr<DataRecoveryEntity> FAT32Recognize::CreateRecoveryWithLayout(const VolumeInfoItem& volume,
                                                                             DiskAndVolumeInfo info,
                                                                             DataRecoveryCallback callback,
                                                                             uint64_t dataStart, uint64_t clusterSize)
{
    return std::make_unique<FAT32DataRecovery>(volume, std::move(info), std::move(callback), dataStart, clusterSize);
}

std::unique_ptr<DataRecoveryEntity> FAT32Recognize::CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                   DataRecoveryCallback callback)
{
    return std::make_unique<FAT32DataRecovery>(volume, std::move(info), std::move(callback));
}

std::unique_ptr<DataRecoveryEntity> ExFATRecognize::CreateRecoveryWithLayout(const VolumeInfoItem& volume,
                                                                             DiskAndVolumeInfo info,
                                                                             DataRecoveryCallback callback,
                                                                             uint64_t dataStart, uint64_t clusterSize)
{
    return std::make_unique<ExFATDataRecovery>(volume, std::move(info), std::move(callback), dataStart, clusterSize);
}

std::unique_ptr<DataRecoveryEntity> ExFATRecognize::CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                   DataRecoveryCallback callback)
{
    return std::make_unique<ExFATDataRecovery>(volume, std::move(info), std::move(callback));
}

}
