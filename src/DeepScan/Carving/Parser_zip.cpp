#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/SharedTables.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace Carving {
namespace {

constexpr uint32_t unknown32 = 0xFFFFFFFF;

// ZIP records in order up to the end of the central directory. Members of
// unknown length (streamed, flag bit 3) end at their data descriptor.
class Parser_zip : public StreamParser {
    uint32_t signature = 0;
    uint32_t fixedLength = 0;
    bool refined = false;
    bool zip64Descriptor = false;
    bool resyncing = false;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 30 || LE16(first, 4) < 10)
            return Finish(false);
        Collect(4);
    }

    void End(const ST_FileInfo& info) { Finish(info.size != 0); }

    void Collected(ST_FileInfo& info) override
    {
        if (header.size() == 4) {
            signature = LE32(header, 0);
            const auto length = ZipHeaderLength(signature);
            if (!length)
                return End(info);
            fixedLength = *length;
            if (signature == zipDataDescriptor && zip64Descriptor)
                fixedLength = 20;
            return CollectTo(4 + fixedLength);
        }
        switch (signature) {
        case zipLocalHeader:
            return LocalHeader(info);
        case zipCentralHeader:
            return CentralHeader(info);
        case zipDigitalSignature:
            return Record(info, LE16(header, 4));
        case zipEndOfCentralDirectory: {
            if (!Grow(info, 4 + fixedLength))
                return End(info);
            // The comment's length is checked by nothing, and a comment holds
            // no file: one that starts inside it is the next file.
            const uint64_t comment = LE16(header, 4 + 16);
            return EndBeforeNextFile(std::min(Position() + comment, info.volumeBytes), true);
        }
        case zip64EndOfCentralDirectory:
            return Record(info, LE64(header, 4));
        default:
            zip64Descriptor = false;
            return Record(info, 0);
        }
    }

    // Adds a record of the fixed part and skip bytes, then reads the next one.
    void Record(ST_FileInfo& info, uint64_t skip)
    {
        if (skip > UINT64_MAX - 64 || !Grow(info, 4 + fixedLength + skip))
            return End(info);
        Skip(skip);
        Collect(4);
    }

    // A central directory header's name, extra field and comment, then the
    // next record's signature. Damaged lengths put something else there: the
    // next record is then searched for, up to where those lengths could
    // reach, and a known file starting first ends the archive.
    void CentralHeader(ST_FileInfo& info)
    {
        const size_t fixedEnd = 4 + fixedLength;
        const size_t variable = size_t{LE16(header, 4 + 24)} + LE16(header, 4 + 26) + LE16(header, 4 + 28);
        const uint64_t recordStart = Position() - header.size();
        const uint64_t wantedBytes = std::min<uint64_t>(fixedEnd + variable + 4, info.volumeBytes - recordStart);
        if (header.size() < wantedBytes)
            return CollectTo(static_cast<size_t>(wantedBytes));
        const auto next = header.size() == fixedEnd + variable + 4 ? ZipHeaderLength(LE32(header, fixedEnd + variable))
                                                                   : std::nullopt;
        if (next && LE32(header, fixedEnd + variable) != zipLocalHeader) {
            if (!Grow(info, fixedEnd + variable))
                return End(info);
            GiveBack(4);
            return Collect(4);
        }
        if (!Grow(info, fixedEnd))
            return End(info);
        GiveBack(header.size() - fixedEnd);
        resyncing = true;
        SearchBeforeNextFile({"PK\x01\x02", "PK\x05\x06"},
                             std::min(recordStart + fixedEnd + 3 * 0xFFFF + 4, info.volumeBytes));
    }

    void NotFound(ST_FileInfo& info) override { End(info); }

    void LocalHeader(ST_FileInfo& info)
    {
        const size_t fixedEnd = 4 + 26;
        const uint32_t flags = LE16(header, 4 + 2);
        const uint32_t nameLength = LE16(header, 4 + 22);
        const uint32_t extraLength = LE16(header, 4 + 24);
        if (!refined && (nameLength < 1 || nameLength > 4096))
            return Finish(false);
        if (header.size() < fixedEnd + nameLength + extraLength)
            return CollectTo(fixedEnd + nameLength + extraLength);
        if (!refined)
            Refine(info, std::string_view(reinterpret_cast<const char*>(header.data()) + fixedEnd, nameLength));
        uint64_t compressed = LE32(header, 4 + 14);
        const bool zip64 = compressed == unknown32 || LE32(header, 4 + 18) == unknown32;
        if (zip64) {
            // The real sizes are in the ZIP64 extra field: original, then compressed.
            const auto extra = std::span<const uint8_t>(header).subspan(fixedEnd + nameLength, extraLength);
            bool found = false;
            for (size_t at = 0; at + 4 <= extra.size(); at += 4 + LE16(extra, at + 2)) {
                if (LE16(extra, at) == 0x0001 && LE16(extra, at + 2) >= 16) {
                    compressed = LE64(extra, at + 4 + 8);
                    found = true;
                    break;
                }
            }
            if (!found)
                return Finish(false);
        }
        const uint64_t headerBytes = 4 + 26 + uint64_t{nameLength} + extraLength;
        if ((flags & 8) && compressed == 0) {
            if (!Grow(info, headerBytes))
                return End(info);
            zip64Descriptor = zip64;
            return Search("PK\x07\x08");
        }
        if (compressed > UINT64_MAX - headerBytes || !Grow(info, headerBytes + compressed))
            return End(info);
        Skip(compressed);
        Collect(4);
    }

    void Found(ST_FileInfo& info, uint64_t matchStart) override
    {
        if (!RaiseTo(info, matchStart))
            return End(info);
        // The record found again: its signature is in the header buffer.
        if (std::exchange(resyncing, false))
            return;
        signature = zipDataDescriptor;
        fixedLength = zip64Descriptor ? 20 : 12;
        CollectTo(4 + fixedLength);
    }

    void Refine(ST_FileInfo& info, std::string_view name)
    {
        if (name == "ppt/presentation.xml")
            info.typeId = 38;
        else if (name == "word/document.xml")
            info.typeId = 39;
        else if (name == "xl/workbook.xml")
            info.typeId = 40;
        else
            return;
        refined = true;
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_zip()
{
    return std::make_unique<Parser_zip>();
}

}
