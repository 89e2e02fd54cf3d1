#pragma once
// The operating system's name from os-release (plays GetVersionExA).
#include <string>

namespace Platform {

// PRETTY_NAME, else NAME, of /etc/os-release (or /usr/lib/os-release when the
// first is missing); "Linux" when neither file names the system.
std::string OperatingSystemName();

// The same from the text of an os-release file.
std::string OsReleaseName(const std::string& contents);

}
