#pragma once
// The FAT of a FAT32 volume known by its layout alone (data-area start and
// cluster size, its boot sectors lost). The FAT lies before the data area:
// one or two copies that end where it begins, each opening with the media
// entry and the end mark of entry 1. Such a place is taken only where the
// chains it gives agree with the volume's folders and files: each folder's
// chain from its "." cluster holds directory entries and ends at its mark,
// each file's chain counts the clusters its size needs. Without it a file is
// read on from its first cluster, which gives a fragmented file another
// file's bytes.
#include "FAT/FATGeometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Utils {
class PartReader;
}

namespace FAT {

class LostFatSearch {
public:
    // reader spans the volume whose layout (no table) is given.
    LostFatSearch(std::shared_ptr<Utils::PartReader> reader, const VolumeGeometry& layout);

    // The layout with the FAT that the folders and files reached from the
    // directory block at position (and from the root at its usual cluster)
    // bear out; none where no place holds. *judged false: they were too few
    // to judge a FAT by, another block may lead to more.
    std::optional<VolumeGeometry> Find(uint64_t position, const uint8_t* block, uint64_t length,
                                       bool* judged = nullptr);

    // Folders and files whose chains a FAT must give.
    struct Witnesses {
        std::vector<uint64_t> folders;                      // first clusters, each holding a folder start
        std::vector<std::pair<uint64_t, uint64_t>> files;   // (first cluster, size) of live files
    };
    struct Verdict {
        unsigned agree = 0;
        unsigned disagree = 0;
        // Most witnesses agree and two at least: one damaged entry does not reject a FAT.
        bool Holds() const { return agree >= 2 && disagree * 4 <= agree; }
    };

private:
    // The nearest place before the data area where one or two FAT copies end
    // at it and the witnesses bear their chains out.
    std::optional<VolumeGeometry> Search(const Witnesses& witnesses);
    VolumeGeometry Placed(uint64_t start, uint64_t length, uint32_t copies) const;
    bool BeginsLikeTableAt(uint64_t offset);
    Witnesses Gather(uint64_t position, const uint8_t* block, uint64_t length);
    Verdict Judge(const VolumeGeometry& candidate, const Witnesses& witnesses);
    // The first bytes of cluster (at most 4 KiB); empty when it lies past the volume.
    std::vector<uint8_t> ClusterStart(uint64_t cluster, uint64_t bytes);

    std::shared_ptr<Utils::PartReader> reader;
    VolumeGeometry layout;
};

}
