#include "DeepScan/CarveRunner.h"

#include "DeepScan/Carving/SignatureTable.h"

#include <algorithm>

namespace DeepScan {

constexpr uint64_t blockSize = 512;

CarveRunner::CarveRunner(uint64_t volumeLength, bool oneAtATime) : volumeLength(volumeLength), oneAtATime(oneAtATime)
{
}

CarveRunner::~CarveRunner() = default;

bool CarveRunner::Give(Carve& carve, std::span<const uint8_t> bytes)
{
    const ParseResult result = carve.parser->Parse(bytes, carve.info);
    if (result.keepGoing)
        return true;
    if (result.valid && carve.info.size != 0 && TypeExtension(carve.info.typeId))
        finished.emplace(carve.info.startOffset, CarvedFile{carve.info.typeId, carve.info.startOffset, carve.info.size});
    if (oneAtATime) {
        const uint64_t end = carve.info.startOffset + carve.info.size;
        resumeAt = std::max(resumeAt, std::max(carve.info.startOffset + blockSize,
                                               (end + blockSize - 1) / blockSize * blockSize));
    }
    return false;
}

uint64_t CarveRunner::Unseen() const
{
    if (running.empty())
        return 0;
    uint64_t unseen = UINT64_MAX;
    for (const auto& carve : running)
        unseen = std::min(unseen, carve.parser->Unseen());
    return unseen;
}

void CarveRunner::PassOver(uint64_t count)
{
    for (auto& carve : running)
        carve.parser->PassOver(count);
}

void CarveRunner::FeedRunning(std::span<const uint8_t> bytes)
{
    std::erase_if(running, [&](Carve& carve) { return !Give(carve, bytes); });
}

void CarveRunner::Feed(uint64_t offset, std::span<const uint8_t> bytes, const std::vector<bool>& startAllowed)
{
    FeedRunning(bytes);
    const auto& table = SignatureTable::Instance();
    for (size_t at = 0; at < bytes.size(); at += blockSize) {
        const uint64_t position = offset + at;
        if (!startAllowed.empty() && (at / blockSize >= startAllowed.size() || !startAllowed[at / blockSize]))
            continue;
        if (oneAtATime && (!running.empty() || position < resumeAt))
            continue;
        const auto block = bytes.subspan(at, std::min<size_t>(blockSize, bytes.size() - at));
        const auto typeId = table.Match(block);
        if (!typeId)
            continue;
        Carve carve{CreateDataTypeParser(*typeId), {*typeId, position, 0, volumeLength - position}};
        if (!carve.parser)
            continue;
        if (!Give(carve, block))
            continue;
        if (at + block.size() < bytes.size() && !Give(carve, bytes.subspan(at + block.size())))
            continue;
        running.push_back(std::move(carve));
    }
}

std::vector<CarvedFile> CarveRunner::TakeReady()
{
    uint64_t earliest = UINT64_MAX;
    for (const auto& carve : running)
        earliest = std::min(earliest, carve.info.startOffset);
    std::vector<CarvedFile> ready;
    while (!finished.empty() && finished.begin()->first < earliest) {
        ready.push_back(finished.begin()->second);
        finished.erase(finished.begin());
    }
    return ready;
}

std::vector<CarvedFile> CarveRunner::Finish()
{
    running.clear();
    return TakeReady();
}

}
