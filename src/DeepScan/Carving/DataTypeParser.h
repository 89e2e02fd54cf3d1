#pragma once
// The contract of a carving parser: it is handed a file's bytes in order, one
// span at a time, grows the file's size as it accepts data and answers whether
// it wants more and whether what it saw is a whole, well-formed file.
#include <cstdint>
#include <memory>
#include <span>

// One file being carved.
struct ST_FileInfo {
    int32_t typeId = -1;
    // Volume-relative offset of the 512-byte block in which the signature matched.
    uint64_t startOffset = 0;
    // Bytes accepted so far, counted from startOffset.
    uint64_t size = 0;
    // Bytes the volume holds from startOffset on: no size may pass it.
    uint64_t volumeBytes = 0;
};

struct ParseResult {
    bool keepGoing = false;
    bool valid = false;
};

class IDataTypeParser {
public:
    virtual ~IDataTypeParser() = default;
    // The first span is the block of the signature; later spans may have any
    // length. After keepGoing false the parser is not called again.
    virtual ParseResult Parse(std::span<const uint8_t> block, ST_FileInfo& info) = 0;
    // How many of the next bytes the parser will pass over without looking at
    // them (0: it looks at the next one).
    virtual uint64_t Unseen() const { return 0; }
    // Counts count bytes, fewer than Unseen(), as handed over: nobody needs to read them.
    virtual void PassOver(uint64_t count) {}
};

// Null when the type id has no parser.
std::unique_ptr<IDataTypeParser> CreateDataTypeParser(int32_t typeId);
