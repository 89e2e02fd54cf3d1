#include "NTFS/NTFSExplorer.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"

#include <algorithm>
#include <cstring>
#include <vector>

static constexpr const char* LogSource = "src/NTFS/ntfs_explorer";

namespace NTFS {

namespace {

// Whether the file record at volume offset `at` is "FILE" and its unnamed
// $DATA begins at cluster `lcn`.
bool DataBeginsAt(NTFSReader& reader, uint64_t at, uint64_t lcn)
{
    auto bytes = Utils::MakeBuffer(reader.recordSize);
    try {
        reader.Read(at, bytes->data, reader.recordSize);
        MFTRecord record(bytes, nullptr, &reader);
        for (const auto& a : record.Attributes())
            if (a.type == AttrData && a.name.empty() && a.nonResident && a.startVcn == 0) {
                const auto runs = record.DecodeRuns(a);
                return !runs.empty() && !runs.front().sparse && static_cast<uint64_t>(runs.front().lcn) == lcn;
            }
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception&) {
    }
    return false;
}

// The geometry's check against the volume: at its cluster size, record 0
// ($MFT) or record 1 ($MFTMirr), in the $MFT or in its mirror, lies where the
// boot sector says and its $DATA begins at the cluster the boot sector gives.
// A wrong cluster size puts both copies of both records elsewhere.
bool GeometryHolds(NTFSReader& reader)
{
    if (std::memcmp(reader.bootSector + 3, "NTFS    ", 8) != 0 || !reader.geometryValid)
        return false;
    const uint64_t mft = reader.mftCluster;
    const uint64_t mirror = U64(reader.bootSector, 512, 0x38);
    const uint64_t cluster = reader.clusterSize;
    const uint64_t record = reader.recordSize;
    for (const uint64_t copy : {mft, mirror}) {
        if (copy == 0 || copy >= reader.totalClusters)
            continue;
        if (DataBeginsAt(reader, copy * cluster, mft) || DataBeginsAt(reader, copy * cluster + record, mirror))
            return true;
    }
    return false;
}

// Where the backup boot sector may lie: the range's last sector (of 512 or
// 4096 bytes), and the sector past the count the boot sector gives.
std::vector<uint64_t> BackupBootSectorOffsets(const NTFSReader& reader)
{
    std::vector<uint64_t> offsets;
    const uint64_t size = reader.Size();
    auto add = [&](uint64_t offset) {
        if (offset >= 512 && offset <= size - 512 && std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
            offsets.push_back(offset);
    };
    if (size < 1024)
        return offsets;
    add(size - 512);
    if (size >= 8192)
        add(size - 4096);
    const uint64_t sectors = U64(reader.bootSector, 512, 0x28);
    const uint64_t sector = U16(reader.bootSector, 512, 0x0B);
    if (sector >= 512 && sector <= 4096 && sectors < size / sector)
        add(sectors * sector);
    return offsets;
}

// The reader over a backup boot sector whose geometry holds its check, or none.
std::shared_ptr<NTFSReader> BackupReader(const VolumeInfoItem& volume, NTFSReader& primary)
{
    for (const uint64_t offset : BackupBootSectorOffsets(primary)) {
        uint8_t sector[512];
        try {
            primary.Read(offset, sector, sizeof sector);
        } catch (const Exceptions::DiskDisconnectedException&) {
            throw;
        } catch (const Exceptions::DiskException&) {
            continue;
        }
        if (std::memcmp(sector, primary.bootSector, sizeof sector) == 0)
            continue;
        auto backup = std::make_shared<NTFSReader>(volume.devicePath, volume.offset, volume.length);
        if (backup->UseBootSector(sector) && GeometryHolds(*backup)) {
            VLOG_INFO("The boot sector's geometry fails its check; using the backup boot sector at byte %llu.",
                      static_cast<unsigned long long>(offset));
            return backup;
        }
    }
    return nullptr;
}

}

NTFSExplorer::NTFSExplorer(const VolumeInfoItem& volume)
{
    reader = std::make_shared<NTFSReader>(volume.devicePath, volume.offset, volume.length);
    if (!GeometryHolds(*reader)) {
        // A damaged field would number every cluster wrong; the backup at the
        // volume's end has the same fields.
        auto backup = BackupReader(volume, *reader);
        if (!backup) {
            VLOG_INFO("Not a valid NTFS filesystem.");
            return;
        }
        reader = std::move(backup);
    }
    reader->geometryChecked = true;
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
