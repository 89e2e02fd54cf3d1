#pragma once
// The machine every carving parser runs on. A parser looks at the first block
// once, then describes the rest of the file as a sequence of steps over the
// byte stream: skip so many bytes, collect so many into a small header buffer,
// search for a marker, finish. Steps never depend on where spans begin or end,
// so a header or marker that straddles two spans is handled like any other.
#include "DeepScan/Carving/DataTypeParser.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Carving {

class StreamParser : public IDataTypeParser {
public:
    ParseResult Parse(std::span<const uint8_t> block, ST_FileInfo& info) final;
    uint64_t Unseen() const final { return mode == Mode::Begin || mode == Mode::Done ? 0 : skip; }
    void PassOver(uint64_t count) final;

protected:
    // The signature block, seen whole before any step runs. Sets the first step.
    virtual void Begin(std::span<const uint8_t> first, ST_FileInfo& info) = 0;
    // The header buffer holds the bytes the last Collect asked for.
    virtual void Collected(ST_FileInfo& info) {}
    // A searched marker was met; it started at stream offset matchStart and
    // has been consumed into the header buffer (which tells which one it was).
    virtual void Found(ST_FileInfo& info, uint64_t matchStart) {}
    // A file of a known type starts at stream offset at, inside the range an
    // EndBeforeNextFile or SearchBeforeNextFile step watches. By default the
    // file ends there; a parser that does not finish goes on watching.
    virtual void NextFile(ST_FileInfo& info, uint64_t at);
    // A limited search met its limit. By default the file is not valid.
    virtual void NotFound(ST_FileInfo& info) { Finish(false); }

    // Steps. Skip comes before the next Collect or Search.
    void Skip(uint64_t count) { skip += count; }
    // Empties the header buffer and asks for count bytes.
    void Collect(size_t count);
    // Keeps the header buffer and asks for it to hold count bytes in all.
    void CollectTo(size_t count);
    // Consumes bytes until marker has been read; carries its last bytes across spans.
    void Search(std::string marker);
    // The same for whichever of the markers comes first, giving up (the
    // NotFound hook) where none ends at or before stream offset limit.
    void Search(std::vector<std::string> markers, uint64_t limit = UINT64_MAX);
    // Search, where the format cannot hold another file: a file of a known
    // type starting at a 512-byte block before the marker is met calls the
    // NextFile hook (by default the file ends there, valid).
    void SearchBeforeNextFile(std::vector<std::string> markers, uint64_t limit = UINT64_MAX);
    // The last step where a length cannot be checked by the format itself: the
    // file ends at end (a stream offset), or earlier where a file of a known
    // type starts at a 512-byte block past Position() (the NextFile hook).
    void EndBeforeNextFile(uint64_t end, bool valid);
    // The last count bytes of the header buffer were read too early: they are
    // taken off it and handed to the next steps again.
    void GiveBack(size_t count);
    // Ends the carve once pending skips are done.
    void Finish(bool valid);

    // Adds count to the size unless that overflows or passes the volume's end.
    static bool Grow(ST_FileInfo& info, uint64_t count);
    // Raises the size to end (a file-relative offset) under the same checks.
    static bool RaiseTo(ST_FileInfo& info, uint64_t end);

    // Stream offset (from the file's start) where the next step begins.
    uint64_t Position() const { return consumed + skip; }

    std::vector<uint8_t> header;

private:
    enum class Mode { Begin, Collect, Search, Watch, Finish, Done };
    void RunSearch(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info);
    void RunWatch(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info);
    // Collects the block being looked at; true once it is whole.
    bool RunProbe(std::span<const uint8_t> block, size_t& pos);
    // The next 512-byte block after the file's own first one, at or after offset.
    static uint64_t NextBlock(uint64_t offset);
    // Runs steps over block from pos until it is used up, the carve ends or bytes are given back.
    void Steps(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info);

    Mode mode = Mode::Begin;
    uint64_t skip = 0;
    uint64_t consumed = 0;
    size_t wanted = 0;
    std::vector<std::string> markers;
    uint64_t searchLimit = UINT64_MAX;
    bool searchWatch = false;
    uint64_t lastProbed = 0;
    std::vector<uint8_t> carry;
    std::vector<uint8_t> giveBack;
    // The watched range [watchFrom, watchEnd) and the block being looked at.
    uint64_t watchFrom = 0;
    uint64_t watchEnd = 0;
    bool watchValid = false;
    uint64_t probeAt = 0;
    size_t probeWanted = 0;
    std::vector<uint8_t> probe;
    bool finishValid = false;
    bool validResult = false;
};

}
