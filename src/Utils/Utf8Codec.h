#pragma once
// The UTF-8 rules shared by the text helpers.
#include <cstddef>
#include <string>
#include <string_view>

namespace Utils {

// Decodes one character at text[pos] by the strict rules of Unicode (no
// overlong forms, no surrogates, nothing above U+10FFFF). On success stores the
// code point, advances pos and returns true. On failure advances pos past the
// longest prefix of a valid sequence (at least one byte), the unit that one
// U+FFFD replaces, and returns false. Never reads past the end of text; at
// the end it returns false without moving.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& codePoint);

// Appends the 1 to 4 bytes of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, char32_t codePoint);

constexpr char32_t ReplacementCharacter = 0xFFFD;

inline bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
inline char32_t JoinSurrogates(char32_t high, char32_t low) { return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00); }

}
