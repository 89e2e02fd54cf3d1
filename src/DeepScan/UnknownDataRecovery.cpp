#include "DeepScan/UnknownDataRecovery.h"

#include <utility>

UnknownDataRecovery::UnknownDataRecovery(std::shared_ptr<DataRecoveryEntity> volumeEngine,
                                         const VolumeInfoItem& volume, DiskAndVolumeInfo info,
                                         DataRecoveryCallback callback)
    : DataRecoveryEntity(std::move(info), std::move(callback)),
      volumeEngine(std::move(volumeEngine)),
      volumeRecord(volume)
{
}

UnknownDataRecovery::~UnknownDataRecovery() = default;

std::atomic<int>& LostVolumeCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}
