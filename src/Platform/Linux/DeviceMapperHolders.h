#pragma once
// Device-mapper devices built on top of a block device (its sysfs "holders").
#include "Platform/Linux/SystemRoots.h"

#include <string>

namespace Platform {

// True when a BitLocker mapping (device-mapper uuid "CRYPT-BITLK-...") is
// active over the device with this kernel name, i.e. the volume is unlocked.
bool HasUnlockedBitLockerHolder(const SystemRoots& roots, const std::string& kernelName);

}
