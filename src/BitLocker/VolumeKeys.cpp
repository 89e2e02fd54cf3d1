#include "BitLocker/VolumeKeys.h"

#include "BitLocker/MetadataEntry.h"
#include "BitLocker/KeyFile.h"
#include "BitLocker/KeyStretch.h"
#include "BitLocker/Passwords.h"
#include "BitLocker/Protectors.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"

#include <cstring>

static constexpr const char* LogSource = "src/BitLocker/VolumeKeys";

namespace Bitlocker {

namespace {

// Entry header, GUID (16), time stamp (8), unknown (2), protection (2).
constexpr uint32_t VmkHeaderSize = 36;
// A decrypted key entry: header, 4-byte method, key.
constexpr uint32_t KeyEntryKeyOffset = 12;

// The key of a decrypted key entry at output + 16 (after the MAC).
Bytes KeyFromDecrypted(const uint8_t* output, uint32_t payloadLength, uint32_t* method)
{
    const uint8_t* payload = output + CcmMacSize;
    const auto entry = ParseEntryHeader(payload, payloadLength);
    if (!entry || entry->size < KeyEntryKeyOffset + 16) {
        VLOG_ERROR("Unwrapped key entry has a bad size.");
        return nullptr;
    }
    if (method)
        *method = DiskBytes::U32(payload, payloadLength, 8);
    auto key = Utils::MakeBuffer(entry->size - KeyEntryKeyOffset);
    std::memcpy(key->data, payload + KeyEntryKeyOffset, key->length);
    return key;
}

// The 32-byte key the credential makes for this VMK; false when none can be made.
bool MakeKey(const VmkEntry& vmk, Credential kind, const std::string& secret, uint8_t* key)
{
    const auto initial = Utils::MakeBuffer(32);
    switch (kind) {
    case Credential::ClearKey:
        if (!vmk.clearKey)
            return false;
        std::memcpy(key, vmk.clearKey, 32);
        return true;
    case Credential::StartupKeyFile: {
        const auto fileKey = ReadStartupKey(secret);
        if (!fileKey)
            return false;
        std::memcpy(key, fileKey->data, 32);
        return true;
    }
    case Credential::Password:
        return vmk.salt && HashPassword(secret, initial->data) &&
               StretchKey(initial->data, vmk.salt, StretchCount, key);
    case Credential::RecoveryPassword:
        return vmk.salt && RecoveryPasswordToKey(secret, initial->data) &&
               StretchKey(initial->data, vmk.salt, StretchCount, key);
    }
    return false;
}

uint16_t ProtectionOf(Credential kind)
{
    switch (kind) {
    case Credential::ClearKey:
        return ProtectionClearKey;
    case Credential::StartupKeyFile:
        return ProtectionStartupKey;
    case Credential::Password:
        return ProtectionPassword;
    case Credential::RecoveryPassword:
        return ProtectionRecoveryPassword;
    }
    return 0xFFFF;
}

}

std::vector<VmkEntry> FindVmks(const FveBlock& block)
{
    std::vector<VmkEntry> found;
    for (const auto& entry : block.entries) {
        const auto header = ParseEntryHeader(entry->data, entry->length);
        if (!header || header->type != EntryTypeVmk || header->valueType != ValueTypeVmk)
            continue;
        if (entry->length < VmkHeaderSize) {
            VLOG_ERROR("VMK entry of %u bytes is too short.", entry->length);
            continue;
        }
        VmkEntry vmk;
        vmk.entry = entry;
        vmk.guid = entry->data + EntryHeaderSize;
        vmk.protection = DiskBytes::U16(entry->data, entry->length, 34);
        const uint8_t* properties = entry->data + VmkHeaderSize;
        const uint32_t area = entry->length - VmkHeaderSize;
        if (const auto at = FindValue(properties, area, ValueTypeAesCcm)) {
            const auto property = ParseEntryHeader(properties + *at, area - *at);
            vmk.wrapped = WrappedKeyFromEntry(properties + *at, property->size);
        }
        if (const auto at = FindValue(properties, area, ValueTypeStretchKey)) {
            const auto property = ParseEntryHeader(properties + *at, area - *at);
            if (property->size >= EntryHeaderSize + 4 + 16)
                vmk.salt = properties + *at + EntryHeaderSize + 4;
        }
        if (const auto at = FindValue(properties, area, ValueTypeKey)) {
            const auto property = ParseEntryHeader(properties + *at, area - *at);
            if (property->size == EntryHeaderSize + 4 + 32)
                vmk.clearKey = properties + *at + EntryHeaderSize + 4;
        }
        if (!vmk.wrapped) {
            VLOG_ERROR("VMK entry without a wrapped key skipped.");
            continue;
        }
        found.push_back(vmk);
    }
    return found;
}

std::optional<WrappedKey> FindFvek(const FveBlock& block)
{
    for (const auto& entry : block.entries) {
        const auto header = ParseEntryHeader(entry->data, entry->length);
        if (header && header->type == EntryTypeFvek && header->valueType == ValueTypeAesCcm)
            return WrappedKeyFromEntry(entry->data, entry->length);
    }
    return std::nullopt;
}

Bytes UnlockVmk(const FveBlock& block, Credential kind, const std::string& secret)
{
    const auto output = Utils::MakeBuffer(ProtectorOutputSize);
    for (const auto& vmk : FindVmks(block)) {
        if (vmk.protection != ProtectionOf(kind))
            continue;
        const WrappedKey& wrapped = *vmk.wrapped;
        const auto key = Utils::MakeBuffer(32);
        if (!MakeKey(vmk, kind, secret, key->data) ||
            !AesCcmDecrypt(wrapped, key->data, output->data, output->length) ||
            !AesCcmVerify(output->data, key->data, wrapped.nonce, wrapped.nonceLength, wrapped.payloadLength))
            continue;
        uint32_t method = 0;
        Bytes vmkKey = KeyFromDecrypted(output->data, wrapped.payloadLength, &method);
        if (vmkKey && vmkKey->length == 32)
            return vmkKey;
    }
    return nullptr;
}

std::optional<Fvek> UnwrapFvek(const FveBlock& block, const uint8_t vmk[32])
{
    const auto wrapped = FindFvek(block);
    if (!wrapped)
        return std::nullopt;
    const auto output = Utils::MakeBuffer(ProtectorOutputSize);
    if (!AesCcmDecrypt(*wrapped, vmk, output->data, output->length) ||
        !AesCcmVerify(output->data, vmk, wrapped->nonce, wrapped->nonceLength, wrapped->payloadLength))
        return std::nullopt;
    Fvek fvek;
    fvek.key = KeyFromDecrypted(output->data, wrapped->payloadLength, &fvek.method);
    if (!fvek.key)
        return std::nullopt;
    return fvek;
}

}
