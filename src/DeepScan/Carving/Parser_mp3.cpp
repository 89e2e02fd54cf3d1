#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// kbit/s by [MPEG-1 or not][layer I, II, III][index]
constexpr uint16_t bitrates[2][3][16] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}},
};
// Hz by version bits (00 MPEG-2.5, 10 MPEG-2, 11 MPEG-1) and index.
constexpr uint32_t sampleRates[4][3] = {
    {11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};

bool IsFrameHeader(std::span<const uint8_t> h)
{
    const int version = (h[1] >> 3) & 3;
    const int layer = (h[1] >> 1) & 3;
    const int bitrate = h[2] >> 4;
    const int rate = (h[2] >> 2) & 3;
    return h[0] == 0xFF && h[1] > 0xDF && version != 1 && layer != 0 && bitrate != 0 && bitrate != 15 && rate != 3;
}

uint64_t FrameLength(std::span<const uint8_t> h)
{
    const int version = (h[1] >> 3) & 3;
    const int layer = 3 - ((h[1] >> 1) & 3); // 0 layer I, 1 II, 2 III
    const uint64_t bitrate = bitrates[version == 3 ? 0 : 1][layer][h[2] >> 4];
    const uint64_t rate = sampleRates[version][(h[2] >> 2) & 3];
    const uint64_t padding = (h[2] >> 1) & 1;
    if (layer == 0)
        return (12000 * bitrate / rate + padding) * 4;
    if (layer == 2 && version != 3)
        return 72000 * bitrate / rate + padding;
    return 144000 * bitrate / rate + padding;
}

// ID3v2 tags, MPEG audio frames, APE tags and a closing ID3v1 tag.
class Parser_mp3 : public StreamParser {
    uint32_t frames = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override { Collect(4); }

    void End(const ST_FileInfo& info) { Finish(info.size != 0 && frames > 2); }

    void Collected(ST_FileInfo& info) override
    {
        if (HasText(header, 0, "ID3") && header[3] >= 2 && header[3] <= 4)
            return Id3v2(info);
        if (HasText(header, 0, "TAG")) {
            if (!Grow(info, 128))
                return End(info);
            Skip(128 - header.size());
            return Finish(true);
        }
        if (HasText(header, 0, "APET"))
            return Ape(info);
        if (!IsFrameHeader(header))
            return End(info);
        const uint64_t length = FrameLength(header);
        if (length < 4 || length > 8065 || !Grow(info, length))
            return End(info);
        Skip(length - header.size());
        ++frames;
        Collect(4);
    }

    void Id3v2(ST_FileInfo& info)
    {
        if (header.size() < 10)
            return CollectTo(10);
        uint64_t size = 0;
        for (size_t i = 6; i < 10; ++i) {
            if (header[i] & 0x80)
                return End(info);
            size = (size << 7) | header[i];
        }
        const uint64_t footer = header[3] == 4 && (header[5] & 0x10) ? 10 : 0;
        if (!Grow(info, size + 10 + footer))
            return End(info);
        Skip(size + footer);
        Collect(4);
    }

    // An APE tag with its 32-byte header; an ID3v1 tag often follows.
    void Ape(ST_FileInfo& info)
    {
        if (header.size() < 32)
            return CollectTo(32);
        if (!HasText(header, 0, "APETAGEX"))
            return End(info);
        const uint64_t size = LE32(header, 12);
        if (!Grow(info, 32 + size))
            return End(info);
        Skip(size);
        Collect(4);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_mp3()
{
    return std::make_unique<Parser_mp3>();
}

}
