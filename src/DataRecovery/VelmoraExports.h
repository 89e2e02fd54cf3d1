#pragma once
// The functions libVelmora exports, in the order a caller uses them.
#include "DataRecovery/DataRecoveryMulti.h"
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "DataRecovery/VelmoraApi.h"

#include <vector>

// Sets up the engine's log once per process (file name, then ".\log\" folder).
VELMORA_API bool InitVelmora(const char* logFileName);
// Sets up the engine's log once per process; the logging library gets (name, folder).
VELMORA_API bool InitVelmoraW(const wchar_t* logFolder, const wchar_t* logFileName);

VELMORA_API std::vector<DiskAndVolumeInfo> GetLocalDiskAndVolumeInfo();
VELMORA_API DataRecoveryMulti* CreateDataRecovery(const std::vector<DiskAndVolumeInfo>& volumes,
                                                  DataRecoveryCallback callback);
VELMORA_API void ReleaseDataRecovery(DataRecoveryMulti* object);
VELMORA_API bool UnlockBitLockerVolume(const DiskAndVolumeInfo& volume, const wchar_t* password);
