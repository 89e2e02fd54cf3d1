#include "Utils/Lznt1.h"

#include <algorithm>
#include <cstring>

namespace Utils {

namespace {

constexpr uint32_t ChunkSize = 4096;

// One compressed chunk: flag bytes, each announcing eight literals or
// back-references. Returns false on a damaged chunk; *produced counts the bytes
// written, at most room.
bool DecodeChunk(const uint8_t* in, uint32_t inSize, uint8_t* out, uint32_t room, uint32_t* produced)
{
    uint32_t inPos = 0;
    uint32_t outPos = 0;
    while (inPos < inSize && outPos < room) {
        const uint8_t flags = in[inPos++];
        for (int bit = 0; bit < 8 && inPos < inSize && outPos < room; ++bit) {
            if ((flags & (1u << bit)) == 0) {
                out[outPos++] = in[inPos++];
                continue;
            }
            if (inPos + 2 > inSize)
                return false;
            const uint16_t token = static_cast<uint16_t>(in[inPos] | (in[inPos + 1] << 8));
            inPos += 2;
            if (outPos == 0)
                return false;
            // The further into the chunk, the more bits the offset takes.
            uint32_t lengthBits = 12;
            for (uint32_t p = outPos - 1; p >= 0x10; p >>= 1)
                --lengthBits;
            const uint32_t offset = (token >> lengthBits) + 1u;
            uint32_t length = (token & ((1u << lengthBits) - 1u)) + 3u;
            if (offset > outPos)
                return false;
            length = std::min(length, room - outPos);
            for (uint32_t i = 0; i < length; ++i, ++outPos)
                out[outPos] = out[outPos - offset];
        }
    }
    *produced = outPos;
    return true;
}

}

NtStatus DecompressLznt1Buffer(uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                               uint32_t* written)
{
    uint32_t inPos = 0;
    uint32_t outPos = 0;
    while (inPos + 2 <= inSize && outPos < outSize) {
        const uint16_t header = static_cast<uint16_t>(in[inPos] | (in[inPos + 1] << 8));
        if (header == 0)
            break;
        const uint32_t dataSize = (header & 0x0FFFu) + 1u;
        inPos += 2;
        if (dataSize > inSize - inPos)
            return NtStatusBadCompressionBuffer;
        const uint32_t room = std::min(ChunkSize, outSize - outPos);
        uint32_t produced = 0;
        if (header & 0x8000u) {
            if (!DecodeChunk(in + inPos, dataSize, out + outPos, room, &produced))
                return NtStatusBadCompressionBuffer;
        } else {
            produced = std::min(dataSize, room);
            std::memcpy(out + outPos, in + inPos, produced);
        }
        inPos += dataSize;
        outPos += produced;
        // A chunk that decodes short stands for a whole 4 KiB when another follows.
        const bool more = inPos + 2 <= inSize && (in[inPos] | in[inPos + 1]) != 0;
        if (more && produced < room) {
            const uint32_t pad = room - produced;
            std::memset(out + outPos, 0, pad);
            outPos += pad;
        }
    }
    if (written)
        *written = outPos;
    return NtStatusSuccess;
}

}
