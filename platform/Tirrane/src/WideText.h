#pragma once
#include <string>

namespace Tirrane {
// wchar_t holds UTF-32 here; invalid code points become U+FFFD.
std::string WideToUtf8(const wchar_t* text);
std::string WideToUtf8(const std::wstring& text);
}
