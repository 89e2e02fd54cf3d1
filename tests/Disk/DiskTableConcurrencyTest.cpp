// Listings and look-ups from several threads at once: a look-up sees either
// the old table or the new one, never a half-built one.
#include "Disk/DiskTable.h"
#include "Disk/LocalDiskListing.h"
#include "support/DiskImages.h"
#include "support/FakeSystem.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace TestSupport;

TEST(DiskTableConcurrency, ListingWhileEnginesLookUpVolumes)
{
    REQUIRE_TOOL("sfdisk");
    TempDir dir;
    FakeSystem sys;
    sys.AddDisk("sdb", "pci0000:00/usb1/1-1/1-1:1.0/host3/target3:0:0/3:0:0:0", 409600);
    sys.AddPartition("sdb", "sdb1", 1, 2048, 204800);
    sys.AddMount("sdb1", "/media/stick");
    const std::string image = dir / "disk.img";
    MakeSparseFile(image, 200 * MiB);
    RunOrFail("printf 'label: dos\\nstart=2048, size=60MiB\\nstart=124928, size=60MiB\\n' | sfdisk -q " + Quote(image));
    auto roots = sys.Roots();
    roots.diskImages = {image};

    const auto rows = ListLocalDisksAndVolumes(roots);
    ASSERT_EQ(rows.size(), 4u); // the mounted volume, two partitions and the free space

    std::atomic<bool> done{false};
    std::atomic<int> misses{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!done) {
                for (const auto& row : rows) {
                    auto volume = DiskTable::FindVolume(row);
                    if (!volume || volume->devicePath != row.volumePath || volume->offset != row.startOffset)
                        ++misses;
                }
            }
        });
    }
    std::vector<std::thread> listers;
    for (int t = 0; t < 2; ++t)
        listers.emplace_back([&] {
            for (int i = 0; i < 10; ++i)
                EXPECT_EQ(ListLocalDisksAndVolumes(roots).size(), rows.size());
        });
    for (auto& lister : listers)
        lister.join();
    done = true;
    for (auto& reader : readers)
        reader.join();
    EXPECT_EQ(misses, 0);
}
