#include "DocumentComparator.h"

#include "NaturalOrder.h"
#include "NodeTypeCode.h"
#include "ParallelWalk.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

enum Group { TypeFolderGroup = 0, SpecialGroup = 1, RegularGroup = 2 };

constexpr int lostFileFolderRank = 6;

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

int asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : uchar(c);
}

// naturalLessThan on ASCII bytes, without decoding: the same order for ASCII text.
bool asciiNaturalLess(const char* a, int la, const char* b, int lb)
{
    int i = 0, j = 0;
    while (i < la && j < lb) {
        const char ca = a[i], cb = b[j];
        if (isAsciiDigit(ca)) {
            if (!isAsciiDigit(cb))
                return true;
            int endA = i, endB = j;
            while (endA < la && isAsciiDigit(a[endA]))
                ++endA;
            while (endB < lb && isAsciiDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j;
            for (; i < endA; ++i, ++j) {
                if (a[i] != b[j])
                    return uchar(a[i]) < uchar(b[j]);
            }
            continue;
        }
        if (isAsciiDigit(cb))
            return false;
        const int lowA = asciiLower(ca), lowB = asciiLower(cb);
        if (lowA != lowB)
            return lowA < lowB;
        ++i;
        ++j;
    }
    return la - i < lb - j;
}

bool nameLess(const SortName& a, const SortName& b)
{
    if (a.ascii && b.ascii)
        return asciiNaturalLess(a.data, a.size, b.data, b.size);
    return naturalLessThan(a.toString(), b.toString());
}

} // namespace

SortName SortName::of(const DocumentInfo* record)
{
    SortName name;
    if (!record)
        return name;
    const char* path = record->pathData();
    int begin = 0;
    const int size = record->pathBytes();
    const bool fullPath = DocumentComparator::group(record) == SpecialGroup
                          && nodeKindRank(quint8(record->typeCode)) != lostFileFolderRank;
    if (!fullPath) {
        begin = size;
        while (begin > 0 && path[begin - 1] != '/')
            --begin;
    }
    name.data = path + begin;
    name.size = size - begin;
    for (int i = 0; i < name.size && name.ascii; ++i)
        name.ascii = uchar(name.data[i]) < 128;
    if (!name.ascii)
        name.text = QString::fromUtf8(name.data, name.size);
    return name;
}

int DocumentComparator::group(const DocumentInfo* record)
{
    const quint16 code = record->typeCode;
    if (code >= PhotoFolder && code <= ExtensionlessFileFolder)
        return TypeFolderGroup;
    if (code == 15 || code >= 28)
        return RegularGroup;
    return SpecialGroup;
}

bool DocumentComparator::columnLess(const DocumentInfo* a, const SortName& nameA, const DocumentInfo* b,
                                    const SortName& nameB) const
{
    const bool ascending = order_ == Qt::AscendingOrder;
    auto byValue = [ascending](quint64 x, quint64 y) { return ascending ? x > y : x < y; };
    switch (column_) {
    case 1: return byValue(quint64(a->time), quint64(b->time));
    case 2: return byValue(a->typeCode & 0xFF, b->typeCode & 0xFF);
    case 3: return byValue(quint64(a->size), quint64(b->size));
    default: return ascending ? nameLess(nameA, nameB) : nameLess(nameB, nameA);
    }
}

bool DocumentComparator::less(const DocumentInfo* a, const SortName& nameA, const DocumentInfo* b,
                              const SortName& nameB) const
{
    if (!a || !b)
        return a && !b;  // null records last
    const int groupA = group(a), groupB = group(b);
    if (groupA != groupB)
        return order_ == Qt::AscendingOrder ? groupA < groupB : groupA > groupB;
    if (groupA == TypeFolderGroup)
        return order_ == Qt::AscendingOrder ? a->typeCode < b->typeCode : a->typeCode > b->typeCode;
    if (groupA == SpecialGroup) {
        const int rankA = nodeKindRank(quint8(a->typeCode)), rankB = nodeKindRank(quint8(b->typeCode));
        if (rankA != rankB)
            return rankA < rankB;
    }
    return columnLess(a, nameA, b, nameB);
}

bool DocumentComparator::operator()(const DocumentInfo* a, const DocumentInfo* b) const
{
    const bool byName = column_ != 1 && column_ != 2 && column_ != 3;
    return less(a, byName ? SortName::of(a) : SortName(), b, byName ? SortName::of(b) : SortName());
}

namespace {

// One record of a parallel sort: by name, the first eight bytes of its natural
// sort key in an integer, the rest in its chunk's key arena.
struct Keyed {
    quint64 prefix;
    const char* key;
    int keySize;
    qint16 group;
    qint16 rank;
    DocumentInfo* record;
};

quint64 keyPrefix(const char* key, int size)
{
    quint64 prefix = 0;
    for (int i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < size ? uchar(key[i]) : 0u);
    return prefix;
}

bool keyLess(const Keyed& x, const Keyed& y)
{
    if (x.prefix != y.prefix)
        return x.prefix < y.prefix;
    const int common = std::min(x.keySize, y.keySize);
    if (common > 8) {
        if (const int c = std::memcmp(x.key + 8, y.key + 8, size_t(common - 8)))
            return c < 0;
    }
    return x.keySize < y.keySize;
}

} // namespace

void sortDocuments(QVector<DocumentInfo*>& records, int column, Qt::SortOrder order)
{
    const DocumentComparator comparator(column, order);
    if (records.size() < parallelWalkThreshold) {
        std::sort(records.begin(), records.end(), comparator);
        return;
    }
    // Left uninitialised: each worker first touches (and faults in) its own part.
    const size_t count = size_t(records.size());
    std::unique_ptr<Keyed[]> keyedBlock(new Keyed[count]);
    std::unique_ptr<Keyed[]> bufferBlock(new Keyed[count]);
    Keyed* keyed = keyedBlock.get();
    const bool byName = column != 1 && column != 2 && column != 3;
    struct Range {
        size_t begin, end;
        std::string keys;
    };
    const size_t parts = std::max(1u, std::thread::hardware_concurrency());
    const size_t step = (count + parts - 1) / parts;
    QVector<Range> ranges;
    for (size_t begin = 0; begin < count; begin += step)
        ranges.append({begin, std::min(begin + step, count), {}});
    const bool ascending = order == Qt::AscendingOrder;
    // DocumentComparator::less by name, with the keys, groups and ranks worked out once.
    auto keyedLess = [&](const Keyed& x, const Keyed& y) {
        if (!byName)
            return comparator(x.record, y.record);
        if (x.group != RegularGroup || y.group != RegularGroup) {
            if (!x.record || !y.record)
                return x.record && !y.record;  // null records last
            if (x.group != y.group)
                return ascending ? x.group < y.group : x.group > y.group;
            if (x.group == TypeFolderGroup)
                return ascending ? x.record->typeCode < y.record->typeCode : x.record->typeCode > y.record->typeCode;
            if (x.rank != y.rank)
                return x.rank < y.rank;
        }
        return ascending ? keyLess(x, y) : keyLess(y, x);
    };
    // Each name is encoded once, then every chunk sorted on its own worker.
    runParallelUnits(ranges, [&](Range& range) {
        std::vector<size_t> offsets;
        offsets.reserve(range.end - range.begin + 1);
        range.keys.reserve((range.end - range.begin) * 24);
        for (size_t i = range.begin; i < range.end; ++i) {
            if (i + prefetchDistance < range.end) {
                const char* ahead = reinterpret_cast<const char*>(records.at(int(i) + prefetchDistance));
                __builtin_prefetch(ahead);
                __builtin_prefetch(ahead + 64);
            }
            DocumentInfo* record = records.at(int(i));
            const int group = record ? DocumentComparator::group(record) : -1;
            const int rank = group == SpecialGroup ? nodeKindRank(quint8(record->typeCode)) : 0;
            offsets.push_back(range.keys.size());
            if (byName && (group == RegularGroup || group == SpecialGroup)) {
                const SortName name = SortName::of(record);
                appendNaturalSortKey(range.keys, name.data, name.size);
            }
            keyed[i] = {0, nullptr, 0, qint16(group), qint16(rank), record};
        }
        offsets.push_back(range.keys.size());
        for (size_t i = range.begin; i < range.end; ++i) {
            const size_t k = i - range.begin;
            Keyed& entry = keyed[i];
            entry.key = range.keys.data() + offsets[k];
            entry.keySize = int(offsets[k + 1] - offsets[k]);
            entry.prefix = keyPrefix(entry.key, entry.keySize);
        }
        std::sort(keyed + range.begin, keyed + range.end, keyedLess);
    });
    // Pairwise merges into a second buffer, round by round. Each merge is cut into
    // pieces on their own threads: a piece of the left span takes the right span's
    // elements below its first one (std::merge's order: the left one first on ties).
    struct Piece {
        size_t left, leftEnd, right, rightEnd, out;
    };
    Keyed* from = keyed;
    Keyed* to = bufferBlock.get();
    std::vector<size_t> bounds;
    for (const Range& range : ranges)
        bounds.push_back(range.begin);
    bounds.push_back(count);
    while (bounds.size() > 2) {
        std::vector<size_t> next;
        QVector<Piece> pieces;
        const size_t pairs = (bounds.size() - 1) / 2;
        const size_t cuts = std::max<size_t>(1, parts * 4 / std::max<size_t>(1, pairs));
        for (size_t k = 0; k + 1 < bounds.size(); k += 2) {
            next.push_back(bounds[k]);
            const size_t begin = bounds[k];
            const size_t middle = bounds[k + 1];
            const size_t end = k + 2 < bounds.size() ? bounds[k + 2] : middle;
            size_t left = begin, right = middle;
            for (size_t c = 1; c <= cuts; ++c) {
                size_t leftEnd = middle, rightEnd = end;
                if (c < cuts) {
                    leftEnd = begin + (middle - begin) * c / cuts;
                    if (leftEnd < middle)
                        rightEnd = size_t(std::lower_bound(from + middle, from + end, from[leftEnd], keyedLess)
                                          - from);
                    else
                        rightEnd = end;
                }
                pieces.append({left, leftEnd, right, rightEnd, begin + (left - begin) + (right - middle)});
                left = leftEnd;
                right = rightEnd;
            }
        }
        next.push_back(count);
        runParallelUnits(pieces, [&](Piece& piece) {
            std::merge(from + piece.left, from + piece.leftEnd, from + piece.right, from + piece.rightEnd,
                       to + piece.out, keyedLess);
        });
        std::swap(from, to);
        bounds.swap(next);
    }
    for (size_t i = 0; i < count; ++i)
        records[int(i)] = from[i].record;
}
