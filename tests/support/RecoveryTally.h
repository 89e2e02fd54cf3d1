#pragma once
// What a scan lists and recovers, held against the files written before: per
// file exact by name, carved only or lost, and the recovered files that hold
// another file's bytes (or a file's own bytes out of place). The same figures
// come from a peer's output folder, so a test prints both from one run.
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

struct WrittenFile {
    std::string path;  // "DCIM/100CAM/F003.BIN", '/' between folders
    std::string bytes; // as written
};

// Writes the tagged file fileId of size bytes at root/path (folders made) and returns it.
WrittenFile WriteTaggedFileUnder(const std::string& root, const std::string& path, uint32_t fileId, uint64_t size);

struct Tally {
    size_t exactByName = 0; // written files some named (not carved) output holds whole
    size_t carvedOnly = 0;  // the rest some carved output holds whole
    size_t lost = 0;        // the rest
    size_t foreign = 0;     // named outputs holding bytes of another file, or of their own at another place
    std::vector<std::string> foreignPaths;
    // Named outputs holding a written file whole, by the written file's path.
    std::map<std::string, std::vector<std::string>> namedAs;
};

// Tallies the files under namedFolder (outputs that carry a name) and
// carvedFolder (outputs without one; may be empty or missing) against written.
Tally TallyOutputs(const std::vector<WrittenFile>& written, const std::string& namedFolder,
                   const std::string& carvedFolder);

// Scans the given volumes of the image's disk 0 (all it lists when none are
// given) with velmora-probe and recovers what it lists under work/named and
// work/carved; returns the tally. found gets the file lines' paths (engine
// form) for messages.
Tally ProbeTally(const std::vector<WrittenFile>& written, const std::string& image, std::vector<int> volumes,
                 const std::string& work, std::vector<std::string>* found = nullptr);
// photorec over the whole image, every file type: its files are carved.
Tally PhotorecTally(const std::vector<WrittenFile>& written, const std::string& image, const std::string& work);
// tsk_recover -e of the file system at byte offset: its files keep their names.
Tally TskTally(const std::vector<WrittenFile>& written, const std::string& image, unsigned long long offset,
               const std::string& work);

// One line of the figures table: case, reader, the four figures.
std::string TallyRow(const std::string& caseName, const std::string& reader, const Tally& tally);
// Prints the rows of one case, the readers in the order given.
void PrintTallies(const std::string& caseName, const std::vector<std::pair<std::string, Tally>>& rows);
// The found paths, one a line, for failure messages.
std::string Listing(const std::vector<std::string>& found);

}
