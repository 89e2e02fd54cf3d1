#pragma once
// Whether a found name can be a Windows file name, and small path tools.
// Paths found on a volume use "\" (and "/"); they are parsed by hand.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace Utils {

// UTF-8 name: strict UTF-8 without noncharacters, not only dots, no leading or
// trailing space or dot, no control character other than tab, line feed and
// carriage return, none of <>:"/\|?*, not "." or "..", and no reserved device
// name (CON, PRN, AUX, NUL, COM1-9, LPT1-9) before the first dot.
bool IsValidFileName(std::string_view name);
bool IsValidFileName(const char* name, size_t length);

// UTF-16 name: the same, except that surrogates must pair, 0xFFFE and 0xFFFF
// are refused, and control characters and U+FDD0-U+FDEF are accepted.
bool IsValidFileNameW(const char16_t* units, size_t count);
bool IsValidFileNameW(std::u16string_view name);

// The text after the last "/" or "\"; the whole text when it has neither.
std::string GetFileNamePart(const std::string& path);

// Replaces the extension of the last component: "a\b.txt" + "jpg" gives
// "a\b.jpg"; a component without one gets it appended; an empty extension
// removes it. A leading dot (".profile"), "." and ".." are not extensions.
std::string ReplaceExtension(const std::string& path, const std::string& extension);

// (path, stream name): when the last component holds a colon, the stream is
// the text after that component's first colon and the path ends before the
// path's last colon; otherwise (path, "").
std::pair<std::string, std::string> SplitStreamName(const std::string& path);

}
