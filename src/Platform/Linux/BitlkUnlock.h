#pragma once
// Opening a BitLocker volume with its password through libcryptsetup.
#include <string>

namespace Platform {

struct BitlkUnlockResult {
    bool unlocked = false;
    std::string error; // why not, for the log
};

// Checks the password against the BitLocker metadata of devicePath. With
// mappingName set (needs root) the volume is also mapped read-only as
// /dev/mapper/<mappingName>; an existing mapping of that name counts as done
// once the password checks.
BitlkUnlockResult UnlockBitlkDevice(const std::string& devicePath, const std::string& password,
                                    const std::string& mappingName);

}
