#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// A linearized file's /L names its length; any other PDF ends after the line
// end that follows its first %%EOF.
class Parser_pdf : public StreamParser {
    uint64_t markerEnd = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (const size_t linearized = FindBytes(first, "Linearized"); linearized != npos) {
            size_t at = FindBytes(first, "/L", linearized + 10);
            if (at != npos) {
                at += 2;
                while (at < first.size() && (first[at] == ' ' || first[at] == '\t' || first[at] == '\r' ||
                                             first[at] == '\n' || first[at] == '\f' || first[at] == 0))
                    ++at;
                uint64_t length = 0;
                size_t digits = 0;
                for (; at < first.size() && first[at] >= '0' && first[at] <= '9' && digits < 19; ++at, ++digits)
                    length = length * 10 + (first[at] - '0');
                if (length != 0)
                    return Finish(RaiseTo(info, length));
            }
        }
        Search("%%EOF");
    }

    void Found(ST_FileInfo& info, uint64_t matchStart) override
    {
        markerEnd = matchStart + 5;
        Collect(1);
    }

    void Collected(ST_FileInfo& info) override
    {
        if (header.size() == 1 && header[0] == '\r')
            return CollectTo(2);
        if (header[0] == '\n')
            return Finish(RaiseTo(info, markerEnd + 1));
        if (header[0] == '\r')
            return Finish(RaiseTo(info, markerEnd + (header[1] == '\n' ? 2 : 1)));
        // Not the end of a line: %%EOF was part of something else.
        Search("%%EOF");
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_pdf()
{
    return std::make_unique<Parser_pdf>();
}

}
