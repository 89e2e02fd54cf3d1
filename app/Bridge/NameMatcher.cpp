#include "NameMatcher.h"

#include <array>

namespace {

constexpr std::array<uchar, 256> asciiLowerTable()
{
    std::array<uchar, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = uchar(i >= 'A' && i <= 'Z' ? i + 32 : i);
    return table;
}

constexpr std::array<uchar, 256> asciiLower = asciiLowerTable();

bool hasNonAscii(const char* data, int size)
{
    for (int i = 0; i < size; ++i) {
        if (uchar(data[i]) >= 128)
            return true;
    }
    return false;
}

} // namespace

NameMatcher::NameMatcher(const QString& text) : text_(text)
{
    for (uint c : text.toUcs4()) {
        if (c < 128)
            continue;
        ascii_ = false;
        asciiNamesNeverMatch_ = asciiNamesNeverMatch_ || QChar::toCaseFolded(c) >= 128;
    }
    if (!ascii_)
        return;
    lowered_ = text.toLower().toLatin1();
    // U+212A KELVIN SIGN and U+017F LATIN SMALL LETTER LONG S fold to ASCII letters.
    foldedFromOthers_ = lowered_.contains('k') || lowered_.contains('s');
}

bool NameMatcher::decodedMatch(const char* utf8, int size) const
{
    return QString::fromUtf8(utf8, size).contains(text_, Qt::CaseInsensitive);
}

bool NameMatcher::matchesName(const char* utf8, int size) const
{
    if (!ascii_) {
        if (asciiNamesNeverMatch_ && !hasNonAscii(utf8, size))
            return false;
        return decodedMatch(utf8, size);
    }
    if (foldedFromOthers_ && hasNonAscii(utf8, size))
        return decodedMatch(utf8, size);
    // Bytes of non-ASCII characters never equal an ASCII letter of the text.
    const int length = lowered_.size();
    if (length == 0)
        return true;
    const char* needle = lowered_.constData();
    const uchar first = uchar(needle[0]);
    for (int i = 0; i + length <= size; ++i) {
        if (asciiLower[uchar(utf8[i])] != first)
            continue;
        int k = 1;
        while (k < length && asciiLower[uchar(utf8[i + k])] == uchar(needle[k]))
            ++k;
        if (k == length)
            return true;
    }
    return false;
}

bool NameMatcher::operator()(const DocumentInfo* record) const
{
    const char* path = record->pathData();
    const int size = record->pathBytes();
    int begin = size;
    while (begin > 0 && path[begin - 1] != '/')
        --begin;
    return matchesName(path + begin, size - begin);
}
