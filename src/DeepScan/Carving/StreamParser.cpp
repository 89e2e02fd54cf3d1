#include "DeepScan/Carving/StreamParser.h"

#include "DeepScan/Carving/ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace Carving {

size_t FindBytes(std::span<const uint8_t> bytes, std::string_view needle, size_t from)
{
    if (needle.empty() || from > bytes.size() || bytes.size() - from < needle.size())
        return npos;
    const auto first = static_cast<uint8_t>(needle[0]);
    const size_t last = bytes.size() - needle.size();
    for (size_t i = from; i <= last; ++i) {
        const auto* hit = static_cast<const uint8_t*>(std::memchr(bytes.data() + i, first, last - i + 1));
        if (!hit)
            return npos;
        i = static_cast<size_t>(hit - bytes.data());
        if (std::equal(needle.begin(), needle.end(), bytes.begin() + static_cast<ptrdiff_t>(i),
                       [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }))
            return i;
    }
    return npos;
}

void StreamParser::Collect(size_t count)
{
    header.clear();
    CollectTo(count);
}

void StreamParser::CollectTo(size_t count)
{
    mode = Mode::Collect;
    wanted = count;
}

void StreamParser::Search(std::string text)
{
    mode = Mode::Search;
    marker = std::move(text);
    carry.clear();
}

void StreamParser::Finish(bool valid)
{
    mode = Mode::Finish;
    finishValid = valid;
}

bool StreamParser::Grow(ST_FileInfo& info, uint64_t count)
{
    if (count > std::numeric_limits<uint64_t>::max() - info.size || info.size + count > info.volumeBytes)
        return false;
    info.size += count;
    return true;
}

bool StreamParser::RaiseTo(ST_FileInfo& info, uint64_t end)
{
    if (end > info.volumeBytes)
        return false;
    info.size = std::max(info.size, end);
    return true;
}

void StreamParser::RunSearch(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info)
{
    const size_t length = marker.size();
    const size_t rest = block.size() - pos;
    size_t hit = npos;
    uint64_t matchStart = 0;
    size_t used = 0;
    // A marker that began in an earlier span: test the carried bytes joined to
    // the first bytes of this one.
    if (!carry.empty()) {
        std::vector<uint8_t> joined(carry);
        const size_t take = std::min(rest, length - 1);
        joined.insert(joined.end(), block.begin() + static_cast<ptrdiff_t>(pos),
                      block.begin() + static_cast<ptrdiff_t>(pos + take));
        hit = FindBytes(joined, marker);
        if (hit != npos) {
            used = hit + length - carry.size();
            matchStart = consumed - carry.size() + hit;
        }
    }
    if (hit == npos) {
        hit = FindBytes(block, marker, pos);
        if (hit != npos) {
            used = hit + length - pos;
            matchStart = consumed + (hit - pos);
        }
    }
    if (hit != npos) {
        pos += used;
        consumed += used;
        header.assign(marker.begin(), marker.end());
        carry.clear();
        mode = Mode::Collect;
        wanted = header.size();
        Found(info, matchStart);
        return;
    }
    carry.insert(carry.end(), block.begin() + static_cast<ptrdiff_t>(pos + rest - std::min(rest, length - 1)),
                 block.end());
    if (carry.size() > length - 1)
        carry.erase(carry.begin(), carry.end() - static_cast<ptrdiff_t>(length - 1));
    consumed += rest;
    pos = block.size();
}

void StreamParser::PassOver(uint64_t count)
{
    // Strictly inside the skip, so the step after it still starts in Parse.
    count = std::min(count, skip ? skip - 1 : 0);
    skip -= count;
    consumed += count;
}

ParseResult StreamParser::Parse(std::span<const uint8_t> block, ST_FileInfo& info)
{
    if (mode == Mode::Done)
        return {false, validResult};
    size_t pos = 0;
    if (mode == Mode::Begin) {
        mode = Mode::Finish;
        finishValid = false;
        Begin(block, info);
    }
    while (mode != Mode::Done) {
        if (skip > 0) {
            const uint64_t take = std::min<uint64_t>(skip, block.size() - pos);
            skip -= take;
            pos += static_cast<size_t>(take);
            consumed += take;
            if (skip > 0)
                break;
            continue;
        }
        if (mode == Mode::Finish) {
            mode = Mode::Done;
            validResult = finishValid;
            break;
        }
        if (mode == Mode::Collect && header.size() >= wanted) {
            // A step that asks for nothing new still gets its turn.
            Collected(info);
            continue;
        }
        if (pos >= block.size())
            break;
        if (mode == Mode::Collect) {
            const size_t take = std::min(wanted - header.size(), block.size() - pos);
            header.insert(header.end(), block.begin() + static_cast<ptrdiff_t>(pos),
                          block.begin() + static_cast<ptrdiff_t>(pos + take));
            pos += take;
            consumed += take;
            if (header.size() == wanted)
                Collected(info);
        } else if (mode == Mode::Search) {
            RunSearch(block, pos, info);
        }
    }
    if (mode == Mode::Done)
        return {false, validResult};
    return {true, false};
}

}
