#pragma once
#include <QHash>
#include <QPixmap>

#include <atomic>

namespace NomoThumbCache {

// Byte-capped pixmap cache keyed by record address, oldest evicted first.
// Recency is refreshed only on every tenth hit, so lookups stay cheap.
class PixmapCache {
public:
    explicit PixmapCache(qint64 maxCost);
    ~PixmapCache();
    PixmapCache(const PixmapCache&) = delete;
    PixmapCache& operator=(const PixmapCache&) = delete;

    bool find(quint64 key, QPixmap* out);
    void insert(quint64 key, const QPixmap& pixmap);
    void clear();
    void setMaxCost(qint64 maxCost);
    void setTrackAccess(bool on);

    qint64 maxCost() const { return maximum; }
    qint64 totalCost() const { return total; }
    int count() const { return entries.size(); }
    // Keys from oldest to newest (tests).
    QList<quint64> orderedKeys() const;

    static qint64 costOf(const QPixmap& pixmap);

private:
    struct Node {
        quint64 key;
        Node* previous;
        Node* next;
    };
    struct Entry {
        QPixmap pixmap;
        qint64 cost;
        Node* node;
    };

    void append(Node* node);
    void unlink(Node* node);
    void evictOldest();

    QHash<quint64, Entry> entries;
    Node* head = nullptr;
    Node* tail = nullptr;
    qint64 maximum;
    qint64 total = 0;
    bool trackAccess = false;
    std::atomic<int> accessCount{0};
};

}
