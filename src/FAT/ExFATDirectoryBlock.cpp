#include "FAT/ExFATDirectoryBlock.h"

#include "FAT/EntryBytes.h"
#include "FAT/ExFATNames.h"

#include <array>
#include <vector>

namespace FAT {

namespace {

bool Zero(const uint8_t* e, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (e[i] != 0)
            return false;
    return true;
}


}

ExFATEntryCount CountExFATEntries(const uint8_t* block, uint64_t length)
{
    ExFATEntryCount count;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        const uint8_t type = e[0];
        if (type == 0 && RestIsZero(block, at, length)) {
            count.ended = true;
            break;
        }
        switch (type) {
        case 0x85:
        case 0x05: {
            const unsigned secondaries = e[1];
            if (secondaries < 2 || secondaries > 18) {
                ++count.bad;
                break;
            }
            ++count.good;
            if (at + 32 * (secondaries + 1) > length)
                break;
            std::vector<std::array<uint8_t, 32>> set(secondaries + 1);
            for (unsigned i = 0; i <= secondaries; ++i)
                std::copy(e + 32 * i, e + 32 * (i + 1), set[i].begin());
            count.sets += EntrySetChecksum(set) == EntryU16(e + 2);
            break;
        }
        case 0x81:
        case 0x82:
        case 0x83:
        case 0x03:
        case 0xC0:
        case 0x40:
        case 0xC1:
        case 0x41:
        case 0xA0: // volume GUID
        case 0xA1: // padding
        case 0xE0: // vendor extension
        case 0xE1: // vendor allocation
            ++count.good;
            break;
        default:
            ++count.bad;
        }
    }
    return count;
}

bool IsExFATDirectoryStart(const uint8_t* block, uint64_t length)
{
    bool label = false;
    bool bitmap = false;
    bool upcase = false;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        switch (e[0]) {
        case 0x83:
            label = true;
            break;
        case 0x03: // a volume without a label keeps the entry unused
            if (Zero(e, 1, 31))
                label = true;
            break;
        case 0x81:
            if (!Zero(e, 2, 19))
                return false;
            bitmap = true;
            break;
        case 0x82:
            if (!Zero(e, 1, 3) || !Zero(e, 8, 19))
                return false;
            upcase = true;
            break;
        default:
            break;
        }
        if (label && bitmap && upcase)
            return true;
    }
    return false;
}

bool IsExFATDirectoryBlock(const uint8_t* block, uint64_t length)
{
    if (length == 0)
        return false;
    int expected = 0; // 0: any type
    int previous = -1;
    bool inSet = false;
    unsigned owed = 0;
    uint64_t names = 0;
    uint64_t sets = 0;
    bool seen = false;
    // One secondary of the current set: owed counts down, the set ends at 0.
    auto takeSecondary = [&]() {
        if (!inSet)
            return true;
        if (owed == 0)
            return false;
        if (--owed == 0) {
            ++sets;
            inSet = false;
        }
        return true;
    };
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        const uint8_t type = e[0];
        if (expected != 0 && type != expected && !(inSet && IsBenignSecondary(type)))
            return false;
        switch (type) {
        case 0x03:
            if (!Zero(e, 1, 31))
                return false;
            expected = 0;
            break;
        case 0x83:
            expected = 0;
            break;
        case 0x81:
            if (!Zero(e, 2, 19))
                return false;
            expected = 0;
            break;
        case 0x82:
            if (!Zero(e, 1, 3) || !Zero(e, 8, 19))
                return false;
            expected = 0;
            break;
        case 0x85:
        case 0x05:
            if (previous == 0x40 || previous == 0xC0)
                return false;
            owed = e[1];
            expected = type == 0x85 ? 0xC0 : 0x40;
            inSet = true;
            break;
        case 0xC0:
        case 0x40:
            if (previous == (type | 0x01))
                return false;
            if (inSet) {
                if (owed < 2)
                    return false;
                --owed;
            }
            expected = type | 0x01;
            break;
        case 0xC1:
        case 0x41: {
            if (previous == (type == 0xC1 ? 0x85 : 0x05) || e[1] != 0)
                return false;
            if (type == 0x41 && e[2] == 0)
                return false;
            ++names;
            if (!takeSecondary())
                return false;
            expected = owed > 0 ? type : 0;
            break;
        }
        case 0x00:
            if (!seen)
                return false;
            return RestIsZero(block, at, length);
        default:
            if (IsBenignPrimary(type)) {
                if (inSet)
                    return false;
                expected = 0;
                break;
            }
            if (IsBenignSecondary(type)) {
                // Counts toward its File entry's secondaries, after the names.
                if (!takeSecondary())
                    return false;
                expected = inSet ? expected : 0;
                break;
            }
            return false;
        }
        previous = type;
        seen = seen || expected != 0 || sets != 0 || names != 0;
    }
    return sets >= 2 || (length / 32 >= 5 && names >= length / 32 - 5);
}

}
