#pragma once
#include <cstddef>
#include <cstdint>

namespace Utils {

// Where recovered bytes go: a file on the target disk or a caller's buffer.
class DataWriter {
public:
    virtual ~DataWriter() = default;
    // Appends size bytes; throws on failure.
    virtual void Write(const char* data, size_t size) = 0;
    // Pushes buffered bytes out; throws on failure.
    virtual void Flush() = 0;
    // Ends the output. Some file systems report write errors only here, so a
    // file counts as written only after Close returned.
    virtual void Close() {}
    // Bytes this writer still takes before it is full; a producer that decodes
    // may stop there (a preview wants only the first bytes of a file).
    virtual uint64_t Room() const { return UINT64_MAX; }
};

}
