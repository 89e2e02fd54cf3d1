#pragma once
// The NTFS engine's handle on one volume: its reader and, when the volume is a
// sound NTFS volume, its $MFT.
#include "Disk/VolumeInfoItem.h"

#include <memory>

namespace NTFS {

class MFT;
class NTFSReader;

class NTFSExplorer {
public:
    // Never throws for a volume that is not NTFS or whose $MFT cannot be read:
    // the explorer then has no MFT. A reader that cannot be opened throws.
    explicit NTFSExplorer(const VolumeInfoItem& volume);

    // Throw Exceptions::NTFSException "NTFS MFT not init." / "NTFS Reader not init.".
    std::shared_ptr<MFT> GetMFT() const;
    std::shared_ptr<NTFSReader> GetReader() const;

    std::shared_ptr<MFT> mft;
    std::shared_ptr<NTFSReader> reader;
};

}
