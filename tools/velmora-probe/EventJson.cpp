#include "EventJson.h"

nlohmann::json EventToJson(const DataRecoveryInfo& info)
{
    nlohmann::json out;
    out["kind"] = DataRecoveryInfoKindName(info.kind);
    out["diskIndex"] = info.diskIndex;
    out["volIndex"] = info.volIndex;
    switch (info.kind) {
    case StructureScanProgress:
    case RawScanProgress:
    case DeepScanProgress:
    case ScanFinished:
        out["progress"] = info.progress;
        break;
    case ScanFailed:
        out["progress"] = info.progress;
        out["errorCode"] = info.errorCode;
        break;
    case RecoverProgress:
    case RecoverDone:
        out["progress"] = info.progress;
        out["value"] = info.value;
        out["dataState"] = info.dataState;
        break;
    case RecoverFailed:
        out["progress"] = info.progress;
        out["value"] = info.value;
        out["errorCode"] = info.errorCode;
        break;
    case NtfsFile:
    case Fat32File:
    case ExFatFile:
    case CarvedFile: {
        out["fileSize"] = info.fileSize;
        out["modifyTime"] = info.modifyTime;
        nlohmann::json runs = nlohmann::json::array();
        for (uint8_t i = 0; info.runs && i < info.runCount; ++i)
            runs.push_back({info.runs[i].offset, info.runs[i].length});
        out["runs"] = runs;
        out["path"] = info.path ? std::string(info.path, info.pathLength) : std::string();
        out["nodeId"] = info.nodeId;
        out["lostPartitionNumber"] = info.lostPartitionNumber;
        out["deletedState"] = info.deletedState;
        out["pathState"] = info.pathState;
        out["lostPartitionFlag"] = info.lostPartitionFlag;
        out["dataState"] = info.dataState;
        break;
    }
    default:
        break;
    }
    return out;
}

std::string JsonLine(const nlohmann::json& value)
{
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
