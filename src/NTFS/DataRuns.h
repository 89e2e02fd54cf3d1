#pragma once
// NTFS run lists: where the clusters of a non-resident attribute lie.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace NTFS {

class NTFSReader;

struct DataRun {
    int64_t lcn = 0;     // first cluster on the volume; meaningless for a hole
    uint64_t length = 0; // clusters
    bool sparse = false; // a hole: reads as zeros, occupies no clusters
};

// Decodes a run list of size bytes. A zero header byte or the end of the bytes
// ends the list (a run that does not fit is not decoded). A header with more
// than eight length or offset bytes, a run of no clusters, or a cluster number
// below 0 throws Exceptions::NTFSException.
std::vector<DataRun> DecodeRunList(const uint8_t* bytes, size_t size);

// Refuses (Exceptions::NTFSException) a run that reaches past totalClusters.
void CheckRunsInsideVolume(const std::vector<DataRun>& runs, uint64_t totalClusters);

uint64_t RunClusters(const std::vector<DataRun>& runs);

// Copies length bytes from byte offset of the stream the runs describe into out;
// holes give zeros. Bytes past the runs throw Exceptions::NTFSException
// "Not In DataRun.".
void ReadRunBytes(NTFSReader& reader, const std::vector<DataRun>& runs, uint64_t offset, uint8_t* out,
                  uint64_t length);
// The same for a one-off read (a file record, a recovered file's bytes): the
// bytes come from the device as asked, not through the shared window and its
// read-ahead.
void ReadRunBytesDirect(NTFSReader& reader, const std::vector<DataRun>& runs, uint64_t offset, uint8_t* out,
                        uint64_t length);

// The volume byte offset of byte offset of the stream: 0 in a hole or past the runs.
uint64_t StreamToVolumeOffset(const std::vector<DataRun>& runs, uint32_t clusterSize, uint64_t offset);

}
