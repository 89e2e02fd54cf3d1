#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSRecognize.h"

namespace NTFS {

std::unique_ptr<DataRecoveryEntity> NTFSRecognize::CreateRecovery(const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                                                  DataRecoveryCallback callback)
{
    return std::make_unique<NTFSDataRecovery>(volume, std::move(info), std::move(callback));
}

}
