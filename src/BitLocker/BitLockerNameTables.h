#pragma once
// Display names of BitLocker metadata codes and CryptoAPI key codes. None
// fails: a code a table does not list gives that table's fallback text.
#include <cstdint>
#include <string>
#include <vector>

std::string GetFveEncryptionMethodName(uint32_t method);
std::string GetFveEntryTypeName(uint32_t type);
std::string GetFveValueTypeName(uint32_t type);
std::string GetKeyProtectionTypeName(uint32_t type);
// Only the low 16 bits count; the value is one kind, not a set of bits.
std::string GetKeyBackupTypeName(uint32_t type);
std::string GetFveConversionStatusName(uint32_t status);

std::string GetCipherAlgorithmName(uint32_t algorithm);
std::string GetHashAlgorithmName(uint32_t algorithm);
std::string GetProviderTypeName(uint32_t type);
std::string GetKeySpecName(int32_t spec);
// Never empty: the keyset name is always there.
std::string GetKeyProvInfoFlagNames(int32_t flags);
std::vector<std::string> GetKeyPermissionNames(int32_t permissions);
std::string GetExportPolicyFlagNames(uint32_t flags);
std::string GetCertificateReferenceTypeName(int32_t kind);
