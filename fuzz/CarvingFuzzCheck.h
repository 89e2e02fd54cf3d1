#pragma once
// The properties every carving parser keeps on any input: it never reads
// outside its spans (each is a heap buffer of exactly its length), the size
// never shrinks or passes the volume's bytes, stopping is final, and cutting
// the bytes after the first block differently gives the same answer.
// Shared by the libFuzzer targets and the corpus replay test.
#include "DeepScan/Carving/DataTypeParser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace CarvingFuzz {

struct Answer {
    bool finished = false;
    bool valid = false;
    int32_t typeId = -1;
    uint64_t start = 0;
    uint64_t size = 0;
    bool operator==(const Answer&) const = default;
};

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "carving property broken: %s\n", what);
    std::abort();
}

inline Answer Run(int32_t typeId, const uint8_t* data, size_t size, size_t step)
{
    Answer answer;
    auto parser = CreateDataTypeParser(typeId);
    if (!parser || size == 0)
        return answer;
    // Far enough into the volume for an ISO image's system area.
    ST_FileInfo info{typeId, 1 << 20, 0, size};
    size_t at = 0;
    size_t length = std::min<size_t>(512, size);
    for (;;) {
        const std::vector<uint8_t> span(data + at, data + at + length);
        const uint64_t before = info.size;
        const ParseResult result = parser->Parse(span, info);
        if (info.size < before)
            Fail("size shrank");
        if (info.size > info.volumeBytes)
            Fail("size passed the volume's bytes");
        if (!result.keepGoing) {
            const ST_FileInfo kept = info;
            const ParseResult again = parser->Parse(span, info);
            if (again.keepGoing || again.valid != result.valid || info.size != kept.size)
                Fail("a stopped parser changed its answer");
            return {true, result.valid, info.typeId, info.startOffset, info.size};
        }
        at += length;
        if (at >= size)
            return {false, false, info.typeId, info.startOffset, info.size};
        length = std::min(step, size - at);
    }
}

inline void Check(int32_t typeId, const uint8_t* data, size_t size)
{
    const Answer blocks = Run(typeId, data, size, 512);
    const Answer pages = Run(typeId, data, size, 4096);
    if (!(blocks == pages))
        Fail("the answer depends on where spans end");
}

}
