#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// RealMedia chunks of ID and size, until an ID it does not know.
class Parser_rmvb : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override { Collect(8); }

    void Collected(ST_FileInfo& info) override
    {
        static constexpr std::string_view ids[] = {".RMF", "PROP", "MDPR", "CONT", "DATA", "INDX"};
        bool known = false;
        for (auto id : ids)
            known = known || HasText(header, 0, id);
        if (!known)
            return Finish(info.size != 0);
        const uint64_t size = BE32(header, 4);
        if (size < 8)
            return Finish(false);
        if (!Grow(info, size))
            return Finish(info.size != 0);
        Skip(size - 8);
        Collect(8);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_rmvb()
{
    return std::make_unique<Parser_rmvb>();
}

}
