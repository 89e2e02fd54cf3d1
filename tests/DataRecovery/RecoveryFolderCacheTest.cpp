// Files of one folder recovered one after another: the folder is looked at once,
// and when it goes or turns into a file between two files, it is made again
// (a file in its way moved aside), never written through.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/RecoveryFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace RecoveryFixture;

namespace {

// Two files of X:\DCIM on a volume of random bytes, recovered below out.
struct TwoFilesOfOneFolder {
    TestSupport::TempDir dir;
    std::string image = dir / "volume.img";
    fs::path out = dir / "out";
    FoundFile first{Fat32File, "X:\\DCIM\\a.jpg", {{0, 4096}}, 4096};
    FoundFile second{Fat32File, "X:\\DCIM\\b.jpg", {{4096, 4096}}, 4096};
    std::unique_ptr<DataRecoveryMultiImpl> engine;

    TwoFilesOfOneFolder()
    {
        WriteRandom(image, 64 * 1024);
        engine = std::make_unique<DataRecoveryMultiImpl>(std::vector{RegisterImage(image, "FAT32")},
                                                         [](const DataRecoveryInfo&) {});
    }
    std::string SecondsBytes() const { return ReadFile(image).substr(4096, 4096); }
};

}

TEST(RecoveryFolders, AFolderThatWentOrTurnedIntoAFileIsMadeAgain)
{
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> change;
        const char* asideName; // what stands beside the folder afterwards, or nullptr
    };
    const Case cases[] = {
        {"folder removed", [](const fs::path& folder) { fs::remove_all(folder); }, nullptr},
        {"export folder removed", [](const fs::path& folder) { fs::remove_all(folder.parent_path().parent_path()); },
         nullptr},
        {"folder replaced by a file",
         [](const fs::path& folder) {
             fs::remove_all(folder);
             std::ofstream(folder) << "in the way";
         },
         "DCIM_file_1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoFilesOfOneFolder v;
        ASSERT_EQ(v.engine->RecoverData(v.out, v.first.record), 0);
        c.change(v.out / "X" / "DCIM");
        ASSERT_EQ(v.engine->RecoverData(v.out, v.second.record), 0);
        EXPECT_TRUE(fs::is_directory(v.out / "X" / "DCIM"));
        EXPECT_EQ(ReadFile(v.out / "X" / "DCIM" / "b.jpg"), v.SecondsBytes());
        if (c.asideName) {
            EXPECT_EQ(ReadFile(v.out / "X" / c.asideName), "in the way");
        }
    }
}

TEST(RecoveryFolders, ATakenNameInTheSameFolderGetsTheNextFreeName)
{
    TwoFilesOfOneFolder v;
    ASSERT_EQ(v.engine->RecoverData(v.out, v.first.record), 0);
    // Put there after the folder was checked: still never overwritten.
    std::ofstream(v.out / "X" / "DCIM" / "b.jpg") << "already here";
    ASSERT_EQ(v.engine->RecoverData(v.out, v.second.record), 0);
    EXPECT_EQ(ReadFile(v.out / "X" / "DCIM" / "b.jpg"), "already here");
    EXPECT_EQ(ReadFile(v.out / "X" / "DCIM" / "b0.jpg"), v.SecondsBytes());
}
