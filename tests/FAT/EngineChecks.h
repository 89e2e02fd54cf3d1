#pragma once
// Checks of a FAT engine's findings against The Sleuth Kit: listing (fls),
// sizes and times (fls -m) and bytes (icat).
#include "FAT/TableEngine.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace FatTest {

struct FlsEntry {
    bool folder = false;
    bool deleted = false;
    uint64_t inode = 0;
    std::string path; // "/"-separated, as fls -p prints it
    uint64_t size = 0;
    int64_t modified = 0;
};

// Every entry of fls -r -p, with sizes and times from fls -m; fls's own
// virtual files ($MBR, $FAT1, $OrphanFiles, ...) left out.
std::vector<FlsEntry> Fls(const std::string& image);
// An engine path ".\\A\\b.txt" as fls writes it: "A/b.txt", with the lost
// first letter of a deleted 8.3 name ("å") as "_".
std::string FlsForm(const std::string& enginePath);
// fls writes "^" for a byte of an 8.3 name it cannot decode.
bool SameFlsPath(const std::string& flsPath, const std::string& enginePath);
// The bytes a file's runs hold, cut at its size.
std::vector<uint8_t> RunBytes(const std::string& image, const std::vector<DataRun>& runs, uint64_t size);
// icat's bytes of an entry (-r for a deleted one).
std::vector<uint8_t> Icat(const std::string& image, const FlsEntry& entry);
// icat's bytes of each entry as Icat gives them, by inode; a few icat runs at
// a time, for comparisons over a whole listing.
std::map<uint64_t, std::vector<uint8_t>> IcatEach(const std::string& image, const std::vector<FlsEntry>& entries);
// Scans folder (a start path) with the probe, then recovers the file reported
// as path with a fresh probe and node id 0, as the program asks for it. The
// runs its record carried and the bytes written.
struct FreshRecovery {
    size_t recordRuns = 0;
    std::vector<uint8_t> bytes;
};
FreshRecovery RecoverThroughFreshProbe(const std::string& image, const std::string& folder, const std::string& path);
// The reported file matching an fls entry, or null.
const Reported* Match(const std::vector<Reported>& files, const FlsEntry& entry);
// Each file's bytes as its runs give them, compared with icat's for its entry.
void ExpectRunBytesMatchIcat(const std::string& image,
                             const std::vector<std::pair<FlsEntry, const Reported*>>& files);

}
