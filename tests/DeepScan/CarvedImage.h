#pragma once
// A raw image (no partition table, no file system) carved end to end: by the
// probe tool, and by photorec on the same image for comparison.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace CarvingTest {

struct CarvedEntry {
    std::string path;
    uint64_t size = 0;
};

// Scans image and recovers every carved file into outDir; the files by start offset.
std::map<uint64_t, CarvedEntry> CarveImage(const std::string& image, const std::string& outDir);

// Runs photorec over image with every file type, its output under workDir:
// the files it wrote, by the volume offset of their first sector.
std::map<uint64_t, std::vector<std::string>> PhotorecImage(const std::string& image, const std::string& workDir);

// Writes bytes to path.
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}
