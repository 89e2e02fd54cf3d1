#include "Disk/DiskNameTables.h"

#include "Utils/JoinStrings.h"

#include <cstring>
#include <map>
#include <vector>

std::string GetSmartAttributeName(uint32_t id)
{
    const std::map<uint32_t, std::string> names = {
        {0, "Invalid"},
        {1, "Read Error Rate"},
        {2, "Throughput Performance"},
        {3, "Spin Up Time"},
        {4, "Start/Stop Count"},
        {5, "Reallocated Sector Count"},
        {6, "Read Channel Margin"},
        {7, "Seek Error Rate"},
        {8, "Seek Timer Performance"},
        {9, "Power-On Hours Count"},
        {10, "Spin Up Retry Count"},
        {11, "Calibration Retry Count"},
        {12, "Power Cycle Count"},
        {13, "Soft Read Error Rate"},
        {22, "Current Helium Level"},
        {160, "Uncorrectable Sector Count R/W"},
        {161, "Remaining Spare Block Percentage"},
        {164, "Total Erase Count"},
        {165, "Maximum Erase Count"},
        {166, "Minimum Erase Count"},
        {167, "Average Erase Count"},
        {168, "Max Nand Erase Count"},
        {169, "Remaining Life Percentage"},
        {170, "Available Reserved Space"},
        {171, "Ssd Program Fail Count"},
        {172, "Ssd Erase Fail Count"},
        {173, "Ssd Wear Leveling Count"},
        {174, "Unexpected Power Loss Count"},
        {175, "Power Loss Protection Failure"},
        {176, "Erase Fail Count"},
        {177, "Wear Range Delta"},
        {178, "Used Reserved Block Count (Chip)"},
        {179, "Used Reserved Block Count (Total)"},
        {180, "Unused Reserved Block Count Total"},
        {181, "Program Fail Count Total"},
        {182, "Erase Fail Count"},
        {183, "Sata Down Shift Error Count"},
        {184, "End-To-End Error"},
        {185, "Head Stability"},
        {186, "Induced Op Vibration Detection"},
        {187, "Reported Uncorrectable Errors"},
        {188, "Command Timeout"},
        {189, "High Fly Writes"},
        {190, "Temperature Difference From 100"},
        {191, "G-Sense Error Rate"},
        {192, "Power-Off Retract Count"},
        {193, "Load/Unload Cycle Count"},
        {194, "Temperature"},
        {195, "Hardware Ecc Recovered"},
        {196, "Reallocation Count"},
        {197, "Current Pending Sector Count"},
        {198, "Off-Line Scan Uncorrectable Count"},
        {199, "Udma Crc Error Rate"},
        {200, "Write Error Rate"},
        {201, "Soft Read Error Rate"},
        {202, "Data Address Mark Errors"},
        {203, "Run Out Cancel"},
        {204, "Soft Ecc Correction"},
        {205, "Thermal Asperity Rate (Tar)"},
        {206, "Flying Height"},
        {207, "Spin High Current"},
        {208, "Spin Buzz"},
        {209, "Off-Line Seek Performance"},
        {211, "Vibration During Write"},
        {212, "Shock During Write"},
        {220, "Disk Shift"},
        {221, "G-Sense Error Rate"},
        {222, "Loaded Hours"},
        {223, "Load/Unload Retry Count"},
        {224, "Load Friction"},
        {225, "Load/Unload Cycle Count"},
        {226, "Load-In Time"},
        {227, "Torque Amplification Count"},
        {228, "Power-Off Retract Count"},
        {230, "Life Curve Status"},
        {231, "Ssd Life Left"},
        {232, "Endurance Remaining"},
        {233, "Media Wear Out Indicator"},
        {234, "Average Erase Count And Maximum Erase Count"},
        {235, "Good Block Count And System Free Block Count"},
        {240, "Head Flying Hours"},
        {241, "Lifetime Writes From Host Gib"},
        {242, "Lifetime Reads From Host Gib"},
        {243, "Total Lbas Written Expanded"},
        {244, "Total Lbas Read Expanded"},
        {249, "Nand Writes Gib"},
        {250, "Read Error Retry Rate"},
        {251, "Minimum Spares Remaining"},
        {252, "Newly Added Bad Flash Block"},
        {254, "Free Fall Protection"},
    };
    const auto found = names.find(id);
    return found == names.end() ? "Unknown" : found->second;
}

std::string GetSmartCapabilityNames(uint32_t bits)
{
    const std::map<uint32_t, std::string> names = {{1, "ATA"}, {2, "ATAPI"}, {4, "S.M.A.R.T"}};
    std::vector<std::string> set;
    for (const auto& [bit, name] : names)
        if (bits & bit)
            set.push_back(name);
    return Utils::JoinStrings(set, ", ");
}

std::string GetIdeDeviceMapName(uint32_t bit)
{
    switch (bit) {
    case 0x01: return "SATA/IDE Master on primary channel";
    case 0x02: return "IDE Subordinate on primary channel";
    case 0x04: return "IDE Master on secondary channel";
    case 0x08: return "IDE Subordinate on secondary channel";
    case 0x10: return "ATAPI Master on primary channel";
    case 0x20: return "ATAPI Subordinate on primary channel";
    case 0x40: return "ATAPI Master on secondary channel";
    case 0x80: return "ATAPI Subordinate on secondary channel";
    default: return "UNKNOWN";
    }
}

std::string GetDriveTypeName(uint32_t type)
{
    switch (type) {
    case 1: return "No mounted volume";
    case 2: return "Removable";
    case 3: return "Fixed";
    case 4: return "Remote";
    case 5: return "CD-ROM";
    case 6: return "RAM disk";
    default: return "UNKNOWN";
    }
}

std::string GetMediaTypeName(uint32_t type)
{
    switch (type) {
    case 11:
        return "Removable";
    case 12:
        return "Fixed";
    case 1:
        return "5.25\", 1.2MB";
    case 2:
        return "3.5\", 1.44MB";
    case 3:
        return "3.5\", 2.88MB";
    case 4:
        return "3.5\", 20.8MB";
    case 5:
        return "3.5\", 720KB";
    case 6:
        return "5.25\", 360KB";
    case 7:
        return "5.25\", 320KB";
    case 8:
        return "5.25\", 320KB";
    case 9:
        return "5.25\", 180KB";
    case 10:
        return "5.25\", 160KB";
    case 13:
        return "3.5\", 120M";
    case 14:
        return "3.5\" , 640KB";
    case 15:
        return "5.25\", 640KB";
    case 16:
        return "5.25\", 720KB";
    case 17:
        return "3.5\" , 1.2Mb";
    case 18:
        return "3.5\" , 1.23Mb";
    case 19:
        return "5.25\", 1.23MB";
    case 20:
        return "3.5\" MO 128Mb";
    case 21:
        return "3.5\" MO 230Mb";
    case 22:
        return "8\", 256KB";
    case 23:
        return "3.5\", 200M";
    case 24:
        return "3.5\", 240Mb";
    case 25:
        return "3.5\", 32Mb";
    default:
        return "Unknown";
    }
}

std::string GetPartitionStyleName(int32_t style)
{
    switch (style) {
    case 0: return "MBR";
    case 1: return "GPT";
    case 2: return "RAW";
    default: return "UNKNOWN";
    }
}

std::string GetMbrPartitionTypeName(uint32_t type)
{
    static const char* const names[256] = {
        "Unused", "FAT12", "XENIX root", "XENIX usr",
        "FAT16", "DOS Extended", "FAT16 (huge)", "NTFS / exFAT",
        "DELL (spanning) / AIX Boot", "AIX Data", "OS/2 Boot / OPUS", "FAT32",
        "FAT32 (LBA)", "Unknown", "FAT16 (LBA)", "DOS Extended (LBA)",
        "Unknown", "FAT12 (hidden)", "Config / Diagnostics", "Unknown",
        "FAT16 (hidden)", "Unknown", "FAT16 (huge, hidden)", "NTFS / exFAT (hidden)",
        "Unknown", "Unknown", "Unknown", "FAT32 (hidden)",
        "FAT32 (LBA, hidden)", "Unknown", "FAT16 (LBA, hidden)", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Rescue (FAT32 or NTFS)",
        "Unknown", "Unknown", "AFS", "SylStor",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "JFS", "Unknown", "Unknown",
        "THEOS", "THEOS", "THEOS", "THEOS",
        "PartitionMagic Recovery", "Netware (hidden)", "Unknown", "Unknown",
        "Pick", "PPC PReP / RISC Boot", "LDM/SFS", "Unknown",
        "GoBack", "Boot-US", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Oberon", "QNX4.x", "QNX4.x", "QNX4.x",
        "Lynx RTOS", "Novell", "Unknown", "DM 6.0 Aux3",
        "DM 6.0 DDO", "EZ-Drive", "FAT (AT&T MS-DOS)", "DrivePro",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "SpeedStor", "Unknown", "UNIX",
        "Netware 2", "Netware 3/4", "Netware SMS", "Novell",
        "Novell", "Netware 5+, NSS", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "DiskSecure Multi-Boot", "Unknown", "V7/x86", "Unknown",
        "Scramdisk", "IBM PC/IX", "Unknown", "M2FS/M2CS",
        "XOSL FS", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "NTFT", "MINIX", "Linux Swap / Solaris", "Linux",
        "Hibernation", "Linux Extended", "FAT16 (fault tolerant)", "NTFS (fault tolerant)",
        "Linux plaintext part tbl", "Unknown", "Linux Kernel", "FAT32 (fault tolerant)",
        "FAT32 (LBA, fault tolerant)", "FAT12 (hidden, fd)", "Linux LVM", "Unknown",
        "FAT16 (hidden, fd)", "DOS Extended (hidden, fd)", "FAT16 (huge, hidden, fd)", "Hidden Linux",
        "Unknown", "Unknown", "CHRP ISO-9660", "FAT32 (hidden, fd)",
        "FAT32 (LBA, hidden, fd)", "Unknown", "FAT16 (hidden, fd)", "DOS Extended (LBA, hidden, fd)",
        "Unknown", "Unknown", "ForthOS", "BSD/OS",
        "Hibernation", "Hibernation", "Unknown", "Unknown",
        "Unknown", "BSD", "OpenBSD", "NeXTStep",
        "Mac OS-X", "NetBSD", "Unknown", "Mac OS-X Boot",
        "Unknown", "Unknown", "Unknown", "MacOS X HFS",
        "BootStar Dummy", "QNX Neurtino Power-Safe", "QNX Neurtino Power-Safe", "QNX Neurtino Power-Safe",
        "Unknown", "Unknown", "Corrupted FAT16", "BSDI / Corrupted NTFS",
        "BSDI Swap", "Unknown", "Unknown", "Acronis Boot Wizard Hidden",
        "Acronis Backup", "Unknown", "Solaris 8 Boot", "Solaris",
        "Valid NTFT", "Unknown", "Hidden Linux", "Hidden Linux Swap",
        "Unknown", "Unknown", "Corrupted FAT16", "Syrinx Boot / Corrupted NTFS",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "CP/M", "Unknown", "Powercopy Backup", "CP/M",
        "Unknown", "Unknown", "Dell PowerEdge Server", "BootIt EMBRM",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "LUKS", "Unknown", "Unknown", "BeOS BFS",
        "SkyOS SkyFS", "Unknown", "EFI Header", "EFI",
        "Linux/PA-RISC Boot", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", "Bochs", "VMware",
        "VMware Swap", "Linux RAID", "Windows NT (hidden)", "Xenix Bad Block Table",
    };
    return names[type & 0xFF];
}

namespace {

// The usual text of a GUID in the on-disk layout (first three fields little-endian).
std::array<uint8_t, 16> GuidFromText(const char* text)
{
    static const int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    uint8_t plain[16] = {};
    int n = 0;
    auto nibble = [](char c) { return static_cast<uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10); };
    for (const char* p = text; *p && n < 16; ++p) {
        if (*p == '-')
            continue;
        plain[n++] = static_cast<uint8_t>(nibble(p[0]) << 4 | nibble(p[1]));
        ++p;
    }
    std::array<uint8_t, 16> stored{};
    for (int i = 0; i < 16; ++i)
        stored[order[i]] = plain[i];
    return stored;
}

struct GptTypeRow {
    std::array<uint8_t, 16> guid;
    const char* name;
};

const std::vector<GptTypeRow>& GptTypeRows()
{
    static const std::vector<GptTypeRow> rows = [] {
        const std::pair<const char*, const char*> texts[] = {
        {"00000000-0000-0000-0000-000000000000", "Entry Unused"},
        {"024DEE41-33E7-11D3-9D69-0008C781F39F", "MBR Partition Scheme"},
        {"C12A7328-F81F-11D2-BA4B-00A0C93EC93B", "EFI System"},
        {"21686148-6449-6E6F-744E-656564454649", "BIOS Boot"},
        {"E3C9E316-0B5C-4DB8-817D-F92DF00215AE", "Microsoft Reserved"},
        {"EBD0A0A2-B9E5-4433-87C0-68B6B72699C7", "Basic Data"},
        {"5808C8AA-7E8F-42E0-85D2-E1E90434CFB3", "LDM Metadata"},
        {"AF9B60A0-1431-4F62-BC68-3311714A69AD", "LDM Data"},
        {"DE94BBA4-06D1-4D40-A16A-BFD50179D6AC", "WinRE"},
        {"37AFFC90-EF7D-4E96-91C3-2D7AE055B174", "IBM GPFS"},
        {"75894C1E-3AEB-11D3-B7C1-7B03A0000000", "HPUX Data"},
        {"E2A1E728-32E3-11D6-A682-7B03A0000000", "HPUX Service"},
        {"A19D880F-05FC-4D3B-A006-743F0F84911E", "Linux RAID"},
        {"0657FD6D-A4AB-43C4-84E5-0933C84B4F4F", "Linux Swap"},
        {"E6D6D379-F507-44C2-A23C-238F2A3DF928", "Linux LVM"},
        {"8DA63339-0007-60C0-C436-083AC8230908", "Linux Reserved"},
        {"83BD6B9D-7F41-11DC-BE0B-001560B84F0F", "FreeBSD Boot"},
        {"516E7CB4-6ECF-11D6-8FF8-00022D09712B", "FreeBSD Data"},
        {"516E7CB5-6ECF-11D6-8FF8-00022D09712B", "FreeBSD Swap"},
        {"516E7CB6-6ECF-11D6-8FF8-00022D09712B", "FreeBSD UFS"},
        {"516E7CB8-6ECF-11D6-8FF8-00022D09712B", "FreeBSD Vinum VM"},
        {"516E7CBA-6ECF-11D6-8FF8-00022D09712B", "FreeBSD ZFS"},
        {"48465300-0000-11AA-AA11-00306543ECAC", "Apple HFS+"},
        {"55465300-0000-11AA-AA11-00306543ECAC", "Apple UFS"},
        {"52414944-0000-11AA-AA11-00306543ECAC", "Apple RAID"},
        {"52414944-5F4F-11AA-AA11-00306543ECAC", "Apple RAID Offline"},
        {"426F6F74-0000-11AA-AA11-00306543ECAC", "Apple Boot"},
        {"4C616265-6C00-11AA-AA11-00306543ECAC", "Apple Labe"},
        {"5265636F-7665-11AA-AA11-00306543ECAC", "Apple TV Recovery"},
        {"6A82CB45-1DD2-11B2-99A6-080020736631", "Solaris Boot"},
        {"6A85CF4D-1DD2-11B2-99A6-080020736631", "Solaris Root"},
        {"6A87C46F-1DD2-11B2-99A6-080020736631", "Solaris Swap"},
        {"6A8B642B-1DD2-11B2-99A6-080020736631", "Solaris Backup"},
        {"6A898CC3-1DD2-11B2-99A6-080020736631", "Solaris /usr"},
        {"6A8EF2E9-1DD2-11B2-99A6-080020736631", "Solaris /var"},
        {"6A90BA39-1DD2-11B2-99A6-080020736631", "Solaris /home"},
        {"6A9283A5-1DD2-11B2-99A6-080020736631", "Solaris Alternate"},
        {"6A945A3B-1DD2-11B2-99A6-080020736631", "Solaris Reserved"},
        {"6A9630D1-1DD2-11B2-99A6-080020736631", "Solaris Reserved"},
        {"6A980767-1DD2-11B2-99A6-080020736631", "Solaris Reserved"},
        {"6A96237F-1DD2-11B2-99A6-080020736631", "Solaris Reserved"},
        {"6A8D2AC7-1DD2-11B2-99A6-080020736631", "Solaris Reserved"},
        {"49F48D32-B10E-11DC-B99B-0019D1879648", "NetBSD Swap"},
        {"49F48D5A-B10E-11DC-B99B-0019D1879648", "NetBSD FFS"},
        {"49F48D82-B10E-11DC-B99B-0019D1879648", "NetBSD LFS"},
        {"49F48DAA-B10E-11DC-B99B-0019D1879648", "NetBSD RAID"},
        {"2DB519C4-B10F-11DC-B99B-0019D1879648", "NetBSD Concatenated"},
        {"2DB519EC-B10F-11DC-B99B-0019D1879648", "NetBSD Encrypted"},
        {"FE3A2A5D-4F32-41A7-B725-ACCC3285A309", "ChromeOS Kerne"},
        {"3CB8E202-3B7E-47DD-8A3C-7FF2A13CFCEC", "ChromeOS rootfs"},
        {"2E0A753D-9E48-43B0-8337-B15192CB1B5E", "ChromeOS Reserved"},
        };
        std::vector<GptTypeRow> built;
        for (const auto& [guid, name] : texts)
            built.push_back({GuidFromText(guid), name});
        return built;
    }();
    return rows;
}

}

std::string GetGptPartitionTypeName(const std::array<uint8_t, 16>& guid)
{
    for (const auto& row : GptTypeRows())
        if (row.guid == guid)
            return row.name;
    return "Unknown";
}
