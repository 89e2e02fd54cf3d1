#pragma once
// wchar_t text holds UTF-32 code points on this platform.
#include <string>

namespace Platform {

// Throws std::invalid_argument for a value that is not a Unicode scalar.
std::string WideToUtf8(const wchar_t* text);

}
