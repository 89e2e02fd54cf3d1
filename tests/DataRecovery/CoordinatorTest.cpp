#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/FakeEngines.h"
#include "DataRecovery/VelmoraContainer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace FakeEngines;

namespace {

std::vector<double> OverallProgress(Events& events)
{
    std::vector<double> values;
    for (const auto& e : events.All())
        if (e.kind <= DeepScanProgress)
            values.push_back(e.progress);
    return values;
}

void ExpectEndsWithOneFinished(Events& events)
{
    const auto all = events.All();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().kind, ScanFinished);
    EXPECT_EQ(all.back().progress, 1.0);
    EXPECT_EQ(events.OfKind(ScanFinished).size(), 1u);
}

}

TEST(Coordinator, MultiVolumeScanRisesMonotonicallyBelowOneAndFinishesOnce)
{
    Disk disk({"NTFS", "FAT32", "EXFAT"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[1].structure.fail = [] { throw Exceptions::FAT32Exception("bad FAT"); };
    scripts[1].structure.progress = {0.5};
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    ASSERT_EQ(engine.HeldContainers(), 3u);
    EXPECT_EQ(engine.TotalScanSize(), 3u * 64 * 1024);

    EXPECT_EQ(engine.Start(), 0);

    const auto values = OverallProgress(events);
    ASSERT_GT(values.size(), 10u);
    for (size_t i = 1; i < values.size(); ++i)
        EXPECT_GE(values[i], values[i - 1]) << "at " << i;
    for (double v : values)
        EXPECT_LT(v, 1.0);
    // The last raw step of the last volume reaches the top and is held just below it.
    EXPECT_DOUBLE_EQ(values.back(), 0.999999);

    const auto failed = events.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].volIndex, 1);
    EXPECT_EQ(failed[0].errorCode, 5);
    EXPECT_EQ(trace.structureCalls, 3);
    EXPECT_EQ(trace.rawCalls, 3); // a failed structure scan still gets its raw pass
    // ... and its failure is reported after that raw pass, before the next volume.
    const auto all = events.All();
    size_t failedAt = all.size(), lastRawOfVolume1 = 0, firstOfVolume2 = all.size();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind == ScanFailed)
            failedAt = i;
        if (all[i].kind == RawScanProgress && all[i].volIndex == 1)
            lastRawOfVolume1 = i;
        if (all[i].kind <= DeepScanProgress && all[i].volIndex == 2 && firstOfVolume2 == all.size())
            firstOfVolume2 = i;
    }
    EXPECT_GT(lastRawOfVolume1, 0u);
    EXPECT_GT(failedAt, lastRawOfVolume1);
    EXPECT_LT(failedAt, firstOfVolume2);
    ExpectEndsWithOneFinished(events);
}

TEST(Coordinator, ContainerRescalesEngineProgressInAFullScanOnly)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    scripts[0].structure.progress = {0.5};
    scripts[0].raw.progress = {0.5};
    VelmoraContainer container(disk.Record(0), events.Callback(), MakeFactory(scripts, trace));
    container.Start();
    auto values = events.All();
    ASSERT_EQ(values.size(), 3u); // start marker, structure step, raw step
    EXPECT_DOUBLE_EQ(values[1].progress, 0.05);
    EXPECT_DOUBLE_EQ(values[2].progress, 0.55);

    Events pathEvents;
    VelmoraContainer second(disk.Record(0), pathEvents.Callback(), MakeFactory(scripts, trace));
    second.Start(std::string("V0:\\docs"));
    values = pathEvents.All();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_DOUBLE_EQ(values[1].progress, 0.5);
}

TEST(Coordinator, EngineChoiceByFileSystemName)
{
    struct Case {
        const char* name;
        std::optional<FileSystemEngineKind> kind;
    };
    const Case cases[] = {
        {"NTFS", FileSystemEngineKind::NTFS},   {"FAT32", FileSystemEngineKind::FAT32},
        {"EXFAT", FileSystemEngineKind::ExFAT}, {"exFAT", std::nullopt},
        {"FAT32 NTFS", FileSystemEngineKind::NTFS}, {"ntfs", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseFileSystemEngine(c.name), c.kind) << c.name;
}

TEST(Coordinator, EachExceptionTypeBecomesItsCodeAndTheScanGoesOn)
{
    struct Case {
        std::function<void()> thrower;
        int code;
    };
    const std::vector<Case> cases = {
        {[] { throw Exceptions::NTFSException("x"); }, 3},
        {[] { throw Exceptions::DiskException("x"); }, 7},
        {[] { throw Exceptions::DiskDisconnectedException("x"); }, 8},
        {[] { throw Exceptions::ProcessControllerException("x"); }, 14},
        {[] { throw Exceptions::ThreadException("x"); }, 15},
        {[] { throw Exceptions::ExceptionCommon("No supported filesystem found for data recovery."); }, 16},
        {[] { throw std::runtime_error("x"); }, 17},
    };
    std::vector<std::string> names(cases.size(), "NTFS");
    names.push_back("NTFS"); // a last, healthy volume
    Disk disk(names);
    Trace trace;
    Events events;
    std::map<uint8_t, VolumeScript> scripts;
    for (size_t i = 0; i < cases.size(); ++i)
        scripts[static_cast<uint8_t>(i)].raw.fail = cases[i].thrower;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory(scripts, trace)));
    engine.Start();
    const auto failed = events.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(failed[i].volIndex, i);
        EXPECT_EQ(failed[i].errorCode, cases[i].code) << i;
        EXPECT_EQ(failed[i].progress, 1.0);
    }
    EXPECT_EQ(trace.rawCalls, static_cast<int>(names.size()));
    ExpectEndsWithOneFinished(events);
}

TEST(Coordinator, DefaultFactoryScansEveryVolume)
{
    Disk disk({"NTFS", "vfat"});
    Events events;
    // The library's own factory: the NTFS engine fails on a volume that holds
    // no NTFS; the volume without a known file system gets the raw search alone.
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(EngineFactory::Default()));
    ASSERT_EQ(engine.HeldContainers(), 2u);
    EXPECT_EQ(engine.FindContainer(0, 0)->MissingEngine(), "");
    engine.Start();
    const auto failed = events.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].volIndex, 0);
    EXPECT_EQ(failed[0].errorCode, 3);
    EXPECT_FALSE(events.OfKind(StructureScanProgress).empty());
    ExpectEndsWithOneFinished(events);

    EXPECT_THROW(engine.FindContainer(0, 0)->Start(), Exceptions::NTFSException);
    EXPECT_EQ(engine.FindContainer(0, 1)->Start(), 0); // the raw search alone
    // A scan from a path on a volume without an engine is code 16 as before.
    Events pathEvents;
    DataRecoveryMultiImpl second(disk.Records(), pathEvents.Callback(), TestOptions(EngineFactory::Default()));
    second.Start(std::vector<ScanPathInfo>{{0, 1, "V1:\\"}});
    ASSERT_EQ(pathEvents.OfKind(ScanFailed).size(), 1u);
    EXPECT_EQ(pathEvents.OfKind(ScanFailed)[0].errorCode, 16);
}

TEST(Coordinator, VolumesThatFailToBuildReportScanFailedWithTheBuildCode)
{
    Disk disk({"NTFS", "NTFS"});
    auto records = disk.Records();
    DiskAndVolumeInfo unknown = disk.Record(1);
    unknown.volIndex = 7;
    unknown.startOffset += 512; // no volume of the table lies there
    unknown.endOffset += 512;
    DiskAndVolumeInfo reversed = disk.Record(0);
    reversed.volIndex = 8;
    reversed.endOffset = reversed.startOffset - 1;
    records.push_back(unknown);
    records.push_back(reversed);

    Trace trace;
    Events events;
    std::atomic<int> sleeps{0};
    DataRecoveryMultiImpl engine(records, events.Callback(), TestOptions(MakeFactory({}, trace), &sleeps));
    EXPECT_EQ(engine.HeldContainers(), 2u);
    EXPECT_EQ(sleeps, 6); // three attempts per failing record, each followed by the 5 s wait

    engine.Start();
    auto failed = events.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].volIndex, 7);
    EXPECT_EQ(failed[0].errorCode, 7);
    EXPECT_EQ(failed[1].volIndex, 8);
    EXPECT_EQ(failed[1].errorCode, 7);
    ExpectEndsWithOneFinished(events);

    Events rowEvents;
    DataRecoveryMultiImpl rows(records, rowEvents.Callback(), TestOptions(MakeFactory({}, trace)));
    rows.Start(std::vector<ScanPathInfo>{{0, 7, "x"}, {0, 0, "V0:\\"}, {3, 3, "none"}});
    failed = rowEvents.OfKind(ScanFailed);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].errorCode, 7);
    EXPECT_EQ(failed[1].diskIndex, 3);
    EXPECT_EQ(failed[1].errorCode, 1); // never selected at all
    ExpectEndsWithOneFinished(rowEvents);
}

TEST(Coordinator, IdentityLookupNeverOpensAnotherPartition)
{
    Disk disk({"NTFS", "FAT32"});
    // The caller's list is stale: position 0 now names the second partition's range.
    DiskAndVolumeInfo stale = disk.Record(1);
    stale.volIndex = 0;
    Trace trace;
    VelmoraContainer container(stale, [](const DataRecoveryInfo&) {}, MakeFactory({}, trace));
    EXPECT_EQ(container.GetVolumeRecord().fileSystem, "FAT32");
    EXPECT_EQ(container.GetVolumeRecord().offset, stale.startOffset);
}

TEST(Coordinator, ScanWithRowsAndRecycleBinUseVolumeShares)
{
    Disk disk({"NTFS", "NTFS"});
    Trace trace;
    Events events;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory({}, trace)));
    engine.ScanRecycleBin();
    EXPECT_EQ(trace.paths, (std::vector<std::string>{"V0:\\$RECYCLE.BIN", "V1:\\$RECYCLE.BIN"}));
    auto values = OverallProgress(events);
    ASSERT_FALSE(values.empty());
    EXPECT_DOUBLE_EQ(values.back(), 0.999999);
    EXPECT_DOUBLE_EQ(values[values.size() / 2 - 1], 0.5); // first volume done: half
    ExpectEndsWithOneFinished(events);
}

TEST(Coordinator, EmptySelectionReportsOnlyTheEnd)
{
    Events events;
    DataRecoveryMultiImpl engine({}, events.Callback(), TestOptions(EngineFactory::Default()));
    engine.Start();
    ASSERT_EQ(events.Count(), 1u);
    EXPECT_EQ(events.All()[0].kind, ScanFinished);
}

TEST(Coordinator, RecoveryOfMissingPairOrForeignRecordFails)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory({}, trace)));

    DataRun run{0, 512};
    auto file = MakeDataRecoveryInfo(NtfsFile);
    file.diskIndex = 0;
    file.volIndex = 3;
    file.fileSize = 512;
    file.runs = &run;
    file.runCount = 1;
    file.path = "a.txt";
    file.pathLength = 5;
    EXPECT_EQ(engine.RecoverData("/nonexistent", file), 1);
    ASSERT_EQ(events.OfKind(RecoverFailed).size(), 1u);
    EXPECT_EQ(events.OfKind(RecoverFailed)[0].errorCode, 1);
    EXPECT_TRUE(events.OfKind(RecoverDone).empty());

    char buffer[16];
    size_t size = sizeof buffer;
    EXPECT_EQ(engine.RecoverToMemory(buffer, &size, file), 1);

    file.volIndex = 0;
    EXPECT_EQ(engine.RecoverToMemory(buffer, nullptr, file), 17);
    for (uint32_t kind : {0u, 3u, 5u, 7u, 12u, 200u}) {
        auto wrong = file;
        wrong.kind = kind;
        EXPECT_EQ(engine.RecoverData("/nonexistent", wrong), 17) << kind;
        EXPECT_EQ(engine.RecoverToMemory(buffer, &size, wrong), 17) << kind;
    }
    auto noRuns = file;
    noRuns.runs = nullptr;
    EXPECT_EQ(engine.RecoverToMemory(buffer, &size, noRuns), 17);
}

TEST(Coordinator, ListRecoveryReportsEachFailureAndGoesOn)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    TestSupport::TempDir out;
    DataRecoveryMultiImpl engine(disk.Records(), events.Callback(), TestOptions(MakeFactory({}, trace)));

    DataRun run{0, 512};
    std::vector<DataRecoveryInfo> files;
    for (uint8_t vol : {0, 9, 0, 0}) {
        auto file = MakeDataRecoveryInfo(NtfsFile);
        file.volIndex = vol;
        file.fileSize = 512;
        file.runs = &run;
        file.runCount = 1;
        file.path = "a.txt";
        file.pathLength = 5;
        files.push_back(file);
    }
    files[2].kind = RecoverDone; // not a found file

    const int code = engine.RecoverData(out.Path().string(), files);
    const auto failed = events.OfKind(RecoverFailed);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].errorCode, 1);
    EXPECT_DOUBLE_EQ(failed[0].progress, 1.0 / 4.0);
    EXPECT_EQ(failed[1].errorCode, 17);
    EXPECT_DOUBLE_EQ(failed[1].progress, 2.0 / 4.0);
    EXPECT_EQ(code, 1); // the first failure's code; every file had its turn
    const auto progress = events.OfKind(RecoverProgress);
    EXPECT_EQ(progress.back().value, 512u);
    EXPECT_TRUE(std::filesystem::exists(out.Path() / "a.txt"));
    EXPECT_TRUE(std::filesystem::exists(out.Path() / "a0.txt"));
    ASSERT_EQ(events.OfKind(RecoverDone).size(), 1u);
}

// A stop during a list ends it with 14 at the next file; a stop asked before
// the list began is cleared by the list's own start.
TEST(Coordinator, StopDuringListRecoveryEndsItWithCode14)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    DataRecoveryMultiImpl* engine = nullptr;
    auto record = events.Callback();
    DataRecoveryMultiImpl owned(disk.Records(), [&](const DataRecoveryInfo& info) {
        record(info);
        if (info.kind == RecoverProgress && info.value == 512 && engine)
            engine->SetStop(1);
    }, TestOptions(MakeFactory({}, trace)));
    engine = &owned;
    DataRun run{0, 512};
    auto file = OneRunFile(run);
    TestSupport::TempDir out;
    owned.SetStop(1);
    EXPECT_EQ(owned.RecoverData(out.Path().string(), std::vector<DataRecoveryInfo>{file, file, file}), 14);
    ASSERT_EQ(events.OfKind(RecoverFailed).size(), 1u);
    EXPECT_EQ(events.OfKind(RecoverFailed)[0].errorCode, 14);
    EXPECT_DOUBLE_EQ(events.OfKind(RecoverFailed)[0].progress, 1.0 / 3.0);
    EXPECT_TRUE(events.OfKind(RecoverDone).empty());
}

TEST(Coordinator, TwoRecordsWithOnePairKeepTheLaterContainer)
{
    Disk disk({"NTFS"});
    Trace trace;
    Events events;
    auto records = disk.Records();
    records.push_back(records[0]);
    DataRecoveryMultiImpl engine(records, events.Callback(), TestOptions(MakeFactory({}, trace)));
    EXPECT_EQ(engine.ContainerCount(), 2u);
    EXPECT_EQ(engine.HeldContainers(), 1u);
    EXPECT_EQ(engine.TotalScanSize(), 2u * 64 * 1024);
}

TEST(Coordinator, EmptyCallbackNeverThrowsOutOfTheInterface)
{
    Disk disk({"NTFS"});
    Trace trace;
    DataRecoveryMultiImpl engine(disk.Records(), DataRecoveryCallback(), TestOptions(MakeFactory({}, trace)));
    EXPECT_EQ(engine.Start(), 0);
    EXPECT_EQ(engine.Start(std::vector<ScanPathInfo>{{0, 0, "V0:\\"}, {0, 9, "x"}}), 0);
    EXPECT_EQ(engine.ScanRecycleBin(), 0);
    DataRun run{0, 512};
    auto file = OneRunFile(run);
    file.volIndex = 9;
    EXPECT_EQ(engine.RecoverData("/nonexistent", file), 1);
    EXPECT_EQ(engine.RecoverData("/nonexistent", std::vector<DataRecoveryInfo>{file}), 1);
}
