#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

// An MPEG-1 program stream: packs, system headers and PES packets, each led
// by a start code, up to the program end code or the first bytes that are
// not a unit it knows.
class Parser_mpeg : public StreamParser {
    uint8_t code = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        const bool mpeg1Pack = first.size() >= 16 && (first[4] & 0xF1) == 0x21 && (first[6] & 1) &&
                               (first[8] & 1) && (first[9] & 0x80) && (first[11] & 1);
        if (!mpeg1Pack || !(HasText(first, 12, "\x00\x00\x01\xB3") || HasText(first, 12, "\x00\x00\x01\xBB")))
            return Finish(false);
        Collect(4);
    }

    void Collected(ST_FileInfo& info) override
    {
        if (header.size() == 4) {
            if (header[0] != 0 || header[1] != 0 || header[2] != 1)
                return Finish(info.size != 0);
            code = header[3];
            if (code == 0xB9)
                return Finish(Grow(info, 4) || info.size != 0);
            const size_t headerLength = HeaderLength(code);
            if (headerLength == 0)
                return Finish(info.size != 0);
            return CollectTo(headerLength);
        }
        uint64_t length = 0;
        if (code == 0xB3) {
            if (!(header[10] & 0x20))
                return Finish(info.size != 0);
            length = 12;
            if (header[11] & 0x02) {
                // An intra matrix; the non-intra flag moves to its last byte.
                if (header.size() < 76)
                    return CollectTo(76);
                length = (header[75] & 1) ? 140 : 76;
            } else if (header[11] & 0x01) {
                length = 76;
            }
        } else if (code == 0xB5) {
            length = ExtensionLength();
        } else if (code == 0xB8) {
            length = (header[5] & 0x08) ? 8 : 0;
        } else if (code == 0xBA) {
            if ((header[4] & 0xC0) == 0x40) {
                if (header.size() < 14)
                    return CollectTo(14);
                length = 14 + (header[13] & 7);
            } else {
                length = 12;
            }
        } else {
            length = 6 + BE16(header, 4);
        }
        if (length == 0 || length < header.size() || !Grow(info, length))
            return Finish(info.size != 0);
        Skip(length - header.size());
        Collect(4);
    }

    static size_t HeaderLength(uint8_t code)
    {
        if (code == 0xB3)
            return 12;
        if (code == 0xB5)
            return 10;
        if (code == 0xB8 || code == 0xBB || (code >= 0xBD && code <= 0xEF))
            return 6;
        if (code == 0xBA)
            return 12;
        return 0;
    }

    uint64_t ExtensionLength() const
    {
        switch (header[4] >> 4) {
        case 1: return 10;
        case 2: return (header[4] & 1) ? 12 : 9;
        case 8: return (header[8] & 0x40) ? 11 : 9;
        default: return 0;
        }
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_mpeg()
{
    return std::make_unique<Parser_mpeg>();
}

}
