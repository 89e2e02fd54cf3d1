#pragma once
// A volume image registered in the disk table, and found-file records built
// by hand (the way an engine would report them) for recovery tests.
#include "DataRecovery/DataRecoveryInfo.h"
#include "DataRecovery/DiskAndVolumeInfo.h"

#include <string>
#include <vector>

namespace RecoveryFixture {

// Registers image (all of it one volume) as disk diskIndex, volume 0.
DiskAndVolumeInfo RegisterImage(const std::string& image, const std::string& fileSystem, uint8_t diskIndex = 0);

// A found file whose strings and runs live in this object.
struct FoundFile {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record{};

    FoundFile(uint32_t kind, std::string path, std::vector<DataRun> runs, uint64_t size, uint8_t diskIndex = 0);
    FoundFile(const FoundFile&) = delete;
};

std::string Sha256(const std::string& path);
// The byte runs of a file as The Sleuth Kit's istat lists its sectors.
std::vector<DataRun> RunsFromIstat(const std::string& image, const std::string& inode);
// The inode fls gives the regular file at path (as "DCIM/photo.jpg").
std::string InodeOf(const std::string& image, const std::string& path);
void WriteRandom(const std::string& path, size_t size);
std::string ReadFile(const std::string& path);

}
