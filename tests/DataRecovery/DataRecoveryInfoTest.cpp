#include "DataRecovery/DataRecoveryInfo.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DataRecoveryInfo, SharedSlotsOverlap)
{
    DataRecoveryInfo info = MakeDataRecoveryInfo(ScanFailed);
    info.errorCode = 14;
    int32_t firstFour;
    std::memcpy(&firstFour, reinterpret_cast<const char*>(&info) + offsetof(DataRecoveryInfo, runs), 4);
    EXPECT_EQ(firstFour, 14);

    info.fileSize = 0x1122334455667788ull;
    uint64_t slot;
    std::memcpy(&slot, reinterpret_cast<const char*>(&info) + offsetof(DataRecoveryInfo, progress), 8);
    EXPECT_EQ(slot, 0x1122334455667788ull);
}

TEST(DataRecoveryInfo, FreshRecordIsAllZero)
{
    const DataRecoveryInfo info = MakeDataRecoveryInfo(CarvedFile);
    EXPECT_EQ(info.kind, 11u);
    EXPECT_EQ(info.fileSize, 0u);
    EXPECT_EQ(info.runs, nullptr);
    EXPECT_EQ(info.path, nullptr);
    EXPECT_EQ(info.runCount, 0);
    EXPECT_EQ(info.lostPartitionFlag, 0);
}

TEST(DataRecoveryInfo, KindNames)
{
    EXPECT_STREQ(DataRecoveryInfoKindName(NtfsFile), "NtfsFile");
    EXPECT_STREQ(DataRecoveryInfoKindName(StructureScanProgress), "StructureScanProgress");
    EXPECT_STREQ(DataRecoveryInfoKindName(CarvedFile), "CarvedFile");
    EXPECT_STREQ(DataRecoveryInfoKindName(12), "Unknown");
}
