#include "SizeText.h"

#include "DisplayLocale.h"

#include <QLocale>

#include <array>
#include <atomic>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

constexpr int ShardCount = 64;
constexpr size_t ShardLimit = 100;
constexpr size_t ThinStride = 5;

struct Unit {
    uint64_t divisor;
    const char* suffix;
};

Unit unitFor(uint64_t bytes)
{
    if (bytes >= 1073741824ull)
        return {1073741824ull, "GB"};
    if (bytes >= 1048576ull)
        return {1048576ull, "MB"};
    if (bytes >= 1024ull)
        return {1024ull, "KB"};
    return {1, "B"};
}

int clampDecimals(int decimals)
{
    return decimals < 0 ? 0 : (decimals > 6 ? 6 : decimals);
}

// The chosen language's locale per thread and grouping choice, renewed when
// the language changes, so formatting takes no lock.
const QLocale& threadLocale(bool grouping)
{
    thread_local int generation = -1;
    thread_local QLocale plain, grouped;
    if (generation != displayLocaleGeneration()) {
        generation = displayLocaleGeneration();
        grouped = displayLocale();
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        plain = grouped;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
    }
    return grouping ? grouped : plain;
}

QString formatWith(uint64_t bytes, int decimals, bool grouping)
{
    const Unit unit = unitFor(bytes);
    const QLocale& locale = threadLocale(grouping);
    const QString number = unit.divisor == 1
        ? locale.toString(static_cast<qulonglong>(bytes))
        : locale.toString(static_cast<double>(bytes) / static_cast<double>(unit.divisor), 'f', decimals);
    return number + QLatin1Char(' ') + QLatin1String(unit.suffix);
}

uint64_t fnv1a64(uint64_t value)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int i = 0; i < 8; ++i) {
        hash ^= (value >> (8 * i)) & 0xff;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// The text depends on all three, so all three make the key.
struct Key {
    uint64_t bytes;
    int decimals;
    bool grouping;
    int generation;  // the language's: texts of an earlier one are never found again
    bool operator==(const Key&) const = default;
};

struct KeyHash {
    size_t operator()(const Key& key) const
    {
        return static_cast<size_t>(fnv1a64(key.bytes) ^ (static_cast<uint64_t>(key.decimals) << 1) ^ key.grouping ^
                                   (static_cast<uint64_t>(key.generation) << 8));
    }
};

struct Shard {
    std::mutex mutex;
    std::unordered_map<Key, QString, KeyHash> texts;
    std::vector<Key> order;  // oldest first; hits do not reorder

    Shard() { texts.reserve(ShardLimit); order.reserve(ShardLimit + 1); }

    // Drops every fifth entry from the oldest on, at most a quarter of the limit.
    void thin()
    {
        std::vector<Key> kept;
        kept.reserve(order.size());
        size_t removed = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            if ((i + 1) % ThinStride == 0 && removed < ShardLimit / 4) {
                texts.erase(order[i]);
                ++removed;
            } else {
                kept.push_back(order[i]);
            }
        }
        order.swap(kept);
    }
};

struct Cache {
    std::array<Shard, ShardCount> shards;
    std::atomic<uint64_t> hits{0};
    std::atomic<uint64_t> misses{0};
};

// Never destroyed: a worker may still format while the process exits.
Cache& cache()
{
    static Cache* instance = new Cache;
    return *instance;
}

}

QString formatFileSize(uint64_t bytes, int decimals, bool groupLarge)
{
    if (bytes == 0)
        return QStringLiteral("0 B");
    const Unit unit = unitFor(bytes);
    const double value = static_cast<double>(bytes) / static_cast<double>(unit.divisor);
    return formatWith(bytes, clampDecimals(decimals), groupLarge && value >= 1000.0);
}

QString formatFileSizeCached(uint64_t bytes, int decimals, bool grouping)
{
    if (bytes == 0)
        return QStringLiteral("0 B");
    const Key key{bytes, clampDecimals(decimals), grouping, displayLocaleGeneration()};
    Cache& all = cache();
    Shard& shard = all.shards[static_cast<size_t>(fileSizeTextShardOf(bytes))];
    std::lock_guard lock(shard.mutex);
    if (auto it = shard.texts.find(key); it != shard.texts.end()) {
        all.hits.fetch_add(1, std::memory_order_relaxed);
        return it->second;
    }
    all.misses.fetch_add(1, std::memory_order_relaxed);
    QString text = formatWith(bytes, key.decimals, grouping);
    shard.texts.emplace(key, text);
    shard.order.push_back(key);
    if (shard.order.size() > ShardLimit)
        shard.thin();
    return text;
}

void clearFileSizeTextCache()
{
    for (Shard& shard : cache().shards) {
        std::lock_guard lock(shard.mutex);
        std::unordered_map<Key, QString, KeyHash>().swap(shard.texts);
        shard.texts.reserve(8);
        std::vector<Key>().swap(shard.order);
    }
}

int fileSizeTextShardOf(uint64_t bytes)
{
    return static_cast<int>(fnv1a64(bytes) & (ShardCount - 1));
}

int fileSizeTextShardSize(int shard)
{
    if (shard < 0 || shard >= ShardCount)
        return 0;
    Shard& s = cache().shards[static_cast<size_t>(shard)];
    std::lock_guard lock(s.mutex);
    return static_cast<int>(s.texts.size());
}
