#include "FAT/FAT32DirectoryBlock.h"

#include "FAT/DosTime.h"
#include "FAT/EntryBytes.h"

#include <array>
#include <cstring>

namespace FAT {

namespace {

constexpr uint8_t longNameAttribute = 0x0F;

bool MostFrequentByteBelowHalf(const uint8_t* e)
{
    std::array<uint8_t, 256> counts{};
    for (int i = 0; i < 32; ++i)
        if (++counts[e[i]] >= 16)
            return false;
    return true;
}


bool IsVolumeLabel(uint8_t attribute)
{
    return attribute != longNameAttribute && (attribute & 0x18) == 0x08;
}

bool LabelPassesOver(const uint8_t* e, uint32_t now)
{
    const uint16_t date = EntryU16(e + 24);
    const uint16_t time = EntryU16(e + 22);
    return IsValidDosDate(date) && IsValidDosTime(time) && DosStamp(date, time) <= now && EntryU16(e + 20) == 0 &&
           EntryU16(e + 26) == 0 && PassesExtensionTest(e + 8);
}

bool LongNameChainTest(const uint8_t* block, uint64_t at, uint64_t length, const ShortEntryTest& plausible)
{
    const uint8_t checksum = block[at + 13];
    unsigned order = block[at] & ~0x40u;
    if (order == 0 || order > 20)
        return false;
    at += 32;
    while (order > 1) {
        if (at + 32 > length)
            return true;
        const uint8_t* e = block + at;
        if (e[11] != longNameAttribute || EntryU16(e + 26) != 0 || e[13] != checksum || e[0] != order - 1)
            return false;
        --order;
        at += 32;
    }
    if (at + 32 > length)
        return true;
    const uint8_t* shortEntry = block + at;
    return ShortNameChecksum(shortEntry) == checksum && plausible(shortEntry);
}

bool IsDotEntry(const uint8_t* e, const char* name11)
{
    const uint8_t attribute = e[11];
    if (std::memcmp(e, name11, 11) != 0 || !(attribute & 0x10) || (attribute & 0x08))
        return false;
    const uint16_t date = EntryU16(e + 24);
    const uint16_t time = EntryU16(e + 22);
    // Some tools leave the dates of these entries empty.
    return (date == 0 && time == 0) || (IsValidDosDate(date) && IsValidDosTime(time));
}

}

bool LooksLikeDirectoryEntry(const uint8_t* e)
{
    if (e[0] == 0xE5)
        return true;
    if (e[11] == longNameAttribute)
        return EntryU16(e + 26) == 0 && (e[0] & 0x3F) >= 1 && (e[0] & 0x3F) <= 20;
    if (e[0] == ' ')
        return false;
    if (IsVolumeLabel(e[11]))
        return true; // its characters are the user's
    for (int i = 0; i < 11; ++i) {
        const uint8_t c = e[i];
        if (i == 0 && c == 0x05)
            continue; // a name whose first byte is 0xE5
        if (c < 0x20 || std::strchr("\"*+,./:;<=>?[\\]|", c))
            return false;
    }
    return true;
}

bool IsZeroedLongNameEntry(const uint8_t* e)
{
    return e[0] == 0 && e[11] == longNameAttribute && EntryU16(e + 26) == 0 && !RestIsZero(e, 1, 32);
}

EntryCount CountFAT32Entries(const uint8_t* block, uint64_t length)
{
    EntryCount count;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        if (e[0] == 0 && RestIsZero(block, at, length)) {
            count.ended = true;
            break;
        }
        ++(LooksLikeDirectoryEntry(e) || IsZeroedLongNameEntry(e) ? count.good : count.bad);
    }
    return count;
}

bool PassesExtensionTest(const uint8_t* ext)
{
    bool blank = false;
    for (int i = 0; i < 3; ++i) {
        const uint8_t c = ext[i];
        if (c == ' ') {
            blank = true;
            continue;
        }
        if (blank || !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

uint8_t ShortNameChecksum(const uint8_t* name)
{
    uint8_t sum = 0;
    for (int i = 0; i < 11; ++i)
        sum = static_cast<uint8_t>(((sum & 1) << 7) + (sum >> 1) + name[i]);
    return sum;
}

bool IsPlausibleShortEntry(const uint8_t* e, uint32_t now)
{
    const uint8_t a = e[11];
    if (((a & 0x10) != 0) == ((a & 0x20) != 0) || (a & 0x80) || (a & 0x0C))
        return false;
    const uint16_t modifiedDate = EntryU16(e + 24);
    const uint16_t modifiedTime = EntryU16(e + 22);
    const uint16_t createdDate = EntryU16(e + 16);
    const uint16_t createdTime = EntryU16(e + 14);
    if (!IsValidDosDate(modifiedDate) || !IsValidDosTime(modifiedTime) || !IsValidDosDate(createdDate) ||
        !IsValidDosTime(createdTime) || !IsValidDosDate(EntryU16(e + 18)))
        return false;
    if (DosStamp(modifiedDate, modifiedTime) > now || DosStamp(createdDate, createdTime) > now)
        return false;
    return PassesExtensionTest(e + 8);
}

bool IsFAT32DirectoryStart(const uint8_t* block, uint64_t length)
{
    if (length < 64)
        return false;
    if (!IsDotEntry(block, ".          ") || !IsDotEntry(block + 32, "..         "))
        return false;
    // The bytes 12-15 hold the creation time on disks written by most tools: not checked.
    const uint32_t self = uint32_t{EntryU16(block + 20)} << 16 | EntryU16(block + 26);
    return self >= 2;
}

bool IsFAT32DirectoryStartOf(const uint8_t* block, uint64_t length, uint64_t cluster)
{
    return IsFAT32DirectoryStart(block, length) &&
           (uint32_t{EntryU16(block + 20)} << 16 | EntryU16(block + 26)) == cluster;
}

bool BeginsDirectoryItem(const uint8_t* block, uint64_t at, uint64_t length, const ShortEntryTest& plausible)
{
    const uint8_t* e = block + at;
    if (e[0] == 0xE5)
        return e[11] == longNameAttribute || plausible(e);
    if (e[11] == longNameAttribute && EntryU16(e + 26) == 0)
        return LongNameChainTest(block, at, length, plausible);
    return plausible(e);
}

bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible)
{
    return IsFAT32DirectoryBlock(block, length, plausible, DosNowStamp());
}

bool IsFAT32DirectoryBlock(const uint8_t* block, uint64_t length, const ShortEntryTest& plausible, uint32_t now)
{
    if (length < 32 || block[0] == 0)
        return false;
    if (block[0] == '.')
        return IsFAT32DirectoryStart(block, length);
    const uint64_t half = length / 64;
    uint64_t deletedLongNames = 0;
    uint64_t shortEntries = 0;
    int checksum = -1;
    bool labelPassed = false;
    for (uint64_t at = 0; at + 32 <= length; at += 32) {
        const uint8_t* e = block + at;
        const uint8_t attribute = e[11];
        if (e[0] == 0xE5 && attribute == longNameAttribute) {
            if (EntryU16(e + 26) != 0)
                return false;
            if (checksum < 0)
                checksum = e[13];
            else if (checksum != e[13])
                return false;
            if (++deletedLongNames >= half)
                return true;
            continue;
        }
        if (e[0] == 0xE5) {
            if (!plausible(e) || !MostFrequentByteBelowHalf(e))
                return false; // the end rule, and this entry is not zero
            if (++shortEntries >= half)
                return true;
            checksum = -1;
            continue;
        }
        if (attribute == longNameAttribute && EntryU16(e + 26) == 0)
            return LongNameChainTest(block, at, length, plausible);
        if (plausible(e) && MostFrequentByteBelowHalf(e)) {
            if (++shortEntries >= half)
                return true;
            continue;
        }
        if (!labelPassed && IsVolumeLabel(attribute) && LabelPassesOver(e, now)) {
            labelPassed = true;
            continue;
        }
        return RestIsZero(block, at, length);
    }
    return false;
}

}
