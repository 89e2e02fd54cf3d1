#pragma once
// Which of two files whose runs claim the same clusters holds them. NTFS never
// lets two files in use share a cluster, so where their runs overlap one run
// list is damaged; its file must not be given the other's bytes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace NTFS {

// Bytes [start, start + length) of the volume that run `run` of file `file` claims.
struct ClusterClaim {
    uint64_t start = 0;
    uint64_t length = 0;
    size_t file = 0;
    size_t run = 0;
};

// Whether every cluster of a byte range is in use in the volume's bitmap.
using AllocatedTest = std::function<bool(uint64_t start, uint64_t length)>;

constexpr size_t noOverlap = SIZE_MAX;

// For each of fileCount files, the first of its runs (by run index) that lies
// in clusters another run holds, or noOverlap. A run that begins inside a run
// placed before it (or where it begins) is the damaged one: an extent never
// begins inside another. A run over clusters the bitmap calls free places
// nothing, and loses where it covers a run that is placed. Runs beginning at
// the same cluster cannot be told apart: both lose.
std::vector<size_t> FindOverlappingRuns(std::vector<ClusterClaim> claims, size_t fileCount,
                                        const AllocatedTest& allocated);

}
