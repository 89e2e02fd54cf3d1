#include "NTFS/DataRuns.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <algorithm>

namespace NTFS {

std::vector<DataRun> DecodeRunList(const uint8_t* bytes, size_t size)
{
    std::vector<DataRun> runs;
    int64_t lcn = 0;
    size_t pos = 0;
    while (pos < size && bytes[pos] != 0) {
        const unsigned lengthBytes = bytes[pos] & 0x0F;
        const unsigned offsetBytes = bytes[pos] >> 4;
        if (lengthBytes == 0 || lengthBytes > 8 || offsetBytes > 8)
            throw Exceptions::NTFSException("Invalid data run header.");
        if (1 + lengthBytes + offsetBytes > size - pos)
            break;
        uint64_t length = 0;
        for (unsigned i = lengthBytes; i-- > 0;)
            length = (length << 8) | bytes[pos + 1 + i];
        if (length == 0 || length > (1ull << 62))
            throw Exceptions::NTFSException("Invalid data run length.");
        DataRun run;
        run.length = length;
        if (offsetBytes == 0) {
            run.sparse = true;
        } else {
            uint64_t raw = 0;
            for (unsigned i = offsetBytes; i-- > 0;)
                raw = (raw << 8) | bytes[pos + 1 + lengthBytes + i];
            int64_t delta;
            if (offsetBytes < 8 && (raw >> (8 * offsetBytes - 1)) & 1)
                delta = static_cast<int64_t>(raw | (~0ull << (8 * offsetBytes)));
            else
                delta = static_cast<int64_t>(raw);
            if (__builtin_add_overflow(lcn, delta, &lcn) || lcn < 0)
                throw Exceptions::NTFSException("Invalid data run cluster.");
            run.lcn = lcn;
        }
        runs.push_back(run);
        pos += 1 + lengthBytes + offsetBytes;
    }
    return runs;
}

void CheckRunsInsideVolume(const std::vector<DataRun>& runs, uint64_t totalClusters)
{
    for (const auto& run : runs)
        if (!run.sparse && (static_cast<uint64_t>(run.lcn) > totalClusters ||
                            run.length > totalClusters - static_cast<uint64_t>(run.lcn)))
            throw Exceptions::NTFSException("Data run outside the volume.");
}

uint64_t RunClusters(const std::vector<DataRun>& runs)
{
    uint64_t total = 0;
    for (const auto& run : runs)
        if (__builtin_add_overflow(total, run.length, &total))
            throw Exceptions::NTFSException("Invalid data run length.");
    return total;
}

namespace {

template<typename ReadAt>
void CopyRunBytes(uint64_t cluster, const std::vector<DataRun>& runs, uint64_t offset, uint8_t* out, uint64_t length,
                  ReadAt read)
{
    uint64_t runStart = 0; // stream byte where the run begins
    for (const auto& run : runs) {
        if (length == 0)
            return;
        const uint64_t runBytes = run.length * cluster;
        if (offset < runStart + runBytes) {
            const uint64_t inRun = offset - runStart;
            const uint64_t take = std::min(length, runBytes - inRun);
            if (run.sparse)
                std::fill(out, out + take, 0);
            else
                read(static_cast<uint64_t>(run.lcn) * cluster + inRun, out, take);
            out += take;
            offset += take;
            length -= take;
        }
        runStart += runBytes;
    }
    if (length != 0)
        throw Exceptions::NTFSException("Not In DataRun.");
}

}

void ReadRunBytes(NTFSReader& reader, const std::vector<DataRun>& runs, uint64_t offset, uint8_t* out,
                  uint64_t length)
{
    CopyRunBytes(reader.clusterSize, runs, offset, out, length, [&reader](uint64_t at, uint8_t* to, uint64_t n) {
        for (uint64_t done = 0; done < n;) {
            const uint32_t piece = static_cast<uint32_t>(std::min<uint64_t>(n - done, 1u << 30));
            reader.Read(at + done, to + done, piece);
            done += piece;
        }
    });
}

void ReadRunBytesDirect(NTFSReader& reader, const std::vector<DataRun>& runs, uint64_t offset, uint8_t* out,
                        uint64_t length)
{
    CopyRunBytes(reader.clusterSize, runs, offset, out, length,
                 [&reader](uint64_t at, uint8_t* to, uint64_t n) { reader.ReadRun(at, to, n); });
}

uint64_t StreamToVolumeOffset(const std::vector<DataRun>& runs, uint32_t clusterSize, uint64_t offset)
{
    for (const auto& run : runs) {
        const uint64_t runBytes = run.length * clusterSize;
        if (offset < runBytes)
            return run.sparse ? 0 : static_cast<uint64_t>(run.lcn) * clusterSize + offset;
        offset -= runBytes;
    }
    return 0;
}

}
