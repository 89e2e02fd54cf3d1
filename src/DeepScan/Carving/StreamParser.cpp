#include "DeepScan/Carving/StreamParser.h"

#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/SignatureTable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

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

namespace {

constexpr uint64_t blockSize = 512;

// Where the file that starts in block (at stream offset at of the file being
// carved) begins, when its signature matches and its parser takes the block.
std::optional<uint64_t> KnownFileStart(std::span<const uint8_t> block, const ST_FileInfo& info, uint64_t at)
{
    const auto typeId = SignatureTable::Instance().Match(block);
    if (!typeId)
        return std::nullopt;
    auto parser = CreateDataTypeParser(*typeId);
    if (!parser)
        return std::nullopt;
    ST_FileInfo other{*typeId, info.startOffset + at, 0, info.volumeBytes - at};
    const ParseResult result = parser->Parse(block, other);
    if (!result.keepGoing && !result.valid)
        return std::nullopt;
    // An ISO image starts 32 KiB before the block of its descriptor.
    if (other.startOffset < info.startOffset)
        return std::nullopt;
    return other.startOffset - info.startOffset;
}

}

void StreamParser::Search(std::string text)
{
    Search(std::vector<std::string>{std::move(text)});
}

void StreamParser::Search(std::vector<std::string> texts, uint64_t limit)
{
    mode = Mode::Search;
    markers = std::move(texts);
    searchLimit = limit;
    searchWatch = false;
    carry.clear();
}

void StreamParser::SearchBeforeNextFile(std::vector<std::string> texts, uint64_t limit)
{
    Search(std::move(texts), limit);
    searchWatch = true;
    watchFrom = Position();
    watchValid = true;
    probeWanted = 0;
    probe.clear();
}

uint64_t StreamParser::NextBlock(uint64_t offset)
{
    return std::max(blockSize, (offset + blockSize - 1) / blockSize * blockSize);
}

bool StreamParser::RunProbe(std::span<const uint8_t> block, size_t& pos)
{
    const size_t take = std::min(probeWanted - probe.size(), block.size() - pos);
    probe.insert(probe.end(), block.begin() + static_cast<ptrdiff_t>(pos),
                 block.begin() + static_cast<ptrdiff_t>(pos + take));
    pos += take;
    consumed += take;
    if (probe.size() < probeWanted)
        return false;
    probeWanted = 0;
    return true;
}

void StreamParser::EndBeforeNextFile(uint64_t end, bool valid)
{
    mode = Mode::Watch;
    watchFrom = Position();
    watchEnd = end;
    watchValid = valid;
    probeWanted = 0;
    probe.clear();
}

void StreamParser::NextFile(ST_FileInfo& info, uint64_t at)
{
    Finish(RaiseTo(info, at) && watchValid);
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
    size_t longest = 0;
    for (const auto& marker : markers)
        longest = std::max(longest, marker.size());
    // The first marker in bytes at or after from (markers never hold one another,
    // so the first to start is the first whole one, however spans are cut).
    auto first = [&](std::span<const uint8_t> bytes, size_t from, size_t& which) {
        size_t best = npos;
        for (size_t i = 0; i < markers.size(); ++i)
            if (const size_t hit = FindBytes(bytes, markers[i], from); hit < best) {
                best = hit;
                which = i;
            }
        return best;
    };
    uint64_t limit = searchLimit;
    if (searchWatch) {
        // Stop at the next block to look at; its bytes are searched after it.
        const uint64_t next = NextBlock(std::max(consumed, lastProbed + 1));
        if (next < info.volumeBytes) {
            if (consumed == next) {
                probeAt = next;
                probeWanted = static_cast<size_t>(std::min(blockSize, info.volumeBytes - next));
                return;
            }
            limit = std::min(limit, next);
        }
    }
    const auto rest = static_cast<size_t>(std::min<uint64_t>(block.size() - pos, limit - consumed));
    block = block.first(pos + rest);
    size_t which = 0;
    size_t hit = npos;
    uint64_t matchStart = 0;
    size_t used = 0;
    // A marker that began in an earlier span: test the carried bytes joined to
    // the first bytes of this one.
    if (!carry.empty()) {
        std::vector<uint8_t> joined(carry);
        const size_t take = std::min(rest, longest - 1);
        joined.insert(joined.end(), block.begin() + static_cast<ptrdiff_t>(pos),
                      block.begin() + static_cast<ptrdiff_t>(pos + take));
        hit = first(joined, 0, which);
        if (hit < carry.size()) {
            used = hit + markers[which].size() - carry.size();
            matchStart = consumed - carry.size() + hit;
        } else {
            hit = npos;
        }
    }
    if (hit == npos) {
        hit = first(block, pos, which);
        if (hit != npos) {
            used = hit + markers[which].size() - pos;
            matchStart = consumed + (hit - pos);
        }
    }
    if (hit != npos) {
        pos += used;
        consumed += used;
        header.assign(markers[which].begin(), markers[which].end());
        carry.clear();
        mode = Mode::Collect;
        wanted = header.size();
        Found(info, matchStart);
        return;
    }
    carry.insert(carry.end(), block.begin() + static_cast<ptrdiff_t>(pos + rest - std::min(rest, longest - 1)),
                 block.end());
    if (carry.size() > longest - 1)
        carry.erase(carry.begin(), carry.end() - static_cast<ptrdiff_t>(longest - 1));
    consumed += rest;
    pos = block.size();
}

void StreamParser::RunWatch(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info)
{
    const uint64_t end = std::min(watchEnd, info.volumeBytes);
    while (pos < block.size() && mode == Mode::Watch) {
        if (probeWanted) {
            if (!RunProbe(block, pos))
                return;
            const auto start = KnownFileStart(probe, info, probeAt);
            probe.clear();
            if (start && *start >= watchFrom)
                return NextFile(info, *start);
            continue;
        }
        // The signature block of the file itself is not looked at.
        const uint64_t next = NextBlock(consumed);
        if (next >= end) {
            if (consumed >= end)
                return;
            const auto take = static_cast<size_t>(std::min<uint64_t>(end - consumed, block.size() - pos));
            pos += take;
            consumed += take;
            continue;
        }
        if (consumed < next) {
            const auto take = static_cast<size_t>(std::min<uint64_t>(next - consumed, block.size() - pos));
            pos += take;
            consumed += take;
            continue;
        }
        probeAt = next;
        probeWanted = static_cast<size_t>(std::min(blockSize, info.volumeBytes - next));
    }
}

void StreamParser::PassOver(uint64_t count)
{
    // Strictly inside the skip, so the step after it still starts in Parse.
    count = std::min(count, skip ? skip - 1 : 0);
    skip -= count;
    consumed += count;
}

void StreamParser::GiveBack(size_t count)
{
    count = std::min(count, header.size());
    giveBack.insert(giveBack.begin(), header.end() - static_cast<ptrdiff_t>(count), header.end());
    header.resize(header.size() - count);
    consumed -= count;
}

void StreamParser::Steps(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info)
{
    while (mode != Mode::Done && giveBack.empty()) {
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
        if (mode == Mode::Search && probeWanted == 0 && consumed >= searchLimit) {
            NotFound(info);
            continue;
        }
        if (mode == Mode::Watch && probeWanted == 0 && consumed >= std::min(watchEnd, info.volumeBytes)) {
            // Past the volume's end the range cannot be whole.
            Finish(RaiseTo(info, watchEnd) && watchValid);
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
        } else if (mode == Mode::Search && probeWanted) {
            if (!RunProbe(block, pos))
                continue;
            if (const auto start = KnownFileStart(probe, info, probeAt); start && *start >= watchFrom)
                NextFile(info, *start);
            if (mode == Mode::Search) {
                // Not the next file: the block is searched like any other bytes.
                lastProbed = probeAt;
                consumed -= probe.size();
                giveBack.insert(giveBack.begin(), probe.begin(), probe.end());
            }
            probe.clear();
        } else if (mode == Mode::Search) {
            RunSearch(block, pos, info);
        } else if (mode == Mode::Watch) {
            RunWatch(block, pos, info);
        }
    }
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
    for (;;) {
        Steps(block, pos, info);
        // Bytes given back are read again before the rest of the span, and
        // before the rest of earlier bytes given back.
        while (!giveBack.empty() && mode != Mode::Done) {
            const std::vector<uint8_t> again = std::exchange(giveBack, {});
            size_t at = 0;
            Steps(again, at, info);
            giveBack.insert(giveBack.end(), again.begin() + static_cast<ptrdiff_t>(at), again.end());
        }
        giveBack.clear();
        if (mode == Mode::Done || pos >= block.size())
            break;
    }
    if (mode == Mode::Done)
        return {false, validResult};
    return {true, false};
}

}
