#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

uint64_t ColourTableBytes(uint8_t packed)
{
    return (packed & 0x80) ? 3ull << ((packed & 7) + 1) : 0;
}

// Blocks after the screen descriptor: extensions and images made of
// sub-blocks, up to the trailer.
class Parser_gif : public StreamParser {
    enum class Step { Dispatch, ExtensionLabel, Descriptor, CodeSize, SubBlock };
    Step step = Step::Dispatch;
    // What a sub-block chain's terminator adds: 3 for an extension, 2 for image data.
    uint64_t terminatorBytes = 0;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 13)
            return Finish(false);
        const uint64_t table = ColourTableBytes(first[10]);
        if (!Grow(info, 13 + table))
            return Finish(false);
        Skip(13 + table);
        Collect(1);
    }

    void Collected(ST_FileInfo& info) override
    {
        switch (step) {
        case Step::Dispatch:
            if (header[0] == 0x21) {
                step = Step::ExtensionLabel;
                return CollectTo(2);
            }
            if (header[0] == 0x2C) {
                step = Step::Descriptor;
                return CollectTo(10);
            }
            if (header[0] == 0x3B)
                return Finish(Grow(info, 1));
            return Finish(false);
        case Step::ExtensionLabel:
            terminatorBytes = 3;
            step = Step::SubBlock;
            return Collect(1);
        case Step::Descriptor: {
            const uint64_t table = ColourTableBytes(header[9]);
            if (!Grow(info, 10 + table))
                return Finish(false);
            Skip(table);
            step = Step::CodeSize;
            return Collect(1);
        }
        case Step::CodeSize:
            terminatorBytes = 2;
            step = Step::SubBlock;
            return Collect(1);
        case Step::SubBlock:
            if (header[0] == 0) {
                if (!Grow(info, terminatorBytes))
                    return Finish(false);
                step = Step::Dispatch;
                return Collect(1);
            }
            if (!Grow(info, header[0] + 1u))
                return Finish(false);
            Skip(header[0]);
            return Collect(1);
        }
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_gif()
{
    return std::make_unique<Parser_gif>();
}

}
