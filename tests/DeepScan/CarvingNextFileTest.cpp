// A damaged length or end field in one file must not carry its carve into the
// file after it. Real files are laid one after another on a small raw image,
// the named field damaged in the first, and the image is carved end to end by
// the engine and by photorec.
#include "DeepScan/CarveRunner.h"
#include "DeepScan/CarvedImage.h"
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint64_t cluster = 4096;
constexpr uint64_t firstAt = 2 * cluster;

struct Case {
    const char* field;
    // The file as written and its copy with the field damaged
    // (scripts/make-carving-fixtures.sh), and the file laid after it.
    const char* original;
    const char* damaged;
    const char* next;
    // The damage spares the format's own length: the damaged file is carved exactly.
    bool firstExact;
};

const Case cases[] = {
    {"ZIP comment length", "zip.zip", "zip-comment.zip", "jpg.jpg", false},
    {"ZIP central directory comment length", "zip.zip", "zip-central-comment.zip", "jpg.jpg", true},
    {"7z next-header offset", "7z.7z", "7z-next-header-offset.7z", "png.png", true},
    {"BMP bfSize", "bmp3.bmp", "bmp-size.bmp", "gif89.gif", true},
    {"OS/2 BMP bfSize", "bmp2.bmp", "os2-bmp-size.bmp", "zip.zip", true},
    {"TIFF next-IFD offset", "tiff-ii.tiff", "tiff-next-ifd.tiff", "bmp.bmp", true},
    {"TIFF IFD0 offset", "tiff-mm.tiff", "tiff-ifd0.tiff", "jpg.jpg", false},
    {"PDF end-of-file marker", "pdf.pdf", "pdf-eof.pdf", "pdf-linear.pdf", true},
    {"Ogg segment count", "vorbis.ogg", "ogg-segments.ogg", "flac.ogg", true},
    {"JPEG end-of-image marker", "jpg.jpg", "jpg-eoi.jpg", "jpg.jpg", false},
    {"PNG IEND length", "png.png", "png-iend.png", "png.png", true},
    {"WAVE RIFF size", "wav.wav", "wav-riff-size.wav", "png.png", true},
    {"AVI RIFF size", "avi.avi", "avi-riff-size.avi", "gif87.gif", true},
    {"AIFF FORM size", "aiff.aiff", "aiff-form-size.aiff", "bmp3.bmp", true},
    {"RAF CFA length", "raf.raf", "raf-cfa-length.raf", "png.png", false},
    {"Matroska segment size", "mkv.mkv", "mkv-segment-size.mkv", "gif89.gif", true},
    {"PSD height", "psd-raw.psd", "psd-height.psd", "png.png", false},
};

// The first file at 8 KiB, the second at the next cluster after it, old bytes
// in the rest of each one's last cluster and zeros after.
Bytes Lay(const Bytes& first, const Bytes& second, uint64_t& secondAt)
{
    Bytes image(firstAt, 0);
    auto append = [&](const Bytes& file, uint32_t seed) {
        image.insert(image.end(), file.begin(), file.end());
        const auto slack = CarvingTest::RandomBytes((cluster - image.size() % cluster) % cluster, seed);
        image.insert(image.end(), slack.begin(), slack.end());
    };
    append(first, 1);
    secondAt = image.size();
    append(second, 2);
    image.resize(image.size() + 32 * cluster, 0);
    return image;
}

// What one carver made of a file: its size and whether it is exact.
struct Result {
    bool found = false;
    uint64_t size = 0;
    bool exact = false;
    bool intoNext = false;
};

Result Judge(const std::vector<std::string>& candidates, const Bytes& original, uint64_t at, uint64_t next)
{
    Result result;
    for (const auto& path : candidates) {
        const auto bytes = TestSupport::ReadFileBytes(path);
        if (result.found && !(bytes == original))
            continue;
        result = {true, bytes.size(), bytes == original, at + bytes.size() > next};
    }
    return result;
}

std::string Describe(const Result& result)
{
    if (!result.found)
        return "not carved";
    if (result.exact)
        return "exact";
    return std::to_string(result.size) + " bytes, " + (result.intoNext ? "into the next file" : "ends before the next");
}

}

TEST(CarvingNextFile, ADamagedLengthNeverCarriesAFileIntoTheNext)
{
    REQUIRE_TOOL("photorec");
    const std::string fixtures = TestSupport::CarvingFixtureDir();
    ASSERT_FALSE(fixtures.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const Bytes first = TestSupport::ReadFileBytes(fixtures + "/damaged/" + c.damaged);
        const Bytes second = TestSupport::ReadFileBytes(fixtures + "/" + c.next);
        ASSERT_FALSE(first.empty());
        ASSERT_NE(first, TestSupport::ReadFileBytes(fixtures + "/" + c.original));
        uint64_t secondAt = 0;
        const Bytes image = Lay(first, second, secondAt);
        TestSupport::TempDir dir;
        CarvingTest::WriteBytes(dir / "raw.img", image);

        const auto carved = CarvingTest::CarveImage(dir / "raw.img", dir / "out");
        auto ours = [&](uint64_t at) {
            const auto it = carved.find(at);
            return it == carved.end() ? std::vector<std::string>{} : std::vector{dir / ("out/" + it->second.path)};
        };
        const Result oursFirst = Judge(ours(firstAt), first, firstAt, secondAt);
        const Result oursSecond = Judge(ours(secondAt), second, secondAt, UINT64_MAX);
        auto theirs = CarvingTest::PhotorecImage(dir / "raw.img", dir / "photorec");
        const Result theirFirst = Judge(theirs[firstAt], first, firstAt, secondAt);
        const Result theirSecond = Judge(theirs[secondAt], second, secondAt, UINT64_MAX);
        // The one-at-a-time carve starts no file inside one it has carved.
        DeepScan::CarveRunner sequential(image.size(), true);
        sequential.Feed(0, image);
        bool sequentialSecond = false;
        for (const auto& file : sequential.Finish()) {
            sequentialSecond = sequentialSecond || (file.start == secondAt && file.size == second.size());
            if (file.start == firstAt) {
                EXPECT_LE(file.start + file.size, secondAt) << "one at a time";
            }
        }
        std::printf("%s: engine: first %s, next %s, one at a time next %s; photorec: first %s, next %s\n", c.field,
                    Describe(oursFirst).c_str(), Describe(oursSecond).c_str(),
                    sequentialSecond ? "exact" : "not carved", Describe(theirFirst).c_str(),
                    Describe(theirSecond).c_str());
        EXPECT_TRUE(sequentialSecond) << "the next file, carved one file at a time";

        EXPECT_TRUE(oursSecond.exact) << "the next file: " << Describe(oursSecond);
        EXPECT_FALSE(oursFirst.intoNext) << "the damaged file: " << Describe(oursFirst);
        if (oursFirst.found) {
            // Its bytes up to the next file are its own.
            const auto bytes = TestSupport::ReadFileBytes(ours(firstAt)[0]);
            const size_t own = std::min(bytes.size(), first.size());
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(own), first.begin()));
        }
        if (c.firstExact) {
            EXPECT_TRUE(oursFirst.exact) << "the damaged file: " << Describe(oursFirst);
        }
        // Whatever photorec recovers exactly, the engine does too.
        EXPECT_TRUE(oursFirst.exact || !theirFirst.exact);
        EXPECT_TRUE(oursSecond.exact || !theirSecond.exact);
    }
}
