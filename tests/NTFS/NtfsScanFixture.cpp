#include "NTFS/NtfsScanFixture.h"

#include <algorithm>

namespace NtfsScanFixture {

std::string Normalised(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    while (!path.empty() && (path[0] == '.' || path[0] == '/'))
        path.erase(0, 1);
    for (size_t twice; (twice = path.find("//")) != std::string::npos;)
        path.erase(twice, 1);
    return path;
}

std::unique_ptr<DataRecoveryMultiImpl> Scan(const std::string& image, Found& found)
{
    const auto info = RecoveryFixture::RegisterImage(image, "NTFS");
    DataRecoveryMultiImpl::Options options;
    options.sleep = [](std::chrono::milliseconds) {};
    auto engine = std::make_unique<DataRecoveryMultiImpl>(std::vector<DiskAndVolumeInfo>{info},
                                                          [&found](const DataRecoveryInfo& item) {
        if (item.kind != NtfsFile)
            return;
        const std::string path = Normalised(std::string(item.path, item.pathLength));
        std::lock_guard lock(found.mutex);
        auto file = std::make_unique<RecoveryFixture::FoundFile>(
            NtfsFile, std::string(item.path, item.pathLength),
            std::vector<DataRun>(item.runs, item.runs + item.runCount), item.fileSize);
        file->record.nodeId = item.nodeId;
        file->record.deletedState = item.deletedState;
        found.files[path] = std::move(file);
    }, options);
    engine->Start();
    return engine;
}

}
