#include "support/RecoveryTally.h"

#include "support/ProbeOutput.h"
#include "support/TaggedFiles.h"
#include "support/Tools.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <unordered_map>

namespace fs = std::filesystem;

namespace TestSupport {
namespace {

constexpr size_t blockSize = 512;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where each whole 512-byte block of the written files lies: (file, block);
// a block met in two places tells nothing and is left out.
class BlockIndex {
public:
    explicit BlockIndex(const std::vector<WrittenFile>& written)
    {
        std::set<std::string> repeated;
        for (size_t f = 0; f < written.size(); ++f)
            for (size_t at = 0; at + blockSize <= written[f].bytes.size(); at += blockSize) {
                const std::string block = written[f].bytes.substr(at, blockSize);
                if (!places.emplace(block, std::pair{f, at / blockSize}).second)
                    repeated.insert(block);
            }
        for (const auto& block : repeated)
            places.erase(block);
    }

    // Whether the output holds a written block away from its place, or blocks of two files.
    bool HoldsForeignBytes(const std::string& bytes) const
    {
        std::set<size_t> files;
        for (size_t at = 0; at + blockSize <= bytes.size(); at += blockSize) {
            const auto it = places.find(bytes.substr(at, blockSize));
            if (it == places.end())
                continue;
            if (it->second.second != at / blockSize)
                return true;
            files.insert(it->second.first);
        }
        return files.size() > 1;
    }

private:
    std::unordered_map<std::string, std::pair<size_t, size_t>> places;
};

// Regular files under folder (none when it does not exist), by path relative to it.
std::vector<std::pair<std::string, std::string>> FilesUnder(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.emplace_back(fs::relative(entry.path(), folder).string(), ReadBytes(entry.path()));
    return files;
}

}

WrittenFile WriteTaggedFileUnder(const std::string& root, const std::string& path, uint32_t fileId, uint64_t size)
{
    fs::create_directories(fs::path(root + "/" + path).parent_path());
    WriteTaggedFile(root + "/" + path, fileId, size);
    const auto bytes = TaggedFileBytes(fileId, size);
    return {path, std::string(bytes.begin(), bytes.end())};
}

Tally TallyOutputs(const std::vector<WrittenFile>& written, const std::string& namedFolder,
                   const std::string& carvedFolder)
{
    const BlockIndex blocks(written);
    std::map<std::string, std::vector<size_t>> byContent;
    for (size_t f = 0; f < written.size(); ++f)
        byContent[written[f].bytes].push_back(f);
    Tally tally;
    std::set<size_t> named, carved;
    for (const auto& [path, bytes] : FilesUnder(namedFolder)) {
        if (bytes.empty())
            continue;
        if (const auto it = byContent.find(bytes); it != byContent.end()) {
            for (const size_t f : it->second) {
                named.insert(f);
                tally.namedAs[written[f].path].push_back(path);
            }
        } else if (blocks.HoldsForeignBytes(bytes)) {
            ++tally.foreign;
            tally.foreignPaths.push_back(path);
        }
    }
    for (const auto& [path, bytes] : FilesUnder(carvedFolder))
        if (const auto it = byContent.find(bytes); it != byContent.end())
            carved.insert(it->second.begin(), it->second.end());
    for (size_t f = 0; f < written.size(); ++f) {
        if (named.count(f))
            ++tally.exactByName;
        else if (carved.count(f))
            ++tally.carvedOnly;
        else
            ++tally.lost;
    }
    return tally;
}

Tally ProbeTally(const std::vector<WrittenFile>& written, const std::string& image, std::vector<int> volumes,
                 const std::string& work, std::vector<std::string>* found)
{
    if (volumes.empty()) {
        std::string list;
        RunCommand(ImagesOnlyEnvironment(image) + ProbePath() + " list 2>/dev/null", &list);
        for (const auto& line : ParseJsonLines(list))
            if (line["diskIndex"] == 0)
                volumes.push_back(line["volIndex"].get<int>());
    }
    std::string targets;
    for (const int volume : volumes)
        targets += " --disk 0 --volume " + std::to_string(volume);
    std::string scan;
    RunCommand(ImagesOnlyEnvironment(image) + ProbePath() + " scan" + targets + " 2>/dev/null", &scan);
    const std::string named = work + "/named", carved = work + "/carved";
    {
        std::ofstream namedLines(work + "/named.jsonl"), carvedLines(work + "/carved.jsonl");
        for (const auto& line : ParseJsonLines(scan)) {
            if (!line.contains("runs"))
                continue;
            (line["kind"] == "CarvedFile" ? carvedLines : namedLines) << line.dump() << "\n";
            if (found)
                found->push_back(line["path"].get<std::string>());
        }
    }
    for (const auto& [lines, out] : {std::pair{work + "/named.jsonl", named}, std::pair{work + "/carved.jsonl", carved}})
        RunCommand(ImagesOnlyEnvironment(image) + ProbePath() + " recover --out " + Quote(out) + " < " + Quote(lines) +
                   " >/dev/null 2>&1");
    return TallyOutputs(written, named, carved);
}

Tally PhotorecTally(const std::vector<WrittenFile>& written, const std::string& image, const std::string& work)
{
    const std::string run = work + "/photorec";
    fs::create_directories(run);
    RunCommand("cd " + Quote(run) + " && photorec /log /d " + Quote(run + "/recup") + " /cmd " + Quote(image) +
               " partition_none,fileopt,everything,enable,search >/dev/null 2>&1");
    return TallyOutputs(written, "", run);
}

Tally TskTally(const std::vector<WrittenFile>& written, const std::string& image, unsigned long long offset,
               const std::string& work)
{
    const std::string out = work + "/tsk";
    RunCommand("tsk_recover -e -o " + std::to_string(offset / blockSize) + " " + Quote(image) + " " + Quote(out) +
               " >/dev/null 2>&1");
    return TallyOutputs(written, out, "");
}

std::string TallyRow(const std::string& caseName, const std::string& reader, const Tally& tally)
{
    char line[200];
    std::snprintf(line, sizeof line, "%-30s %-16s %6zu %6zu %6zu %6zu", caseName.c_str(), reader.c_str(),
                  tally.exactByName, tally.carvedOnly, tally.lost, tally.foreign);
    return line;
}

void PrintTallies(const std::string& caseName, const std::vector<std::pair<std::string, Tally>>& rows)
{
    for (const auto& [reader, tally] : rows)
        std::cout << TallyRow(caseName, reader, tally) << "\n";
}

std::string Listing(const std::vector<std::string>& found)
{
    std::string listing;
    for (const auto& path : found)
        listing += path + "\n";
    return listing;
}

}
