#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// ISO base media boxes, one after another, until the bytes stop looking like a box.
class Parser_mov : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 8 || (!HasText(first, 4, "ftyp") && BE32(first, 0) > 0xFFFF))
            return Finish(false);
        Collect(8);
    }

    void Collected(ST_FileInfo& info) override
    {
        const uint64_t size32 = BE32(header, 0);
        if (size32 == 0)
            return Finish(info.size != 0);
        for (size_t i = 4; i < 8; ++i)
            if (header[i] < 0x20 || header[i] > 0x7E)
                return Finish(info.size != 0);
        if (size32 == 1 && header.size() < 16)
            return CollectTo(16);
        const uint64_t boxSize = size32 == 1 ? BE64(header, 8) : size32;
        if (boxSize < header.size())
            return Finish(false);
        // A box running past the volume's end: the file ended before it.
        if (!Grow(info, boxSize))
            return Finish(info.size != 0);
        Skip(boxSize - header.size());
        Collect(8);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_mov()
{
    return std::make_unique<Parser_mov>();
}

}
