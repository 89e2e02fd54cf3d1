#pragma once
// Velmora: the common base of every volume container and every engine (run
// states, callback, volume weight, the volume's record). DataRecoveryCommon
// adds the volume as the disk table lists it.
#include "DataRecovery/DataRecoveryMulti.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "DataRecovery/RunState.h"
#include "Disk/VolumeInfoItem.h"

#include <cstdint>
#include <string>
#include <vector>

class Velmora : public DataRecoveryMulti {
public:
    Velmora(DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~Velmora() override;

    int Start(const std::vector<ScanPathInfo>& rows) override;
    using DataRecoveryMulti::Start;
    int ScanRecycleBin() override;
    int Pause(int which) override;
    int SetRun(int which) override;
    int SetStop(int which) override;

    virtual int Start(const std::string& path) = 0;
    virtual int Scan(int64_t inode) = 0;

    // Current value of the state for which (0 scanning, 1 recovering).
    int GetRunState(int which) const;
    const DiskAndVolumeInfo& GetInfo() const { return info; }
    uint64_t GetScanSize() const { return scanSize; }
    // Waits this object's main loops made at Pause (see PollRunState).
    uint64_t PausedPolls() const { return pausedPolls.load(std::memory_order_relaxed); }

protected:
    void SetState(int which, RunState state);

    SharedRunState scanState;
    SharedRunState recoverState;
    uint64_t scanSize = 0;
    DataRecoveryCallback reportCallback;
    DiskAndVolumeInfo info;
    std::atomic<uint64_t> pausedPolls{0};
};

class DataRecoveryCommon : public Velmora {
public:
    // Finds the volume in the process-wide disk table by its identity (disk
    // number, device path, byte range); throws Exceptions::DiskException when
    // the record is malformed or the table does not hold that volume.
    DataRecoveryCommon(DiskAndVolumeInfo info, DataRecoveryCallback callback);

    const VolumeInfoItem& GetVolumeRecord() const { return volumeRecord; }

protected:
    VolumeInfoItem volumeRecord;
};
