#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

constexpr uint64_t systemArea = 32768;

// The primary volume descriptor, 32 KiB into the image, gives the image's size.
class Parser_iso : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 132 || !HasText(first, 0, "\x01" "CD001"))
            return Finish(false);
        const uint64_t blocks = LE32(first, 80);
        const uint64_t blockSize = LE16(first, 128);
        if (blocks != BE32(first, 84) || blockSize != BE16(first, 130))
            return Finish(false);
        const uint64_t size = blocks * blockSize;
        // A descriptor less than 32 KiB from the volume's start has no image around it.
        if (size <= 33280 || info.startOffset < systemArea)
            return Finish(false);
        if (size > info.volumeBytes + systemArea)
            return Finish(false);
        info.startOffset -= systemArea;
        info.volumeBytes += systemArea;
        info.size = size;
        Finish(true);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_iso()
{
    return std::make_unique<Parser_iso>();
}

}
