#pragma once
#include "DataRecovery/DataRecoveryInfo.h"
#include "DataRecovery/VelmoraApi.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using DataRecoveryCallback = std::function<void(const DataRecoveryInfo&)>;

// The engine's exported interface; the object behind it comes from CreateDataRecovery.
class VELMORA_API DataRecoveryMulti {
public:
    DataRecoveryMulti();
    explicit DataRecoveryMulti(DataRecoveryCallback callback);
    virtual ~DataRecoveryMulti();

    DataRecoveryMulti(const DataRecoveryMulti&) = delete;
    DataRecoveryMulti& operator=(const DataRecoveryMulti&) = delete;

    virtual int Start(const std::vector<ScanPathInfo>& rows) = 0;
    virtual int Start() = 0;
    virtual int ScanRecycleBin() = 0;
    virtual int RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item) = 0;
    virtual int RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& items) = 0;
    virtual int RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item) = 0;
    virtual int Pause(int which) = 0;
    virtual int SetRun(int which) = 0;
    virtual int SetStop(int which) = 0;

protected:
    DataRecoveryCallback callback;
};
