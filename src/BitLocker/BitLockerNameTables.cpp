#include "BitLocker/BitLockerNameTables.h"

#include "Utils/HexText.h"
#include "Utils/JoinStrings.h"

#include <map>

namespace {

std::string Lookup(const std::map<uint32_t, const char*>& names, uint32_t code, const std::string& fallback)
{
    const auto found = names.find(code);
    return found != names.end() ? found->second : fallback;
}

std::string HexFallback(uint32_t code)
{
    return "Unknown (" + Utils::ToHexString(code) + ")";
}

}

std::string GetFveEncryptionMethodName(uint32_t method)
{
    if (method >= 0x2000 && method <= 0x2005)
        return "AES-CCM-256";
    static const std::map<uint32_t, const char*> names = {
        {0x0000, "NULL"},
        {0x1000, "STRETCH KEY"},
        {0x1001, "STRETCH KEY"},
        {0x8000, "AES-CBC-128-DIFFUSER"},
        {0x8001, "AES-CBC-256-DIFFUSER"},
        {0x8002, "AES-CBC-128-NODIFFUSER"},
        {0x8003, "AES-CBC-256-NODIFFUSER"},
        {0x8004, "AES-XTS-128"},
        {0x8005, "AES-XTS-256"},
    };
    return Lookup(names, method, "UNKNOWN");
}

std::string GetFveEntryTypeName(uint32_t type)
{
    static const std::map<uint32_t, const char*> names = {
        {0, "Property"}, {2, "VMK"}, {3, "FKEV"}, {4, "Validation"},
        {6, "Startup Key"}, {7, "Drive Label"}, {11, "Auto Unlock"}, {15, "Volume Header Block"},
    };
    return Lookup(names, type, HexFallback(type));
}

std::string GetFveValueTypeName(uint32_t type)
{
    static const std::map<uint32_t, const char*> names = {
        {0, "Erased"}, {1, "Key"}, {2, "Unicode"}, {3, "Stretch Key"}, {4, "Use key"},
        {5, "AES-CCM"}, {6, "TPM Encoded"}, {7, "Validation"}, {8, "VMK"}, {9, "External Key"},
        {10, "Update"}, {11, "Error"}, {12, "Asymmetric Encryption"}, {13, "Exported Key"},
        {14, "Public Key"}, {15, "Offset and Size"}, {18, "Concat Hash Key"}, {21, "Recovery Backup"},
    };
    return Lookup(names, type, "Unknown (" + std::to_string(type) + ")");
}

std::string GetKeyProtectionTypeName(uint32_t type)
{
    static const std::map<uint32_t, const char*> names = {
        {0x0000, "Unprotected"}, {0x0100, "TPM"}, {0x0200, "Startup Key"},
        {0x0500, "TPM and PIN"}, {0x0800, "Recovery Password"}, {0x2000, "Password"},
    };
    return Lookup(names, type, HexFallback(type));
}

std::string GetKeyBackupTypeName(uint32_t type)
{
    static const std::map<uint32_t, const char*> names = {
        {1, "Active Directory"}, {2, "One Drive"}, {4, "Azure Active Directory"}, {8, "File"}, {16, "Printed"},
    };
    return Lookup(names, type & 0xFFFF, "Unknown");
}

std::string GetFveConversionStatusName(uint32_t status)
{
    static const std::map<uint32_t, const char*> names = {
        {0, "NULL"}, {1, "DECRYPTED"}, {2, "SWITCHING_ENCRYPTION"},
        {3, "EOW_ACTIVATED"}, {4, "ENCRYPTED"}, {5, "SWITCH_ENCRYPTION_PAUSED"},
    };
    return Lookup(names, status, "UNKNOWN");
}

std::string GetCipherAlgorithmName(uint32_t algorithm)
{
    static const std::map<uint32_t, const char*> names = {
        {0x6601, "CALG_DES"}, {0x6603, "CALG_3DES"}, {0x6604, "CALG_DESX"},
        {0x660E, "CALG_AES_128"}, {0x660F, "CALG_AES_192"}, {0x6610, "CALG_AES_256"},
    };
    return Lookup(names, algorithm, "Unsupported");
}

std::string GetHashAlgorithmName(uint32_t algorithm)
{
    static const std::map<uint32_t, const char*> names = {
        {0x8002, "CALG_MD4"}, {0x8003, "CALG_MD5"}, {0x8004, "CALG_SHA1"},
        {0x800C, "CALG_SHA_256"}, {0x800D, "CALG_SHA_384"}, {0x800E, "CALG_SHA_512"},
    };
    return Lookup(names, algorithm, "Unsupported");
}

std::string GetProviderTypeName(uint32_t type)
{
    static const std::map<uint32_t, const char*> names = {
        {0, "NO_PROV"}, {1, "PROV_RSA_FULL"}, {2, "PROV_RSA_SIG"}, {3, "PROV_DSS"},
        {4, "PROV_FORTEZZA"}, {5, "PROV_MS_EXCHANGE"}, {6, "PROV_SSL"}, {12, "PROV_RSA_SCHANNEL"},
        {13, "PROV_DSS_DH"}, {14, "PROV_EC_ECDSA_SIG"}, {15, "PROV_EC_ECNRA_SIG"},
        {16, "PROV_EC_ECDSA_FULL"}, {17, "PROV_EC_ECNRA_FULL"}, {18, "PROV_DH_SCHANNEL"},
        {20, "PROV_SPYRUS_LYNKS"}, {21, "PROV_RNG"}, {22, "PROV_INTEL_SEC"},
        {23, "PROV_REPLACE_OWF"}, {24, "PROV_RSA_AES"},
    };
    return Lookup(names, type, "UNK_PROV (" + Utils::ToHex32(type, true) + ")");
}

std::string GetKeySpecName(int32_t spec)
{
    static const std::map<uint32_t, const char*> names = {
        {0, "NO_KEYSPEC"}, {1, "AT_KEYEXCHANGE"}, {2, "AT_SIGNATURE"},
    };
    const auto code = static_cast<uint32_t>(spec);
    return Lookup(names, code, "UNK_KEYSPEC (" + Utils::ToHex32(code, true) + ")");
}

std::string GetKeyProvInfoFlagNames(int32_t flags)
{
    std::vector<std::string> names;
    if (flags & 0x1)
        names.push_back("SET_KEY_CONTEXT_PROP_ID");
    names.push_back(flags & 0x20 ? "CRYPT_MACHINE_KEYSET" : "CRYPT_USER_KEYSET");
    if (flags & 0x40)
        names.push_back("CRYPT_SILENT");
    return Utils::JoinStrings(names, " | ");
}

std::vector<std::string> GetKeyPermissionNames(int32_t permissions)
{
    // Function-local static: built once, by whichever thread comes first.
    static const std::map<uint32_t, std::string> names = {
        {0x1, "CRYPT_ENCRYPT"}, {0x2, "CRYPT_DECRYPT"}, {0x4, "CRYPT_EXPORT"}, {0x8, "CRYPT_READ"},
        {0x10, "CRYPT_WRITE"}, {0x20, "CRYPT_MAC"}, {0x40, "CRYPT_EXPORT_KEY"}, {0x80, "CRYPT_IMPORT_KEY"},
    };
    std::vector<std::string> set;
    for (const auto& [bit, name] : names)
        if (static_cast<uint32_t>(permissions) & bit)
            set.push_back(name);
    return set;
}

std::string GetExportPolicyFlagNames(uint32_t flags)
{
    std::string names;
    if (flags & 0x1)
        names += "ALLOW_EXPORT_FLAG";
    if (flags & 0x2)
        names += "PLAINTEXT_EXPORT_FLAG";
    if (flags & 0x4)
        names += "ALLOW_ARCHIVING_FLAG";
    if (flags & 0x8)
        names += "PLAINTEXT_ARCHIVING_FLAG";
    return names;
}

std::string GetCertificateReferenceTypeName(int32_t kind)
{
    static const std::map<uint32_t, const char*> names = {{1, "CryptoAPI Container"}, {3, "Certificate Fingerprint"}};
    return Lookup(names, static_cast<uint32_t>(kind), "Unknown type");
}
