#pragma once
// A scan of an NTFS image through the library, its found files kept by path.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/RecoveryFixture.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace NtfsScanFixture {

// Found files by path: ".\\c\\file" as "c/file".
struct Found {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<RecoveryFixture::FoundFile>> files;
};

std::string Normalised(std::string path);

// Starts a scan of the image; found fills while it runs (wait on the engine).
std::unique_ptr<DataRecoveryMultiImpl> Scan(const std::string& image, Found& found);

}
