#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <vector>

namespace Carving {
namespace {

// The header's table of JPEG, CFA header and CFA extents gives the size. A
// file starting inside them, other than at one of their own starts, means a
// damaged table.
class Parser_raf : public StreamParser {
    std::vector<uint64_t> starts;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 108 || !HasText(first, 0, "FUJIFILMCCD-RAW "))
            return Finish(false);
        uint64_t end = 108;
        for (size_t at = 84; at < 108; at += 8) {
            const uint64_t length = BE32(first, at + 4);
            if (length != 0) {
                starts.push_back(BE32(first, at));
                end = std::max(end, BE32(first, at) + length);
            }
        }
        EndBeforeNextFile(end, true);
    }

    void NextFile(ST_FileInfo& info, uint64_t at) override
    {
        if (std::find(starts.begin(), starts.end(), at) == starts.end())
            StreamParser::NextFile(info, at);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_raf()
{
    return std::make_unique<Parser_raf>();
}

}
