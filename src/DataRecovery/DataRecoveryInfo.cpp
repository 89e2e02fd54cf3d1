#include "DataRecovery/DataRecoveryInfo.h"

const char* DataRecoveryInfoKindName(uint32_t kind)
{
    static constexpr const char* names[] = {
        "StructureScanProgress", "RawScanProgress", "DeepScanProgress", "ScanFinished",
        "ScanFailed", "RecoverProgress", "RecoverFailed", "RecoverDone",
        "NtfsFile", "Fat32File", "ExFatFile", "CarvedFile",
    };
    return kind < std::size(names) ? names[kind] : "Unknown";
}
