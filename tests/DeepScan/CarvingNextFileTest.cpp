// A damaged length or end field in one file must not carry its carve into the
// file after it. Real files are laid one after another on a small raw image,
// the named field damaged in the first, and the image is carved end to end by
// the engine and by photorec.
#include "DeepScan/CarvedImage.h"
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint64_t cluster = 4096;
constexpr uint64_t firstAt = 2 * cluster;

size_t FindLast(const Bytes& bytes, std::string_view text)
{
    const auto it = std::find_end(bytes.begin(), bytes.end(), text.begin(), text.end(),
                                  [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
    EXPECT_NE(it, bytes.end()) << "no " << text;
    return static_cast<size_t>(it - bytes.begin());
}

uint64_t GetLE(const Bytes& bytes, size_t at, size_t width)
{
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = value << 8 | bytes.at(at + i);
    return value;
}

void PutLE(Bytes& bytes, size_t at, size_t width, uint64_t value)
{
    for (size_t i = 0; i < width; ++i, value >>= 8)
        bytes.at(at + i) = static_cast<uint8_t>(value);
}

void PutBE(Bytes& bytes, size_t at, size_t width, uint64_t value)
{
    for (size_t i = width; i-- > 0; value >>= 8)
        bytes.at(at + i) = static_cast<uint8_t>(value);
}

uint64_t GetBE(const Bytes& bytes, size_t at, size_t width)
{
    uint64_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

struct Case {
    const char* field;
    const char* first;
    const char* second;
    std::function<void(Bytes&)> damage;
    // The damage spares the format's own length: the first is carved exactly.
    bool firstExact;
};

const Case cases[] = {
    {"ZIP comment length", "zip.zip", "jpg.jpg",
     [](Bytes& b) { PutLE(b, FindLast(b, "PK\x05\x06") + 20, 2, 0xFFFF); }, false},
    {"ZIP central directory comment length", "zip.zip", "jpg.jpg",
     [](Bytes& b) { PutLE(b, FindLast(b, "PK\x01\x02") + 32, 2, 0x3000); }, true},
    {"7z next-header offset", "7z.7z", "png.png", [](Bytes& b) { PutLE(b, 12, 8, GetLE(b, 12, 8) + 0x2000); },
     false},
    {"BMP bfSize", "bmp3.bmp", "gif89.gif", [](Bytes& b) { PutLE(b, 2, 4, GetLE(b, 2, 4) + 0x10000); }, true},
    {"OS/2 BMP bfSize", "bmp2.bmp", "zip.zip", [](Bytes& b) { PutLE(b, 2, 4, GetLE(b, 2, 4) + 0x10000); }, true},
    // Both offsets point into the empty space after the next file.
    {"TIFF next-IFD offset", "tiff-ii.tiff", "bmp.bmp",
     [](Bytes& b) {
         const size_t ifd0 = GetLE(b, 4, 4);
         PutLE(b, ifd0 + 2 + 12 * GetLE(b, ifd0, 2), 4, 0x10000);
     },
     true},
    {"TIFF IFD0 offset", "tiff-mm.tiff", "jpg.jpg", [](Bytes& b) { PutBE(b, 4, 4, 0x10000); }, false},
    {"PDF end-of-file marker", "pdf.pdf", "pdf-linear.pdf", [](Bytes& b) { b.at(FindLast(b, "%%EOF") + 3) = '0'; },
     true},
    {"Ogg segment count", "vorbis.ogg", "flac.ogg", [](Bytes& b) { b.at(FindLast(b, "OggS") + 26) = 0xFF; }, true},
    {"JPEG end-of-image marker", "jpg.jpg", "jpg.jpg", [](Bytes& b) { b.back() = 0x00; }, false},
    {"PNG IEND length", "png.png", "png.png", [](Bytes& b) { PutBE(b, FindLast(b, "IEND") - 4, 4, 0x4000); }, true},
    {"WAVE RIFF size", "wav.wav", "png.png", [](Bytes& b) { PutLE(b, 4, 4, GetLE(b, 4, 4) + 0x10000); }, true},
    {"AVI RIFF size", "avi.avi", "gif87.gif", [](Bytes& b) { PutLE(b, 4, 4, GetLE(b, 4, 4) + 0x10000); }, true},
    {"AIFF FORM size", "aiff.aiff", "bmp3.bmp", [](Bytes& b) { PutBE(b, 4, 4, GetBE(b, 4, 4) + 0x10000); }, true},
    {"RAF CFA length", "raf.raf", "png.png", [](Bytes& b) { PutBE(b, 104, 4, GetBE(b, 104, 4) + 0x10000); }, false},
    // The segment's size is 8 bytes long in the files ffmpeg writes.
    {"Matroska segment size", "mkv.mkv", "gif89.gif",
     [](Bytes& b) {
         const size_t at = FindLast(b, "\x18\x53\x80\x67") + 4;
         PutBE(b, at, 8, GetBE(b, at, 8) + 0x10000);
     },
     true},
    {"PSD height", "psd-raw.psd", "png.png", [](Bytes& b) { PutBE(b, 14, 4, GetBE(b, 14, 4) + 0x100); }, false},
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
        const Bytes original = TestSupport::ReadFileBytes(fixtures + "/" + c.first);
        const Bytes second = TestSupport::ReadFileBytes(fixtures + "/" + c.second);
        Bytes first = original;
        c.damage(first);
        ASSERT_NE(first, original);
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
        std::printf("%s: engine: first %s, next %s; photorec: first %s, next %s\n", c.field,
                    Describe(oursFirst).c_str(), Describe(oursSecond).c_str(), Describe(theirFirst).c_str(),
                    Describe(theirSecond).c_str());

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
