#pragma once
// Whether this process may open a device or image for reading at all: a
// normal user is refused the machine's disks, which are still listed so that
// the user learns they exist.
#include <string>

namespace Platform {

// True when opening path for reading fails for lack of permission (EACCES);
// false when it opens, and for any other failure (gone, no medium, EPERM).
bool ReadRefused(const std::string& path);

}
