#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/SharedTables.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// Marker segments with lengths up to the first start of scan, then a search
// for the end-of-image marker FF D9.
class Parser_jpg : public StreamParser {
    bool inScan = false;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 4 || !IsJpegMarker(first[3]) || !Grow(info, 2))
            return Finish(false);
        Skip(2);
        Collect(2);
    }

    void Collected(ST_FileInfo& info) override
    {
        if (header.size() == 2) {
            if (header[0] != 0xFF || header[1] == 0x00 || header[1] == 0xFF)
                return Finish(false);
            inScan = header[1] == 0xDA;
            return CollectTo(4);
        }
        const uint64_t length = BE16(header, 2);
        if (length < 2 || !Grow(info, length + 2))
            return Finish(false);
        Skip(length - 2);
        // Entropy-coded data holds no other file: one starting in it means
        // the end-of-image marker is gone, and the picture ends there.
        if (inScan)
            return SearchBeforeNextFile({"\xFF\xD9"});
        Collect(2);
    }

    void Found(ST_FileInfo& info, uint64_t matchStart) override
    {
        Finish(RaiseTo(info, matchStart + 2));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_jpg()
{
    return std::make_unique<Parser_jpg>();
}

}
