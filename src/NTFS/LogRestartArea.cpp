#include "NTFS/LogRestartArea.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/UpdateSequence.h"

#include <algorithm>
#include <cstring>

namespace NTFS {

namespace {

constexpr uint32_t restartPageSize = 4096;
constexpr uint32_t headerBytes = 0x30;
constexpr uint32_t dataArea = 0x40;
constexpr uint32_t checkpointLength = 112;
constexpr uint32_t maxClientLength = 8192;

enum LogOperation : uint16_t {
    OpForgetTransaction = 27,
    OpCompensation = 1,
    OpSetBitsInNonresidentBitMap = 21,
    OpClearBitsInNonresidentBitMap = 22,
};

bool IsMagic(const uint8_t* bytes, const char* magic) { return std::memcmp(bytes, magic, 4) == 0; }

}

LogRestartArea::LogRestartArea(std::shared_ptr<Utils::Buffer<uint8_t>> journal) : data(std::move(journal))
{
    if (!data || data->length == 0)
        return;
    // Both restart pages must be whole: a shorter journal is not read past its end.
    if (data->length < 2 * restartPageSize || !IsMagic(data->data, "RSTR") ||
        !IsMagic(data->data + restartPageSize, "RSTR"))
        throw Exceptions::NTFSException("Invalid log file format.");
    const uint8_t* const pagesAt[2] = {data->data, data->data + restartPageSize};
    const uint8_t** areas[2] = {&restartArea1, &restartArea2};
    const uint8_t** clients[2] = {&clientArray1, &clientArray2};
    for (int i = 0; i < 2; ++i) {
        uint8_t* page = data->data + i * restartPageSize;
        ApplyUpdateSequence(page, restartPageSize);
        const uint16_t areaOffset = U16(page, restartPageSize, 0x18);
        if (areaOffset + 0x18u > restartPageSize)
            continue;
        *areas[i] = page + areaOffset;
        const uint16_t clientOffset = U16(page, restartPageSize, areaOffset + 0x16u);
        if (areaOffset + clientOffset < restartPageSize)
            *clients[i] = page + areaOffset + clientOffset;
    }
    restartPage1 = pagesAt[0];
    restartPage2 = pagesAt[1];
}

std::vector<LogTransaction> LogRestartArea::ParseRecordPages()
{
    std::vector<LogTransaction> result;
    if (!restartPage1)
        return result;
    const uint32_t pageSize = U32(restartPage1, restartPageSize, 0x14);
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return result;
    LogTransaction open;
    bool isOpen = false;
    for (uint64_t at = 4ull * pageSize; at + pageSize <= data->length; at += pageSize) {
        if (!IsMagic(data->data + at, "RCRD"))
            continue;
        ApplyUpdateSequence(data->data + at, pageSize);
        ParsePage(at, pageSize, open, isOpen, result);
    }
    return result;
}

const uint8_t* LogRestartArea::ClientData(uint64_t pageOffset, uint32_t pageSize, uint32_t offset, uint32_t length,
                                          bool continues, bool* reassembled)
{
    const uint8_t* page = data->data + pageOffset;
    const uint32_t inPage = pageSize - offset - headerBytes;
    *reassembled = false;
    if (!continues)
        return length <= inPage ? page + offset + headerBytes : nullptr;
    // The rest lies in the next page's data area; a record over more pages than that is not glued.
    const uint64_t next = pageOffset + pageSize;
    if (length <= inPage || length - inPage > pageSize - dataArea || next + pageSize > data->length ||
        !IsMagic(data->data + next, "RCRD"))
        return nullptr;
    ApplyUpdateSequence(data->data + next, pageSize);
    auto& buffer = pages.emplace_back(length, 0);
    std::memcpy(buffer.data(), page + offset + headerBytes, inPage);
    std::memcpy(buffer.data() + inPage, data->data + next + dataArea, length - inPage);
    *reassembled = true;
    return buffer.data();
}

void LogRestartArea::ParsePage(uint64_t pageOffset, uint32_t pageSize, LogTransaction& open, bool& isOpen,
                               std::vector<LogTransaction>& result)
{
    const uint8_t* page = data->data + pageOffset;
    const auto header = [&](int64_t at) { return at >= dataArea && at + headerBytes <= pageSize; };
    const auto pushCheckpoint = [&](const uint8_t* client, uint32_t length, std::vector<uint64_t>& pending) {
        if (length < checkpointLength || U64(client, length, 0) != 1)
            return false;
        for (uint32_t at = 8; at + 8 <= checkpointLength; at += 8) {
            const uint64_t lsn = U64(client, length, at);
            if (lsn == 0)
                break;
            pending.push_back(lsn);
        }
        return true;
    };

    // Backward walk from the page's last LSN: record offsets, strictly decreasing.
    std::vector<int64_t> offsets;
    std::vector<uint64_t> pending;
    uint64_t lsn = U64(page, pageSize, 0x08);
    const uint64_t lastEnd = U64(page, pageSize, 0x20);
    int64_t pos = 0;
    for (uint32_t steps = 0; steps < pageSize / 8; ++steps) {
        if (!pending.empty()) {
            lsn = pending.back();
            pending.pop_back();
        }
        const bool byLsn = lsn != 0;
        if (byLsn) {
            pos = static_cast<int64_t>((lsn * 8) & (pageSize - 1));
        } else {
            if (offsets.empty())
                break;
            pos -= headerBytes + 40; // a header and 40 bytes of client data that end at pos
        }
        if (!header(pos) || (!offsets.empty() && pos >= offsets.back()))
            break;
        const uint8_t* r = page + pos;
        uint32_t length = U32(r, headerBytes, 0x18);
        if (byLsn) {
            if (U64(r, headerBytes, 0x08) == 0 && length == checkpointLength) {
                bool copied = false;
                const bool continues = r[0x28] & 1;
                if (const uint8_t* client = ClientData(pageOffset, pageSize, static_cast<uint32_t>(pos),
                                                       checkpointLength, continues, &copied))
                    pushCheckpoint(client, checkpointLength, pending);
            }
        } else if (!(length == 40 && U64(r, headerBytes, 0) <= lastEnd)) {
            // A checkpoint record of 48 + 112 bytes that would end at the previous record.
            pos -= 72;
            if (!header(pos) || pos + headerBytes + checkpointLength > pageSize)
                break;
            r = page + pos;
            length = U32(r, headerBytes, 0x18);
            if (length != checkpointLength || U64(r, headerBytes, 0) > lastEnd ||
                !pushCheckpoint(r + headerBytes, checkpointLength, pending))
                break;
        }
        lsn = U64(r, headerBytes, 0x08);
        offsets.push_back(pos);
        if (pos <= 152)
            break;
    }

    // Forward pass in increasing offset order.
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it) {
        const uint32_t at = static_cast<uint32_t>(*it);
        const uint8_t* r = page + at;
        const uint32_t length = U32(r, headerBytes, 0x18);
        const bool continues = r[0x28] & 1;
        if (continues && (at != offsets.front() || length >= maxClientLength))
            continue;
        bool copied = false;
        const uint8_t* client = ClientData(pageOffset, pageSize, at, length, continues, &copied);
        if (!client || length < 4)
            continue;
        const uint16_t redo = U16(client, length, 0);
        const uint16_t undo = U16(client, length, 2);
        const LogRecordRef ref{r, client, client + 0x28, pageOffset + at, length, copied};
        const bool bitmapChange = (redo == OpClearBitsInNonresidentBitMap && undo == OpSetBitsInNonresidentBitMap) ||
                                  (redo == OpSetBitsInNonresidentBitMap && undo == OpClearBitsInNonresidentBitMap);
        if (bitmapChange) {
            open.push_back(ref);
            isOpen = true;
        } else if (isOpen) {
            open.push_back(ref);
            if (redo == OpForgetTransaction && undo == OpCompensation) {
                result.push_back(open);
                open.clear();
                isOpen = false;
            }
        }
    }
}

}
