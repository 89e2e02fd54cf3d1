#pragma once
// RIFF and IFF containers: a header that states the size, then chunks of a
// four-letter id and a length, each padded to an even length.
#include "DeepScan/Carving/StreamParser.h"

namespace Carving {

class ChunkWalker : public StreamParser {
protected:
    // Walks the chunks after the 12-byte header up to end, the size the
    // header states. Where bytes that are not a chunk, or a chunk running past
    // end, come first, the stated size is damaged or the file is padded: it
    // then ends at the last chunk when a known file starts before end.
    void WalkChunks(uint64_t end, bool bigEndian);

private:
    void Collected(ST_FileInfo& info) final;
    void NextFile(ST_FileInfo& info, uint64_t at) final;

    uint64_t statedEnd = 0;
    uint64_t walked = 0;
    bool bigEndian = false;
};

}
