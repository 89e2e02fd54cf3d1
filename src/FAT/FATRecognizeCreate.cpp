#include "FAT/FATRecognize.h"

#include "DataRecovery/DataRecoveryEntity.h"

namespace FAT {

// The engines of found volumes are not part of this build yet.
std::unique_ptr<DataRecoveryEntity> FAT32Recognize::CreateRecoveryWithLayout(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                             DataRecoveryCallback, uint64_t, uint64_t)
{
    return nullptr;
}

std::unique_ptr<DataRecoveryEntity> FAT32Recognize::CreateRecovery(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                   DataRecoveryCallback)
{
    return nullptr;
}

std::unique_ptr<DataRecoveryEntity> ExFATRecognize::CreateRecoveryWithLayout(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                             DataRecoveryCallback, uint64_t, uint64_t)
{
    return nullptr;
}

std::unique_ptr<DataRecoveryEntity> ExFATRecognize::CreateRecovery(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                   DataRecoveryCallback)
{
    return nullptr;
}

}
