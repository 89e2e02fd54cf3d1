#include "Utils/TextConversion.h"

#include "Utils/Utf8Codec.h"

#include <stdexcept>
#include <string.h>

namespace Utils {

namespace {

[[noreturn]] void ThrowBadConversion()
{
    throw std::range_error("bad conversion");
}

// Walks UTF-16 (or wide text holding UTF-16 pairs) as code points. A unit left
// unpaired is handed to onBad, which returns false to stop the walk.
template <typename Unit, typename OnCodePoint, typename OnBad>
void WalkUnits(const Unit* units, size_t count, OnCodePoint onCodePoint, OnBad onBad)
{
    for (size_t i = 0; i < count; ++i) {
        const char32_t unit = static_cast<char32_t>(units[i]);
        if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(static_cast<char32_t>(units[i + 1]))) {
            onCodePoint(JoinSurrogates(unit, static_cast<char32_t>(units[i + 1])));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit > 0x10FFFF) {
            onBad();
        } else {
            onCodePoint(unit);
        }
    }
}

}

std::string Utf16ToUtf8(const char16_t* units, size_t count)
{
    std::string out;
    if (!units || count == 0)
        return out;
    out.reserve(count * 2);
    WalkUnits(units, count, [&](char32_t cp) { AppendUtf8(out, cp); },
              [&] { AppendUtf8(out, ReplacementCharacter); });
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    return Utf16ToUtf8(text.data(), text.size());
}

std::u16string Utf8ToWString(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp;
        if (!DecodeUtf8(text, pos, cp))
            ThrowBadConversion();
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
    }
    return out;
}

std::string WStringToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    WalkUnits(text.data(), text.size(), [&](char32_t cp) { AppendUtf8(out, cp); }, [] { ThrowBadConversion(); });
    return out;
}

std::string WStringToUtf8(std::wstring_view text)
{
    std::string out;
    // Room for the longest form up front: growing would free a copy of the
    // text (a password) unwiped.
    out.reserve(text.size() * 4);
    try {
        WalkUnits(text.data(), text.size(), [&](char32_t cp) { AppendUtf8(out, cp); }, [] { ThrowBadConversion(); });
    } catch (...) {
        explicit_bzero(out.data(), out.size()); // the part converted before the bad unit
        throw;
    }
    return out;
}

std::string WStringToUtf8Ucs2(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const wchar_t c : text) {
        const char32_t cp = static_cast<char32_t>(c);
        if (cp > 0x10FFFF || IsHighSurrogate(cp) || IsLowSurrogate(cp))
            return {};
        AppendUtf8(out, cp);
    }
    return out;
}

std::wstring WidenString(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t cp;
        out.push_back(static_cast<wchar_t>(DecodeUtf8(text, pos, cp) ? cp : ReplacementCharacter));
    }
    return out;
}

uint32_t CountUtf8Chars(std::string_view text)
{
    uint32_t count = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80)
            pos += 1;
        else if (lead >= 0xC0 && lead <= 0xDF)
            pos += 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            pos += 3;
        else if (lead >= 0xF0 && lead <= 0xF7)
            pos += 4;
        else
            return 0;
        ++count;
    }
    return count;
}

}
