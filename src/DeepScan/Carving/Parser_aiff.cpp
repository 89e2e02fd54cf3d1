#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/ChunkWalker.h"

namespace Carving {
namespace {

// The FORM chunk's size, held against the chunks inside it, gives the file's.
class Parser_aiff : public ChunkWalker {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() <= 12 || !HasText(first, 0, "FORM") || !HasText(first, 8, "AIFF"))
            return Finish(false);
        const uint64_t formSize = BE32(first, 4);
        if (formSize <= 12)
            return Finish(false);
        WalkChunks(formSize + 8, true);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_aiff()
{
    return std::make_unique<Parser_aiff>();
}

}
