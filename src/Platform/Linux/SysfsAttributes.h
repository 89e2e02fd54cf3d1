#pragma once
// Reading one sysfs attribute file.
#include <cstdint>
#include <optional>
#include <string>

namespace Platform {

// The attribute's text without its line end (blanks the device reports are kept).
std::optional<std::string> ReadSysfsAttribute(const std::string& path);
// A decimal attribute; empty when missing or not a number.
std::optional<uint64_t> ReadSysfsNumber(const std::string& path);

}
