#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>

namespace Carving {
namespace {

const std::string endMarker = "%%EOF";
const std::string xrefKeyword = "startxref";
// Bytes read after "startxref": the offset, its line ends and the marker line.
constexpr uint64_t trailerTail = 40;
// A writer may count a few bytes of padding after the last marker in /L.
constexpr uint64_t linearizedPadding = 32;

bool IsSpace(uint8_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == 0;
}

// Bytes of the line end at at (CR LF, LF or CR), 0 when none is there.
size_t LineEnd(std::span<const uint8_t> bytes, size_t at)
{
    if (at < bytes.size() && bytes[at] == '\n')
        return 1;
    if (at < bytes.size() && bytes[at] == '\r')
        return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1;
    return 0;
}

// A PDF ends after the line end that follows its first %%EOF; a linearized
// file's /L names its length, held against where its last %%EOF ends.
class Parser_pdf : public StreamParser {
    uint64_t markerEnd = 0;
    // Linearized: the stated length, and where the last marker found ends.
    uint64_t linearizedLength = 0;
    uint64_t lastEnd = 0;
    bool inTrailer = false;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (const size_t linearized = FindBytes(first, "Linearized"); linearized != npos) {
            size_t at = FindBytes(first, "/L", linearized + 10);
            if (at != npos) {
                at += 2;
                while (at < first.size() && IsSpace(first[at]))
                    ++at;
                uint64_t length = 0;
                size_t digits = 0;
                for (; at < first.size() && first[at] >= '0' && first[at] <= '9' && digits < 19; ++at, ++digits)
                    length = length * 10 + (first[at] - '0');
                if (length != 0) {
                    if (length > info.volumeBytes)
                        return Finish(false);
                    linearizedLength = length;
                    return Search({endMarker}, length);
                }
            }
        }
        SearchEnd();
    }

    void SearchEnd() { Search({endMarker, xrefKeyword}); }

    // The end the file's markers give, with what comes of it.
    void Ended(ST_FileInfo& info, uint64_t end)
    {
        if (linearizedLength == 0)
            return Finish(RaiseTo(info, end));
        lastEnd = end;
        Search({endMarker}, linearizedLength);
    }

    void NotFound(ST_FileInfo& info) override
    {
        // No marker ends at /L: the file ends at its last marker.
        if (lastEnd == 0)
            return Finish(false);
        Finish(RaiseTo(info, lastEnd + linearizedPadding >= linearizedLength ? linearizedLength : lastEnd));
    }

    void Found(ST_FileInfo& info, uint64_t matchStart) override
    {
        if (HasText(header, 0, xrefKeyword)) {
            inTrailer = true;
            return CollectTo(xrefKeyword.size() + std::min(trailerTail, info.volumeBytes - Position()));
        }
        markerEnd = matchStart + endMarker.size();
        Collect(std::min<uint64_t>(1, info.volumeBytes - Position()));
    }

    void Collected(ST_FileInfo& info) override
    {
        if (inTrailer) {
            inTrailer = false;
            return Trailer(info);
        }
        if (header.empty())
            return Ended(info, markerEnd);
        if (header.size() == 1 && header[0] == '\r' && Position() < info.volumeBytes)
            return CollectTo(2);
        if (const size_t eol = LineEnd(header, 0); eol != 0)
            return Ended(info, markerEnd + eol);
        // Not the end of a line: %%EOF was part of something else.
        SearchEnd();
    }

    // "startxref", the offset of the cross-reference section, then the
    // marker. Where the marker's line is damaged, the file still ends after
    // it rather than at some later file's marker.
    void Trailer(ST_FileInfo& info)
    {
        const std::span<const uint8_t> tail(header);
        const uint64_t tailStart = Position() - tail.size();
        size_t at = xrefKeyword.size();
        while (at < tail.size() && IsSpace(tail[at]))
            ++at;
        const size_t digitsStart = at;
        while (at < tail.size() && tail[at] >= '0' && tail[at] <= '9' && at - digitsStart < 20)
            ++at;
        const size_t digits = at - digitsStart;
        while (at < tail.size() && IsSpace(tail[at]) && tail[at] != '\r' && tail[at] != '\n')
            ++at;
        const size_t offsetLineEnd = LineEnd(tail, at);
        if (digits == 0 || offsetLineEnd == 0) {
            if (const size_t marker = FindBytes(tail, endMarker); marker != npos) {
                const size_t eol = LineEnd(tail, marker + endMarker.size());
                return Ended(info, tailStart + marker + endMarker.size() + eol);
            }
            return SearchEnd();
        }
        at += offsetLineEnd;
        if (HasText(tail, at, endMarker)) {
            const size_t eol = LineEnd(tail, at + endMarker.size());
            return Ended(info, tailStart + at + endMarker.size() + eol);
        }
        // A damaged marker line: at most a few bytes, then its line end.
        for (size_t i = at; i < tail.size() && i <= at + endMarker.size() + 2; ++i)
            if (const size_t eol = LineEnd(tail, i); eol != 0)
                return Ended(info, tailStart + i + eol);
        Ended(info, tailStart + at);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_pdf()
{
    return std::make_unique<Parser_pdf>();
}

}
