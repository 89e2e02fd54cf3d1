#include "Disk/DiskNameTables.h"
#include "Disk/NtfsNameTables.h"
#include "Utils/JoinStrings.h"

#include <gtest/gtest.h>

namespace {
// A GPT type field as sgdisk writes it for the usual GUID text.
std::array<uint8_t, 16> Stored(std::array<uint8_t, 16> plain)
{
    std::array<uint8_t, 16> stored = plain;
    std::swap(stored[0], stored[3]);
    std::swap(stored[1], stored[2]);
    std::swap(stored[4], stored[5]);
    std::swap(stored[6], stored[7]);
    return stored;
}
}

TEST(NameTables, DiskAndPartitionCodes)
{
    const std::pair<std::string, std::string> cases[] = {
        {GetSmartAttributeName(0), "Invalid"},
        {GetSmartAttributeName(210), "Unknown"},
        {GetSmartAttributeName(253), "Unknown"},
        {GetSmartAttributeName(255), "Unknown"},
        {GetSmartAttributeName(13), "Soft Read Error Rate"},
        {GetSmartAttributeName(201), "Soft Read Error Rate"},
        {GetSmartAttributeName(254), "Free Fall Protection"},
        {GetSmartCapabilityNames(0), ""},
        {GetSmartCapabilityNames(8), ""},
        {GetSmartCapabilityNames(2), "ATAPI"},
        {GetSmartCapabilityNames(7), "ATA, ATAPI, S.M.A.R.T"},
        {GetSmartCapabilityNames(5), "ATA, S.M.A.R.T"},
        {GetIdeDeviceMapName(0), "UNKNOWN"},
        {GetIdeDeviceMapName(3), "UNKNOWN"},
        {GetIdeDeviceMapName(0x80), "ATAPI Subordinate on secondary channel"},
        {GetDriveTypeName(0), "UNKNOWN"},
        {GetDriveTypeName(5), "CD-ROM"},
        {GetMediaTypeName(0), "Unknown"},
        {GetMediaTypeName(26), "Unknown"},
        {GetMediaTypeName(1), "5.25\", 1.2MB"},
        {GetMediaTypeName(7), "5.25\", 320KB"},
        {GetMediaTypeName(8), "5.25\", 320KB"},
        {GetMediaTypeName(14), "3.5\" , 640KB"},
        {GetMediaTypeName(20), "3.5\" MO 128Mb"},
        {GetMediaTypeName(12), "Fixed"},
        {GetPartitionStyleName(1), "GPT"},
        {GetPartitionStyleName(-1), "UNKNOWN"},
        {GetMbrPartitionTypeName(0x107), "NTFS / exFAT"},
        {GetMbrPartitionTypeName(0x0D), "Unknown"},
        {GetMbrPartitionTypeName(0x3A), "THEOS"},
        {GetMbrPartitionTypeName(0xB2), "QNX Neurtino Power-Safe"},
        {GetMbrPartitionTypeName(0xFF), "Xenix Bad Block Table"},
        {GetGptPartitionTypeName({}), "Entry Unused"},
        {GetGptPartitionTypeName(Stored({0xEB, 0xD0, 0xA0, 0xA2, 0xB9, 0xE5, 0x44, 0x33, 0x87, 0xC0, 0x68, 0xB6, 0xB7,
                                         0x26, 0x99, 0xC7})),
         "Basic Data"},
        {GetGptPartitionTypeName(Stored({0x6A, 0x8D, 0x2A, 0xC7, 0x1D, 0xD2, 0x11, 0xB2, 0x99, 0xA6, 0x08, 0x00, 0x20,
                                         0x73, 0x66, 0x31})),
         "Solaris Reserved"},
        // Equal in the first eight bytes only.
        {GetGptPartitionTypeName(Stored({0xEB, 0xD0, 0xA0, 0xA2, 0xB9, 0xE5, 0x44, 0x33, 0, 0, 0, 0, 0, 0, 0, 0})),
         "Unknown"},
        {Utils::JoinStrings({"one"}, "+"), "one"},
        {Utils::JoinStrings({"a", "b", "c"}, "+"), "a+b+c"},
        {Utils::JoinStrings({"a", "b"}, ""), "ab"},
        {Utils::JoinStrings({}, ", "), ""},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
    int named = 0;
    for (uint32_t type = 0; type < 256; ++type)
        named += GetMbrPartitionTypeName(type) != "Unknown";
    EXPECT_EQ(named, 130);
}

TEST(NameTables, NtfsJournalAndAttributeCodes)
{
    const std::pair<std::string, std::string> cases[] = {
        {GetNtfsAttributeTypeName(0x80), "$DATA"},
        {GetNtfsAttributeTypeName(0x12345), "Unknown (00012345)"},
        {GetNtfsAttributeTypeName(0xF0), "Unknown (000000f0)"},
        {GetNtfsAttributeTypeName(0xFFFFFFFF), "$END"},
        {GetReparseTagName(0xA000001D), "Unknown (0xa000001d)"},
        {GetReparseTagName(0x9000A01A), "Cloud Files (A)"},
        {GetReparseTagName(0x9000001A), "Cloud Files"},
        {GetReparseTagName(0x80000016), "Unknown (0x80000016)"},
        {GetFileNameNamespaceName(0x103), "DOS & WIN32"},
        {GetFileNameNamespaceName(4), "UNKNOWN"},
        {GetMftRecordFlagsName(3), "Directory in use"},
        {GetMftRecordFlagsName(-1), "Unknown (ffffffff)"},
        {GetIndexRootFlagsName(1), "Large Index"},
        {GetIndexedAttributeTypeName(0x30), "Filename"},
        {GetFileAttributeNames(0x21), "READONLY+ARCHIVE"},
        {GetFileAttributeNames(0x8), ""},
        {GetFileAttributeNames(0), ""},
        {GetUsnReasonNames(0x80000100), "FILE_CREATE+CLOSE"},
        {GetLogOperationName(0x10002), "InitializeFileRecordSegment"},
        {GetLogOperationName(16), "Invalid"},
        {GetLogOperationName(34), "Invalid"},
        {GetWofAlgorithmName(3), "XPRESS 16k"},
        {GetWofAlgorithmName(4), "UNKNOWN"},
        {GetTransactionStateName(0), "Unknown"},
        {GetTransactionStateName(16), "Count"},
        {GetTransactionStateName(17), "Unknown"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);

    EXPECT_EQ(ParseFileAttributeName("HIDDEN"), 2u);
    EXPECT_EQ(ParseFileAttributeName("hidden"), 0u);
    EXPECT_EQ(ParseFileAttributeName("HIDDEN+SYSTEM"), 0u);
    EXPECT_EQ(ParseUsnReasonName("CLOSE"), 0x80000000u);
    EXPECT_TRUE(GetSnapshotAttributeNames(0x100).empty());
    EXPECT_EQ(GetSnapshotAttributeNames(0x10001), (std::vector<std::string>{"Persistent", "Hardware Assisted"}));
}
