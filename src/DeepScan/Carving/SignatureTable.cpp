#include "DeepScan/Carving/SignatureTable.h"

#include <string>
#include <vector>

namespace {

constexpr std::array<std::string_view, 42> extensions = {
    "png", "jpg", "heic", "psd", "bmp", "tiff", "cr2", "cr3", "raf", "nef", "arw", "webp", "gif", "mp4",
    "mov", "avi", "m4v", "mkv", "flv", "mpeg", "rmvb", "3gp", "wmv", "asf", "mp3", "m4a", "wav", "ogg",
    "wma", "aiff", "zip", "7z", "rar", "iso", "", "ppt", "doc", "xls", "pptx", "docx", "xlsx", "pdf",
};

struct Signature {
    std::vector<uint8_t> bytes;
    uint64_t offset;
    int32_t typeId;
};

std::vector<uint8_t> Text(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::vector<Signature> Signatures()
{
    return {
        {{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}, 0, 0},
        {{0xFF, 0xD8, 0xFF}, 0, 1},
        {Text("ftypheic"), 4, 2},
        {Text("BM"), 0, 4},
        {{0x49, 0x49, 0x2A, 0x00}, 0, 5},
        {{0x4D, 0x4D, 0x00, 0x2A}, 0, 5},
        {Text("FUJIFILMCCD-RAW"), 0, 8},
        {Text("ftypisom"), 4, 13},
        {Text("ftypmp41"), 4, 13},
        {Text("ftypmp42"), 4, 13},
        {Text("ftypqt  "), 4, 14},
        {Text("ftypcrx "), 4, 7},
        {Text("wide"), 4, 14},
        {Text("moov"), 4, 14},
        {Text("mdat"), 4, 14},
        {Text("free"), 4, 14},
        {Text("RIFF"), 0, 15},
        {{0x1A, 0x45, 0xDF, 0xA3}, 0, 17},
        {Text("FLV"), 0, 18},
        {Text("ID3"), 0, 24},
        {Text("OggS"), 0, 27},
        {Text("ftypM4A "), 4, 25},
        {Text("ftypM4V"), 4, 16},
        {{0x50, 0x4B, 0x03, 0x04}, 0, 30},
        {{0x37, 0x7A, 0xBC, 0xAF, 0x27, 0x1C}, 0, 31},
        {{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1}, 0, 34},
        {{0x00, 0x00, 0x01, 0xBA}, 0, 19},
        {{0x00, 0x00, 0x01, 0xB3}, 0, 19},
        {{0x00, 0x00, 0x01, 0xB5}, 0, 19},
        {{0x00, 0x00, 0x01, 0xBB}, 0, 19},
        {Text("%PDF-"), 0, 41},
        {{0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00}, 0, 32},
        {{0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x01, 0x00}, 0, 32},
        {{0x01, 0x43, 0x44, 0x30, 0x30, 0x31}, 0, 33},
        {Text("8BPS"), 0, 3},
        {Text("GIF87a"), 0, 12},
        {Text("GIF89a"), 0, 12},
        {Text(".RMF"), 0, 20},
        {Text("ftyp3gp"), 4, 21},
        {{0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C}, 0, 23},
        {Text("FORM"), 0, 29},
    };
}

}

std::optional<std::string_view> TypeExtension(int32_t typeId)
{
    if (typeId < 0 || typeId >= static_cast<int32_t>(extensions.size()) || extensions[typeId].empty())
        return std::nullopt;
    return extensions[typeId];
}

const SignatureTable& SignatureTable::Instance()
{
    static const SignatureTable table = [] {
        SignatureTable built;
        for (const auto& signature : Signatures())
            built.Insert(signature.typeId, signature.bytes, signature.offset);
        return built;
    }();
    return table;
}

void SignatureTable::Insert(int32_t typeId, std::span<const uint8_t> signature, uint64_t startOffset)
{
    if (signature.empty())
        return;
    auto& root = roots[startOffset];
    if (!root)
        root = std::make_unique<Node>();
    Node* node = root.get();
    for (uint8_t byte : signature) {
        auto& child = node->children[byte];
        if (!child)
            child = std::make_unique<Node>();
        node = child.get();
    }
    node->typeId = typeId;
    node->set = true;
}

std::optional<int32_t> SignatureTable::Match(std::span<const uint8_t> block) const
{
    for (const auto& [offset, root] : roots) {
        if (offset >= block.size())
            continue;
        const Node* node = root.get();
        for (size_t i = static_cast<size_t>(offset); i < block.size(); ++i) {
            node = node->children[block[i]].get();
            if (!node)
                break;
            if (node->set)
                return node->typeId;
        }
    }
    return std::nullopt;
}
