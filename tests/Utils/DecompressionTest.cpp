// The LZNT1 and XPRESS-Huffman decoders: XPRESS against libwim's compressor,
// LZNT1 against hand-built chunks (units written by ntfs-3g are checked in the
// NTFS tests), and hostile streams that must fail without writing past the room.
#include <gtest/gtest.h>
#include <wimlib.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "Utils/Decompression.h"

using namespace Utils;

namespace {

using Bytes = std::vector<uint8_t>;

struct Decoders {
    RtlDecompressBufferFn plain = nullptr;
    RtlDecompressBufferExFn ex = nullptr;
    RtlGetCompressionWorkSpaceSizeFn workSpace = nullptr;
    Decoders() { LoadNtdllDecompression(&plain, &ex, &workSpace); }
};

Bytes TextBytes(size_t size)
{
    static const char* const words[] = {"photo ", "recovery ", "cluster ", "of ", "the ", "volume\n", "NTFS "};
    std::mt19937 rng(7);
    std::string text;
    while (text.size() < size)
        text += words[rng() % 7];
    return Bytes(text.begin(), text.begin() + static_cast<long>(size));
}

Bytes RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

Bytes WimXpress(const Bytes& plain)
{
    wimlib_compressor* compressor = nullptr;
    if (wimlib_create_compressor(WIMLIB_COMPRESSION_TYPE_XPRESS, plain.size(), 0, &compressor) != 0)
        return {};
    Bytes out(plain.size() + 1024);
    const size_t size = wimlib_compress(plain.data(), plain.size(), out.data(), out.size(), compressor);
    wimlib_free_compressor(compressor);
    out.resize(size);
    return out;
}

NtStatus Xpress(const Bytes& in, Bytes& out, uint32_t* written)
{
    Decoders d;
    uint32_t size = 0;
    d.workSpace(CompressionFormatXpressHuffman, &size, nullptr);
    Bytes workSpace(size);
    return d.ex(CompressionFormatXpressHuffman, out.data(), static_cast<uint32_t>(out.size()), in.data(),
                static_cast<uint32_t>(in.size()), written, workSpace.data());
}

NtStatus Lznt1(const Bytes& in, Bytes& out, uint32_t* written)
{
    return Decoders().plain(CompressionFormatLznt1, out.data(), static_cast<uint32_t>(out.size()), in.data(),
                            static_cast<uint32_t>(in.size()), written);
}

// "abc" as literals, then a reference 3 back of 6 bytes.
const Bytes AbcChunk = {0x05, 0xB0, 0x08, 'a', 'b', 'c', 0x03, 0x20};

}

TEST(XpressHuffman, DecodesWhatLibwimCompressed)
{
    const std::vector<Bytes> plains = {TextBytes(1),     TextBytes(100),         TextBytes(4096),
                                       TextBytes(8192),  TextBytes(16384),       TextBytes(65536),
                                       Bytes(16384, 0),  RandomBytes(4096, 1),   RandomBytes(16384, 2),
                                       [] { auto b = TextBytes(16384); for (size_t i = 0; i < b.size(); i += 3) b[i] ^= 0x5A; return b; }()};
    size_t decoded = 0;
    for (const auto& plain : plains) {
        SCOPED_TRACE(plain.size());
        const Bytes packed = WimXpress(plain);
        if (packed.empty())
            continue; // libwim does not compress what would not shrink
        ++decoded;
        Bytes out(plain.size());
        uint32_t written = 0;
        ASSERT_EQ(Xpress(packed, out, &written), NtStatusSuccess);
        EXPECT_EQ(written, plain.size());
        EXPECT_EQ(out, plain);
    }
    EXPECT_GE(decoded, 7u);
}

TEST(XpressHuffman, StopsWhenTheRoomIsFull)
{
    const Bytes plain = TextBytes(16384);
    const Bytes packed = WimXpress(plain);
    ASSERT_FALSE(packed.empty());
    for (uint32_t room : {0u, 1u, 1000u, 16383u}) {
        Bytes out(room);
        uint32_t written = 99;
        ASSERT_EQ(Xpress(packed, out, &written), NtStatusSuccess);
        EXPECT_EQ(written, room);
        EXPECT_TRUE(std::equal(out.begin(), out.end(), plain.begin()));
    }
}

TEST(XpressHuffman, HostileStreamsFail)
{
    const Bytes packed = WimXpress(TextBytes(16384));
    ASSERT_GT(packed.size(), 600u);
    Bytes noCodes(300, 0);
    Bytes overSubscribed(300, 0x11); // every symbol one bit long
    // 'a' and match symbol 272 (offset bits 1) one bit each; the first code is the match.
    Bytes earlyMatch(300, 0);
    earlyMatch['a' / 2] = 0x10;
    earlyMatch[272 / 2] = 0x01;
    earlyMatch[256] = 0x00;
    earlyMatch[257] = 0x80;
    const struct {
        const char* name;
        Bytes in;
    } cases[] = {
        {"no code lengths", noCodes},
        {"over-subscribed code", overSubscribed},
        {"match before the output", earlyMatch},
        {"shorter than a table", Bytes(packed.begin(), packed.begin() + 200)},
        {"truncated stream", Bytes(packed.begin(), packed.begin() + static_cast<long>(packed.size() / 2))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out(16384);
        uint32_t written = 0;
        EXPECT_EQ(Xpress(c.in, out, &written), NtStatusBadCompressionBuffer);
    }
}

TEST(Lznt1, DecodesLiteralsReferencesAndStoredChunks)
{
    Bytes out(9);
    uint32_t written = 0;
    ASSERT_EQ(Lznt1(AbcChunk, out, &written), NtStatusSuccess);
    EXPECT_EQ(written, 9u);
    EXPECT_EQ(std::string(out.begin(), out.end()), "abcabcabc");

    // A stored chunk of 4096 bytes, then the compressed one: 4096 + 9 bytes.
    const Bytes raw = RandomBytes(4096, 3);
    Bytes in = {0xFF, 0x3F};
    in.insert(in.end(), raw.begin(), raw.end());
    in.insert(in.end(), AbcChunk.begin(), AbcChunk.end());
    in.insert(in.end(), {0, 0, 0xAA, 0xAA}); // the end mark; what follows is not read
    Bytes both(8192);
    ASSERT_EQ(Lznt1(in, both, &written), NtStatusSuccess);
    EXPECT_EQ(written, 4096u + 9u);
    EXPECT_TRUE(std::equal(raw.begin(), raw.end(), both.begin()));
    EXPECT_EQ(std::string(both.begin() + 4096, both.begin() + 4105), "abcabcabc");

    // A short chunk with another after it stands for a whole 4 KiB.
    Bytes twice = AbcChunk;
    twice.insert(twice.end(), AbcChunk.begin(), AbcChunk.end());
    Bytes padded(8192, 0xEE);
    ASSERT_EQ(Lznt1(twice, padded, &written), NtStatusSuccess);
    EXPECT_EQ(written, 4096u + 9u);
    EXPECT_EQ(padded[9], 0);
    EXPECT_EQ(padded[4095], 0);
    EXPECT_EQ(std::string(padded.begin() + 4096, padded.begin() + 4105), "abcabcabc");
}

TEST(Lznt1, HostileStreamsFailAndTheRoomHolds)
{
    const struct {
        const char* name;
        Bytes in;
    } cases[] = {
        {"chunk length past the input", {0xFF, 0xBF, 0x00, 'a', 'b'}},
        {"reference before the output", {0x02, 0xB0, 0x01, 0x03, 0x20}},
        {"reference cut by the chunk end", {0x02, 0xB0, 0x02, 'a', 0x03}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out(4096);
        uint32_t written = 0;
        EXPECT_EQ(Lznt1(c.in, out, &written), NtStatusBadCompressionBuffer);
    }
    for (uint32_t room : {0u, 1u, 4u, 8u}) {
        Bytes out(room);
        uint32_t written = 99;
        ASSERT_EQ(Lznt1(AbcChunk, out, &written), NtStatusSuccess);
        EXPECT_EQ(written, room);
        EXPECT_EQ(std::string(out.begin(), out.end()), std::string("abcabcabc").substr(0, room));
    }
}
