#pragma once
#include "DocumentInfo.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The engine's request record for one found file, with the runs and the path it
// points into. Neither copyable nor movable: info holds pointers into the members.
struct DataRecoveryRequest {
    DataRecoveryRequest(const DocumentInfo* record, const QString& exportPath);
    DataRecoveryRequest(const DataRecoveryRequest&) = delete;
    DataRecoveryRequest& operator=(const DataRecoveryRequest&) = delete;

    QByteArray path;
    std::vector<DataRun> runs;
    DataRecoveryInfo info{};
};

// Disk index in the high 32 bits, volume index in the low 32, as the bridge keys volumes.
quint64 recordVolumeKey(const DocumentInfo* record);
