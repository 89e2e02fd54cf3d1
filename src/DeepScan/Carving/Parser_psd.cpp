#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

bool MultiplyInto(uint64_t& product, uint64_t factor)
{
    if (factor != 0 && product > UINT64_MAX / factor)
        return false;
    product *= factor;
    return true;
}

// Header, three length-prefixed sections, then the merged image data, raw or
// RLE. PSB (version 2) has an 8-byte layer-and-mask length and 4-byte RLE counts.
class Parser_psd : public StreamParser {
    enum class Step { Section, Compression, RowCount };
    Step step = Step::Section;
    int section = 1;
    bool large = false;
    uint64_t channels = 0, height = 0, width = 0, depth = 0;
    uint64_t rowsLeft = 0;
    uint64_t rowBytes = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        const uint32_t version = BE16(first, 4);
        if (first.size() < 26 || !HasText(first, 0, "8BPS") || (version != 1 && version != 2))
            return Finish(false);
        large = version == 2;
        channels = BE16(first, 12);
        height = BE32(first, 14);
        width = BE32(first, 18);
        depth = BE16(first, 22);
        if (!Grow(info, 26))
            return Finish(false);
        Skip(26);
        Collect(SectionLengthBytes());
    }

    size_t SectionLengthBytes() const { return section == 3 && large ? 8 : 4; }

    void Collected(ST_FileInfo& info) override
    {
        switch (step) {
        case Step::Section: {
            const uint64_t length = header.size() == 8 ? BE64(header, 0) : BE32(header, 0);
            if (length > UINT64_MAX - header.size() || !Grow(info, length + header.size()))
                return Finish(false);
            Skip(length);
            if (++section <= 3)
                return Collect(SectionLengthBytes());
            step = Step::Compression;
            return Collect(2);
        }
        case Step::Compression:
            return ImageData(info, BE16(header, 0));
        case Step::RowCount:
            rowBytes += large ? BE32(header, 0) : BE16(header, 0);
            if (--rowsLeft > 0)
                return Collect(header.size());
            return ImageEnd(info, rowBytes);
        }
    }

    // Image data holds no other file: one starting in it means the header's
    // geometry or a section length is damaged.
    void ImageEnd(ST_FileInfo& info, uint64_t bytes)
    {
        if (bytes > info.volumeBytes)
            return Finish(false);
        EndBeforeNextFile(info.size + bytes, true);
    }

    void ImageData(ST_FileInfo& info, uint32_t compression)
    {
        if (!Grow(info, 2))
            return Finish(false);
        uint64_t rows = height;
        if (!MultiplyInto(rows, channels))
            return Finish(false);
        if (compression == 0) {
            // Rows are whole bytes: a 1-bit image packs eight pixels a byte.
            uint64_t bits = width;
            if (!MultiplyInto(bits, depth) || bits > UINT64_MAX - 7)
                return Finish(false);
            uint64_t bytes = (bits + 7) / 8;
            if (!MultiplyInto(bytes, rows))
                return Finish(false);
            return ImageEnd(info, bytes);
        }
        if (compression == 1) {
            uint64_t table = rows;
            if (!MultiplyInto(table, large ? 4 : 2) || !Grow(info, table))
                return Finish(false);
            if (rows == 0)
                return Finish(true);
            rowsLeft = rows;
            step = Step::RowCount;
            return Collect(large ? 4 : 2);
        }
        Finish(false);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_psd()
{
    return std::make_unique<Parser_psd>();
}

}
