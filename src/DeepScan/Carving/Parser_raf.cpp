#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>

namespace Carving {
namespace {

// The header's table of JPEG, CFA header and CFA extents gives the size.
class Parser_raf : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 108 || !HasText(first, 0, "FUJIFILMCCD-RAW "))
            return Finish(false);
        uint64_t end = 108;
        for (size_t at = 84; at < 108; at += 8) {
            const uint64_t length = BE32(first, at + 4);
            if (length != 0)
                end = std::max(end, BE32(first, at) + length);
        }
        Finish(RaiseTo(info, end));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_raf()
{
    return std::make_unique<Parser_raf>();
}

}
