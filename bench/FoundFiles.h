#pragma once
// The found files an engine's scan reports, copied out of its events (a record
// is valid only during the callback), from whichever engine thread reports them.
#include "DataRecovery/DataRecoveryInfo.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace BenchSupport {

struct FoundFile {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record{};
};

class FoundFiles {
public:
    void Add(const DataRecoveryInfo& e)
    {
        auto file = std::make_unique<FoundFile>();
        file->path.assign(e.path, e.pathLength);
        file->runs.assign(e.runs, e.runs + e.runCount);
        file->record = e;
        file->record.path = file->path.c_str();
        file->record.runs = file->runs.empty() ? nullptr : file->runs.data();
        std::lock_guard lock(mutex_);
        files_.push_back(std::move(file));
    }

    // After the scan: the records, pointing into this object.
    std::vector<DataRecoveryInfo> Records() const
    {
        std::lock_guard lock(mutex_);
        std::vector<DataRecoveryInfo> records;
        records.reserve(files_.size());
        for (const auto& file : files_)
            records.push_back(file->record);
        return records;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<FoundFile>> files_;
};

}
