#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Checksums.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {
namespace {

constexpr uint64_t maxField = 0x7000000000000000ull;
constexpr uint64_t maxArchive = 0x400000000ull;

// The start header, under its CRC, names where the archive's last structure ends.
class Parser_7z : public StreamParser {
    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 32 || first[6] != 0)
            return Finish(false);
        const uint64_t offset = LE64(first, 12);
        const uint64_t size = LE64(first, 20);
        if (size == 0 || offset > maxField || size > maxField)
            return Finish(false);
        const uint64_t end = 32 + offset + size;
        if (end > maxArchive)
            return Finish(false);
        if (Crc32(first.subspan(12, 20)) == LE32(first, 8))
            return Finish(RaiseTo(info, end));
        // The start header's CRC fails: its end is a guess, which the next file cuts short.
        EndBeforeNextFile(end, true);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_7z()
{
    return std::make_unique<Parser_7z>();
}

}
