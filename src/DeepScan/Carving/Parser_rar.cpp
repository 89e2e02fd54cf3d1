#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/SharedTables.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// The archive ends with the end-of-archive record of its version.
class Parser_rar : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (HasText(first, 0, std::string_view("Rar!\x1A\x07\x00", 7)))
            return Search(std::string(rar4EndMarker));
        if (HasText(first, 0, std::string_view("Rar!\x1A\x07\x01\x00", 8)))
            return Search(std::string(rar5EndMarker));
        Finish(false);
    }

    void Found(ST_FileInfo& info, uint64_t matchStart) override
    {
        Finish(RaiseTo(info, matchStart + header.size()));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_rar()
{
    return std::make_unique<Parser_rar>();
}

}
