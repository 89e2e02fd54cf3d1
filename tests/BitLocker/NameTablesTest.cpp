#include "BitLocker/BitLockerNameTables.h"

#include <gtest/gtest.h>

TEST(BitLockerNameTables, RowsAndFallbacks)
{
    const std::pair<std::string, std::string> cases[] = {
        {GetFveEncryptionMethodName(0), "NULL"},
        {GetFveEncryptionMethodName(0x1001), "STRETCH KEY"},
        {GetFveEncryptionMethodName(0x2000), "AES-CCM-256"},
        {GetFveEncryptionMethodName(0x2003), "AES-CCM-256"},
        {GetFveEncryptionMethodName(0x2005), "AES-CCM-256"},
        {GetFveEncryptionMethodName(0x2006), "UNKNOWN"},
        {GetFveEncryptionMethodName(0x8000), "AES-CBC-128-DIFFUSER"},
        {GetFveEncryptionMethodName(0x8003), "AES-CBC-256-NODIFFUSER"},
        {GetFveEncryptionMethodName(0x8005), "AES-XTS-256"},
        {GetFveEncryptionMethodName(0x8006), "UNKNOWN"},
        {GetFveEntryTypeName(0), "Property"},
        {GetFveEntryTypeName(1), "Unknown (00000001)"},
        {GetFveEntryTypeName(3), "FKEV"},
        {GetFveEntryTypeName(15), "Volume Header Block"},
        {GetFveEntryTypeName(16), "Unknown (00000010)"},
        {GetFveValueTypeName(0), "Erased"},
        {GetFveValueTypeName(15), "Offset and Size"},
        {GetFveValueTypeName(19), "Unknown (19)"},
        {GetFveValueTypeName(21), "Recovery Backup"},
        {GetFveValueTypeName(300), "Unknown (300)"},
        {GetKeyProtectionTypeName(0), "Unprotected"},
        {GetKeyProtectionTypeName(0x800), "Recovery Password"},
        {GetKeyProtectionTypeName(0x2000), "Password"},
        {GetKeyProtectionTypeName(0x300), "Unknown (00000300)"},
        {GetKeyBackupTypeName(3), "Unknown"},
        {GetKeyBackupTypeName(0x10001), "Active Directory"},
        {GetKeyBackupTypeName(16), "Printed"},
        {GetFveConversionStatusName(4), "ENCRYPTED"},
        {GetFveConversionStatusName(6), "UNKNOWN"},
        {GetCipherAlgorithmName(0x6610), "CALG_AES_256"},
        {GetCipherAlgorithmName(0x6602), "Unsupported"},
        {GetHashAlgorithmName(0x800C), "CALG_SHA_256"},
        {GetHashAlgorithmName(0x8001), "Unsupported"},
        {GetProviderTypeName(24), "PROV_RSA_AES"},
        {GetProviderTypeName(7), "UNK_PROV (00000007h)"},
        {GetProviderTypeName(25), "UNK_PROV (00000019h)"},
        {GetKeySpecName(2), "AT_SIGNATURE"},
        {GetKeySpecName(3), "UNK_KEYSPEC (00000003h)"},
        {GetKeySpecName(-1), "UNK_KEYSPEC (ffffffffh)"},
        {GetKeyProvInfoFlagNames(0), "CRYPT_USER_KEYSET"},
        {GetKeyProvInfoFlagNames(0x61), "SET_KEY_CONTEXT_PROP_ID | CRYPT_MACHINE_KEYSET | CRYPT_SILENT"},
        {GetExportPolicyFlagNames(0x3), "ALLOW_EXPORT_FLAGPLAINTEXT_EXPORT_FLAG"},
        {GetExportPolicyFlagNames(0xC), "ALLOW_ARCHIVING_FLAGPLAINTEXT_ARCHIVING_FLAG"},
        {GetExportPolicyFlagNames(0x10), ""},
        {GetCertificateReferenceTypeName(1), "CryptoAPI Container"},
        {GetCertificateReferenceTypeName(3), "Certificate Fingerprint"},
        {GetCertificateReferenceTypeName(2), "Unknown type"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);

    EXPECT_EQ(GetKeyPermissionNames(0x41), (std::vector<std::string>{"CRYPT_ENCRYPT", "CRYPT_EXPORT_KEY"}));
    EXPECT_EQ(GetKeyPermissionNames(0xFF).size(), 8u);
    EXPECT_TRUE(GetKeyPermissionNames(0x100).empty());
}
