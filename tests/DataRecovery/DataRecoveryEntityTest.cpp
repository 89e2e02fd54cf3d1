#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/FakeEngines.h"
#include "DataRecovery/VelmoraContainer.h"
#include "Utils/BufferDataWriter.h"
#include "Utils/PartReader.h"

#include <gtest/gtest.h>

using namespace FakeEngines;

namespace {
Script NoSteps()
{
    Script script;
    script.progress.clear();
    return script;
}
}

TEST(DataRecoveryEntity, ReadAheadSizeTable)
{
    const uint64_t length = 1ull << 30;
    struct Case {
        uint64_t used, length, size;
    };
    const Case cases[] = {
        {0, length, 10485760},
        {length, length, 524288},
        {length / 100 * 95, length, 524288},
        {length / 2, length, 5242880},
        {length * 3, length, 524288}, // more in use than the volume holds: clamped, not wrapped
        {5, 0, 10485760},             // no length: the default
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAheadSizeFor(c.used, c.length), c.size) << c.used << "/" << c.length;
}

TEST(DataRecoveryEntity, ScanFrameFlushesAndSkipsFinishOnError)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    FakeEngine engine(disk.Record(0), events.Callback(), NoSteps(), trace, 1000);
    auto& store = engine.GetNodeStore();
    store.AddPending(FileManagerSP::FileNode{"a", {{0, 10}}, 10, 0, 1, 0, 0, 0, 0});
    store.AddPending(FileManagerSP::FileNode{"empty", {}, 10, 0, 2, 0, 0, 0, 0});
    engine.structureResult = 3;
    EXPECT_EQ(engine.Scan(5), 3);
    EXPECT_EQ(engine.finishCalls, 0);
    ASSERT_EQ(events.OfKind(NtfsFile).size(), 1u); // the node without runs is not reported
    EXPECT_EQ(store.PendingCount(), 0u);

    engine.structureResult = 0;
    EXPECT_EQ(engine.Scan(5), 0);
    EXPECT_EQ(engine.finishCalls, 1);

    EXPECT_THROW(engine.RecoverData("x", DataRecoveryInfo{}), Exceptions::ExceptionCommon);
}

TEST(DataRecoveryEntity, StopDuringFlushLeavesTheRestPending)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    FakeEngine engine(disk.Record(0), events.Callback(), NoSteps(), trace, 1000);
    engine.GetNodeStore().AddPending(FileManagerSP::FileNode{"a", {{0, 10}}, 10, 0, 1, 0, 0, 0, 0});
    engine.SetStop(0);
    EXPECT_THROW(engine.FlushNodes(), Exceptions::ProcessControllerException);
    EXPECT_EQ(engine.GetNodeStore().PendingCount(), 1u);
}

TEST(DataRecoveryEntity, ReportedRecordCutsPathAtCharacterAndKeepsLongRunLists)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::vector<std::string> paths;
    std::vector<std::vector<DataRun>> runLists;
    auto capture = [&](const DataRecoveryInfo& info) {
        paths.emplace_back(info.path, info.pathLength);
        runLists.emplace_back(info.runs, info.runs + info.runCount);
    };
    FakeEngine engine(disk.Record(0), capture, NoSteps(), trace, 1000);
    engine.lostPartitionFlag = 1;
    engine.lostPartitionNumber = 4;

    // 65534 ASCII bytes then a 3-byte character: the record may not end inside it.
    std::string path(65534, 'a');
    path += "\xe2\x82\xac";
    FileManagerSP::FileNode node{"x", {{0, 512}}, 512, 0, 1, 0, 0, 0, 0};
    engine.ReportFileNode(node, path, NtfsFile);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].size(), 65534u);

    // 300 scattered runs: the record carries 255, the engine keeps all 300.
    node.runs.clear();
    for (uint64_t i = 0; i < 300; ++i)
        node.runs.push_back({i * 8192, 4096});
    engine.ReportFileNode(node, "frag.bin", NtfsFile);
    EXPECT_EQ(runLists[1].size(), 255u);
    auto full = engine.FindFullRunList(1, "frag.bin");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->size(), 300u);

    // 300 runs that continue one another are one run.
    node.runs.clear();
    for (uint64_t i = 0; i < 300; ++i)
        node.runs.push_back({i * 4096, 4096});
    engine.ReportFileNode(node, "whole.bin", NtfsFile);
    ASSERT_EQ(runLists[2].size(), 1u);
    EXPECT_EQ(runLists[2][0].length, 300u * 4096);
    EXPECT_FALSE(engine.FindFullRunList(1, "whole.bin"));
}

TEST(DataRecoveryEntity, ContainerHandsOutTheFullRunList)
{
    Disk disk({"NTFS"});
    Trace trace;
    std::vector<DataRun> fromContainer;
    VelmoraContainer* self = nullptr;
    auto capture = [&](const DataRecoveryInfo& info) {
        if (info.kind == NtfsFile)
            fromContainer = self->RunsOf(info);
    };
    VelmoraContainer container(disk.Record(0), capture, MakeFactory({}, trace));
    self = &container;
    FileManagerSP::FileNode node{"f", {}, 1 << 20, 0, 8, 0, 0, 0, 0};
    for (uint64_t i = 0; i < 256; ++i)
        node.runs.push_back({i * 8192, 4096});
    container.GetEngine()->ReportFileNode(node, "f", NtfsFile);
    EXPECT_EQ(fromContainer.size(), 256u);
}

// Two versions of one file (same record number and path, different runs),
// both too long for a record: each record gets its own full list back.
TEST(DataRecoveryEntity, TwoLongVersionsOfOneFileKeepTheirOwnRunLists)
{
    Disk disk({"NTFS"});
    Trace trace;
    std::vector<std::vector<DataRun>> carried;
    auto capture = [&](const DataRecoveryInfo& info) {
        if (info.kind == NtfsFile)
            carried.emplace_back(info.runs, info.runs + info.runCount);
    };
    VelmoraContainer container(disk.Record(0), capture, MakeFactory({}, trace));
    std::vector<std::vector<DataRun>> versions(2);
    for (uint64_t v = 0; v < 2; ++v) {
        FileManagerSP::FileNode node{"f", {}, 1 << 20, 0, 8, 0, 0, 0, 0};
        for (uint64_t i = 0; i < 300; ++i)
            node.runs.push_back({i * 8192 + v * 4096, 4096});
        versions[v] = node.runs;
        container.GetEngine()->ReportFileNode(node, "f", NtfsFile);
    }
    ASSERT_EQ(carried.size(), 2u);
    for (size_t v = 0; v < 2; ++v) {
        auto record = MakeDataRecoveryInfo(NtfsFile);
        record.nodeId = 8;
        record.path = "f";
        record.pathLength = 1;
        record.runs = carried[v].data();
        record.runCount = static_cast<uint8_t>(carried[v].size());
        const auto runs = container.RunsOf(record);
        ASSERT_EQ(runs.size(), 300u) << v;
        EXPECT_EQ(runs.back().offset, versions[v].back().offset) << v;
    }
}

TEST(DataRecoveryEntity, RecoverRunCutsAtFileSize)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    FakeEngine engine(disk.Record(0), events.Callback(), NoSteps(), trace, 65536);
    const auto record = disk.Record(0);
    engine.reader = std::make_shared<Utils::PartReader>(disk.ImagePath(), record.startOffset, 65536);
    std::vector<char> out(4096, 'z');
    Utils::BufferDataWriter writer(out.data(), out.size());
    uint64_t written = engine.RecoverRun(&writer, {0, 3000}, 0, 4000);
    EXPECT_EQ(written, 3000u);
    written = engine.RecoverRun(&writer, {8192, 3000}, written, 4000);
    EXPECT_EQ(written, 4000u);
    written = engine.RecoverRun(&writer, {16384, 3000}, written, 4000);
    EXPECT_EQ(written, 4000u);
    const auto progress = events.OfKind(RecoverProgress);
    ASSERT_FALSE(progress.empty());
    EXPECT_DOUBLE_EQ(progress.back().progress, 1.0);
    EXPECT_EQ(out[0], 0); // bytes of the sparse image
    EXPECT_EQ(out[4000], 'z');

    std::vector<char> none(1);
    Utils::BufferDataWriter emptyWriter(none.data(), 0);
    EXPECT_EQ(engine.RecoverRun(&emptyWriter, {0, 512}, 0, 0), 0u);
    EXPECT_DOUBLE_EQ(events.OfKind(RecoverProgress).back().progress, 1.0);
}
