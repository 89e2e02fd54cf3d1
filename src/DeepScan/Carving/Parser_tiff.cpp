#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace Carving {
namespace {

constexpr uint16_t tagMake = 271;
constexpr uint16_t tagSubIfds = 330;
constexpr uint16_t tagExifIfd = 34665;
constexpr uint16_t tagIfd33424 = 33424;
// Offset tag and byte-count tag of each extent a TIFF may end with.
constexpr std::pair<uint16_t, uint16_t> extentPairs[] = {
    {273, 279}, {324, 325}, {513, 514}, {48320, 48321}, {48322, 48323},
};
// Caps on what a damaged file can make the parser hold.
constexpr size_t maxPending = 4096;
constexpr uint64_t maxValues = 1u << 20;
// All values kept at once, over every array not yet paired.
constexpr uint64_t maxKeptValues = 4u << 20;
constexpr size_t maxMakeBytes = 256;
// More entries than any writer puts in one IFD.
constexpr uint64_t maxEntries = 4096;

uint32_t TypeSize(uint16_t type)
{
    switch (type) {
    case 1: case 2: case 6: case 7: return 1;
    case 3: case 8: return 2;
    case 4: case 9: case 11: case 13: return 4;
    case 5: case 10: case 12: return 8;
    default: return 0;
    }
}

bool IsExtentTag(uint16_t tag)
{
    for (const auto& [offsetTag, countTag] : extentPairs)
        if (tag == offsetTag || tag == countTag)
            return true;
    return false;
}

int32_t MakerType(std::string_view text)
{
    if (text.find("NIKON CORPORATION") != std::string_view::npos)
        return 9;
    if (text.find("FUJIFILM") != std::string_view::npos)
        return 8;
    if (text.find("SONY") != std::string_view::npos)
        return 10;
    return -1;
}

// Walks IFDs and the value arrays they point to in stream order; the file ends
// at the largest end of any structure or image extent they name.
class Parser_tiff : public StreamParser {
    struct Pending {
        enum class Kind { Ifd, Values } kind = Kind::Ifd;
        uint32_t ifd = 0;
        uint16_t tag = 0;
        uint16_t type = 0;
        uint64_t count = 0;
    };

    bool littleEndian = true;
    std::multimap<uint64_t, Pending> pending;
    uint32_t ifdCount = 0;
    // Values of extent and Make tags by (IFD number, tag).
    std::map<std::pair<uint32_t, uint16_t>, std::vector<uint64_t>> values;
    uint64_t keptValues = 0;
    std::string make;
    // The array being collected value by value.
    Pending current;
    uint64_t valuesLeft = 0;
    std::vector<uint64_t> collecting;

    uint64_t U16(std::span<const uint8_t> b, size_t at) const { return littleEndian ? LE16(b, at) : BE16(b, at); }
    uint64_t U32(std::span<const uint8_t> b, size_t at) const { return littleEndian ? LE32(b, at) : BE32(b, at); }
    uint64_t Value(std::span<const uint8_t> b, size_t at, uint32_t size) const
    {
        return size == 2 ? U16(b, at) : size == 1 ? b[at] : U32(b, at);
    }

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < 8)
            return Finish(false);
        if (HasText(first, 0, "II"))
            littleEndian = true;
        else if (HasText(first, 0, "MM"))
            littleEndian = false;
        else
            return Finish(false);
        const uint64_t ifd0 = U32(first, 4);
        if (U16(first, 2) != 42 || ifd0 < 8)
            return Finish(false);
        if (ifd0 - 8 > 512) {
            const std::string_view text(reinterpret_cast<const char*>(first.data()), first.size());
            if (const int32_t maker = MakerType(text); maker >= 0)
                info.typeId = maker;
        }
        if (HasText(first, 8, "CR"))
            info.typeId = 6;
        if (!Grow(info, 8))
            return Finish(false);
        Skip(8);
        Queue(info, ifd0, {Pending::Kind::Ifd});
        Next(info);
    }

    void Queue(const ST_FileInfo& info, uint64_t offset, Pending item)
    {
        if (offset < Position() || offset >= info.volumeBytes || pending.size() >= maxPending)
            return;
        pending.emplace(offset, item);
    }

    // Goes to the next pending structure ahead of the stream, or ends.
    void Next(ST_FileInfo& info)
    {
        while (!pending.empty() && pending.begin()->first < Position())
            pending.erase(pending.begin());
        if (pending.empty())
            return Finish(ifdCount != 0);
        const auto [offset, item] = *pending.begin();
        pending.erase(pending.begin());
        Skip(offset - Position());
        current = item;
        if (item.kind == Pending::Kind::Ifd)
            return Collect(2);
        valuesLeft = item.count;
        collecting.clear();
        Collect(TypeSize(item.type));
    }

    // Raises the size to an end; an end past the volume ends the file where it is.
    bool Raise(ST_FileInfo& info, uint64_t end)
    {
        if (RaiseTo(info, end))
            return true;
        finished = true;
        Finish(ifdCount != 0);
        return false;
    }

    void Collected(ST_FileInfo& info) override
    {
        if (current.kind == Pending::Kind::Ifd)
            return IfdCollected(info);
        const uint32_t size = TypeSize(current.type);
        if (collecting.size() < maxValues)
            collecting.push_back(Value(header, 0, size));
        if (--valuesLeft > 0)
            return Collect(size);
        Store(info, current.ifd, current.tag, std::move(collecting));
        collecting = {};
        if (!IsFinished())
            Next(info);
    }

    bool finished = false;
    bool IsFinished() const { return finished; }

    void IfdCollected(ST_FileInfo& info)
    {
        const uint64_t entries = U16(header, 0);
        // Bytes a damaged offset points at are rarely an IFD: such an IFD and
        // all it names are not part of the file.
        if (entries == 0 || entries > maxEntries)
            return Next(info);
        const size_t length = 2 + 12 * entries + 4;
        if (header.size() < length)
            return CollectTo(length);
        uint64_t unknownTypes = 0;
        for (uint64_t i = 0; i < entries; ++i)
            unknownTypes += TypeSize(static_cast<uint16_t>(U16(header, 2 + 12 * i + 2))) == 0;
        if (unknownTypes > entries / 4)
            return Next(info);
        const uint64_t ifdStart = Position() - length;
        if (!Raise(info, ifdStart + length))
            return;
        const uint32_t ifd = ifdCount++;
        for (uint64_t i = 0; i < entries && !finished; ++i)
            Entry(info, ifd, header, 2 + 12 * i);
        if (finished)
            return;
        if (const uint64_t nextIfd = U32(header, 2 + 12 * entries); nextIfd != 0)
            Queue(info, nextIfd, {Pending::Kind::Ifd});
        Next(info);
    }

    void Entry(ST_FileInfo& info, uint32_t ifd, std::span<const uint8_t> bytes, size_t at)
    {
        const uint16_t tag = static_cast<uint16_t>(U16(bytes, at));
        const uint16_t type = static_cast<uint16_t>(U16(bytes, at + 2));
        const uint64_t count = U32(bytes, at + 4);
        const uint32_t size = TypeSize(type);
        if (size == 0 || count == 0)
            return;
        const uint64_t length = count * size;
        const bool inlineValue = length <= 4;
        const uint64_t offset = U32(bytes, at + 8);
        if (!inlineValue && offset + length != 0 && !Raise(info, offset + length))
            return;
        const bool wanted = IsExtentTag(tag) || tag == tagMake || tag == tagSubIfds || tag == tagExifIfd ||
                            tag == tagIfd33424;
        if (!wanted)
            return;
        if (inlineValue) {
            std::vector<uint64_t> inlineValues;
            for (uint64_t i = 0; i < count; ++i)
                inlineValues.push_back(Value(bytes, at + 8 + i * size, size));
            Store(info, ifd, tag, std::move(inlineValues));
        } else if (length / size == count && count <= UINT32_MAX) {
            Queue(info, offset, {Pending::Kind::Values, ifd, tag, type, count});
        }
    }

    void Store(ST_FileInfo& info, uint32_t ifd, uint16_t tag, std::vector<uint64_t> list)
    {
        if (tag == tagMake) {
            for (uint64_t v : list)
                if (make.size() < maxMakeBytes)
                    make.push_back(static_cast<char>(v));
            if (const int32_t maker = MakerType(make); maker >= 0)
                info.typeId = maker;
            return;
        }
        if (tag == tagSubIfds || tag == tagExifIfd || tag == tagIfd33424) {
            for (uint64_t v : list)
                Queue(info, v, {Pending::Kind::Ifd});
            return;
        }
        if (keptValues + list.size() > maxKeptValues)
            return;
        keptValues += list.size();
        values[{ifd, tag}] = std::move(list);
        for (const auto& [offsetTag, countTag] : extentPairs) {
            if (tag != offsetTag && tag != countTag)
                continue;
            const auto offsets = values.find({ifd, offsetTag});
            const auto counts = values.find({ifd, countTag});
            if (offsets == values.end() || counts == values.end())
                return;
            const size_t n = std::min(offsets->second.size(), counts->second.size());
            for (size_t i = 0; i < n; ++i) {
                if (offsets->second[i] == 0xFFFFFFFF)
                    continue;
                if (!Raise(info, offsets->second[i] + counts->second[i]))
                    return;
            }
            keptValues -= offsets->second.size() + counts->second.size();
            values.erase(offsets);
            values.erase(counts);
            return;
        }
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_tiff()
{
    return std::make_unique<Parser_tiff>();
}

}
