#pragma once
// Turning a path found on a volume into a safe place under the user's target
// folder: found paths are hostile input, so every component is checked and
// the result can never leave the target folder.
#include <cstddef>
#include <string>
#include <vector>

namespace RecoveryPath {

constexpr size_t maxComponentBytes = 255; // NAME_MAX
constexpr size_t maxPathBytes = 4095;     // PATH_MAX less its terminating NUL

// Splits a found path on "\" and "/", drops empty, "." and ".." components,
// folds a drive prefix "C:" to "C", replaces control characters and invalid
// UTF-8 with "_", and fits each component in 255 bytes keeping its extension.
// A path with nothing left gives {"Unknown"}.
std::vector<std::string> SafeComponents(const std::string& foundPath);

// name cut to at most limit bytes on a UTF-8 boundary; an extension shorter
// than 11 bytes is kept.
std::string FitFileName(const std::string& name, size_t limit);

// (stem, extension with its dot), split at the last "." that is not the first character.
std::pair<std::string, std::string> SplitExtension(const std::string& name);

// folder joined with components, at most limit bytes: the folder and the file
// name are always kept, then as many of the deepest folders as fit; the file
// name is cut (keeping its extension) when even that does not fit. Throws
// std::filesystem::filesystem_error (name too long) when the folder alone
// leaves no room.
std::string ShortenRecoveryPath(const std::string& folder, const std::vector<std::string>& components,
                                size_t limit = maxPathBytes);

// The longest prefix of text of at most limit bytes ending on a character boundary.
std::string Utf8Cut(const std::string& text, size_t limit);

}
