#include "DataRecovery/RecoveryFixture.h"

#include "Disk/DiskTable.h"
#include "support/Tools.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace RecoveryFixture {

DiskAndVolumeInfo RegisterImage(const std::string& image, const std::string& fileSystem, uint8_t diskIndex)
{
    const uint64_t size = std::filesystem::file_size(image);
    DiskInfoWithVolumes disk;
    disk.devicePath = image;
    disk.diskNumber = diskIndex;
    disk.diskSize = size;
    VolumeInfoItem volume;
    volume.entryKind = VolumeInfoItem::MbrPartition;
    volume.devicePath = image;
    volume.fileSystem = fileSystem;
    volume.length = size;
    disk.volumes.push_back(volume);
    auto table = DiskTable::Snapshot();
    std::erase_if(table, [&](const DiskInfoWithVolumes& d) { return d.diskNumber == diskIndex; });
    table.push_back(disk);
    DiskTable::Replace(table);

    DiskAndVolumeInfo info;
    info.diskName = image;
    info.volumePath = image;
    info.volumeLetter = "X:\\";
    info.fileSystem = fileSystem;
    info.endOffset = size;
    info.deviceSize = size;
    info.diskIndex = diskIndex;
    return info;
}

FoundFile::FoundFile(uint32_t kind, std::string foundPath, std::vector<DataRun> fileRuns, uint64_t size,
                     uint8_t diskIndex)
    : path(std::move(foundPath)), runs(std::move(fileRuns))
{
    record = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    record.diskIndex = diskIndex;
    record.fileSize = size;
    record.runs = runs.empty() ? nullptr : runs.data();
    record.runCount = static_cast<uint8_t>(runs.size());
    record.path = path.c_str();
    record.pathLength = static_cast<uint16_t>(path.size());
    record.deletedState = 1;
}

std::string Sha256(const std::string& path)
{
    std::string out;
    TestSupport::RunCommand("sha256sum " + TestSupport::Quote(path), &out);
    return out.substr(0, 64);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}
