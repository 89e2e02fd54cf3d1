#include "NTFS/OverlappingRuns.h"

#include <algorithm>

namespace NTFS {

std::vector<size_t> FindOverlappingRuns(std::vector<ClusterClaim> claims, size_t fileCount,
                                        const AllocatedTest& allocated)
{
    std::vector<size_t> first(fileCount, noOverlap);
    const auto lose = [&](const ClusterClaim& claim) { first[claim.file] = std::min(first[claim.file], claim.run); };
    std::erase_if(claims, [](const ClusterClaim& claim) { return claim.length == 0; });
    std::sort(claims.begin(), claims.end(), [](const ClusterClaim& a, const ClusterClaim& b) {
        return a.start != b.start ? a.start < b.start : a.length > b.length;
    });
    // Placed runs never overlap one another, so only the last placed one can
    // hold the start of the next run in order.
    std::vector<const ClusterClaim*> placed;
    std::vector<const ClusterClaim*> unplaced;
    for (const auto& claim : claims) {
        if (!placed.empty()) {
            const ClusterClaim& last = *placed.back();
            if (claim.start - last.start < last.length) {
                lose(claim);
                if (claim.start == last.start && claim.file != last.file)
                    lose(last);
                continue;
            }
        }
        (allocated(claim.start, claim.length) ? placed : unplaced).push_back(&claim);
    }
    for (const ClusterClaim* claim : unplaced) {
        const auto next = std::lower_bound(placed.begin(), placed.end(), claim->start,
                                           [](const ClusterClaim* p, uint64_t start) { return p->start < start; });
        if (next != placed.end() && (*next)->start - claim->start < claim->length)
            lose(*claim);
    }
    return first;
}

}
