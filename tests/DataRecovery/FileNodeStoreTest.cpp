#include "DataRecovery/FileNodeStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using FileManagerSP::FileNode;
using FileManagerSP::FileNodeStore;

namespace {

FileNode Node(uint32_t id, uint32_t parent, std::string name, uint8_t deleted = 0, uint64_t size = 100,
              std::vector<DataRun> runs = {{4096, 100}})
{
    FileNode node;
    node.id = id;
    node.parentId = parent;
    node.name = std::move(name);
    node.deletedState = deleted;
    node.size = size;
    node.runs = std::move(runs);
    return node;
}

}

TEST(FileNodeStore, AddNodeKeepsFirstLiveRecord)
{
    struct Case {
        uint8_t first, second;
        const char* kept;
    };
    const Case cases[] = {{1, 0, "second"}, {0, 1, "first"}, {0, 0, "first"}, {1, 1, "first"}};
    for (const auto& c : cases) {
        FileNodeStore store;
        store.AddNode(Node(7, 5, "first", c.first));
        store.AddNode(Node(7, 5, "second", c.second));
        EXPECT_EQ(store.idMap.at(7).name, c.kept) << int(c.first) << int(c.second);
    }
}

// Each row: the node in the store's group, the new node, and how many nodes
// the group holds afterwards (and whose size is kept in the first entry).
TEST(FileNodeStore, AddPendingRules)
{
    struct Case {
        const char* what;
        FileNode existing;
        FileNode added;
        size_t groupSize;
        uint64_t firstSize;
    };
    const std::vector<Case> cases = {
        {"other name appended", Node(9, 5, "a"), Node(9, 5, "b"), 2, 100},
        {"other parent appended", Node(9, 5, "a"), Node(9, 6, "a"), 2, 100},
        {"new of size 0 dropped", Node(9, 5, "a"), Node(9, 5, "a", 1, 0), 1, 100},
        {"entry of size 0 replaced", Node(9, 5, "a", 0, 0), Node(9, 5, "a", 1, 50), 1, 50},
        {"new without runs dropped", Node(9, 5, "a", 1), Node(9, 5, "a", 1, 60, {}), 1, 100},
        {"live entry wins", Node(9, 5, "a", 0), Node(9, 5, "a", 1, 70, {{8192, 70}}), 1, 100},
        {"deleted, other run count appended", Node(9, 5, "a", 1),
         Node(9, 5, "a", 1, 70, {{8192, 10}, {9000, 60}}), 2, 100},
        {"deleted, same first offset dropped", Node(9, 5, "a", 1), Node(9, 5, "a", 1, 70, {{4096, 70}}), 1, 100},
        {"deleted, other offset appended", Node(9, 5, "a", 1), Node(9, 5, "a", 1, 70, {{8192, 70}}), 2, 100},
    };
    for (const auto& c : cases) {
        FileNodeStore store;
        store.AddPending(c.existing);
        store.AddPending(c.added);
        ASSERT_EQ(store.pendingMap.size(), 1u) << c.what;
        const auto& group = store.pendingMap.at(9);
        EXPECT_EQ(group.size(), c.groupSize) << c.what;
        EXPECT_EQ(group[0].size, c.firstSize) << c.what;
    }
    FileNodeStore store;
    store.AddPending(Node(1, 0, "huge", 0, FileNodeStore::maxPendingSize + 1));
    store.AddPending(Node(2, 0, "limit", 0, FileNodeStore::maxPendingSize));
    EXPECT_EQ(store.PendingCount(), 1u);
}

TEST(FileNodeStore, BuildPathWalksParentsAndMarksDeleted)
{
    FileNodeStore store;
    store.AddNode(Node(5, 5, "")); // the root is its own parent
    store.AddNode(Node(10, 5, "Users", 1));
    store.AddNode(Node(11, 10, "anna"));
    auto [state, last, path] = store.BuildPath(Node(20, 11, "photo.jpg"));
    EXPECT_EQ(path, "Users\\anna\\photo.jpg");
    EXPECT_EQ(state, 1); // under a deleted folder
    EXPECT_EQ(last, 5u);

    std::tie(state, last, path) = store.BuildPath(Node(21, 11, "keep.txt", 2));
    EXPECT_EQ(state, 2);
    std::tie(state, last, path) = store.BuildPath(Node(22, 99, "lost.txt"));
    EXPECT_EQ(path, "lost.txt");
    EXPECT_EQ(last, 99u);
    std::tie(state, last, path) = store.BuildPath(Node(23, 11, ""));
    EXPECT_EQ(path, "Unknown");
    EXPECT_EQ(last, 0u);
}

TEST(FileNodeStore, BuildPathIsBoundedOnCyclesAndDeepTrees)
{
    FileNodeStore store;
    store.AddNode(Node(1, 2, "A"));
    store.AddNode(Node(2, 3, "B"));
    store.AddNode(Node(3, 1, "C"));
    auto [state, last, path] = store.BuildPath(Node(50, 1, "f"));
    EXPECT_EQ(path, "C\\B\\A\\f");
    EXPECT_EQ(last, 1u); // ended where the chain came back

    FileNodeStore deep;
    const uint32_t depth = 20000;
    for (uint32_t id = 1; id <= depth; ++id)
        deep.AddNode(Node(id, id - 1, "d"));
    std::tie(state, last, path) = deep.BuildPath(Node(depth + 1, depth, "leaf.bin"));
    EXPECT_EQ(path.size(), depth * 2 + 8); // every component, never cut at 259 bytes
    EXPECT_EQ(path.substr(path.size() - 9), "\\leaf.bin");
    EXPECT_EQ(last, 0u);
}

TEST(FileNodeStore, TakeResolvedAndTakeAll)
{
    FileNodeStore store;
    store.startId = 5;
    store.rootId = 5;
    store.AddNode(Node(5, 5, "root"));
    store.AddNode(Node(10, 5, "docs"));
    store.AddPending(Node(20, 10, "a.txt"));
    store.AddPending(Node(21, 10, "b.txt"));
    store.AddPending(Node(22, 77, "orphan.txt"));

    auto one = store.TakeResolvedNodes(1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(store.PendingCount(), 2u);
    auto rest = store.TakeResolvedNodes(0);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].first.substr(0, 10), "root\\docs\\");
    EXPECT_EQ(rest[0].second.pathState, 0);

    auto all = store.TakeAllNodes();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].first, "orphan.txt");
    EXPECT_EQ(all[0].second.pathState, 1);
    EXPECT_EQ(store.PendingCount(), 1u); // TakeAllNodes leaves the map as it is
    store.ClearPending();
    EXPECT_EQ(store.PendingCount(), 0u);
}

TEST(FileNodeStore, HandsOutDeepCopies)
{
    FileNodeStore store;
    FileNode node = Node(3, 0, "name.bin", 0, 10, {{512, 5}, {2048, 5}});
    store.AddPending(node);
    node.name[0] = 'X';
    node.runs[0].offset = 1;
    auto taken = store.TakeAllNodes();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].second.name, "name.bin");
    EXPECT_EQ(taken[0].second.runs[0].offset, 512u);
    taken[0].second.runs[1].length = 99;
    EXPECT_EQ(store.pendingMap.at(3)[0].runs[1].length, 5u);
}

TEST(FileNodeStore, ConcurrentAddAndTake)
{
    FileNodeStore store;
    std::vector<std::thread> threads;
    for (uint32_t t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (uint32_t i = 0; i < 300; ++i) {
                store.AddNode(Node(t * 10000 + i + 1, i ? t * 10000 + i : 0, "n"));
                store.AddPending(Node(t * 10000 + i + 1, t * 10000 + i, "f"));
            }
        });
    size_t taken = 0;
    for (int i = 0; i < 50; ++i)
        taken += store.TakeResolvedNodes(0).size();
    for (auto& t : threads)
        t.join();
    taken += store.TakeResolvedNodes(0).size();
    taken += store.TakeAllNodes().size();
    EXPECT_EQ(taken, 1200u);
}

// A parent reference carries the sequence number its folder had; a folder
// record that carries another was reused, and the walk ends below it.
TEST(FileNodeStore, ParentWhoseSequenceDiffersEndsThePath)
{
    FileNodeStore store(5);
    store.startId = 5;
    store.AddNode(Node(5, 5, "root", 0, 0, {}));
    FileNode pictures = Node(64, 5, "Pictures", 0, 0, {}); // took Temp's record
    pictures.sequence = 2;
    pictures.parentSequence = 5;
    store.AddNode(pictures);
    FileNode sub = Node(68, 64, "sub", 1, 0, {}); // Temp's subfolder, deleted
    sub.sequence = 1;
    sub.parentSequence = 1;
    store.AddNode(sub);

    struct Case {
        const char* what;
        uint32_t parent;
        uint16_t parentSequence;
        uint64_t lastId;
        const char* path;
    };
    const Case cases[] = {
        {"the folder's own file", 64, 2, 5, "root\\Pictures\\f.bin"},
        {"a file of the folder before it", 64, 1, FileNodeStore::reusedParentId, "f.bin"},
        {"a reference without a number checks nothing", 64, 0, 5, "root\\Pictures\\f.bin"},
        {"below a subfolder of the folder before", 68, 1, FileNodeStore::reusedParentId, "sub\\f.bin"},
    };
    for (const auto& c : cases) {
        FileNode file = Node(90, c.parent, "f.bin", 1);
        file.parentSequence = c.parentSequence;
        const auto [state, lastId, path] = store.BuildPath(file);
        EXPECT_EQ(lastId, c.lastId) << c.what;
        EXPECT_EQ(path, c.path) << c.what;
        store.AddPending(file);
        const auto all = store.TakeAllNodes();
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(all[0].second.pathState, c.lastId == 5 ? store.underRootState : store.lostState) << c.what;
        store.ClearPending();
    }
}
