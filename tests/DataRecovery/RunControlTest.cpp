#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/FakeEngines.h"
#include "DataRecovery/VelmoraContainer.h"
#include "DataRecovery/VelmoraExports.h"
#include "Utils/PartReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using namespace FakeEngines;
using Clock = std::chrono::steady_clock;

namespace {

// Waits until cond holds (or a generous limit passes, failing the test).
template <class Cond>
bool WaitFor(Cond cond)
{
    const auto limit = Clock::now() + std::chrono::seconds(20);
    while (!cond()) {
        if (Clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}

// A stop during the structure phase, during the raw phase and during a pause
// ends the running volume and every later one with code 14, promptly.
TEST(RunControl, StopFromAnotherThreadDuringEachPhase)
{
    enum Phase { Structure, Raw, Paused };
    for (Phase phase : {Structure, Raw, Paused}) {
        SCOPED_TRACE(phase);
        Disk disk({"NTFS", "NTFS", "NTFS"});
        Trace trace;
        Events events;
        std::map<uint8_t, VolumeScript> scripts;
        for (uint8_t v = 0; v < 3; ++v) {
            scripts[v].structure.blockUntilStopped = phase != Raw;
            scripts[v].raw.blockUntilStopped = phase == Raw;
        }
        auto* engine =
            new DataRecoveryMultiImpl(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
        auto scan = std::async(std::launch::async, [&] { return engine->Start(); });
        ASSERT_TRUE(WaitFor([&] { return phase == Raw ? trace.rawCalls > 0 : trace.structureCalls > 0; }));
        if (phase == Paused) {
            engine->Pause(0);
            ASSERT_TRUE(WaitFor([&] { return trace.pausedPolls > 0; })); // the script is held
        }
        engine->SetStop(0);
        EXPECT_EQ(scan.get(), 0);

        const auto failed = events.OfKind(ScanFailed);
        ASSERT_EQ(failed.size(), 3u);
        for (const auto& f : failed)
            EXPECT_EQ(f.errorCode, 14);
        EXPECT_EQ(events.OfKind(ScanFinished).size(), 1u);
        EXPECT_EQ(events.All().back().kind, ScanFinished);
        // The later volumes never started.
        EXPECT_EQ(phase == Raw ? trace.rawCalls.load() : trace.structureCalls.load(), 1);

        ReleaseDataRecovery(engine);
    }
}

TEST(RunControl, PauseHoldsTheScanAndResumeLetsItGoOn)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[0].structure.progress = std::vector<double>(400, 0.1);
    scripts[0].structure.stepDelay = std::chrono::milliseconds(2);
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    engine.Pause(0); // a pause before the scan is cleared by the scan's own start
    auto scan = std::async(std::launch::async, [&] { return engine.Start(); });
    ASSERT_TRUE(WaitFor([&] { return trace.steps > 5; }));
    engine.Pause(0);
    // Once the script has waited at the pause, no step may follow however
    // many more waits it makes.
    ASSERT_TRUE(WaitFor([&] { return trace.pausedPolls > 0; }));
    const int heldAt = trace.steps;
    const uint64_t acknowledged = trace.pausedPolls;
    ASSERT_TRUE(WaitFor([&] { return trace.pausedPolls >= acknowledged + 3; }));
    EXPECT_EQ(trace.steps, heldAt);
    EXPECT_LT(heldAt, 400);
    engine.SetRun(0);
    scan.get();
    EXPECT_EQ(trace.steps, 400 + 3);
    EXPECT_TRUE(events.OfKind(ScanFailed).empty());
}

// A stop asked while no run of its kind goes on ends nothing later: every scan
// begins with its own SetRun(0), every recovery with SetRun(1).
TEST(RunControl, StopWhileNothingRunsDoesNotReachTheNextRun)
{
    Disk disk({"NTFS", "NTFS"});
    Trace trace;
    Events events;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory({}, trace)));
    const std::vector<ScanPathInfo> rows{{0, 0, "V0:\\a"}};
    const std::vector<std::pair<const char*, std::function<void()>>> scans{
        {"Start()", [&] { engine.Start(); }},
        {"Start(rows)", [&] { engine.Start(rows); }},
        {"ScanRecycleBin()", [&] { engine.ScanRecycleBin(); }},
    };
    int runs = 0;
    for (const auto& [name, scan] : scans) {
        SCOPED_TRACE(name);
        engine.SetStop(0);
        scan();
        EXPECT_TRUE(events.OfKind(ScanFailed).empty());
        EXPECT_EQ(events.OfKind(ScanFinished).size(), static_cast<size_t>(++runs));
    }
    EXPECT_EQ(trace.structureCalls, 2);
    EXPECT_EQ(trace.pathCalls, 1 + 2); // one row, then both volumes' recycle bins

    DataRun run{0, 512};
    auto file = OneRunFile(run);
    TestSupport::TempDir out;
    engine.SetStop(1);
    EXPECT_EQ(engine.RecoverData(out.Path().string(), file), 0);
    engine.SetStop(1);
    EXPECT_EQ(engine.RecoverData(out.Path().string(), std::vector<DataRecoveryInfo>{file}), 0);
    EXPECT_TRUE(events.OfKind(RecoverFailed).empty());
    EXPECT_EQ(events.OfKind(RecoverDone).size(), 2u);
}

TEST(RunControl, ContainerSetsBothOwnStatesWhateverWhich)
{
    Disk disk({"NTFS"});
    Trace trace;
    VelmoraContainer container(disk.Record(0), [](const DataRecoveryInfo&) {}, MakeFactory({}, trace));
    container.Pause(5);
    EXPECT_EQ(container.GetRunState(0), 2);
    EXPECT_EQ(container.GetRunState(1), 2);
    EXPECT_EQ(container.GetEngine()->GetRunState(0), 0); // engines ignore an unknown selector
    container.SetStop(1);
    EXPECT_EQ(container.GetRunState(0), 1);
    EXPECT_EQ(container.GetEngine()->GetRunState(0), 0);
    EXPECT_EQ(container.GetEngine()->GetRunState(1), 1);
    container.SetRun(1);
    EXPECT_EQ(container.GetRunState(0), 0);
    EXPECT_EQ(container.GetEngine()->GetRunState(1), 0);
}

TEST(RunControl, ReleaseAfterStopReturnsAndClearsTheReaderCache)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[0].raw.blockUntilStopped = true;
    auto* engine =
        new DataRecoveryMultiImpl(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    auto reader = engine->FindContainer(0, 0)->GetPartReader();
    auto scan = std::async(std::launch::async, [&] { return engine->Start(); });
    ASSERT_TRUE(WaitFor([&] { return trace.rawCalls > 0; }));
    engine->SetStop(0);
    ASSERT_EQ(scan.wait_for(std::chrono::seconds(5)), std::future_status::ready);

    char byte = 0;
    EXPECT_TRUE(reader->Read(0, &byte, 1));
    ReleaseDataRecovery(engine);
    EXPECT_THROW(reader->Read(0, &byte, 1), Exceptions::DiskException);

    ReleaseDataRecovery(nullptr); // clears again and returns
}

TEST(RunControl, CreateDataRecoveryOverTheDiskTable)
{
    Disk disk({"NTFS", "something"});
    Events events;
    DataRecoveryMulti* engine = CreateDataRecovery(disk.Records(), events.Callback());
    ASSERT_NE(engine, nullptr);
    engine->Start();
    // The NTFS volume's engine is not built; the other volume gets the raw search.
    const auto failed = events.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].errorCode, 3); // the NTFS engine finds no NTFS on the fake volume
    EXPECT_EQ(events.All().back().kind, ScanFinished);
    ReleaseDataRecovery(engine);

    DataRecoveryMulti* empty = CreateDataRecovery({}, events.Callback());
    ASSERT_NE(empty, nullptr);
    ReleaseDataRecovery(empty);
}

// Found files arrive from several engine threads at once while another
// thread pauses and resumes; run under ThreadSanitizer.
TEST(RunControl, ConcurrentReportsAndControl)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[0].structure.progress = std::vector<double>(50, 0.5);
    scripts[0].structure.stepDelay = std::chrono::milliseconds(1);
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    auto container = engine.FindContainer(0, 0);
    std::atomic<bool> done{false};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&, t] {
            FileManagerSP::FileNode node;
            node.name = "f" + std::to_string(t);
            node.runs = {{0, 512}};
            node.size = 512;
            while (!done)
                container->GetEngine()->ReportFileNode(node, node.name, NtfsFile);
        });
    std::thread control([&] {
        while (!done) {
            engine.Pause(0);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            engine.SetRun(0);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    engine.Start();
    done = true;
    for (auto& w : workers)
        w.join();
    control.join();
    EXPECT_FALSE(events.OfKind(NtfsFile).empty());
    EXPECT_EQ(events.OfKind(ScanFinished).size(), 1u);
}

// A second scan on one object while the first is still unwinding from a stop
// waits for it: the two never run at once, and the second's own start (which
// sets the states back to Run) cannot undo the first one's stop. Many rounds,
// for the sanitizer builds.
TEST(RunControl, ScansOnOneObjectNeverOverlap)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[0].raw.blockUntilStopped = true;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    const std::vector<ScanPathInfo> rows{{0, 0, "V0:\\a"}};
    constexpr int rounds = 40;
    int started = 0;
    const auto runsStarted = [&] { return trace.rawCalls + trace.pathCalls; };
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(round);
        auto first = std::async(std::launch::async, [&] { return engine.Start(); });
        ++started;
        ASSERT_TRUE(WaitFor([&] { return runsStarted() == started; })); // held in its raw pass
        engine.SetStop(0);
        // The second is the whole scan or, every other round, the path scan.
        auto second = std::async(std::launch::async, [&] {
            return round % 2 == 0 ? engine.Start() : engine.Start(rows);
        });
        ++started;
        ASSERT_TRUE(WaitFor([&] { return runsStarted() == started; }));
        engine.SetStop(0);
        first.get();
        second.get();
    }
    EXPECT_EQ(trace.mostRunning, 1);
    EXPECT_EQ(events.OfKind(ScanFinished).size(), 2u * rounds);
}
