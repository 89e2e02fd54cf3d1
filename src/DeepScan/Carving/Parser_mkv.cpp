#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <bit>

namespace Carving {
namespace {

constexpr uint64_t maxSegment = 0x400000000ull;
constexpr uint32_t ebmlHeaderId = 0x1A45DFA3;
constexpr uint32_t segmentId = 0x18538067;

// The elements a segment holds at its top level: seek head, info, tracks,
// cluster, cues, attachments, chapters, tags, void and CRC-32.
bool IsSegmentChild(uint32_t id)
{
    switch (id) {
    case 0x114D9B74: case 0x1549A966: case 0x1654AE6B: case 0x1F43B675: case 0x1C53BB6B:
    case 0x1941A469: case 0x1043A770: case 0x1254C367: case 0xEC: case 0xBF:
        return true;
    default:
        return false;
    }
}

// The EBML header element, then the Segment element whose size ends the file,
// held against the elements inside it.
class Parser_mkv : public StreamParser {
    enum class Step { Id, SizeLength, Size };
    Step step = Step::Id;
    size_t idLength = 0;
    size_t sizeLength = 0;
    bool inSegment = false;
    uint64_t segmentEnd = 0;
    // The end of the segment's last whole element.
    uint64_t walked = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override { Collect(1); }

    void Collected(ST_FileInfo& info) override
    {
        switch (step) {
        case Step::Id:
            idLength = static_cast<size_t>(std::countl_zero(header[0])) + 1;
            if (idLength > 4)
                return NotAnElement(info);
            if (header.size() < idLength)
                return CollectTo(idLength);
            step = Step::SizeLength;
            return CollectTo(idLength + 1);
        case Step::SizeLength:
            if (header[idLength] == 0)
                return NotAnElement(info);
            sizeLength = static_cast<size_t>(std::countl_zero(header[idLength])) + 1;
            step = Step::Size;
            return CollectTo(idLength + sizeLength);
        case Step::Size:
            step = Step::Id;
            return Element(info);
        }
    }

    void Element(ST_FileInfo& info)
    {
        uint32_t id = 0;
        for (size_t i = 0; i < idLength; ++i)
            id = (id << 8) | header[i];
        uint64_t value = header[idLength] & (0xFFu >> sizeLength);
        for (size_t i = 1; i < sizeLength; ++i)
            value = (value << 8) | header[idLength + i];
        const bool unknownSize = value == (uint64_t{1} << (7 * sizeLength)) - 1;
        if (inSegment) {
            if (unknownSize)
                // A live recording's cluster: its end is the segment's word alone.
                return Finish(RaiseTo(info, segmentEnd));
            const uint64_t room = segmentEnd - walked;
            if (!IsSegmentChild(id) || header.size() > room || value > room - header.size())
                return NotAnElement(info);
            walked += header.size() + value;
            if (walked == segmentEnd)
                return Finish(RaiseTo(info, segmentEnd));
            Skip(value);
            return Collect(1);
        }
        if (id != ebmlHeaderId && id != segmentId)
            return Finish(false);
        if (!Grow(info, header.size()))
            return Finish(false);
        if (id == ebmlHeaderId) {
            if (!Grow(info, value))
                return Finish(false);
            Skip(value);
            return Collect(1);
        }
        if (value >= maxSegment || value > info.volumeBytes - info.size || info.size + value >= maxSegment)
            return Finish(false);
        inSegment = true;
        walked = info.size;
        segmentEnd = info.size + value;
        if (walked == segmentEnd)
            return Finish(true);
        Collect(1);
    }

    // Bytes that are no element of the segment where one should start: the
    // segment's size is damaged, or its end is padded.
    void NotAnElement(ST_FileInfo& info)
    {
        if (!inSegment)
            return Finish(false);
        GiveBack(header.size());
        EndBeforeNextFile(segmentEnd, true);
    }

    // The segment's size runs into another file: its elements end the file.
    void NextFile(ST_FileInfo& info, uint64_t at) override { Finish(RaiseTo(info, walked)); }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_mkv()
{
    return std::make_unique<Parser_mkv>();
}

}
