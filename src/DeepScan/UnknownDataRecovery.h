#pragma once
// The raw volume search over one volume: walks the volume block by block,
// hands directory blocks to the volume's own engine and builds engines for
// lost volumes it finds by their boot sectors. Every volume container holds
// one, with or without a file-system engine.
#include "DataRecovery/DataRecoveryEntity.h"

#include <atomic>
#include <memory>

class UnknownDataRecovery : public DataRecoveryEntity {
public:
    // volumeEngine is empty when the container found no engine for the volume.
    UnknownDataRecovery(std::shared_ptr<DataRecoveryEntity> volumeEngine, const VolumeInfoItem& volume,
                        DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~UnknownDataRecovery() override;

    // Slot 14: the raw pass over the whole volume range; reports RawScanProgress,
    // throws on failure and Exceptions::ProcessControllerException when stopped.
    int ScanRaw() override = 0;

protected:
    std::shared_ptr<DataRecoveryEntity> volumeEngine;
    VolumeInfoItem volumeRecord;
};

// Numbers the lost volumes the raw search finds; a whole-volume scan resets it.
std::atomic<int>& LostVolumeCounter();
