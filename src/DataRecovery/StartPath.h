#pragma once
// The folder a path scan starts at, the same way for every engine: the path's
// volume prefix dropped, the rest split by hand and each component looked up
// in the folder before it. The engines supply the lookup and their rule for
// equal names.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace StartPath {

// The components after the volume prefix: "X:" followed by a separator or
// nothing, the volume's own letter, mount path or number ("/mnt/card/",
// "1"), or a leading separator. Empty components and "." are dropped.
// Empty when the path is not absolute.
std::optional<std::vector<std::string>> Split(const std::string& path, const std::string& volumeLetter);

// Whether name is the Recycle Bin folder's, in any case.
bool IsRecycleBinName(const std::string& name);

// Simple Unicode case folding of two UTF-8 names; bytes that are no UTF-8
// match only themselves.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// An up-case table over UTF-16 units, as NTFS and exFAT volumes carry one.
using UpcaseTable = std::vector<uint16_t>;
// Unicode simple upper case of every unit that has one inside the BMP; for a
// volume whose own table is not read.
const UpcaseTable& BuiltInUpcase();
// Equal after both names' units went through the table (units past its end
// stay as they are).
bool SameNameUpcased(const std::u16string& a, const std::u16string& b, const UpcaseTable& table);

struct Resolved {
    uint64_t folder = 0;
    // The path named the root's Recycle Bin folder alone and the volume has none:
    // nothing to scan, and no failure.
    bool noRecycleBin = false;
    // The first component not found (the scan must fail); empty otherwise.
    std::string missing;
};

// The folder named name inside folder, or nothing.
using FindChild = std::function<std::optional<uint64_t>(uint64_t folder, const std::string& name)>;

// Walks components from root, one lookup each.
Resolved Resolve(const std::vector<std::string>& components, uint64_t root, const FindChild& find);

}
