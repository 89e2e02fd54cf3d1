#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// The header, then tags (each after the previous tag's size field) until a
// byte that is not an audio, video or script tag.
class Parser_flv : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 9 || !HasText(first, 0, "FLV"))
            return Finish(false);
        const uint64_t headerSize = BE32(first, 5);
        if (headerSize < 9 || !Grow(info, headerSize))
            return Finish(false);
        Skip(headerSize);
        Collect(15);
    }

    void Collected(ST_FileInfo& info) override
    {
        const uint8_t type = header[4];
        const uint64_t dataSize = ReadBE<3>(header, 5);
        // Tags carry stream id 0 and follow the size of the tag before them.
        const bool follows = ReadBE<3>(header, 12) == 0 && BE32(header, 0) == previousTagSize;
        if ((type != 8 && type != 9 && type != 18) || !follows)
            return EndAfterTagSize(info);
        if (dataSize == 0)
            return Finish(info.size != 0);
        if (!Grow(info, dataSize + 15))
            return EndAfterTagSize(info);
        previousTagSize = static_cast<uint32_t>(dataSize + 11);
        Skip(dataSize);
        Collect(15);
    }

    uint32_t previousTagSize = 0;

    // The last tag's size field closes the file.
    void EndAfterTagSize(ST_FileInfo& info)
    {
        Grow(info, 4);
        Finish(info.size != 0);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_flv()
{
    return std::make_unique<Parser_flv>();
}

}
