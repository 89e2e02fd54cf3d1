#include "FAT/EngineChecks.h"

#include "FAT/FatImages.h"
#include "Utils/TextConversion.h"
#include "support/ProbeOutput.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace TestSupport;

namespace FatTest {

std::vector<FlsEntry> Fls(const std::string& image)
{
    std::vector<FlsEntry> entries;
    std::string listing;
    RunCommand("fls -r -p " + Quote(image), &listing);
    static const std::regex line("^([a-z-])/[a-z-] (\\* )?(\\d+)(?:\\(realloc\\))?:\\t(.*)$");
    std::istringstream in(listing);
    std::string text;
    while (std::getline(in, text)) {
        std::smatch m;
        if (!std::regex_match(text, m, line))
            continue;
        FlsEntry e;
        e.folder = m[1] == "d";
        e.deleted = m[2].matched;
        e.inode = std::stoull(m[3]);
        e.path = m[4];
        static const std::set<std::string> virtualFiles{"$MBR", "$FAT1", "$FAT2", "$OrphanFiles", "$ALLOC_BITMAP",
                                                         "$UPCASE_TABLE"};
        if (m[1] == "v" || virtualFiles.count(e.path) || e.path.rfind("$OrphanFiles/", 0) == 0)
            continue;
        entries.push_back(e);
    }
    std::string body;
    RunCommand("fls -r -p -m / " + Quote(image), &body);
    std::map<uint64_t, std::pair<uint64_t, int64_t>> byInode;
    std::istringstream bodyLines(body);
    while (std::getline(bodyLines, text)) {
        std::vector<std::string> fields;
        std::stringstream split(text);
        std::string field;
        while (std::getline(split, field, '|'))
            fields.push_back(field);
        if (fields.size() < 11)
            continue;
        byInode[std::stoull(fields[2].substr(0, fields[2].find('-')))] = {std::stoull(fields[6]),
                                                                          std::stoll(fields[8])};
    }
    for (auto& e : entries) {
        e.size = byInode[e.inode].first;
        e.modified = byInode[e.inode].second;
    }
    return entries;
}

std::string FlsForm(const std::string& enginePath)
{
    std::string out;
    std::stringstream split(enginePath);
    std::string part;
    while (std::getline(split, part, '\\')) {
        if (part.empty() || part == ".")
            continue;
        if (part.rfind("\xC3\xA5", 0) == 0)
            part = "_" + part.substr(2);
        out += (out.empty() ? "" : "/") + part;
    }
    return out;
}

bool SameFlsPath(const std::string& flsPath, const std::string& enginePath)
{
    const std::string mine = FlsForm(enginePath);
    if (flsPath == mine)
        return true;
    if (flsPath.find('^') == std::string::npos)
        return false;
    const std::u16string a = Utils::Utf8ToWString(flsPath);
    const std::u16string b = Utils::Utf8ToWString(mine);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(a[i] == u'^' && b[i] >= 0x80))
            return false;
    return true;
}

std::vector<uint8_t> RunBytes(const std::string& image, const std::vector<DataRun>& runs, uint64_t size)
{
    std::vector<uint8_t> bytes;
    for (const auto& run : runs) {
        if (bytes.size() >= size)
            break;
        const auto piece = ReadBytes(image, run.offset, static_cast<size_t>(std::min(run.length, size - bytes.size())));
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    }
    return bytes;
}

std::vector<uint8_t> Icat(const std::string& image, const FlsEntry& entry)
{
    std::string out;
    RunCommand("icat " + std::string(entry.deleted ? "-r " : "") + Quote(image) + " " + std::to_string(entry.inode),
               &out);
    return std::vector<uint8_t>(out.begin(), out.end());
}

std::map<uint64_t, std::vector<uint8_t>> IcatEach(const std::string& image, const std::vector<FlsEntry>& entries)
{
    TempDir out;
    {
        std::ofstream commands(out / "commands");
        for (const auto& entry : entries)
            commands << "icat " << (entry.deleted ? "-r " : "") << Quote(image) << " " << entry.inode << " > "
                     << Quote(out / std::to_string(entry.inode)) << "\n";
    }
    // One process per file is the slow part: eight of them run at once.
    RunOrFail("xargs -d '\\n' -P 8 -I{} sh -c {} < " + Quote(out / "commands"));
    std::map<uint64_t, std::vector<uint8_t>> bytes;
    for (const auto& entry : entries) {
        const std::filesystem::path file = out / std::to_string(entry.inode);
        bytes[entry.inode] = ReadBytes(file.string(), 0, static_cast<size_t>(std::filesystem::file_size(file)));
    }
    return bytes;
}

const Reported* Match(const std::vector<Reported>& files, const FlsEntry& entry)
{
    for (const auto& f : files)
        if (SameFlsPath(entry.path, f.path) && (f.deletedState != 0) == entry.deleted)
            return &f;
    return nullptr;
}

void ExpectRunBytesMatchIcat(const std::string& image,
                             const std::vector<std::pair<FlsEntry, const Reported*>>& files)
{
    std::vector<FlsEntry> entries;
    for (const auto& [entry, found] : files)
        entries.push_back(entry);
    const auto icat = IcatEach(image, entries);
    for (const auto& [entry, found] : files)
        EXPECT_EQ(RunBytes(image, found->runs, found->size), icat.at(entry.inode)) << entry.path;
}

FreshRecovery RecoverThroughFreshProbe(const std::string& image, const std::string& folder, const std::string& path)
{
    const std::string env = ImagesOnlyEnvironment(image);
    const std::string probe = ProbePath();
    const auto scan =
        ParseJsonLines(RunOrFail(env + probe + " scan --disk 0 --volume 0 --path " + Quote(folder) + " 2>/dev/null"));
    FreshRecovery result;
    nlohmann::json record;
    for (const auto& line : scan)
        if (line.value("path", "") == path)
            record = line;
    if (!record.is_object())
        return result;
    result.recordRuns = record["runs"].size();
    record["nodeId"] = 0;
    TempDir out;
    std::ofstream(out / "in.json") << record.dump() << "\n";
    RunOrFail(env + probe + " recover --out " + Quote(out / "files") + " < " + Quote(out / "in.json") + " 2>/dev/null");
    for (const auto& file : std::filesystem::recursive_directory_iterator(out / "files"))
        if (file.is_regular_file())
            result.bytes = ReadBytes(file.path().string(), 0, static_cast<size_t>(file.file_size()));
    return result;
}

}
