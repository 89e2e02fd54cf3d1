#include "Disk/NtfsNameTables.h"

#include "Utils/HexText.h"
#include "Utils/JoinStrings.h"

#include <map>
#include <utility>

namespace {

std::string UnknownHex(uint32_t code, const char* prefix = "")
{
    return std::string("Unknown (") + prefix + Utils::ToHexString(code) + ")";
}

using Rows = std::initializer_list<std::pair<const uint32_t, std::string>>;

const Rows& FileAttributeRows()
{
    static const Rows rows = {
        {0x1, "READONLY"},          {0x2, "HIDDEN"},          {0x4, "SYSTEM"},
        {0x10, "DIRECTORY"},        {0x20, "ARCHIVE"},        {0x40, "DEVICE"},
        {0x80, "NORMAL"},           {0x100, "TEMPORARY"},     {0x200, "SPARSE_FILE"},
        {0x400, "REPARSE_POINT"},   {0x800, "COMPRESSED"},    {0x1000, "OFFLINE"},
        {0x2000, "NOT_CONTENT_INDEXED"}, {0x4000, "ENCRYPTED"}, {0x8000, "INTEGRITY_STREAM"},
        {0x10000, "VIRTUAL"},       {0x20000, "NO_SCRUB_DATA"},
    };
    return rows;
}

const Rows& UsnReasonRows()
{
    static const Rows rows = {
        {0x1, "DATA_OVERWRITE"},         {0x2, "DATA_EXTEND"},           {0x4, "DATA_TRUNCATION"},
        {0x10, "NAMED_DATA_OVERWRITE"},  {0x20, "NAMED_DATA_EXTEND"},    {0x40, "NAMED_DATA_TRUNCATION"},
        {0x100, "FILE_CREATE"},          {0x200, "FILE_DELETE"},         {0x400, "EA_CHANGE"},
        {0x800, "SECURITY_CHANGE"},      {0x1000, "RENAME_OLD_NAME"},    {0x2000, "RENAME_NEW_NAME"},
        {0x4000, "INDEXABLE_CHANGE"},    {0x8000, "BASIC_INFO_CHANGE"},  {0x10000, "HARD_LINK_CHANGE"},
        {0x20000, "COMPRESSION_CHANGE"}, {0x40000, "ENCRYPTION_CHANGE"}, {0x80000, "OBJECT_ID_CHANGE"},
        {0x100000, "REPARSE_POINT_CHANGE"}, {0x200000, "STREAM_CHANGE"}, {0x80000000, "CLOSE"},
    };
    return rows;
}

std::string DecodeBits(const Rows& rows, uint32_t bits)
{
    const std::map<uint32_t, std::string> byBit(rows);
    std::vector<std::string> set;
    for (const auto& [bit, name] : byBit)
        if (bits & bit)
            set.push_back(name);
    return Utils::JoinStrings(set, "+");
}

uint32_t ParseName(const Rows& rows, const std::string& name)
{
    std::map<std::string, uint32_t> byName;
    for (const auto& [bit, text] : rows)
        byName.emplace(text, bit);
    const auto found = byName.lower_bound(name);
    return found != byName.end() && found->first == name ? found->second : 0;
}

}

std::string GetNtfsAttributeTypeName(uint32_t type)
{
    switch (type) {
    case 0x10: return "$STANDARD_INFORMATION";
    case 0x20: return "$ATTRIBUTE_LIST";
    case 0x30: return "$FILE_NAME";
    case 0x40: return "$OBJECT_ID";
    case 0x50: return "$SECURITY_DESCRIPTOR";
    case 0x60: return "$VOLUME_NAME";
    case 0x70: return "$VOLUME_INFORMATION";
    case 0x80: return "$DATA";
    case 0x90: return "$INDEX_ROOT";
    case 0xA0: return "$INDEX_ALLOCATION";
    case 0xB0: return "$BITMAP";
    case 0xC0: return "$REPARSE_POINT";
    case 0xD0: return "$EA_INFORMATION";
    case 0xE0: return "$EA";
    case 0x100: return "$LOGGED_UTILITY_STREAM";
    case 0xFFFFFFFF: return "$END";
    default: return UnknownHex(type);
    }
}

std::string GetFileNameNamespaceName(uint32_t space)
{
    switch (space & 0xFF) {
    case 0: return "POSIX";
    case 1: return "WIN32";
    case 2: return "DOS";
    case 3: return "DOS & WIN32";
    default: return "UNKNOWN";
    }
}

std::string GetMftRecordFlagsName(int32_t flags)
{
    switch (flags) {
    case 0: return "Not in use";
    case 1: return "In use";
    case 2: return "Directory";
    case 3: return "Directory in use";
    default: return UnknownHex(static_cast<uint32_t>(flags));
    }
}

std::string GetIndexRootFlagsName(int32_t flags)
{
    switch (flags) {
    case 0: return "Small Index";
    case 1: return "Large Index";
    default: return UnknownHex(static_cast<uint32_t>(flags));
    }
}

std::string GetIndexedAttributeTypeName(int32_t type)
{
    switch (type) {
    case 0: return "Reparse points";
    case 0x30: return "Filename";
    default: return UnknownHex(static_cast<uint32_t>(type));
    }
}

std::string GetReparseTagName(uint32_t tag)
{
    switch (tag) {
    case 0x0000F000: return "Cloud Files Mask";
    case 0x80000006: return "Hierarchical Storage Manager 2";
    case 0x80000007: return "Single-instance Storage";
    case 0x80000008: return "WIM Mount";
    case 0x80000009: return "Clustered Shared Volumes";
    case 0x8000000A: return "Distributed File System";
    case 0x80000012: return "DFS filter";
    case 0x80000013: return "Data Deduplication";
    case 0x80000014: return "Network File System";
    case 0x80000015: return "Windows Shell 8.1";
    case 0x80000017: return "Windows Overlay";
    case 0x80000018: return "Windows Container Isolation";
    case 0x8000001B: return "AppExecLink";
    case 0x8000001E: return "Azure File Sync";
    case 0x80000020: return "Windows Container Isolation";
    case 0x80000021: return "One Drive";
    case 0x80000023: return "Windows Subsystem for Linux Socket";
    case 0x9000001A: return "Cloud Files";
    case 0x9000001C: return "Windows Projected File System";
    case 0x90001018: return "Windows Container Isolation";
    case 0xA0000003: return "Mount Point";
    case 0xA000000C: return "Symbolic Link";
    case 0xA0000019: return "NPFS";
    case 0xA000001F: return "Windows Container Isolation";
    case 0xA0000022: return "Windows Projected File System";
    case 0xC0000004: return "Hierarchical Storage Manager";
    default: break;
    }
    // 0x9000n01A, n = 1 to F: the numbered cloud-file tags.
    if ((tag & 0xFFFF0FFF) == 0x9000001A) {
        static const char digits[] = "0123456789ABCDEF";
        return std::string("Cloud Files (") + digits[(tag >> 12) & 0xF] + ")";
    }
    return UnknownHex(tag, "0x");
}

std::string GetFileAttributeNames(uint32_t bits)
{
    return DecodeBits(FileAttributeRows(), bits);
}

uint32_t ParseFileAttributeName(std::string name)
{
    return ParseName(FileAttributeRows(), name);
}

std::string GetUsnReasonNames(uint32_t bits)
{
    return DecodeBits(UsnReasonRows(), bits);
}

uint32_t ParseUsnReasonName(std::string name)
{
    return ParseName(UsnReasonRows(), name);
}

std::string GetLogOperationName(uint32_t operation)
{
    switch (operation & 0xFFFF) {
    case 0: return "Noop";
    case 1: return "CompensationLogRecord";
    case 2: return "InitializeFileRecordSegment";
    case 3: return "DeallocateFileRecordSegment";
    case 4: return "WriteEndOfFileRecordSegment";
    case 5: return "CreateAttribute";
    case 6: return "DeleteAttribute";
    case 7: return "UpdateResidentValue";
    case 8: return "UpdateNonresidentValue";
    case 9: return "UpdateMappingPairs";
    case 10: return "DeleteDirtyClusters";
    case 11: return "SetNewAttributeSizes";
    case 12: return "AddIndexEntryRoot";
    case 13: return "DeleteIndexEntryRoot";
    case 14: return "AddIndexEntryAllocation";
    case 15: return "DeleteIndexEntryAllocation";
    case 18: return "SetIndexEntryVCNAllocation";
    case 19: return "UpdateFileNameRoot";
    case 20: return "UpdateFileNameAllocation";
    case 21: return "SetBitsInNonresidentBitMap";
    case 22: return "ClearBitsInNonresidentBitMap";
    case 25: return "PrepareTransaction";
    case 26: return "CommitTransaction";
    case 27: return "ForgetTransaction";
    case 28: return "OpenNonresidentAttribute";
    case 31: return "DirtyPageTableDump";
    case 32: return "TransactionTableDump";
    case 33: return "UpdateRecordDataRoot";
    default: return "Invalid";
    }
}

std::string GetWofAlgorithmName(int32_t algorithm)
{
    switch (algorithm) {
    case 0: return "XPRESS 4k";
    case 1: return "LZX 32k";
    case 2: return "XPRESS 8k";
    case 3: return "XPRESS 16k";
    default: return "UNKNOWN";
    }
}

std::string GetTransactionStateName(uint64_t state)
{
    static const char* const names[] = {"Preparing", "Processing prepare", "Prepared", "Processing precommit",
                                        "Precommitted", "Processing committed", "Committed", "Processing postcommit",
                                        "Processing prefinalcommit", "Prefinalcommitted",
                                        "Processing postfinalcommit", "Created", "Aborted", "Deleted",
                                        "Postcommitted", "Count"};
    return state >= 1 && state <= 16 ? names[state - 1] : "Unknown";
}

std::vector<std::string> GetSnapshotAttributeNames(int32_t bits)
{
    static const std::pair<uint32_t, const char*> rows[] = {
        {0x1, "Persistent"},         {0x2, "No Autorecovery"},      {0x4, "Client Accessible"},
        {0x8, "No Auto Release"},    {0x10, "No Writers"},          {0x20, "Transportable"},
        {0x40, "Not Surfaced"},      {0x80, "Not Transacted"},      {0x10000, "Hardware Assisted"},
        {0x20000, "Differential"},   {0x40000, "Plex"},             {0x80000, "Imported"},
        {0x100000, "Exposed Locally"}, {0x200000, "Exposed Remotely"}, {0x400000, "Auto Recover"},
        {0x800000, "Rollback Recovery"}, {0x1000000, "Delayed Postsnapshot"}, {0x2000000, "TXF Recovery"},
        {0x4000000, "File Share"},
    };
    std::vector<std::string> names;
    for (const auto& [bit, name] : rows)
        if (static_cast<uint32_t>(bits) & bit)
            names.push_back(name);
    return names;
}
