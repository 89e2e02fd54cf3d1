#pragma once
// Text in Windows code pages, converted through iconv.
#include <cstdint>
#include <string>

namespace Utils {

// Code pages 0 (the system's ANSI code page), 1 (OEM) and 3 (the thread's) are
// UTF-8 here, as all of this system's 8-bit text is. Like the Windows call
// given a NUL-terminated string, the text ends at its first NUL byte.
// An unknown code page or invalid text throws std::range_error "bad conversion".
std::string CodePageToUtf8(const std::string& text, uint32_t codePage);
std::u16string CodePageToWString(const std::string& text, uint32_t codePage);

// The iconv name of a Windows code page number ("UTF-8", "CP1252", ...).
std::string CodePageCharacterSet(uint32_t codePage);

}
