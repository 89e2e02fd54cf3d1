#include "FAT/RecycleBinPairing.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "Disk/DiskBytes.h"
#include "Utils/PartReader.h"
#include "Utils/TextConversion.h"

#include <algorithm>

static constexpr const char* LogSource = "src/FAT/RecycleBinPairing";

namespace FAT {

namespace {

constexpr const char* deletedMark = "\xC3\xA5"; // U+00E5, the lost first byte of a deleted 8.3 name

struct RecycleName {
    bool isIndex = false;
    std::string rest;
};

std::optional<RecycleName> ParseRecycleName(const std::string& name, bool insideRecycleBin)
{
    if (name.size() < 4)
        return std::nullopt;
    size_t prefix = 0;
    if (name[0] == '$')
        prefix = 1;
    else if (insideRecycleBin && name.compare(0, 2, deletedMark) == 0)
        prefix = 2;
    if (prefix == 0 || name.size() <= prefix + 1 || (name[prefix] != 'I' && name[prefix] != 'R'))
        return std::nullopt;
    return RecycleName{name[prefix] == 'I', name.substr(prefix + 1)};
}

std::string Utf16Field(const uint8_t* data, size_t size, size_t offset, size_t maxUnits)
{
    std::u16string units;
    for (size_t i = 0; i < maxUnits && offset + 2 * i + 2 <= size; ++i) {
        const char16_t unit = static_cast<char16_t>(DiskBytes::U16(data, size, offset + 2 * i));
        if (unit == 0)
            break;
        units.push_back(unit);
    }
    return Utils::Utf16ToUtf8(units);
}

bool IsDriveRoot(const std::string& path)
{
    if (path.size() < 3)
        return false;
    const unsigned char letter = static_cast<unsigned char>(path[0]);
    return ((letter | 0x20) >= 'a' && (letter | 0x20) <= 'z') && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

// The index record's bytes through its runs, at most maxIndexRecordSize.
std::optional<std::vector<uint8_t>> ReadRecord(const FileManagerSP::FileNode& record, Utils::PartReader& reader)
{
    if (record.size == 0 || record.size > maxIndexRecordSize || record.runs.empty())
        return std::nullopt;
    std::vector<uint8_t> bytes(record.size, 0);
    size_t done = 0;
    for (const auto& run : record.runs) {
        if (done >= bytes.size())
            break;
        const size_t n = static_cast<size_t>(std::min<uint64_t>(run.length, bytes.size() - done));
        reader.Read(run.offset, bytes.data() + done, static_cast<uint32_t>(n));
        done += n;
    }
    if (done < bytes.size())
        return std::nullopt;
    return bytes;
}

FileManagerSP::FileNode Named(const FileManagerSP::FileNode& data, const FileManagerSP::FileNode& index,
                              Utils::PartReader& reader)
{
    FileManagerSP::FileNode out = data;
    out.folderFlag = 0;
    out.deletedState = 2;
    out.pathState = 0;
    auto bytes = ReadRecord(index, reader);
    std::optional<std::string> path;
    if (bytes) {
        path = IndexRecordPath(bytes->data(), bytes->size());
        std::fill(bytes->begin(), bytes->end(), 0);
    }
    if (path)
        out.name = *path;
    else
        VLOG_INFO("Recycle Bin index record %s (%llu bytes) unreadable; %s keeps its name", index.name.c_str(),
                  static_cast<unsigned long long>(index.size), data.name.c_str());
    return out;
}

}

std::optional<std::string> IndexRecordPath(const uint8_t* d, size_t size)
{
    if (size < 24)
        return std::nullopt;
    const uint64_t version = DiskBytes::U64(d, size, 0);
    std::string path;
    if (version == 2 && size >= 28) {
        const uint64_t length = DiskBytes::U32(d, size, 24);
        if (length < 3 || 28 + 2 * length > size)
            return std::nullopt;
        path = Utf16Field(d, size, 28, length);
    } else if (version == 1) {
        path = Utf16Field(d, size, 24, 260);
    } else if (size == 568) {
        path = Utf16Field(d, size, 24, (568 - 24) / 2);
    } else {
        return std::nullopt;
    }
    if (IsDriveRoot(path))
        path.erase(0, 3);
    if (path.empty())
        return std::nullopt;
    return path;
}

std::vector<FileManagerSP::FileNode> RecycleBinPairs::Pair(const FileManagerSP::FileNode& node,
                                                          Utils::PartReader& reader, bool insideRecycleBin)
{
    auto name = ParseRecycleName(node.name, insideRecycleBin);
    if (!name)
        return {node};
    const auto key = std::make_pair(node.parentId, name->rest);
    auto found = groups.find(key);
    if (found == groups.end()) {
        groups[key].push_back(node);
        return {};
    }
    auto& group = found->second;
    std::vector<FileManagerSP::FileNode> out;
    std::vector<FileManagerSP::FileNode> rest;
    for (auto& held : group) {
        const bool heldIsIndex = ParseRecycleName(held.name, true)->isIndex;
        if (heldIsIndex == name->isIndex)
            rest.push_back(std::move(held));
        else if (name->isIndex)
            out.push_back(Named(held, node, reader));
        else
            out.push_back(Named(node, held, reader));
    }
    // A data file is reported once, however many index records claim it.
    if (!name->isIndex && out.size() > 1)
        out.resize(1);
    if (out.empty())
        rest.push_back(node);
    if (rest.empty())
        groups.erase(found);
    else
        group = std::move(rest);
    return out;
}

std::vector<FileManagerSP::FileNode> RecycleBinPairs::TakeHeldBack()
{
    std::vector<FileManagerSP::FileNode> out;
    for (auto& [key, group] : groups)
        for (auto& node : group)
            out.push_back(std::move(node));
    groups.clear();
    return out;
}

}
