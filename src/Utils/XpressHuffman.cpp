#include "Utils/XpressHuffman.h"

#include <algorithm>
#include <vector>

namespace Utils {

namespace {

constexpr uint32_t TableBytes = 256;
constexpr uint32_t Symbols = 512;
constexpr uint32_t MaxCodeBits = 15;
constexpr uint32_t BlockOutput = 65536;
constexpr uint16_t Unfilled = 0xFFFF;

// Canonical code: symbols ordered by (code length, symbol). Each entry of the
// 15-bit table holds symbol | length << 9; codes left unassigned stay Unfilled.
bool BuildTable(const uint8_t* lengths, uint16_t* table)
{
    std::fill(table, table + (1u << MaxCodeBits), Unfilled);
    uint32_t next = 0;
    bool any = false;
    for (uint32_t bits = 1; bits <= MaxCodeBits; ++bits) {
        for (uint32_t symbol = 0; symbol < Symbols; ++symbol) {
            const uint32_t length = (lengths[symbol / 2] >> (4 * (symbol % 2))) & 0x0F;
            if (length != bits)
                continue;
            const uint32_t span = 1u << (MaxCodeBits - bits);
            if (next + span > (1u << MaxCodeBits))
                return false;
            std::fill(table + next, table + next + span, static_cast<uint16_t>(symbol | (bits << 9)));
            next += span;
            any = true;
        }
    }
    return any;
}

// MSB-first reader over 16-bit little-endian words with bytes read in between
// for long match lengths. Past the input it shifts in zero words, which only
// serve as look-ahead: consuming one of those bits is an error.
class BitReader {
public:
    BitReader(const uint8_t* in, uint32_t size, uint32_t pos) : in_(in), size_(size), pos_(pos)
    {
        bits_ = static_cast<uint64_t>(Word()) << 16;
        bits_ |= Word();
        available_ = 32;
    }

    uint32_t Peek15() const { return static_cast<uint32_t>(bits_ >> 17) & 0x7FFF; }

    bool Consume(uint32_t count)
    {
        bits_ = (bits_ << count) & 0xFFFFFFFFu;
        available_ -= static_cast<int>(count);
        if (available_ < 16) {
            bits_ |= static_cast<uint64_t>(Word()) << (16 - available_);
            available_ += 16;
        }
        return available_ - 16 * static_cast<int>(phantomWords_) >= 0;
    }

    // Takes count bits (0..16) as a number.
    bool Take(uint32_t count, uint32_t* value)
    {
        *value = count == 0 ? 0 : static_cast<uint32_t>(bits_ >> (32 - count));
        return Consume(count);
    }

    bool Byte(uint32_t* value)
    {
        if (pos_ >= size_)
            return false;
        *value = in_[pos_++];
        return true;
    }

    bool Word16(uint32_t* value)
    {
        if (pos_ + 2 > size_)
            return false;
        *value = static_cast<uint32_t>(in_[pos_] | (in_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }

    uint32_t Position() const { return pos_; }

private:
    uint16_t Word()
    {
        if (pos_ + 2 > size_) {
            ++phantomWords_;
            return 0;
        }
        const uint16_t w = static_cast<uint16_t>(in_[pos_] | (in_[pos_ + 1] << 8));
        pos_ += 2;
        return w;
    }

    const uint8_t* in_;
    uint32_t size_;
    uint32_t pos_;
    uint64_t bits_ = 0;
    int available_ = 0;
    uint32_t phantomWords_ = 0;
};

}

NtStatus DecompressXpressHuffmanBuffer(uint8_t* out, uint32_t outSize, const uint8_t* in, uint32_t inSize,
                                       uint32_t* written, void* workSpace)
{
    std::vector<uint16_t> ownTable;
    uint16_t* table = static_cast<uint16_t*>(workSpace);
    if (!table) {
        ownTable.resize(1u << MaxCodeBits);
        table = ownTable.data();
    }
    uint32_t inPos = 0;
    uint32_t outPos = 0;
    while (outPos < outSize) {
        if (inSize - inPos < TableBytes + 4)
            return NtStatusBadCompressionBuffer;
        if (!BuildTable(in + inPos, table))
            return NtStatusBadCompressionBuffer;
        BitReader reader(in, inSize, inPos + TableBytes);
        const uint32_t blockEnd = std::min(outSize, outPos + BlockOutput);
        while (outPos < blockEnd) {
            const uint16_t entry = table[reader.Peek15()];
            if (entry == Unfilled || !reader.Consume(entry >> 9))
                return NtStatusBadCompressionBuffer;
            const uint32_t symbol = entry & 0x1FF;
            // The end-of-data mark: symbol 256 once the whole input is read.
            if (symbol == 256 && reader.Position() >= inSize)
                break;
            if (symbol < 256) {
                out[outPos++] = static_cast<uint8_t>(symbol);
                continue;
            }
            uint32_t length = symbol & 0x0F;
            const uint32_t offsetBits = (symbol >> 4) & 0x0F;
            if (length == 15) {
                if (!reader.Byte(&length))
                    return NtStatusBadCompressionBuffer;
                if (length == 255) {
                    if (!reader.Word16(&length) || length < 15)
                        return NtStatusBadCompressionBuffer;
                    length -= 15;
                }
                length += 15;
            }
            length += 3;
            uint32_t offset = 0;
            if (!reader.Take(offsetBits, &offset))
                return NtStatusBadCompressionBuffer;
            offset += 1u << offsetBits;
            if (offset > outPos)
                return NtStatusBadCompressionBuffer;
            length = std::min(length, outSize - outPos);
            for (uint32_t i = 0; i < length; ++i, ++outPos)
                out[outPos] = out[outPos - offset];
        }
        if (outPos < blockEnd)
            break;
        inPos = reader.Position();
    }
    if (written)
        *written = outPos;
    return NtStatusSuccess;
}

}
