#pragma once
// File types carved from raw space: their ids, their extensions, and the
// table that tells from a block's first bytes which file starts there.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

// The extension carved files of a type are named with; none for ids without one.
std::optional<std::string_view> TypeExtension(int32_t typeId);

class SignatureTable {
public:
    // The one table of the process, built on first use.
    static const SignatureTable& Instance();

    void Insert(int32_t typeId, std::span<const uint8_t> signature, uint64_t startOffset);
    // Offsets in ascending order (0 before 4); at each, the shortest signature wins.
    std::optional<int32_t> Match(std::span<const uint8_t> block) const;

private:
    struct Node {
        std::array<std::unique_ptr<Node>, 256> children;
        int32_t typeId = -1;
        bool set = false;
    };
    std::map<uint64_t, std::unique_ptr<Node>> roots;
};
