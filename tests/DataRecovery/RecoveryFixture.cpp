#include "DataRecovery/RecoveryFixture.h"

#include "Disk/DiskTable.h"
#include "support/Tools.h"

#include <filesystem>
#include <fstream>
#include <regex>
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

std::vector<DataRun> RunsFromIstat(const std::string& image, const std::string& inode)
{
    const std::string text = TestSupport::RunOrFail("istat " + TestSupport::Quote(image) + " " + inode);
    std::vector<DataRun> runs;
    std::istringstream in(text.substr(text.find("Sectors:") + 8));
    uint64_t sector;
    while (in >> sector) {
        if (!runs.empty() && runs.back().offset + runs.back().length == sector * 512)
            runs.back().length += 512;
        else
            runs.push_back({sector * 512, 512});
    }
    return runs;
}

std::string InodeOf(const std::string& image, const std::string& name)
{
    const std::string listing = TestSupport::RunOrFail("fls -r -p " + TestSupport::Quote(image));
    std::smatch match;
    const std::regex line("r/r (\\d+):\\t" + name + "\\n");
    EXPECT_TRUE(std::regex_search(listing, match, line)) << listing;
    return match[1];
}

void WriteRandom(const std::string& path, size_t size)
{
    TestSupport::RunOrFail("head -c " + std::to_string(size) + " /dev/urandom > " + TestSupport::Quote(path));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}
