#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <array>

namespace Carving {
namespace {

using Guid = std::array<uint8_t, 16>;

// A GUID in its text form, stored with its first three fields little-endian.
constexpr Guid MakeGuid(const char (&text)[37])
{
    auto hex = [](char c) -> uint8_t {
        return static_cast<uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    };
    Guid bytes{};
    int digits[32]{};
    for (int i = 0, d = 0; i < 36; ++i)
        if (text[i] != '-')
            digits[d++] = hex(text[i]);
    auto byteAt = [&](int k) { return static_cast<uint8_t>(digits[2 * k] << 4 | digits[2 * k + 1]); };
    constexpr int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < 16; ++i)
        bytes[i] = byteAt(order[i]);
    return bytes;
}

constexpr Guid streamProperties = MakeGuid("B7DC0791-A9B7-11CF-8EE6-00C00C205365");
constexpr Guid audioMedia = MakeGuid("F8699E40-5B4D-11CF-A8FD-00805F5C442B");
constexpr Guid videoMedia = MakeGuid("BC19EFC0-5B4D-11CF-A8FD-00805F5C442B");
constexpr Guid topLevelObjects[] = {
    MakeGuid("75B22630-668E-11CF-A6D9-00AA0062CE6C"), // header
    MakeGuid("75B22636-668E-11CF-A6D9-00AA0062CE6C"), // data
    MakeGuid("33000890-E5B1-11CF-89F4-00A0C90349CB"), // simple index
    MakeGuid("D6E229D3-35DA-11D1-9034-00A0C90349BE"), // index
    MakeGuid("FEB103F8-12AD-4C64-840F-2A1D2F7AD48C"), // media object index
    MakeGuid("3CB73FD0-0C4A-4803-953D-EDF7B6228F0C"), // timecode index
    MakeGuid("8CABDCA1-A947-11CF-8EE4-00C00C205365"), // file properties
    streamProperties,
    MakeGuid("5FBF03B5-A92E-11CF-8EE3-00C00C205365"), // header extension
    MakeGuid("86D15240-311D-11D0-A3A4-00A0C90348F6"), // codec list
    MakeGuid("1EFB1A30-0B62-11D0-A39B-00A0C90348F6"), // script command
    MakeGuid("F487CD01-A951-11CF-8EE6-00C00C205365"), // marker
    MakeGuid("D6E229DC-35DA-11D1-9034-00A0C90349BE"), // bitrate mutual exclusion
    MakeGuid("75B22635-668E-11CF-A6D9-00AA0062CE6C"), // error correction
    MakeGuid("75B22633-668E-11CF-A6D9-00AA0062CE6C"), // content description
    MakeGuid("D2D0A440-E307-11D2-97F0-00A0C95EA850"), // extended content description
    MakeGuid("7BF875CE-468D-11D1-8D82-006097C9A2B2"), // stream bitrate properties
    MakeGuid("2211B3FA-BD23-11D2-B4B7-00A0C955FC6E"), // content branding
    MakeGuid("2211B3FB-BD23-11D2-B4B7-00A0C955FC6E"), // content encryption
    MakeGuid("298AE614-2622-4C17-B935-DAE07EE9289C"), // extended content encryption
    MakeGuid("2211B3FC-BD23-11D2-B4B7-00A0C955FC6E"), // digital signature
    MakeGuid("1806D474-CADF-4509-A4BA-9AABCB96AAE8"), // padding
};

bool GuidAt(std::span<const uint8_t> bytes, size_t at, const Guid& guid)
{
    return bytes.size() >= at + 16 && std::equal(guid.begin(), guid.end(), bytes.begin() + static_cast<ptrdiff_t>(at));
}

// The header object's own objects (for the stream types), then top-level
// objects until an identifier it does not know.
class Parser_asf : public StreamParser {
    uint64_t headerSize = 0;
    uint64_t objectsLeft = 0;
    bool inHeader = true;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 30)
            return Finish(false);
        headerSize = LE64(first, 16);
        objectsLeft = LE32(first, 24);
        if (headerSize < 30 || headerSize > info.volumeBytes)
            return Finish(false);
        Skip(30);
        if (objectsLeft == 0)
            return EndHeader(info);
        Collect(24);
    }

    void EndHeader(ST_FileInfo& info)
    {
        if (Position() > headerSize || !Grow(info, headerSize))
            return Finish(false);
        inHeader = false;
        Skip(headerSize - Position());
        Collect(24);
    }

    void Collected(ST_FileInfo& info) override
    {
        const uint64_t objectSize = LE64(header, 16);
        if (inHeader) {
            if (GuidAt(header, 0, streamProperties) && header.size() < 40)
                return CollectTo(40);
            if (objectSize < header.size() || objectSize > headerSize)
                return Finish(false);
            if (header.size() == 40) {
                if (GuidAt(header, 24, audioMedia) && info.typeId != 22)
                    info.typeId = 28;
                else if (GuidAt(header, 24, videoMedia))
                    info.typeId = 22;
            }
            Skip(objectSize - header.size());
            if (--objectsLeft == 0)
                return EndHeader(info);
            return Collect(24);
        }
        const bool known = std::any_of(std::begin(topLevelObjects), std::end(topLevelObjects),
                                       [&](const Guid& guid) { return GuidAt(header, 0, guid); });
        if (!known)
            return Finish(info.size != 0);
        if (objectSize < 24)
            return Finish(false);
        if (!Grow(info, objectSize))
            return Finish(info.size != 0);
        Skip(objectSize - 24);
        Collect(24);
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_asf()
{
    return std::make_unique<Parser_asf>();
}

}
