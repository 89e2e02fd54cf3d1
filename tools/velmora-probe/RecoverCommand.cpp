// velmora-probe recover: reads found-file JSON lines (as "scan" prints them)
// from standard input, writes each file under --out through the exported
// interface, prints one JSON line per file and a summary line.
#include "Commands.h"
#include "EventJson.h"

#include "DataRecovery/VelmoraExports.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace {

// A found file read back from its JSON line; the record points into it.
struct InputFile {
    std::string path;
    std::vector<DataRun> runs;
    DataRecoveryInfo record{};
};

std::unique_ptr<InputFile> ParseFoundFile(const nlohmann::json& line)
{
    if (!line.is_object() || !line.contains("kind") || !line.contains("runs") || !line.contains("path"))
        return nullptr;
    int kind = -1;
    for (uint32_t k = NtfsFile; k <= CarvedFile; ++k)
        if (line["kind"] == DataRecoveryInfoKindName(k))
            kind = static_cast<int>(k);
    if (kind < 0)
        return nullptr;
    auto file = std::make_unique<InputFile>();
    file->path = line["path"].get<std::string>();
    for (const auto& run : line["runs"])
        file->runs.push_back({run.at(0).get<uint64_t>(), run.at(1).get<uint64_t>()});
    if (file->runs.size() > 255)
        throw std::runtime_error("a record carries at most 255 runs");
    auto& r = file->record;
    r = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    r.diskIndex = line.value("diskIndex", 0);
    r.volIndex = line.value("volIndex", 0);
    r.fileSize = line.value("fileSize", uint64_t{0});
    r.modifyTime = line.value("modifyTime", int64_t{0});
    r.runs = file->runs.empty() ? nullptr : file->runs.data();
    r.runCount = static_cast<uint8_t>(file->runs.size());
    r.path = file->path.c_str();
    r.pathLength = static_cast<uint16_t>(std::min<size_t>(file->path.size(), 65535));
    r.nodeId = line.value("nodeId", 0u);
    r.lostPartitionNumber = line.value("lostPartitionNumber", 0);
    r.deletedState = line.value("deletedState", 0);
    r.pathState = line.value("pathState", 0);
    r.lostPartitionFlag = line.value("lostPartitionFlag", 0);
    return file;
}

struct Outcome {
    int code = 0;
    uint64_t bytes = 0;
};

}

int RunRecover(const Arguments& args)
{
    std::string out;
    bool list = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--list")
            list = true;
        else
            return Fail("usage: velmora-probe recover --out DIR [--list] < found-file JSON lines", 2);
    }
    if (out.empty())
        return Fail("usage: velmora-probe recover --out DIR [--list] < found-file JSON lines", 2);

    std::vector<std::unique_ptr<InputFile>> files;
    std::string text;
    while (std::getline(std::cin, text)) {
        if (text.empty())
            continue;
        auto json = nlohmann::json::parse(text, nullptr, false);
        if (json.is_discarded())
            return Fail("not a JSON line: " + text.substr(0, 80), 2);
        if (auto file = ParseFoundFile(json))
            files.push_back(std::move(file));
    }

    std::set<std::pair<int, int>> pairs;
    for (const auto& f : files)
        pairs.insert({f->record.diskIndex, f->record.volIndex});
    std::vector<DiskAndVolumeInfo> selected;
    for (const auto& record : GetLocalDiskAndVolumeInfo())
        if (pairs.count({record.diskIndex, record.volIndex}))
            selected.push_back(record);

    std::vector<Outcome> outcomes(files.size());
    std::mutex mutex;
    size_t current = 0; // the file the events belong to
    size_t listed = 0;  // list form: files the coordinator has reported on
    auto callback = [&](const DataRecoveryInfo& info) {
        std::lock_guard lock(mutex);
        if (!list) {
            if (info.kind == RecoverFailed && current < outcomes.size())
                outcomes[current] = {info.errorCode, info.value};
            return;
        }
        if (listed >= files.size())
            return;
        const double step = static_cast<double>(listed) / static_cast<double>(files.size());
        if (info.kind == RecoverFailed) {
            outcomes[listed++] = {info.errorCode, 0};
        } else if (info.kind == RecoverProgress && info.progress == step &&
                   info.value == files[listed]->record.fileSize) {
            outcomes[listed++] = {0, info.value};
        }
    };

    DataRecoveryMulti* engine = CreateDataRecovery(selected, callback);
    if (!engine)
        return Fail("CreateDataRecovery failed", 1);
    const auto started = std::chrono::steady_clock::now();
    if (list) {
        std::vector<DataRecoveryInfo> records;
        for (const auto& f : files)
            records.push_back(f->record);
        engine->RecoverData(out, records);
    } else {
        for (size_t i = 0; i < files.size(); ++i) {
            {
                std::lock_guard lock(mutex);
                current = i;
            }
            const int code = engine->RecoverData(out, files[i]->record);
            std::lock_guard lock(mutex);
            if (code == 0)
                outcomes[i] = {0, files[i]->record.fileSize};
            else
                outcomes[i].code = code;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ReleaseDataRecovery(engine);

    uint64_t bytes = 0;
    std::map<std::string, int> failures;
    int firstFailure = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& r = files[i]->record;
        nlohmann::json line = {{"path", files[i]->path}, {"diskIndex", r.diskIndex}, {"volIndex", r.volIndex},
                               {"fileSize", r.fileSize},  {"errorCode", outcomes[i].code},
                               {"bytes", outcomes[i].bytes}};
        std::printf("%s\n", JsonLine(line).c_str());
        if (outcomes[i].code == 0) {
            bytes += outcomes[i].bytes;
        } else {
            ++failures[std::to_string(outcomes[i].code)];
            if (firstFailure == 0)
                firstFailure = outcomes[i].code;
        }
    }
    nlohmann::json summary = {{"files", files.size()},
                              {"bytes", bytes},
                              {"failures", failures},
                              {"seconds", seconds},
                              {"MB/s", seconds > 0 ? static_cast<double>(bytes) / 1e6 / seconds : 0.0}};
    std::printf("%s\n", JsonLine(summary).c_str());
    return firstFailure;
}
