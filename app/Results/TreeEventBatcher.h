#pragma once
#include "FileTreeNode.h"

#include <QObject>
#include <QVector>

#include <functional>
#include <mutex>

class DocumentManager;

// One tree event as the model thread reported it, with the data generation it
// was read under.
struct TreeEvent {
    quint64 generation = 0;
    FileTreeNode* node = nullptr;
    DocumentInfo* record = nullptr;
    FileTreeNodeEventType type = FileTreeNodeEventType::NodeCreated;
};

// Carries tree events from the model thread to the GUI thread in batches. The
// registry callback only appends under a small mutex of its own and posts one
// queued flush when the list was empty; the flush hands the events of the live
// generation to the sink under the shared tree lock, works about 10 ms and
// posts itself again for the rest. Events of an older generation are dropped
// unread: their nodes may be freed.
class TreeEventBatcher : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(const QVector<TreeEvent>& events)>;

    TreeEventBatcher(DocumentManager* manager, Sink sink, QObject* parent = nullptr);
    ~TreeEventBatcher() override;

    // Register with the registry: a watcher of one node, or an owner hearing every event.
    void watchAll();
    void watchNode(const FileTreeNode* node);
    void withdraw();
    bool registered() const { return id_ >= 0; }

    // Called on the model thread by the registry.
    void post(FileTreeNode* node, DocumentInfo* record, FileTreeNodeEventType type);

    // Longest a flush works before it posts the rest.
    static constexpr int flushBudgetMs = 10;
    // Queued flushes outstanding: at most one while events wait.
    int postedFlushes() const;
    // Drains everything now (tests, and before a view reads the tree directly).
    void flushAll();

private:
    void flush(bool wholeList);

    DocumentManager* manager_;
    Sink sink_;
    qint64 id_ = -1;
    mutable std::mutex mutex_;
    QVector<TreeEvent> pending_;
    // Taken from pending_ by the GUI thread, worked through slice by slice.
    QVector<TreeEvent> working_;
    int workingHead_ = 0;
    int posted_ = 0;
};
