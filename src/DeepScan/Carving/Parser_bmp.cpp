#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// The file header alone gives the size.
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
        if (!knownHeader || reserved != 0 || dataOffset >= fileSize || fileSize <= 64 || headerSize >= fileSize)
            return Finish(false);
        Finish(RaiseTo(info, fileSize));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_bmp()
{
    return std::make_unique<Parser_bmp>();
}

}
