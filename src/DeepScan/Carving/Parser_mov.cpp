#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// Top-level box types of ISO base media and QuickTime files.
bool KnownTopLevelBox(std::span<const uint8_t> type)
{
    static constexpr std::string_view known[] = {"ftyp", "moov", "mdat", "free", "skip", "wide", "uuid", "meta",
                                                 "moof", "mfra", "pdin", "styp", "sidx", "ssix", "prft", "emsg",
                                                 "pnot", "PICT", "junk", "udta"};
    for (auto name : known)
        if (HasText(type, 0, name))
            return true;
    return false;
}

// ISO base media boxes, one after another, until the bytes stop looking like a box.
class Parser_mov : public StreamParser {
    bool movieSeen = false;
    bool dataSeen = false;

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
        // Once the file has its layout and its data, only a box of a known type continues it.
        if (movieSeen && dataSeen && !KnownTopLevelBox(std::span<const uint8_t>(header).subspan(4, 4)))
            return Finish(true);
        if (size32 == 1 && header.size() < 16)
            return CollectTo(16);
        const uint64_t boxSize = size32 == 1 ? BE64(header, 8) : size32;
        if (boxSize < header.size())
            return Finish(false);
        // A box running past the volume's end: the file ended before it.
        if (!Grow(info, boxSize))
            return Finish(info.size != 0);
        // A picture (HEIC, AVIF) keeps in "meta" what a movie keeps in "moov".
        movieSeen = movieSeen || HasText(header, 4, "moov") || HasText(header, 4, "meta");
        dataSeen = dataSeen || HasText(header, 4, "mdat");
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
