#include "TreeEventBatcher.h"

#include "DocumentManager.h"
#include "FileTreeNodeObserverRegistry.h"
#include "ThreadHandOver.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include <algorithm>
#include <shared_mutex>

TreeEventBatcher::TreeEventBatcher(DocumentManager* manager, Sink sink, QObject* parent)
    : QObject(parent), manager_(manager), sink_(std::move(sink))
{
}

TreeEventBatcher::~TreeEventBatcher()
{
    withdraw();
}

void TreeEventBatcher::watchAll()
{
    withdraw();
    id_ = FileTreeNodeObserverRegistry::instance().addOwnerObserver(
        this, [this](FileTreeNode* node, DocumentInfo* record, FileTreeNodeEventType type) { post(node, record, type); });
}

void TreeEventBatcher::watchNode(const FileTreeNode* node)
{
    withdraw();
    id_ = FileTreeNodeObserverRegistry::instance().addObserver(
        node, [this](FileTreeNode* changed, DocumentInfo* record, FileTreeNodeEventType type) { post(changed, record, type); },
        0);
}

void TreeEventBatcher::withdraw()
{
    // After this returns the registry calls post no more (it notifies under its mutex).
    if (id_ >= 0)
        FileTreeNodeObserverRegistry::instance().removeObserver(id_);
    id_ = -1;
    std::lock_guard lock(mutex_);
    pending_.clear();
    working_.clear();
    workingHead_ = 0;
}

void TreeEventBatcher::post(FileTreeNode* node, DocumentInfo* record, FileTreeNodeEventType type)
{
    const quint64 generation = manager_->dataGeneration();
    std::lock_guard lock(mutex_);
    pending_.append({generation, node, record, type});
    if (pending_.size() == 1 && posted_ == 0) {
        ++posted_;
        QMetaObject::invokeMethod(this, ThreadHandOver::Queued([this] { flush(false); }), Qt::QueuedConnection);
    }
}

int TreeEventBatcher::postedFlushes() const
{
    std::lock_guard lock(mutex_);
    return posted_;
}

void TreeEventBatcher::flushAll()
{
    flush(true);
}

void TreeEventBatcher::flush(bool wholeList)
{
    QElapsedTimer clock;
    clock.start();
    if (!wholeList) {
        std::lock_guard lock(mutex_);
        --posted_;
    }
    // Slices keep one flush short; the sink inserts each slice once per parent.
    constexpr int slice = 1024;
    while (true) {
        {
            std::lock_guard lock(mutex_);
            if (workingHead_ >= working_.size()) {
                working_.clear();
                workingHead_ = 0;
                if (pending_.isEmpty())
                    return;
                working_.swap(pending_);
            }
            if (!wholeList && clock.elapsed() >= flushBudgetMs) {
                if (posted_ == 0) {
                    ++posted_;
                    QMetaObject::invokeMethod(this, ThreadHandOver::Queued([this] { flush(false); }), Qt::QueuedConnection);
                }
                return;
            }
        }
        const int count = qMin(slice, int(working_.size() - workingHead_));
        QVector<TreeEvent> events(working_.cbegin() + workingHead_, working_.cbegin() + workingHead_ + count);
        workingHead_ += count;
        // The shared tree lock keeps the nodes alive while the sink reads them;
        // a release raises the generation under the write lock first.
        std::shared_lock treeLock(manager_->treeLock());
        const quint64 live = manager_->dataGeneration();
        events.erase(std::remove_if(events.begin(), events.end(),
                                    [live](const TreeEvent& e) { return e.generation != live; }),
                     events.end());
        if (!events.isEmpty())
            sink_(events);
    }
}
