#pragma once
// Feeds a byte image to the parser its signature selects, the way the
// carving engine does: the signature block first, then later spans.
#include "DeepScan/Carving/DataTypeParser.h"

#include <cstdint>
#include <vector>

namespace CarvingTest {

struct Outcome {
    bool matched = false;
    bool finished = false;
    bool valid = false;
    ST_FileInfo info;
};

// Carves volume[from, end): after the 512-byte signature block one span of
// phase bytes (none when 0), then spans of step bytes.
Outcome Carve(const std::vector<uint8_t>& volume, uint64_t from, size_t step = 512, size_t phase = 0);

// Random bytes from a fixed seed.
std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed);

}
