#include "DeepScan/Carving/ChunkWalker.h"

#include "DeepScan/Carving/ByteOrder.h"

namespace Carving {

constexpr uint64_t chunkHeader = 8;

void ChunkWalker::WalkChunks(uint64_t end, bool bigEndianSizes)
{
    statedEnd = end;
    bigEndian = bigEndianSizes;
    walked = 12;
    Skip(12);
    Collect(chunkHeader);
}

void ChunkWalker::Collected(ST_FileInfo& info)
{
    bool chunk = statedEnd - walked >= chunkHeader;
    for (size_t i = 0; i < 4 && chunk; ++i)
        chunk = header[i] >= 0x20 && header[i] <= 0x7E;
    const uint64_t length = bigEndian ? BE32(header, 4) : LE32(header, 4);
    const uint64_t end = walked + chunkHeader + length + (length & 1);
    // A last chunk of odd length may leave its pad byte out of the stated size.
    if (!chunk || end - (length & 1) > statedEnd) {
        // These bytes may be the next file's: they are looked at again.
        GiveBack(header.size());
        return EndBeforeNextFile(statedEnd, true);
    }
    if (end >= statedEnd)
        return Finish(RaiseTo(info, statedEnd));
    Skip(end - Position());
    walked = end;
    Collect(chunkHeader);
}

void ChunkWalker::NextFile(ST_FileInfo& info, uint64_t at)
{
    // The stated size runs into another file: the chunks end the file.
    Finish(RaiseTo(info, walked));
}

}
