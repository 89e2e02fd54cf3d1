#include "PixmapCache.h"

#include "spdlog_qt.h"

#include <QDebug>

namespace NomoThumbCache {

PixmapCache::PixmapCache(qint64 maxCost) : maximum(maxCost) {}

PixmapCache::~PixmapCache()
{
    clear();
}

qint64 PixmapCache::costOf(const QPixmap& pixmap)
{
    return pixmap.isNull() ? 0 : qint64(pixmap.width()) * pixmap.height() * 4;
}

void PixmapCache::append(Node* node)
{
    node->previous = tail;
    node->next = nullptr;
    if (tail)
        tail->next = node;
    else
        head = node;
    tail = node;
}

void PixmapCache::unlink(Node* node)
{
    (node->previous ? node->previous->next : head) = node->next;
    (node->next ? node->next->previous : tail) = node->previous;
    node->previous = node->next = nullptr;
}

void PixmapCache::evictOldest()
{
    Node* oldest = head;
    auto it = entries.find(oldest->key);
    total -= it->cost;
    unlink(oldest);
    entries.erase(it);
    delete oldest;
}

bool PixmapCache::find(quint64 key, QPixmap* out)
{
    auto it = entries.find(key);
    if (it == entries.end())
        return false;
    if (out)
        *out = it->pixmap;
    if (trackAccess && (accessCount.fetch_add(1, std::memory_order_relaxed) + 1) % 10 == 0) {
        unlink(it->node);
        append(it->node);
    }
    return true;
}

void PixmapCache::insert(quint64 key, const QPixmap& pixmap)
{
    if (key == 0)
        return;
    const qint64 cost = costOf(pixmap);
    if (cost > maximum) {
        qWarning() << "Pixmap too large for cache, size:" << cost << "bytes";
        return;
    }
    auto existing = entries.find(key);
    if (existing != entries.end()) {
        logInfo(QStringLiteral("cache inserted pixmap path exists: %1").arg(key));
        if (pixmap.isNull())
            return;
        total -= existing->cost;
        unlink(existing->node);
        delete existing->node;
        entries.erase(existing);
    }
    while (total + cost > maximum && head)
        evictOldest();
    Node* node = new Node{key, nullptr, nullptr};
    append(node);
    entries.insert(key, Entry{pixmap, cost, node});
    total += cost;
}

void PixmapCache::clear()
{
    while (head) {
        Node* next = head->next;
        delete head;
        head = next;
    }
    tail = nullptr;
    entries.clear();
    total = 0;
    qDebug() << "Cache cleared";
}

void PixmapCache::setMaxCost(qint64 maxCost)
{
    maximum = maxCost;
    while (total > maximum && head)
        evictOldest();
}

void PixmapCache::setTrackAccess(bool on)
{
    trackAccess = on;
    accessCount.store(0, std::memory_order_relaxed);
}

QList<quint64> PixmapCache::orderedKeys() const
{
    QList<quint64> keys;
    for (Node* node = head; node; node = node->next)
        keys.append(node->key);
    return keys;
}

}
