#pragma once
// The machine every carving parser runs on. A parser looks at the first block
// once, then describes the rest of the file as a sequence of steps over the
// byte stream: skip so many bytes, collect so many into a small header buffer,
// search for a marker, finish. Steps never depend on where spans begin or end,
// so a header or marker that straddles two spans is handled like any other.
#include "DeepScan/Carving/DataTypeParser.h"

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
    // The searched marker was met; it started at stream offset matchStart and
    // has been consumed into the header buffer.
    virtual void Found(ST_FileInfo& info, uint64_t matchStart) {}

    // Steps. Skip comes before the next Collect or Search.
    void Skip(uint64_t count) { skip += count; }
    // Empties the header buffer and asks for count bytes.
    void Collect(size_t count);
    // Keeps the header buffer and asks for it to hold count bytes in all.
    void CollectTo(size_t count);
    // Consumes bytes until marker has been read; carries its last bytes across spans.
    void Search(std::string marker);
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
    enum class Mode { Begin, Collect, Search, Finish, Done };
    void RunSearch(std::span<const uint8_t> block, size_t& pos, ST_FileInfo& info);

    Mode mode = Mode::Begin;
    uint64_t skip = 0;
    uint64_t consumed = 0;
    size_t wanted = 0;
    std::string marker;
    std::vector<uint8_t> carry;
    bool finishValid = false;
    bool validResult = false;
};

}
