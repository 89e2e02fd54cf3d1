#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// The FORM chunk's size gives the file's.
class Parser_aiff : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() <= 12 || !HasText(first, 0, "FORM") || !HasText(first, 8, "AIFF"))
            return Finish(false);
        const uint64_t formSize = BE32(first, 4);
        if (formSize <= 12)
            return Finish(false);
        Finish(RaiseTo(info, formSize + 8));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_aiff()
{
    return std::make_unique<Parser_aiff>();
}

}
