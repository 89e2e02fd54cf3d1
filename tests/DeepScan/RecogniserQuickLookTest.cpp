// The recognisers' quick look (MayRecognize, run on the raw search's workers)
// lets through every block of real file systems that their full checks take:
// the scan thread asks nothing else of the blocks it rules out.
#include "FAT/FATRecognize.h"
#include "NTFS/NTFSRecognize.h"
#include "support/CarvingFixtures.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace {

struct Recogniser {
    const char* name;
    int type;
    std::unique_ptr<Utils::DataRecognize> recogniser;
};

std::vector<Recogniser> Recognisers()
{
    std::vector<Recogniser> all;
    all.push_back({"NTFS", 0, std::make_unique<NTFS::NTFSRecognize>()});
    all.push_back({"FAT32", 1, std::make_unique<FAT::FAT32Recognize>()});
    all.push_back({"exFAT", 2, std::make_unique<FAT::ExFATRecognize>()});
    return all;
}

std::vector<uint8_t> ReadImage(const std::string& path)
{
    std::vector<uint8_t> bytes(std::filesystem::file_size(path));
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Files with long names, some deleted, from the carving fixtures.
void AddFiles(const std::string& image)
{
    int i = 0;
    for (const auto& fixture : TestSupport::CarvingFixtures()) {
        if (++i > 24)
            break;
        const std::string name = "::A long file name number " + std::to_string(i) +
                                 std::filesystem::path(fixture.file).extension().string();
        RunOrFail("mcopy -i " + Quote(image) + " " + Quote(fixture.file) + " " + Quote(name));
        if (i % 3 == 0)
            RunOrFail("mdel -i " + Quote(image) + " " + Quote(name));
    }
}

}

TEST(RecogniserQuickLook, LetsThroughEveryBlockTheFullChecksTake)
{
    REQUIRE_TOOL("mkfs.fat");
    REQUIRE_TOOL("mcopy");
    REQUIRE_TOOL("mkntfs");
    REQUIRE_TOOL("mkfs.exfat");
    TestSupport::TempDir dir;
    static const uint8_t zeros[512] = {};
    const struct {
        int type;
        std::string command;
        bool files;
    } images[] = {
        {1, "truncate -s 40M IMG && mkfs.fat -F 32 -S 512 IMG >/dev/null", true},
        {0, "truncate -s 16M IMG && mkntfs -q -F -Q IMG >/dev/null 2>&1", false},
        {2, "truncate -s 16M IMG && mkfs.exfat IMG >/dev/null", false},
    };
    for (const auto& image : images) {
        const std::string path = dir / ("fs" + std::to_string(image.type) + ".img");
        std::string command = image.command;
        for (size_t at; (at = command.find("IMG")) != std::string::npos;)
            command.replace(at, 3, Quote(path));
        RunOrFail(command);
        if (image.files)
            AddFiles(path);
        const auto bytes = ReadImage(path);
        for (auto& r : Recognisers()) {
            SCOPED_TRACE(std::string(r.name) + " recogniser on image of type " + std::to_string(image.type));
            size_t taken = 0;
            size_t looked = 0;
            for (uint64_t at = 0; at + 512 <= bytes.size(); at += 512) {
                const uint8_t* block = bytes.data() + at;
                // The empty rest of the images: no check takes a zero block (and the sanitizer builds are slow).
                if (std::memcmp(block, zeros, sizeof zeros) == 0)
                    continue;
                const bool passes = r.recogniser->MayRecognize(block, 512) || r.recogniser->Expects(at);
                looked += passes;
                const bool directory = r.recogniser->IsDirectoryBlock(at, block, 512);
                const bool boot = r.recogniser->CheckBootSector(block);
                if (directory || boot) {
                    ++taken;
                    EXPECT_TRUE(passes) << "block at " << at;
                }
            }
            if (r.type == image.type) {
                EXPECT_GT(taken, 0u);
            }
            // A quick look that lets everything through would not spare the scan thread.
            EXPECT_LT(looked, bytes.size() / 512 / 4);
        }
    }
}
