#include "DeepScan/CarvingHarness.h"

#include "DeepScan/Carving/SignatureTable.h"

#include <algorithm>
#include <random>
#include <span>

namespace CarvingTest {

Outcome Carve(const std::vector<uint8_t>& volume, uint64_t from, size_t step, size_t phase)
{
    Outcome outcome;
    if (from >= volume.size())
        return outcome;
    const std::span<const uint8_t> all(volume);
    const auto first = all.subspan(from, std::min<size_t>(512, volume.size() - from));
    const auto typeId = SignatureTable::Instance().Match(first);
    if (!typeId)
        return outcome;
    auto parser = CreateDataTypeParser(*typeId);
    if (!parser)
        return outcome;
    outcome.matched = true;
    outcome.info.typeId = *typeId;
    outcome.info.startOffset = from;
    outcome.info.volumeBytes = volume.size() - from;
    uint64_t at = from;
    auto span = first;
    for (bool firstSpan = true;; firstSpan = false) {
        const ParseResult result = parser->Parse(span, outcome.info);
        if (!result.keepGoing) {
            outcome.finished = true;
            outcome.valid = result.valid;
            return outcome;
        }
        at += span.size();
        if (at >= volume.size())
            return outcome;
        const size_t length = firstSpan && phase ? phase : step;
        span = all.subspan(at, std::min<size_t>(length, volume.size() - at));
    }
}

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (auto& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

}
