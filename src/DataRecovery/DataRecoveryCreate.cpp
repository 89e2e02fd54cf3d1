// CreateDataRecovery and ReleaseDataRecovery: building and releasing the
// object behind DataRecoveryMulti.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/VelmoraExports.h"
#include "Utils/ReaderBufferController.h"

#include <exception>
#include <new>

static constexpr const char* LogSource = "src/DataRecovery/Velmora";

DataRecoveryMulti* CreateDataRecovery(const std::vector<DiskAndVolumeInfo>& volumes, DataRecoveryCallback callback)
{
    try {
        VLOG_INFO("Creating DataRecovery called.");
        for (const auto& volume : volumes)
            VLOG_INFO("Creating DataRecovery for disk: %s, volume: %s", volume.diskName.c_str(),
                      volume.volumeLetter.c_str());
        VLOG_INFO("Velmora created end.");
        return new DataRecoveryMultiImpl(volumes, std::move(callback));
    } catch (const std::exception& e) {
        VLOG_ERROR("Failed to create Velmora: %s", e.what());
        return nullptr;
    }
}

void ReleaseDataRecovery(DataRecoveryMulti* object)
{
    VLOG_INFO("ReleaseDataRecovery Start");
    delete object;
    ReaderBufferController::Clear();
    VLOG_INFO("ReleaseDataRecovery End");
}
