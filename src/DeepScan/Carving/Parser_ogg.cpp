#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// Ogg pages, from a beginning-of-stream page until bytes that are not a page.
class Parser_ogg : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 27 || !(first[5] & 0x02))
            return Finish(false);
        Collect(4);
    }

    void Collected(ST_FileInfo& info) override
    {
        if (header.size() == 4) {
            if (!HasText(header, 0, "OggS"))
                return Finish(info.size != 0);
            return CollectTo(27);
        }
        const size_t segments = header[26];
        if (segments == 0)
            return Finish(false);
        if (header.size() < 27 + segments)
            return CollectTo(27 + segments);
        uint64_t data = 0;
        for (size_t i = 27; i < 27 + segments; ++i)
            data += header[i];
        if (!Grow(info, 27 + segments + data))
            return Finish(info.size != 0);
        Skip(data);
        Collect(4);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_ogg()
{
    return std::make_unique<Parser_ogg>();
}

}
