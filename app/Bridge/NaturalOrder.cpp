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
