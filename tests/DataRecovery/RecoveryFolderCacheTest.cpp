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

namespace fs = std::filesystem;
using namespace RecoveryFixture;

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
        TestSupport::TempDir dir;
        const std::string image = dir / "volume.img";
        WriteRandom(image, 64 * 1024);
        const auto volume = RegisterImage(image, "FAT32");
        DataRecoveryMultiImpl engine({volume}, [](const DataRecoveryInfo&) {});
        FoundFile first(Fat32File, "X:\\DCIM\\a.jpg", {{0, 4096}}, 4096);
        FoundFile second(Fat32File, "X:\\DCIM\\b.jpg", {{4096, 4096}}, 4096);
        const fs::path out = dir / "out";
        ASSERT_EQ(engine.RecoverData(out, first.record), 0);
        c.change(out / "X" / "DCIM");
        ASSERT_EQ(engine.RecoverData(out, second.record), 0);
        EXPECT_TRUE(fs::is_directory(out / "X" / "DCIM"));
        EXPECT_EQ(ReadFile(out / "X" / "DCIM" / "b.jpg"), ReadFile(image).substr(4096, 4096));
        if (c.asideName) {
            EXPECT_EQ(ReadFile(out / "X" / c.asideName), "in the way");
        }
    }
}

TEST(RecoveryFolders, ATakenNameInTheSameFolderGetsTheNextFreeName)
{
    TestSupport::TempDir dir;
    const std::string image = dir / "volume.img";
    WriteRandom(image, 64 * 1024);
    const auto volume = RegisterImage(image, "FAT32");
    DataRecoveryMultiImpl engine({volume}, [](const DataRecoveryInfo&) {});
    FoundFile first(Fat32File, "X:\\DCIM\\a.jpg", {{0, 4096}}, 4096);
    FoundFile second(Fat32File, "X:\\DCIM\\b.jpg", {{4096, 4096}}, 4096);
    const fs::path out = dir / "out";
    ASSERT_EQ(engine.RecoverData(out, first.record), 0);
    // Put there after the folder was checked: still never overwritten.
    std::ofstream(out / "X" / "DCIM" / "b.jpg") << "already here";
    ASSERT_EQ(engine.RecoverData(out, second.record), 0);
    EXPECT_EQ(ReadFile(out / "X" / "DCIM" / "b.jpg"), "already here");
    EXPECT_EQ(ReadFile(out / "X" / "DCIM" / "b0.jpg"), ReadFile(image).substr(4096, 4096));
}
