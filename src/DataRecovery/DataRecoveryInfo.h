#pragma once
#include "DataRecovery/VelmoraApi.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum DataRecoveryInfoKind : uint32_t {
    StructureScanProgress = 0,
    RawScanProgress = 1,
    DeepScanProgress = 2,
    ScanFinished = 3,
    ScanFailed = 4,
    RecoverProgress = 5,
    RecoverFailed = 6,
    RecoverDone = 7,
    NtfsFile = 8,
    Fat32File = 9,
    ExFatFile = 10,
    CarvedFile = 11,
};

// How much of a found file's data its runs are known to hold. A guessed file's
// runs were continued over clusters no structure vouches for; a cut file's
// runs end before its size. Either is written, but not as a plain success.
enum FileDataState : uint8_t {
    DataWhole = 0,
    DataGuessed = 1,
    DataCut = 2,
};

// One run of a found file: byte offset relative to the volume start, and length in bytes.
struct DataRun {
    uint64_t offset;
    uint64_t length;
};

// The one record every event reaches the caller in. Fields shared between kinds
// sit in unions so both sides of the library boundary agree on one layout.
struct DataRecoveryInfo {
    uint32_t kind;
    uint8_t diskIndex;
    uint8_t volIndex;
    union {
        double progress;
        uint64_t fileSize;
    };
    union {
        uint64_t value;
        int64_t modifyTime;
    };
    union {
        int32_t errorCode;
        const DataRun* runs;
    };
    const char* path;
    uint32_t nodeId;
    uint16_t pathLength;
    uint8_t runCount;
    uint8_t lostPartitionNumber;
    uint8_t deletedState;
    uint8_t pathState;
    uint8_t lostPartitionFlag;
    uint8_t dataState; // FileDataState: of a found file, and of the file a recovery record reports
};

static_assert(sizeof(DataRecoveryInfo) == 56);
static_assert(offsetof(DataRecoveryInfo, kind) == 0);
static_assert(offsetof(DataRecoveryInfo, diskIndex) == 4);
static_assert(offsetof(DataRecoveryInfo, volIndex) == 5);
static_assert(offsetof(DataRecoveryInfo, progress) == 8);
static_assert(offsetof(DataRecoveryInfo, value) == 16);
static_assert(offsetof(DataRecoveryInfo, errorCode) == 24);
static_assert(offsetof(DataRecoveryInfo, runs) == 24);
static_assert(offsetof(DataRecoveryInfo, path) == 32);
static_assert(offsetof(DataRecoveryInfo, nodeId) == 40);
static_assert(offsetof(DataRecoveryInfo, pathLength) == 44);
static_assert(offsetof(DataRecoveryInfo, runCount) == 46);
static_assert(offsetof(DataRecoveryInfo, lostPartitionNumber) == 47);
static_assert(offsetof(DataRecoveryInfo, deletedState) == 48);
static_assert(offsetof(DataRecoveryInfo, pathState) == 49);
static_assert(offsetof(DataRecoveryInfo, lostPartitionFlag) == 50);
static_assert(offsetof(DataRecoveryInfo, dataState) == 51);
static_assert(sizeof(DataRun) == 16);

// A record with every field zero; producers fill only what their kind uses.
inline DataRecoveryInfo MakeDataRecoveryInfo(DataRecoveryInfoKind kind)
{
    DataRecoveryInfo info{};
    info.kind = kind;
    info.fileSize = 0;
    info.value = 0;
    info.runs = nullptr;
    return info;
}

// Short English name of a kind ("NtfsFile"); "Unknown" for values outside the table.
VELMORA_API const char* DataRecoveryInfoKindName(uint32_t kind);

// One row of a selective scan.
struct ScanPathInfo {
    uint8_t diskIndex;
    uint8_t volIndex;
    std::string path;
};
