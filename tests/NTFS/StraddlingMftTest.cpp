// A $MFT in runs of odd cluster counts (512-byte clusters, 1024-byte records):
// records that begin at the end of one run continue in the next.
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsImage.h"
#include "Utils/BufferDataWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>

using namespace NTFS;

TEST(StraddlingMft, EveryRecordParsesAndTheScanListsEveryFile)
{
    REQUIRE_NTFS_TOOLS();
    TestSupport::TempDir dir;
    const std::string image = dir / "straddle.img";
    // A small volume keeps the $MFT zone small, so the $MFT grows in pieces
    // between the clusters the growing file takes.
    NtfsImage::Make(image, 40, "-c 512", R"(python3 -c '
import os, sys
m = sys.argv[1]
g = open(m + "/grow.bin", "ab")
for i in range(12000):
    open("%s/f%d.txt" % (m, i), "w").write("f %d\n" % i)
    g.write(b"\0" * 700); g.flush()
' "$M")");
    NTFSExplorer explorer(NtfsImage::Volume(image));
    auto mft = explorer.GetMFT();
    ASSERT_GE(mft->runs.size(), 2u);

    std::vector<uint64_t> straddling;
    uint64_t clusters = 0;
    for (size_t i = 0; i + 1 < mft->runs.size(); ++i) {
        clusters += mft->runs[i].length;
        if (clusters % 2)
            straddling.push_back(clusters / 2);
    }
    ASSERT_FALSE(straddling.empty()) << "mkntfs and ntfs-3g gave only even runs";

    const auto files = NtfsImage::ListFiles(image);
    size_t checked = 0;
    for (const auto& [path, inode] : files) {
        if (path.find(':') != std::string::npos || path.rfind("$OrphanFiles", 0) == 0)
            continue;
        auto record = mft->GetRecord(inode);
        ASSERT_TRUE(record) << path;
        EXPECT_EQ(record->GetFileName(), std::u16string(path.begin(), path.end())) << path;
        ++checked;
    }
    EXPECT_GT(checked, 12000u);
    for (uint64_t n : straddling) {
        SCOPED_TRACE(n);
        if (n >= mft->RecordCount())
            continue;
        auto record = mft->GetRecord(n);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->RecordNumber(), n);
    }

    // The engine's scan walks the $MFT by record number across the runs.
    std::mutex mutex;
    std::set<std::string> listed;
    std::map<uint32_t, std::pair<uint64_t, std::vector<::DataRun>>> byRecord;
    NTFSDataRecovery engine(NtfsImage::Volume(image), DiskAndVolumeInfo{}, [&](const DataRecoveryInfo& info) {
        if (info.kind != NtfsFile)
            return;
        std::lock_guard lock(mutex);
        listed.insert(std::string(info.path, info.pathLength));
        byRecord[info.nodeId] = {info.fileSize, std::vector<::DataRun>(info.runs, info.runs + info.runCount)};
    });
    EXPECT_EQ(engine.Start(), 0);
    size_t missingFiles = 0;
    for (int i = 0; i < 12000; ++i)
        missingFiles += !listed.count(".\\\\f" + std::to_string(i) + ".txt");
    EXPECT_EQ(missingFiles, 0u);

    // The data of files whose records straddle two runs lies where their runs say.
    size_t recovered = 0;
    for (uint64_t n : straddling) {
        auto found = byRecord.find(static_cast<uint32_t>(n));
        if (found == byRecord.end())
            continue;
        const auto& [size, runs] = found->second;
        std::string bytes(size, '\0');
        Utils::BufferDataWriter writer(bytes.data(), bytes.size());
        uint64_t written = 0;
        for (const auto& run : runs)
            written = engine.RecoverRun(&writer, run, written, size);
        EXPECT_EQ(bytes, NtfsImage::Icat(image, n)) << n;
        ++recovered;
    }
    EXPECT_GT(recovered, 0u);
}
