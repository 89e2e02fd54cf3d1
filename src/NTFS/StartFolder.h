#pragma once
// The directory record a path scan of an NTFS volume starts at.
#include "DataRecovery/StartPath.h"

#include <cstdint>
#include <optional>
#include <string>

namespace NTFS {

class MFT;

// The volume's own up-case table ($UpCase, record 10), or the built-in one
// when it cannot be read.
StartPath::UpcaseTable ReadUpcaseTable(MFT& mft);

// The folder path names, its names compared as NTFS compares them. Empty when
// the path names the Recycle Bin folder and the volume has none. Throws
// Exceptions::NTFSException "Only absolute paths are supported." or
// "Not find path: ..." for any other component not found.
std::optional<uint64_t> FindStartFolder(MFT& mft, const std::string& path, const std::string& volumeLetter);

}
