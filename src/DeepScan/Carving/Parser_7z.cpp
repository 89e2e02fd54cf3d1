#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Checksums.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <array>

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
        std::array<uint8_t, 20> fields;
        std::copy_n(first.begin() + 12, fields.size(), fields.begin());
        const bool whole = Crc32(fields) == LE32(first, 8) || RepairByte(fields, LE32(first, 8));
        const uint64_t offset = LE64(fields, 0);
        const uint64_t size = LE64(fields, 8);
        if (size == 0 || offset > maxField || size > maxField)
            return Finish(false);
        const uint64_t end = 32 + offset + size;
        if (end > maxArchive)
            return Finish(false);
        if (whole)
            return Finish(RaiseTo(info, end));
        // Damaged past repair: the end is a guess, which the next file cuts short.
        EndBeforeNextFile(end, true);
    }

    // A single damaged byte of the offset or size, found again by the CRC.
    static bool RepairByte(std::array<uint8_t, 20>& fields, uint32_t crc)
    {
        for (size_t at = 0; at < 16; ++at) {
            const uint8_t kept = fields[at];
            for (unsigned value = 0; value < 256; ++value) {
                fields[at] = static_cast<uint8_t>(value);
                if (value != kept && Crc32(fields) == crc)
                    return true;
            }
            fields[at] = kept;
        }
        return false;
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_7z()
{
    return std::make_unique<Parser_7z>();
}

}
