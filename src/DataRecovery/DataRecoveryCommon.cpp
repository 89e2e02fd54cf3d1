#include "DataRecovery/DataRecoveryCommon.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskTable.h"

#include <utility>

static constexpr const char* LogSource = "src/DataRecovery/DataRecoveryCommon";

Velmora::Velmora(DiskAndVolumeInfo info, DataRecoveryCallback callback)
    : scanState(std::make_shared<std::atomic<int>>(0)),
      recoverState(std::make_shared<std::atomic<int>>(0)),
      reportCallback(std::move(callback)),
      info(std::move(info))
{
}

Velmora::~Velmora() = default;

int Velmora::Start(const std::vector<ScanPathInfo>&)
{
    return 0;
}

int Velmora::ScanRecycleBin()
{
    return 0;
}

void Velmora::SetState(int which, RunState state)
{
    if (which == 0)
        scanState->store(static_cast<int>(state), std::memory_order_relaxed);
    else if (which == 1)
        recoverState->store(static_cast<int>(state), std::memory_order_relaxed);
}

int Velmora::GetRunState(int which) const
{
    return (which == 0 ? scanState : recoverState)->load(std::memory_order_relaxed);
}

int Velmora::Pause(int which)
{
    VLOG_DEBUG("Velmora::Pause() called.");
    SetState(which, RunState::Pause);
    VLOG_DEBUG("Velmora::Pause() completed successfully.");
    return 0;
}

int Velmora::SetRun(int which)
{
    VLOG_DEBUG("Velmora::SetRun() called.");
    SetState(which, RunState::Run);
    VLOG_DEBUG("Velmora::SetRun() completed successfully.");
    return 0;
}

int Velmora::SetStop(int which)
{
    VLOG_DEBUG("Velmora::SetStop() called.");
    SetState(which, RunState::Stop);
    return 0;
}

namespace {

VolumeInfoItem LookUpVolume(const DiskAndVolumeInfo& info)
{
    // An end before the start would wrap to an enormous range.
    if (info.endOffset < info.startOffset)
        throw Exceptions::DiskException("Volume record ends before it starts (start " +
                                        std::to_string(info.startOffset) + ", end " +
                                        std::to_string(info.endOffset) + ").");
    auto found = DiskTable::FindVolume(info);
    if (!found)
        throw Exceptions::DiskException("Volume not found in the disk table: disk " +
                                        std::to_string(info.diskIndex) + ", device " + info.volumePath +
                                        ", offset " + std::to_string(info.startOffset) + ".");
    return *found;
}

}

DataRecoveryCommon::DataRecoveryCommon(DiskAndVolumeInfo info, DataRecoveryCallback callback)
    : Velmora(std::move(info), std::move(callback)), volumeRecord(LookUpVolume(this->info))
{
}
