#include "Utils/Decompression.h"
#include "Utils/FileBytes.h"
#include "Utils/GuidText.h"
#include "Utils/XorBuffer.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

using namespace Utils;

TEST(XorBuffer, KeyRepeats)
{
    uint8_t bytes[7] = {0, 0, 0, 0, 0, 0, 0xFF};
    const uint8_t key[3] = {1, 2, 3};
    XorBuffer(bytes, 7, key, 3);
    const uint8_t expected[7] = {1, 2, 3, 1, 2, 3, 0xFE};
    EXPECT_EQ(std::memcmp(bytes, expected, 7), 0);
    XorBuffer(bytes, 7, key, 3);
    const uint8_t back[7] = {0, 0, 0, 0, 0, 0, 0xFF};
    EXPECT_EQ(std::memcmp(bytes, back, 7), 0);
}

// A key of length 0 once divided by zero; now it changes nothing.
TEST(XorBuffer, EmptyKeyChangesNothing)
{
    uint8_t bytes[4] = {1, 2, 3, 4};
    const uint8_t key[1] = {0xFF};
    XorBuffer(bytes, 4, key, 0);
    XorBuffer(bytes, 4, nullptr, 1);
    XorBuffer(bytes, 0, key, 1);
    const uint8_t same[4] = {1, 2, 3, 4};
    EXPECT_EQ(std::memcmp(bytes, same, 4), 0);
}

TEST(ReadFileToBuffer, WholeFile)
{
    TestSupport::TempDir dir;
    std::string content(100000, '\0');
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    std::ofstream(dir / "upcase", std::ios::binary) << content;
    const auto bytes = ReadFileToBuffer(dir / "upcase");
    ASSERT_EQ(bytes->length, content.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data), bytes->length), content);
}

TEST(ReadFileToBuffer, NothingToReadGivesAnEmptyBuffer)
{
    TestSupport::TempDir dir;
    std::ofstream(dir / "empty").close();
    EXPECT_EQ(ReadFileToBuffer(dir / "missing")->length, 0u);
    EXPECT_EQ(ReadFileToBuffer(dir / "empty")->length, 0u);
    EXPECT_EQ(ReadFileToBuffer(dir.Path().string())->length, 0u);
}

// The length is 32-bit: a file of 4 GiB is refused, never cut to its first bytes.
TEST(ReadFileToBuffer, FourGibibytesIsRefused)
{
    REQUIRE_TOOL("truncate");
    TestSupport::TempDir dir;
    const std::string path = dir / "sparse";
    std::string output;
    if (TestSupport::RunCommand("truncate -s 4G " + TestSupport::Quote(path) + " 2>&1", &output) != 0)
        SKIP_FOR_MISSING("the temporary folder's file system cannot hold a sparse 4 GiB file: " + output);
    const auto bytes = ReadFileToBuffer(path);
    EXPECT_EQ(bytes->length, 0u);
    EXPECT_EQ(bytes->data, nullptr);
}

TEST(Decompression, OwnDecodersHandedOut)
{
    RtlDecompressBufferFn decompress = nullptr;
    RtlDecompressBufferExFn decompressEx = nullptr;
    RtlGetCompressionWorkSpaceSizeFn workSpace = nullptr;
    EXPECT_EQ(LoadNtdllDecompression(&decompress, &decompressEx, &workSpace), DecompressionAvailable);
    ASSERT_NE(decompress, nullptr);
    ASSERT_NE(decompressEx, nullptr);
    ASSERT_NE(workSpace, nullptr);
    EXPECT_EQ(LoadNtdllDecompression(nullptr, nullptr, nullptr), DecompressionAvailable);
    uint8_t out[4] = {};
    const uint8_t in[4] = {1, 2, 3, 4};
    uint32_t written = 7;
    EXPECT_EQ(decompress(3, out, sizeof out, in, sizeof in, &written), NtStatusUnsupportedCompression);
    EXPECT_EQ(written, 0u);
    uint32_t size = 0, fragment = 0;
    EXPECT_EQ(workSpace(CompressionFormatXpressHuffman, &size, &fragment), NtStatusSuccess);
    EXPECT_GT(size, 0u);
    EXPECT_EQ(workSpace(1, &size, &fragment), NtStatusUnsupportedCompression);
}

TEST(GuidText, LowerCaseWithBraces)
{
    const Guid basicData = {0xEBD0A0A2, 0xB9E5, 0x4433, {0x87, 0xC0, 0x68, 0xB6, 0xB7, 0x26, 0x99, 0xC7}};
    EXPECT_EQ(GuidToString(basicData), "{ebd0a0a2-b9e5-4433-87c0-68b6b72699c7}");
    EXPECT_EQ(GuidToString(Guid{}), "{00000000-0000-0000-0000-000000000000}");
}
