#include "DeepScan/Carving/ByteOrder.h"
#include "DeepScan/Carving/Parsers.h"
#include "DeepScan/Carving/StreamParser.h"

#include <algorithm>
#include <set>
#include <vector>

namespace Carving {
namespace {

constexpr uint32_t freeSector = 0xFFFFFFFF;
// Marks FAT entries of sectors not read yet; not a value the format uses.
constexpr uint32_t unreadEntry = 0xFFFFFFF0;
constexpr size_t sectorSize = 512;
constexpr size_t maxDirectorySectors = 4096;

// A compound file of 512-byte sectors: reads its FAT sectors and the sectors
// of its directory chain as the stream reaches them, names the document by
// its main stream and sizes it by the last sector the FAT uses.
class Parser_ole2 : public StreamParser {
    std::vector<uint32_t> fatSectors;
    uint32_t largestFatSector = 0;
    // Entries by index; the i-th FAT sector of the header holds entries 128 i to 128 i + 127.
    std::vector<uint32_t> fat;
    uint32_t entryIndex = 0;
    // The sector the stream is in, counted from the one after the header.
    uint64_t sector = 0;
    // Entries of the current sector still to read (FAT entries or directory entries).
    uint32_t entriesLeft = 0;
    bool fatSectorNow = false;
    std::set<uint32_t> directoryRead;
    uint32_t firstDirectory = 0;
    bool directorySeen = false;

    void Begin(std::span<const uint8_t> first, ST_FileInfo& info) override
    {
        if (first.size() < sectorSize || LE16(first, 28) != 0xFFFE || LE16(first, 30) != 9)
            return Finish(false);
        const uint32_t count = LE32(first, 44);
        if (count < 1 || count > 109)
            return Finish(false);
        firstDirectory = LE32(first, 48);
        for (uint32_t i = 0; i < count; ++i) {
            fatSectors.push_back(LE32(first, 76 + 4 * i));
            largestFatSector = std::max(largestFatSector, fatSectors.back());
        }
        fat.assign(size_t{count} * 128, unreadEntry);
        Skip(sectorSize);
        NextSector(info);
    }

    // The first sector of the directory chain at or after from not read yet,
    // as far as the FAT entries read so far tell; freeSector when none.
    uint64_t NextDirectorySector(uint64_t from) const
    {
        uint64_t best = freeSector;
        uint64_t at = firstDirectory;
        for (size_t steps = 0; steps < maxDirectorySectors && at < freeSector - 5; ++steps) {
            if (at >= from && at < best && !directoryRead.count(static_cast<uint32_t>(at)))
                best = at;
            if (at >= fat.size() || fat[at] == unreadEntry)
                break;
            at = fat[at];
        }
        return best;
    }

    void NextSector(ST_FileInfo& info)
    {
        const uint64_t directory = NextDirectorySector(sector);
        if (directorySeen && largestFatSector < sector && directory == freeSector)
            return Close(info);
        uint64_t target = directory;
        for (uint32_t fatSector : fatSectors)
            if (fatSector >= sector && fatSector < target)
                target = fatSector;
        // Nothing left to read that could decide the file, or it lies past the volume.
        if (target == freeSector || (target + 2) * sectorSize > info.volumeBytes)
            return Finish(false);
        Skip((target - sector) * sectorSize);
        sector = target;
        if (target == directory) {
            directoryRead.insert(static_cast<uint32_t>(sector));
            directorySeen = true;
            fatSectorNow = false;
            entriesLeft = 4;
            return Collect(128);
        }
        fatSectorNow = true;
        entriesLeft = 128;
        entryIndex = 0;
        Collect(4);
    }

    void Collected(ST_FileInfo& info) override
    {
        if (fatSectorNow) {
            for (size_t i = 0; i < fatSectors.size(); ++i)
                if (fatSectors[i] == sector)
                    fat[i * 128 + entryIndex] = LE32(header, 0);
            ++entryIndex;
        }
        else
            DirectoryEntry(info);
        if (--entriesLeft > 0)
            return Collect(header.size());
        ++sector;
        NextSector(info);
    }

    void DirectoryEntry(ST_FileInfo& info)
    {
        const uint32_t nameBytes = std::min<uint32_t>(LE16(header, 64), 64);
        std::u16string name;
        for (uint32_t i = 0; i + 1 < nameBytes; i += 2) {
            const char16_t c = static_cast<char16_t>(LE16(header, i));
            if (c == 0)
                break;
            name.push_back(c);
        }
        if (name == u"WordDocument")
            info.typeId = 36;
        else if (name == u"PowerPoint Document")
            info.typeId = 35;
        else if (name == u"Workbook")
            info.typeId = 37;
    }

    // The file ends after the last sector the FAT does not mark free.
    void Close(ST_FileInfo& info)
    {
        if (info.typeId == 34)
            return Finish(false);
        uint64_t last = 0;
        bool any = false;
        for (size_t i = 0; i < fat.size(); ++i)
            if (fat[i] != freeSector && fat[i] != unreadEntry) {
                last = i;
                any = true;
            }
        Finish(any && RaiseTo(info, (last + 2) * sectorSize));
    }
};

}

std::unique_ptr<IDataTypeParser> MakeParser_ole2()
{
    return std::make_unique<Parser_ole2>();
}

}
