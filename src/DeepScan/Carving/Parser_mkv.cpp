#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <bit>

namespace Carving {
namespace {

constexpr uint64_t maxSegment = 0x400000000ull;

// The EBML header element, then the Segment element whose size ends the file.
class Parser_mkv : public StreamParser {
    enum class Step { Id, SizeLength, Size };
    Step step = Step::Id;
    bool segment = false;
    size_t sizeLength = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override { Collect(4); }

    void Collected(ST_FileInfo& info) override
    {
        switch (step) {
        case Step::Id: {
            const uint32_t id = BE32(header, 0);
            if (id != 0x1A45DFA3 && id != 0x18538067)
                return Finish(false);
            segment = id == 0x18538067;
            if (!Grow(info, 4))
                return Finish(false);
            step = Step::SizeLength;
            return Collect(1);
        }
        case Step::SizeLength:
            if (header[0] == 0)
                return Finish(false);
            sizeLength = static_cast<size_t>(std::countl_zero(header[0])) + 1;
            step = Step::Size;
            return CollectTo(sizeLength);
        case Step::Size: {
            uint64_t value = header[0] & (0xFFu >> sizeLength);
            for (size_t i = 1; i < sizeLength; ++i)
                value = (value << 8) | header[i];
            if (!Grow(info, sizeLength))
                return Finish(false);
            if (segment)
                return Finish(value < maxSegment && Grow(info, value) && info.size < maxSegment);
            if (!Grow(info, value))
                return Finish(false);
            Skip(value);
            step = Step::Id;
            return Collect(4);
        }
        }
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_mkv()
{
    return std::make_unique<Parser_mkv>();
}

}
