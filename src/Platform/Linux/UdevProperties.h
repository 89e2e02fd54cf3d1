#pragma once
// What udev recorded about a device (model, serial, file system), readable
// without the rights to open the device itself.
#include <map>
#include <string>

namespace Platform {

// The udev properties of the device at a real sysfs path ("/sys/..."); empty
// for any other path, so fake trees never pick up the machine's devices.
std::map<std::string, std::string> ReadUdevProperties(const std::string& sysPath);

}
