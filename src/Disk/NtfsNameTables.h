#pragma once
// Display names of NTFS, change-journal and file-attribute codes, and the
// reverse look-up of single attribute and reason names. None fails.
#include <cstdint>
#include <string>
#include <vector>

std::string GetNtfsAttributeTypeName(uint32_t type);
std::string GetFileNameNamespaceName(uint32_t space);
std::string GetMftRecordFlagsName(int32_t flags);
std::string GetIndexRootFlagsName(int32_t flags);
std::string GetIndexedAttributeTypeName(int32_t type);
std::string GetReparseTagName(uint32_t tag);
std::string GetFileAttributeNames(uint32_t bits);
uint32_t ParseFileAttributeName(std::string name);
std::string GetUsnReasonNames(uint32_t bits);
uint32_t ParseUsnReasonName(std::string name);
std::string GetLogOperationName(uint32_t operation);
std::string GetWofAlgorithmName(int32_t algorithm);
std::string GetTransactionStateName(uint64_t state);
std::vector<std::string> GetSnapshotAttributeNames(int32_t bits);
