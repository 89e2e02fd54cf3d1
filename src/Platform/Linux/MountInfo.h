#pragma once
// The mount table of /proc/self/mountinfo.
#include <optional>
#include <string>
#include <vector>

namespace Platform {

struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string root;       // folder of the file system mounted here ("/" for its root)
    std::string mountPoint; // decoded
    std::string fsType;
    std::string source;     // decoded
};

// Lines that do not parse are skipped.
std::vector<MountEntry> ParseMountInfo(const std::string& text);
// Empty when the file cannot be read.
std::optional<std::vector<MountEntry>> ReadMountInfo(const std::string& path);
// Turns the kernel's "\ooo" escapes (blank, tab, line end, backslash) back into bytes.
std::string DecodeMountInfoEscapes(const std::string& field);

}
