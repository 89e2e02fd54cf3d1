#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Checksums.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <set>

namespace Carving {
namespace {

constexpr size_t pageHeader = 27;
// The longest page: 255 segments of 255 bytes.
constexpr size_t longestPage = pageHeader + 255 + 255 * 255;
constexpr uint8_t beginsStream = 0x02;
constexpr uint8_t endsStream = 0x04;
constexpr uint64_t blockSize = 512;

// Ogg pages, from a beginning-of-stream page until bytes that are not a page
// of its streams. Each page is held against its CRC, so a damaged length
// cannot carry the file into the bytes after it.
class Parser_ogg : public StreamParser {
    // Streams begun and not yet ended, by serial number.
    std::set<uint32_t> open;
    bool anyEnded = false;
    // The page being read: its length by its own segment table.
    size_t pageLength = 0;
    bool repairing = false;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < pageHeader || !(first[5] & beginsStream))
            return Finish(false);
        Collect(4);
    }

    void End(const ST_FileInfo& info) { Finish(info.size != 0); }

    void Collected(ST_FileInfo& info) override
    {
        if (repairing)
            return Repair(info);
        if (header.size() == 4) {
            if (!HasText(header, 0, "OggS"))
                return End(info);
            // All streams ended: a page starting a block is the next file's.
            if (anyEnded && open.empty() && (Position() - 4) % blockSize == 0)
                return End(info);
            return CollectTo(pageHeader);
        }
        const size_t segments = header[26];
        if (segments == 0 || header[4] != 0)
            return End(info);
        if (header.size() < pageHeader + segments)
            return CollectTo(pageHeader + segments);
        if (pageLength == 0) {
            pageLength = pageHeader + segments;
            for (size_t i = pageHeader; i < pageHeader + segments; ++i)
                pageLength += header[i];
            if (PageStart() + pageLength > info.volumeBytes)
                return End(info);
            return CollectTo(pageLength);
        }
        if (Checksum(header, pageLength, header[26]))
            return Accept(info);
        // A damaged page: read as much as the longest page (and the capture
        // pattern after it) to find which segment count its CRC holds.
        repairing = true;
        CollectTo(static_cast<size_t>(std::min<uint64_t>(longestPage + 4, info.volumeBytes - PageStart())));
    }

    uint64_t PageStart() const { return Position() - header.size(); }

    // Whether the first length bytes of page, with segments as its count, match its CRC.
    static bool Checksum(std::span<const uint8_t> page, size_t length, uint8_t segments)
    {
        if (length > page.size())
            return false;
        uint8_t head[pageHeader];
        std::copy_n(page.begin(), pageHeader, head);
        std::fill_n(head + 22, 4, 0);
        head[26] = segments;
        const uint32_t crc = OggCrc(page.subspan(pageHeader, length - pageHeader), OggCrc(head));
        return crc == LE32(page, 22);
    }

    void Repair(ST_FileInfo& info)
    {
        repairing = false;
        const std::span<const uint8_t> page(header);
        // The segment count the CRC was made with.
        for (size_t segments = 1; segments <= 255; ++segments) {
            size_t length = pageHeader + segments;
            for (size_t i = pageHeader; i < pageHeader + segments && i < page.size(); ++i)
                length += page[i];
            if (segments != page[26] && Checksum(page, length, static_cast<uint8_t>(segments))) {
                pageLength = length;
                return Accept(info);
            }
        }
        // Damaged data with its structure whole: the next page follows where this one ends.
        if (HasText(page, pageLength, "OggS"))
            return Accept(info);
        End(info);
    }

    void Accept(ST_FileInfo& info)
    {
        const uint8_t flags = header[5];
        const uint32_t serial = LE32(header, 14);
        // A page of a stream that never began is some other file's.
        if (flags & beginsStream)
            open.insert(serial);
        else if (!open.count(serial))
            return End(info);
        if (flags & endsStream) {
            open.erase(serial);
            anyEnded = true;
        }
        if (!Grow(info, pageLength))
            return End(info);
        // Bytes read past the page to repair it belong to what follows.
        GiveBack(header.size() - pageLength);
        pageLength = 0;
        Collect(4);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_ogg()
{
    return std::make_unique<Parser_ogg>();
}

}
