// A lost volume known by its file records alone (its boot sector and backup
// gone): the copies of record 0 found raw place it, and only the records of
// the $MFT so placed give their files clusters; the rest are listed without data.
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSDataRecovery.h"
#include "NTFS/NTFSExplorer.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/VolumeFromRecords.h"

#include <algorithm>

static constexpr const char* LogSource = "src/DataRecovery/NTFSDataRecovery";

namespace {

constexpr uint32_t indexBlockSize = 4096;

}

bool NTFSDataRecovery::UsePlacedVolume(const NTFS::PlacedVolume& volume)
{
    const auto range = explorer->GetReader();
    auto reader = std::make_shared<NTFS::NTFSReader>(range->DevicePath(), range->Start() + volume.start, volume.length);
    NTFS::BootGeometry geometry;
    geometry.sectorSize = 512;
    geometry.clusterSize = volume.clusterSize;
    geometry.recordSize = volume.recordSize;
    geometry.indexBlockSize = indexBlockSize;
    geometry.mftCluster = volume.mftCluster;
    geometry.totalClusters = volume.Clusters();
    geometry.serial = range->volumeSerial;
    if (!reader->UseGeometry(geometry, volume.mirrorCluster))
        return false;
    reader->geometryChecked = true;
    std::shared_ptr<NTFS::MFT> mft;
    try {
        mft = std::make_shared<NTFS::MFT>(reader);
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_INFO("NTFS: the placed volume's $MFT cannot be read (%s).", e.what());
        return false;
    }
    explorer->reader = std::move(reader);
    explorer->mft = std::move(mft);
    clusterSize = volume.clusterSize;
    try {
        ConstructBitmap();
    } catch (const Exceptions::NTFSException& e) {
        VLOG_INFO("ConstructBitmap fails %s\n", e.what());
    }
    return true;
}

void NTFSDataRecovery::PlaceFoundFiles()
{
    if (unplacedFiles.empty())
        return;
    auto files = std::move(unplacedFiles);
    unplacedFiles.clear();
    // Runs are kept in the scanned range's frame, whatever reader the engine takes below.
    const uint64_t shift = RunShift();
    const auto volumes = NTFS::PlaceVolumes(*explorer->GetReader(), mftAnchors);
    for (const auto& volume : volumes)
        VLOG_INFO("NTFS volume placed by its records at byte %llu, clusters of %u bytes, %llu bytes long.",
                  static_cast<unsigned long long>(volume.start), volume.clusterSize,
                  static_cast<unsigned long long>(volume.length));
    // Where one volume is placed the engine reads it at that geometry: the
    // $MFT that files decoded from their records and folders' indexes need,
    // and the bitmap of the shared-cluster check.
    const bool adopted = volumes.size() == 1 && UsePlacedVolume(volumes.front());
    size_t placed = 0;
    for (auto& file : files) {
        auto& node = file.node;
        const bool fromRecord = !node.runs.empty();
        const NTFS::PlacedVolume* holder = nullptr;
        size_t holders = 0;
        for (const auto& volume : volumes)
            if (volume.HoldsRecord(file.position)) {
                holder = &volume;
                ++holders;
            }
        if (holders != 1 || (fromRecord && !adopted)) {
            node.runs.clear();
            node.size = file.realSize;
            node.dataState = DataCut;
            continue;
        }
        auto [size, runs] =
            ClusterRunsToBytes(file.clusters, file.realSize, file.initializedSize, holder->clusterSize);
        for (size_t i = 0; i < runs.size(); ++i) {
            if (runs[i].offset == sparseRunOffset)
                continue;
            if (runs[i].offset > holder->length || holder->length - runs[i].offset < runs[i].length) {
                VLOG_ERROR("NTFS record %u: its run %zu reaches past its volume; listed without the data from there.",
                           node.id, i);
                runs.resize(i);
                node.dataState = DataCut;
                break;
            }
            runs[i].offset += holder->start + shift;
        }
        node.size = size;
        if (fromRecord && node.dataState == DataCut)
            node.runs.clear(); // its record would decode it from the same runs
        else
            node.runs.insert(node.runs.end(), runs.begin(), runs.end());
        placed += node.dataState != DataCut;
    }
    VLOG_INFO("NTFS: %zu of %zu files found raw lie in a placed volume's $MFT.", placed, files.size());
    // Of a record and its copy elsewhere (the mirror's), the store keeps the
    // one met first: the one with its clusters.
    std::stable_partition(files.begin(), files.end(),
                          [](const UnplacedFile& file) { return file.node.dataState != DataCut; });
    for (auto& file : files) {
        const uint64_t record = file.node.id;
        ListFoundFile(std::move(file.node), record, file.named, file.live);
    }
}
