#include "NaturalOrder.h"

namespace {

bool isDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return true;
    return u > 127 && c.category() == QChar::Number_DecimalDigit;
}

int digitRunEnd(const QString& s, int from)
{
    int end = from;
    while (end < s.size() && isDigit(s[end]))
        ++end;
    return end;
}

} // namespace

bool naturalLessThan(const QString& a, const QString& b)
{
    const int la = a.size();
    const int lb = b.size();
    if (la < 1)
        return la < lb;
    int i = 0;
    int j = 0;
    while (true) {
        if (j >= lb)
            return la < lb;
        const QChar ca = a[i];
        const QChar cb = b[j];
        if (isDigit(ca)) {
            if (!isDigit(cb))
                return true;
            const int endA = digitRunEnd(a, i);
            const int endB = digitRunEnd(b, j);
            const int runA = endA - i;
            const int runB = endB - j;
            if (runA != runB)
                return runA < runB;
            for (int k = 0; k < runA; ++k) {
                const ushort ua = a[i + k].unicode();
                const ushort ub = b[j + k].unicode();
                if (ua != ub)
                    return ua < ub;
            }
            i = endA;
            j = endB;
        } else {
            if (isDigit(cb))
                return false;
            if (ca != cb) {
                const ushort lowA = ca.toLower().unicode();
                const ushort lowB = cb.toLower().unicode();
                if (lowA != lowB)
                    return lowA < lowB;
            }
            ++i;
            ++j;
        }
        if (i >= la)
            return la < lb;
    }
}

int nodeKindRank(quint8 kind)
{
    switch (kind) {
    case 0: case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 4: return 4;
    case 5: case 6: return 5;
    case 7: case 8: return 6;
    case 14: return 7;
    case 13: return 8;
    case 9: case 10: return 9;
    case 11: case 12: return 10;
    default: return 11;
    }
}

namespace {

// Order-preserving variable-length bytes of a value up to 0x10FFFF (UTF-8's layout).
void appendOrderedUnit(std::string& key, uint value)
{
    if (value < 0x80) {
        key += char(value);
    } else if (value < 0x800) {
        key += char(0xC0 | (value >> 6));
        key += char(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        key += char(0xE0 | (value >> 12));
        key += char(0x80 | ((value >> 6) & 0x3F));
        key += char(0x80 | (value & 0x3F));
    } else {
        key += char(0xF0 | (value >> 18));
        key += char(0x80 | ((value >> 12) & 0x3F));
        key += char(0x80 | ((value >> 6) & 0x3F));
        key += char(0x80 | (value & 0x3F));
    }
}

// A digit run is 0x00 (below every other unit, so digits sort first), its length in
// two bytes (shorter runs first), then its units; any other unit is its lower case
// plus one; the end of the name is the end of the key (shorter first).
template<typename Units>
void appendKeyOfUnits(std::string& key, int size, Units unitAt)
{
    for (int i = 0; i < size;) {
        const QChar c(ushort(unitAt(i)));
        if (!isDigit(c)) {
            const ushort u = c.unicode();
            appendOrderedUnit(key, uint(u < 128 ? (u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toLower().unicode()) + 1);
            ++i;
            continue;
        }
        int end = i;
        while (end < size && isDigit(QChar(ushort(unitAt(end)))))
            ++end;
        const int run = qMin(end - i, 0xFFFF);
        key += char(0);
        key += char(run >> 8);
        key += char(run & 0xFF);
        for (; i < end; ++i)
            appendOrderedUnit(key, unitAt(i));
    }
}

} // namespace

void appendNaturalSortKey(std::string& key, const char* utf8, int size)
{
    bool ascii = true;
    for (int i = 0; i < size && ascii; ++i)
        ascii = uchar(utf8[i]) < 128;
    if (ascii) {
        appendKeyOfUnits(key, size, [utf8](int i) { return uint(uchar(utf8[i])); });
        return;
    }
    const QString text = QString::fromUtf8(utf8, size);
    appendKeyOfUnits(key, int(text.size()), [&text](int i) { return uint(text[i].unicode()); });
}
