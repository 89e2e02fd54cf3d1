#include "NTFS/NTFSExplorer.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSReader.h"

#include <cstring>

static constexpr const char* LogSource = "src/NTFS/ntfs_explorer";

namespace NTFS {

NTFSExplorer::NTFSExplorer(const VolumeInfoItem& volume)
{
    reader = std::make_shared<NTFSReader>(volume.devicePath, volume.offset, volume.length);
    // A damaged or crafted boot sector must not give shifts of 31 or zero divisors.
    if (std::memcmp(reader->bootSector + 3, "NTFS    ", 8) != 0 || !reader->geometryValid) {
        VLOG_INFO("Not a valid NTFS filesystem.");
        return;
    }
    try {
        mft = std::make_shared<MFT>(reader);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_INFO("MFT initialization failed: %s", e.what());
        mft.reset();
    }
}

std::shared_ptr<MFT> NTFSExplorer::GetMFT() const
{
    if (!mft)
        throw Exceptions::NTFSException("NTFS MFT not init.");
    return mft;
}

std::shared_ptr<NTFSReader> NTFSExplorer::GetReader() const
{
    if (!reader)
        throw Exceptions::NTFSException("NTFS Reader not init.");
    return reader;
}

}
