#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/ChunkWalker.h"

namespace Carving {
namespace {

// The RIFF header's size, held against the chunks; the form type refines the
// file to AVI, WAVE or WebP.
class Parser_avi : public ChunkWalker {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 12 || !HasText(first, 0, "RIFF"))
            return Finish(false);
        if (HasText(first, 8, "AVI"))
            info.typeId = 15;
        else if (HasText(first, 8, "WAV"))
            info.typeId = 26;
        else if (HasText(first, 8, "WEBP"))
            info.typeId = 11;
        else
            return Finish(false);
        const uint64_t riffSize = LE32(first, 4);
        if (riffSize < 12)
            return Finish(false);
        WalkChunks(riffSize + 8, false);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_avi()
{
    return std::make_unique<Parser_avi>();
}

}
