#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <cstdlib>

namespace Carving {
namespace {

constexpr uint64_t maxGeometry = uint64_t{1} << 40;
// Writers that pad the file past its pixels add a few bytes at most.
constexpr uint64_t padding = 4;

// Where the header's geometry puts the file's end: the pixel rows (or the
// compressed data's stated size) after the data offset, and an embedded
// colour profile. 0 when the header gives no such end.
uint64_t GeometryEnd(std::span<const uint8_t> first, uint64_t headerSize, uint64_t dataOffset)
{
    uint64_t width = 0;
    uint64_t height = 0;
    uint64_t bits = 0;
    uint64_t compression = 0;
    uint64_t imageSize = 0;
    if (headerSize == 12) {
        width = LE16(first, 18);
        height = LE16(first, 20);
        bits = LE16(first, 24);
    } else {
        if (first.size() < 38)
            return 0;
        const auto signedWidth = static_cast<int32_t>(LE32(first, 18));
        const auto signedHeight = static_cast<int32_t>(LE32(first, 22));
        if (signedWidth <= 0 || signedHeight == 0 || signedHeight == INT32_MIN)
            return 0;
        width = static_cast<uint64_t>(signedWidth);
        height = static_cast<uint64_t>(std::abs(signedHeight));
        bits = LE16(first, 28);
        compression = LE32(first, 30);
        imageSize = LE32(first, 34);
    }
    const bool knownDepth = bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
                            bits == 32 || bits == 64;
    // Bit fields (3, or 6 with alpha) only describe the pixels; an OS/2 2.x header's 3 is a compression.
    const bool rows = compression == 0 || ((compression == 3 || compression == 6) && headerSize != 64);
    uint64_t end = 0;
    if (rows) {
        if (!knownDepth || width == 0 || height == 0)
            return 0;
        const uint64_t rowBytes = (width * bits + 31) / 32 * 4;
        if (rowBytes > maxGeometry / height)
            return 0;
        end = dataOffset + rowBytes * height;
    } else {
        if (imageSize == 0)
            return 0;
        end = dataOffset + imageSize;
    }
    // A V5 header's embedded profile ("MBED") may follow the pixels.
    if (headerSize == 124 && first.size() >= 14 + 116 && LE32(first, 14 + 56) == 0x4D424544) {
        const uint64_t profileEnd = 14 + uint64_t{LE32(first, 14 + 108)} + LE32(first, 14 + 112);
        end = std::max(end, profileEnd);
    }
    return end;
}

// The file header's size, held against the pixels the header describes.
class Parser_bmp : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 18 || !HasText(first, 0, "BM"))
            return Finish(false);
        const uint64_t fileSize = LE32(first, 2);
        const uint32_t reserved = LE32(first, 6);
        const uint64_t dataOffset = LE32(first, 10);
        const uint64_t headerSize = LE32(first, 14);
        const bool knownHeader = headerSize == 12 || headerSize == 40 || headerSize == 52 || headerSize == 56 ||
                                 headerSize == 64 || headerSize == 108 || headerSize == 124;
        if (!knownHeader || reserved != 0)
            return Finish(false);
        const uint64_t geometry = GeometryEnd(first, headerSize, dataOffset);
        uint64_t size = fileSize;
        // Whether bytes past what the header describes for sure may still be this file's.
        bool guessed = false;
        if (geometry == 0) {
            guessed = true;
        } else if (fileSize < geometry || fileSize - geometry > padding) {
            // The two disagree; the image-size field, where set, may side with the file size.
            const uint64_t imageSize = headerSize == 12 ? 0 : LE32(first, 34);
            const bool sizeConfirmed = imageSize != 0 && dataOffset + imageSize == fileSize;
            // Otherwise the pixels set the size: past them nothing is described.
            size = sizeConfirmed ? fileSize : geometry;
            guessed = sizeConfirmed || geometry > fileSize;
        }
        if (dataOffset >= size || size <= 64 || headerSize >= size)
            return Finish(false);
        if (guessed)
            return EndBeforeNextFile(size, true);
        Finish(RaiseTo(info, size));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_bmp()
{
    return std::make_unique<Parser_bmp>();
}

}
