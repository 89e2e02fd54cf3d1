#include "Platform/Linux/BitlkUnlock.h"

#include <libcryptsetup.h>

#include <cstring>

namespace Platform {

namespace {

std::string ErrorText(const char* step, int result)
{
    return std::string(step) + " failed: " + std::strerror(result < 0 ? -result : result);
}

}

BitlkUnlockResult UnlockBitlkDevice(const std::string& devicePath, const std::string& password,
                                    const std::string& mappingName)
{
    BitlkUnlockResult result;
    crypt_device* device = nullptr;
    int status = crypt_init(&device, devicePath.c_str());
    if (status < 0) {
        result.error = ErrorText("crypt_init", status);
        return result;
    }
    status = crypt_load(device, CRYPT_BITLK, nullptr);
    if (status < 0) {
        result.error = ErrorText("crypt_load (no BitLocker metadata?)", status);
        crypt_free(device);
        return result;
    }
    const char* name = mappingName.empty() ? nullptr : mappingName.c_str();
    if (name && crypt_status(nullptr, name) == CRYPT_ACTIVE)
        name = nullptr; // already mapped: only check the password
    status = crypt_activate_by_passphrase(device, name, CRYPT_ANY_SLOT, password.data(), password.size(),
                                          name ? CRYPT_ACTIVATE_READONLY : 0);
    if (status < 0)
        result.error = ErrorText("crypt_activate_by_passphrase", status);
    else
        result.unlocked = true;
    crypt_free(device);
    return result;
}

}
