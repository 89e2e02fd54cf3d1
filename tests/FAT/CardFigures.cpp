#include "FAT/CardFigures.h"

#include "support/ProbeOutput.h"
#include "support/TaggedFiles.h"
#include "support/Tools.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using namespace TestSupport;
namespace fs = std::filesystem;

namespace FatTest {

namespace {

std::vector<uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Leaf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// Whether a recovered leaf names the written leaf: the same, or a deleted
// 8.3 name whose first letter reads "å" (or fls's "_").
bool NamesLeaf(const std::string& found, const std::string& written)
{
    const std::string f = Upper(found);
    const std::string w = Upper(written);
    if (f == w)
        return true;
    for (const std::string lost : {"\xC3\xA5", "\xC3\x85", "_"})
        if (f.rfind(lost, 0) == 0 && f.substr(lost.size()) == w.substr(1))
            return true;
    return false;
}

// The written files a recovered leaf names.
std::vector<const CardFile*> NamedFiles(const Card& card, const std::string& leaf)
{
    std::vector<const CardFile*> named;
    for (const auto& f : card.files)
        if (NamesLeaf(leaf, Leaf(f.path)))
            named.push_back(&f);
    return named;
}

const CardFile* TaggedAs(const Card& card, const std::vector<uint8_t>& bytes)
{
    for (size_t at = 0; at + 12 <= bytes.size(); at += 512) {
        if (std::memcmp(bytes.data() + at, "VTAG", 4) != 0)
            continue;
        const uint32_t id = bytes[at + 4] | bytes[at + 5] << 8 | bytes[at + 6] << 16 | uint32_t{bytes[at + 7]} << 24;
        for (const auto& f : card.files)
            if (f.id == id)
                return &f;
        return nullptr;
    }
    return nullptr;
}

bool NamesDeleted(const Card& card, const std::string& leaf)
{
    return std::any_of(card.deleted.begin(), card.deleted.end(),
                       [&](const std::string& path) { return NamesLeaf(leaf, Leaf(path)); });
}

bool HoldsTags(const std::vector<uint8_t>& bytes)
{
    for (size_t at = 0; at + 12 <= bytes.size(); at += 512)
        if (std::memcmp(bytes.data() + at, "VTAG", 4) == 0)
            return true;
    return false;
}

// A file recovered under leaf: does it hold blocks of a file it does not
// name, or its own out of place? Under a name no file was written with (an
// 8.3 alias, a lost name), the file its first tagged block names is its own.
bool HoldsForeignBytes(const Card& card, const std::string& leaf, const std::vector<uint8_t>& bytes)
{
    auto candidates = NamedFiles(card, leaf);
    if (candidates.empty()) {
        if (NamesDeleted(card, leaf))
            return false; // a deleted file's clusters hold whatever was written after it
        if (const CardFile* own = TaggedAs(card, bytes))
            candidates.push_back(own);
        else
            return HoldsTags(bytes);
    }
    return std::none_of(candidates.begin(), candidates.end(), [&](const CardFile* f) {
        return CheckTaggedFile(f->id, f->bytes.size(), bytes).foreignBlocks == 0;
    });
}

// Counts a reader's answers: each recovered (leaf name, bytes, and whether it came by name).
struct Recovered {
    std::string path;
    std::vector<uint8_t> bytes;
    bool byName = true;
};

Figures Count(const Card& card, const std::vector<Recovered>& recovered, std::map<std::string, bool>* exact)
{
    Figures f;
    f.ran = true;
    for (const auto& file : card.files) {
        bool named = false;
        bool anywhere = false;
        for (const auto& r : recovered) {
            if (r.bytes != file.bytes)
                continue;
            anywhere = true;
            const auto candidates = NamedFiles(card, Leaf(r.path));
            named = named || (r.byName && std::find(candidates.begin(), candidates.end(), &file) != candidates.end());
        }
        if (exact)
            (*exact)[file.path] = named;
        ++(named ? f.exactByName : anywhere ? f.carvedOnly : f.lost);
    }
    for (const auto& r : recovered)
        if (r.byName && HoldsForeignBytes(card, Leaf(r.path), r.bytes)) {
            ++f.foreign;
            f.foreignNames.push_back(r.path);
        }
    return f;
}

std::vector<Recovered> FilesUnder(const fs::path& folder, bool byName)
{
    std::vector<Recovered> files;
    std::error_code error;
    if (!fs::exists(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.push_back({fs::relative(entry.path(), folder).string(), ReadAll(entry.path()), byName});
    return files;
}

std::string Probe()
{
    const char* other = std::getenv("VELMORA_CARD_PROBE");
    return other && *other ? other : ProbePath();
}

// Recovers each found file into a folder of its own (out/<n>/...), so two
// files of one name stay apart; what each gave, under its found path.
std::vector<Recovered> Recover(const std::string& disk, const std::vector<nlohmann::json>& lines,
                               const std::string& input, const std::string& out, bool byName)
{
    {
        std::ofstream file(input);
        for (size_t n = 0; n < lines.size(); ++n) {
            auto line = lines[n];
            line["path"] = std::to_string(n) + "\\" + line.value("path", "");
            file << line.dump() << "\n";
        }
    }
    RunCommand(ImagesOnlyEnvironment(disk) + Quote(Probe()) + " recover --out " + Quote(out) + " < " + Quote(input) +
               " >/dev/null 2>&1");
    std::vector<Recovered> recovered;
    for (size_t n = 0; n < lines.size(); ++n)
        for (auto& file : FilesUnder(fs::path(out) / std::to_string(n), byName)) {
            file.path = lines[n].value("path", "");
            recovered.push_back(std::move(file));
        }
    return recovered;
}

std::string SectorOffset(const Card& card)
{
    return std::to_string(card.volumeStart / 512);
}

}

EngineRun RunEngine(const Card& card, const std::string& disk, const std::string& work)
{
    EngineRun run;
    std::string output;
    RunCommand(ImagesOnlyEnvironment(disk) + Quote(Probe()) + " scan --disk 0 --volume 0 2>/dev/null", &output);
    std::vector<nlohmann::json> named;
    std::vector<nlohmann::json> carved;
    for (const auto& line : ParseJsonLines(output)) {
        const std::string kind = line.value("kind", "");
        if (kind == "ScanFailed") {
            run.failed = true;
            if (run.failureCode == 0)
                run.failureCode = line.value("errorCode", 0);
        } else if (kind == "ScanFinished") {
            run.finished = true;
        } else if (line.contains("runs")) {
            run.files.push_back(line);
            (kind == "CarvedFile" ? carved : named).push_back(line);
        }
    }
    for (const auto& line : named)
        for (const auto& f : card.files)
            if (Upper(Leaf(f.path)) == Upper(Leaf(line.value("path", ""))) &&
                (line.value("deletedState", 0) == 0 || !run.dataState.count(f.path)))
                run.dataState[f.path] = line.value("dataState", 0);
    auto recovered = Recover(disk, named, work + "/named.jsonl", work + "/named", true);
    for (auto& file : Recover(disk, carved, work + "/carved.jsonl", work + "/carved", false))
        recovered.push_back(std::move(file));
    run.figures = Count(card, recovered, &run.exact);
    return run;
}

Figures RunSleuthKit(const Card& card, const std::string& disk, const std::string& work)
{
    std::string listing;
    const std::string offset = " -o " + SectorOffset(card) + " ";
    if (RunCommand("fls -r -p" + offset + Quote(disk) + " 2>/dev/null", &listing) != 0)
        return {};
    std::vector<Recovered> recovered;
    static const std::regex line("^r/r (\\* )?(\\d+)(?:\\(realloc\\))?:\\t(.*)$");
    std::istringstream in(listing);
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line) || m[1].matched || m[3].str().rfind("$", 0) == 0)
            continue;
        std::string bytes;
        RunCommand("icat" + offset + Quote(disk) + " " + m[2].str() + " 2>/dev/null", &bytes);
        recovered.push_back({m[3].str(), std::vector<uint8_t>(bytes.begin(), bytes.end()), true});
    }
    (void)work;
    return Count(card, recovered, nullptr);
}

Figures RunPhotorec(const Card& card, const std::string& disk, const std::string& work)
{
    const std::string out = work + "/photorec";
    RunCommand("cd " + Quote(work) + " && photorec /log /d " + Quote(out) + " /cmd " + Quote(disk) +
               " partition_none,fileopt,everything,enable,search >/dev/null 2>&1");
    std::vector<Recovered> recovered;
    for (const auto& entry : fs::directory_iterator(work))
        if (entry.is_directory() && entry.path().filename().string().rfind("photorec.", 0) == 0)
            for (auto& file : FilesUnder(entry.path(), false))
                recovered.push_back(std::move(file));
    return Count(card, recovered, nullptr);
}

std::string FiguresText(const Figures& f)
{
    if (!f.ran)
        return "-";
    return std::to_string(f.exactByName) + "/" + std::to_string(f.carvedOnly) + "/" + std::to_string(f.lost) + "/" +
           std::to_string(f.foreign);
}

}
