#pragma once
// Character-set conversion through iconv (plays MultiByteToWideChar and
// WideCharToMultiByte).
#include <string>
#include <string_view>

namespace Platform {

// Converts text between two iconv character sets. Returns false when either
// set is unknown or the input is invalid or cut short. Every temporary buffer
// is wiped before it is freed: the text may be a password.
bool ConvertCharacterSet(std::string_view input, const char* from, const char* to, std::string& output);

}
