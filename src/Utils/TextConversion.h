#pragma once
// Conversions between the encodings the engine meets: UTF-16 names read from
// disk structures (std::u16string), UTF-8 inside the engine and at its
// interface, and wide text (wchar_t is UTF-32 here).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Utils {

// Never throws for bad input: an unpaired surrogate becomes U+FFFD. A unit 0 is
// converted like any other; only the count ends the text.
std::string Utf16ToUtf8(const char16_t* units, size_t count);
std::string Utf16ToUtf8(std::u16string_view text);

// Strict: invalid UTF-8 (bad or missing continuation bytes, overlong forms,
// surrogates, code points above U+10FFFF) throws std::range_error "bad conversion".
std::u16string Utf8ToWString(std::string_view text);

// Strict: an unpaired surrogate (or, in wide text, a value above U+10FFFF)
// throws std::range_error "bad conversion". Wide text may carry a UTF-16
// surrogate pair split over two wchar_t; it is joined.
std::string WStringToUtf8(std::u16string_view text);
std::string WStringToUtf8(std::wstring_view text);

// One wide character per code point; any invalid one makes the result empty.
std::string WStringToUtf8Ucs2(std::wstring_view text);

// Decodes UTF-8 into wide text; a byte that does not start a valid sequence
// becomes U+FFFD. Never throws for bad input.
std::wstring WidenString(std::string_view text);

// Number of UTF-8 characters by their lead bytes (continuation bytes are not
// checked); 0 for empty text or when a byte in lead position cannot lead.
uint32_t CountUtf8Chars(std::string_view text);

}
