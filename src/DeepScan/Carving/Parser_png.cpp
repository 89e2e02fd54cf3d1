#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

bool IsLetter(uint8_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Chunks of length, type, data and CRC up to and including IEND.
class Parser_png : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (!Grow(info, 8))
            return Finish(false);
        Skip(8);
        Collect(8);
    }

    void Collected(ST_FileInfo& info) override
    {
        for (size_t i = 4; i < 8; ++i)
            if (!IsLetter(header[i]))
                return Finish(false);
        const uint64_t length = BE32(header, 0);
        // IEND holds no data: a length there is damage, not bytes of the picture.
        if (HasText(header, 4, "IEND")) {
            if (!Grow(info, 12))
                return Finish(false);
            Skip(4);
            return Finish(true);
        }
        if (!Grow(info, 12 + length))
            return Finish(false);
        Skip(length + 4);
        Collect(8);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_png()
{
    return std::make_unique<Parser_png>();
}

}
