#include "NTFS/NTFSRecognize.h"

#include "DataRecovery/DataRecoveryEntity.h"

namespace NTFS {

std::unique_ptr<DataRecoveryEntity> NTFSRecognize::CreateRecovery(const VolumeInfoItem&, DiskAndVolumeInfo,
                                                                  DataRecoveryCallback)
{
    return nullptr;
}

}
