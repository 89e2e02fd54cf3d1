// Glimmet against ImageMagick: every PNG kind decodes to the same 8-bit RGBA
// bytes that `convert FILE -depth 8 rgba:-` writes; damaged files fail cleanly.
#include "Glimmet/Glimmet.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace TestSupport;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Decoded {
    int result = -1;
    uint32_t width = 0;
    uint32_t height = 0;
    std::string pixels;
};

Decoded Decode(const std::string& bytes)
{
    GlimmetImage image{};
    Decoded out;
    out.result = decode_png_from_memory(bytes.data(), int(bytes.size()), &image);
    if (out.result == GLIMMET_OK) {
        out.width = image.width;
        out.height = image.height;
        out.pixels.assign(reinterpret_cast<const char*>(image.pixels), size_t(image.width) * image.height * 4);
    }
    free_png_image(&image);
    EXPECT_EQ(image.pixels, nullptr);
    return out;
}

// Offset of the first chunk of the given type, or npos.
size_t FindChunk(const std::string& png, const char* type)
{
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) | (uint8_t(png[at + 2]) << 8)
                                | uint8_t(png[at + 3]);
        if (png.compare(at + 4, 4, type) == 0)
            return at;
        at += 12 + size_t(length);
    }
    return std::string::npos;
}

void PutBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(char((value >> shift) & 0xFF));
}

std::string Chunk(const char* type, const std::string& data)
{
    std::string chunk;
    PutBigEndian(chunk, uint32_t(data.size()));
    chunk += type;
    chunk += data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data() + 4), uInt(chunk.size() - 4));
    PutBigEndian(chunk, uint32_t(crc));
    return chunk;
}

struct PngKind {
    const char* name;
    const char* makeArguments;  // ImageMagick arguments that write out.png
    int bitDepth;
    int colorType;
    bool interlaced;
};

// Four flat quadrants, a gradient and a transparent corner: every channel carries data.
const char* const kPicture =
    "-size 61x47 gradient:'#ff2000'-'#0030f0' "
    "-fill '#20c040' -draw 'rectangle 0,0 29,22' "
    "-alpha set -region 20x15+40+30 -channel A -evaluate set 40% +channel +region";

const PngKind kKinds[] = {
    {"rgba8", "PNG32:", 8, 6, false},
    {"rgb8", "-alpha off PNG24:", 8, 2, false},
    {"rgba16", "-depth 16 PNG64:", 16, 6, false},
    {"palette_trns", "-colors 16 PNG8:", 8, 3, false},
    {"grey8", "-alpha off -colorspace Gray -define png:color-type=0 -define png:bit-depth=8 PNG:", 8, 0, false},
    {"grey2", "-alpha off -colorspace Gray -depth 2 -define png:color-type=0 -define png:bit-depth=2 PNG:", 2, 0,
     false},
    {"grey_alpha", "-colorspace Gray -depth 8 -define png:color-type=4 PNG:", 8, 4, false},
    {"adam7", "-interlace PNG PNG32:", 8, 6, true},
};

class GlimmetKinds : public ::testing::TestWithParam<PngKind> {};

TEST_P(GlimmetKinds, DecodesExactlyLikeImageMagick)
{
    REQUIRE_TOOL("convert");
    const PngKind& kind = GetParam();
    TempDir dir;
    const std::string file = dir / "picture.png";
    RunOrFail(std::string("convert ") + kPicture + " " + kind.makeArguments + Quote(file));
    const std::string png = ReadFile(file);
    ASSERT_GT(png.size(), 33u);
    // The fixture is the kind it claims to be.
    ASSERT_EQ(uint8_t(png[24]), kind.bitDepth) << kind.name;
    ASSERT_EQ(uint8_t(png[25]), kind.colorType) << kind.name;
    ASSERT_EQ(uint8_t(png[28]) == 1, kind.interlaced) << kind.name;
    if (kind.colorType == 3) {
        ASSERT_NE(FindChunk(png, "tRNS"), std::string::npos) << "palette fixture without transparency";
    }

    std::string expected;
    if (kind.bitDepth == 16) {
        // ImageMagick's own 8-bit output truncates; the library rounds to the nearest
        // 8-bit value, so the oracle is ImageMagick's 16-bit samples, rounded.
        const std::string wide = RunOrFail("convert " + Quote(file) + " -depth 16 -endian MSB rgba:-");
        for (size_t i = 0; i + 1 < wide.size(); i += 2) {
            const uint32_t sample = (uint8_t(wide[i]) << 8) | uint8_t(wide[i + 1]);
            expected.push_back(char((sample * 255 + 32767) / 65535));
        }
    } else {
        expected = RunOrFail("convert " + Quote(file) + " -depth 8 rgba:-");
    }
    const Decoded decoded = Decode(png);
    ASSERT_EQ(decoded.result, GLIMMET_OK);
    EXPECT_EQ(decoded.width, 61u);
    EXPECT_EQ(decoded.height, 47u);
    ASSERT_EQ(decoded.pixels.size(), expected.size());
    EXPECT_TRUE(decoded.pixels == expected) << kind.name << ": pixels differ from ImageMagick's";
}

INSTANTIATE_TEST_SUITE_P(Kinds, GlimmetKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

class GlimmetDamage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!HaveTool("convert"))
            return;
        TempDir dir;
        const std::string file = dir / "picture.png";
        RunOrFail(std::string("convert ") + kPicture + " PNG32:" + Quote(file));
        original = new std::string(ReadFile(file));
        pixels = new std::string(RunOrFail("convert " + Quote(file) + " -depth 8 rgba:-"));
    }
    static void TearDownTestSuite()
    {
        delete original;
        delete pixels;
        original = pixels = nullptr;
    }
    void SetUp() override
    {
        REQUIRE_TOOL("convert");
        ASSERT_TRUE(original);
    }
    static std::string* original;
    static std::string* pixels;
};
std::string* GlimmetDamage::original = nullptr;
std::string* GlimmetDamage::pixels = nullptr;

TEST_F(GlimmetDamage, WrongChecksumOfPixelDataStillDecodesExactly)
{
    std::string png = *original;
    const size_t idat = FindChunk(png, "IDAT");
    ASSERT_NE(idat, std::string::npos);
    const uint32_t length = (uint8_t(png[idat]) << 24) | (uint8_t(png[idat + 1]) << 16)
                            | (uint8_t(png[idat + 2]) << 8) | uint8_t(png[idat + 3]);
    png[idat + 8 + length] ^= 0x5A;
    const Decoded decoded = Decode(png);
    ASSERT_EQ(decoded.result, GLIMMET_OK);
    EXPECT_TRUE(decoded.pixels == *pixels);
}

TEST_F(GlimmetDamage, TruncatedFilesFail)
{
    const size_t idat = FindChunk(*original, "IDAT");
    for (size_t cut : {size_t(0), size_t(7), size_t(8), size_t(20), size_t(33), idat, idat + 9, idat + 40,
                       original->size() / 2, original->size() - 13}) {
        const Decoded decoded = Decode(original->substr(0, cut));
        EXPECT_NE(decoded.result, GLIMMET_OK) << "cut at " << cut;
    }
    // Only the final IEND chunk missing: the pixels are all there, yet the end is damaged.
    EXPECT_NE(Decode(original->substr(0, original->size() - 12)).result, GLIMMET_OK);
}

TEST_F(GlimmetDamage, HugeHeaderIsRefusedBeforeAllocating)
{
    struct Case {
        uint32_t width;
        uint32_t height;
        int expected;
    };
    const Case cases[] = {
        {100000, 100000, GLIMMET_TOO_LARGE},  // 10 gigapixels
        {16385, 16385, GLIMMET_TOO_LARGE},    // just above 256 megapixels
        {0x7FFFFFFF, 1, GLIMMET_TOO_LARGE},
        {0x80000000u, 1, GLIMMET_DECODE_ERROR},  // beyond what a PNG may declare
    };
    for (const Case& c : cases) {
        std::string ihdr;
        PutBigEndian(ihdr, c.width);
        PutBigEndian(ihdr, c.height);
        ihdr += std::string("\x08\x06\x00\x00\x00", 5);
        const std::string idat = original->substr(FindChunk(*original, "IDAT"));
        const std::string png = original->substr(0, 8) + Chunk("IHDR", ihdr) + idat;
        EXPECT_EQ(Decode(png).result, c.expected) << c.width << "x" << c.height;
    }
}

TEST(Glimmet, BadArgumentsAndForeignData)
{
    GlimmetImage image{};
    EXPECT_EQ(decode_png_from_memory(nullptr, 10, &image), GLIMMET_BAD_ARGUMENT);
    EXPECT_EQ(decode_png_from_memory("x", 0, &image), GLIMMET_BAD_ARGUMENT);
    EXPECT_EQ(decode_png_from_memory("x", -5, &image), GLIMMET_BAD_ARGUMENT);
    EXPECT_EQ(decode_png_from_memory("GIF89a....", 10, &image), GLIMMET_NOT_PNG);
    free_png_image(&image);
    free_png_image(&image);
    free_png_image(nullptr);
}

}
