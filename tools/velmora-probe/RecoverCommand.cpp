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

// An unsigned field within [0, max]; absent optional fields read as 0.
uint64_t Field(const nlohmann::json& line, const char* key, uint64_t max, bool required)
{
    if (!line.contains(key)) {
        if (required)
            throw std::invalid_argument(std::string("missing field ") + key);
        return 0;
    }
    const auto& value = line[key];
    if (!value.is_number_integer() || (value.is_number_integer() && !value.is_number_unsigned() && value.get<int64_t>() < 0))
        throw std::invalid_argument(std::string("field ") + key + " is not a non-negative integer");
    const uint64_t number = value.get<uint64_t>();
    if (number > max)
        throw std::invalid_argument(std::string("field ") + key + " out of range: " + std::to_string(number) +
                                    " > " + std::to_string(max));
    return number;
}

// A line of scan output that is no found file (progress, end, failure).
bool IsScanEvent(const nlohmann::json& line)
{
    if (!line.is_object() || !line.contains("kind") || !line["kind"].is_string())
        return false;
    for (uint32_t k = StructureScanProgress; k < NtfsFile; ++k)
        if (line["kind"] == DataRecoveryInfoKindName(k))
            return true;
    return false;
}

// One found-file line; std::invalid_argument names what is wrong with it.
std::unique_ptr<InputFile> ParseFoundFile(const nlohmann::json& line)
{
    if (!line.is_object())
        throw std::invalid_argument("not a JSON object");
    if (!line.contains("kind") || !line["kind"].is_string())
        throw std::invalid_argument("missing field kind");
    int kind = -1;
    for (uint32_t k = NtfsFile; k <= CarvedFile; ++k)
        if (line["kind"] == DataRecoveryInfoKindName(k))
            kind = static_cast<int>(k);
    if (kind < 0)
        throw std::invalid_argument("unknown kind " + line["kind"].get<std::string>());
    if (!line.contains("path") || !line["path"].is_string())
        throw std::invalid_argument("missing field path");
    if (!line.contains("runs") || !line["runs"].is_array())
        throw std::invalid_argument("missing field runs");
    auto file = std::make_unique<InputFile>();
    file->path = line["path"].get<std::string>();
    if (file->path.size() > 65535)
        throw std::invalid_argument("field path longer than 65535 bytes");
    if (line["runs"].size() > 255)
        throw std::invalid_argument("a record carries at most 255 runs, this one " +
                                    std::to_string(line["runs"].size()));
    for (const auto& run : line["runs"]) {
        if (!run.is_array() || run.size() != 2 || !run[0].is_number_unsigned() || !run[1].is_number_unsigned())
            throw std::invalid_argument("a run is not a pair of non-negative integers");
        file->runs.push_back({run[0].get<uint64_t>(), run[1].get<uint64_t>()});
    }
    auto& r = file->record;
    r = MakeDataRecoveryInfo(static_cast<DataRecoveryInfoKind>(kind));
    r.diskIndex = static_cast<uint8_t>(Field(line, "diskIndex", 255, true));
    r.volIndex = static_cast<uint8_t>(Field(line, "volIndex", 255, true));
    r.fileSize = Field(line, "fileSize", UINT64_MAX, true);
    if (line.contains("modifyTime")) {
        if (!line["modifyTime"].is_number_integer())
            throw std::invalid_argument("field modifyTime is not an integer");
        r.modifyTime = line["modifyTime"].get<int64_t>();
    }
    r.runs = file->runs.empty() ? nullptr : file->runs.data();
    r.runCount = static_cast<uint8_t>(file->runs.size());
    r.path = file->path.c_str();
    r.pathLength = static_cast<uint16_t>(file->path.size());
    r.nodeId = static_cast<uint32_t>(Field(line, "nodeId", UINT32_MAX, false));
    r.lostPartitionNumber = static_cast<uint8_t>(Field(line, "lostPartitionNumber", 255, false));
    r.deletedState = static_cast<uint8_t>(Field(line, "deletedState", 255, false));
    r.pathState = static_cast<uint8_t>(Field(line, "pathState", 255, false));
    r.lostPartitionFlag = static_cast<uint8_t>(Field(line, "lostPartitionFlag", 255, false));
    r.dataState = static_cast<uint8_t>(Field(line, "dataState", DataCut, false));
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

    // Every input line gets an answer: its file's outcome, or why it was refused.
    struct Answer {
        size_t line = 0;
        long file = -1; // index into files
        std::string error;
    };
    std::vector<std::unique_ptr<InputFile>> files;
    std::vector<Answer> answers;
    std::string text;
    for (size_t number = 1; std::getline(std::cin, text); ++number) {
        if (text.empty())
            continue;
        auto json = nlohmann::json::parse(text, nullptr, false);
        try {
            if (json.is_discarded())
                throw std::invalid_argument("not a JSON line");
            if (IsScanEvent(json))
                continue; // scan output holds progress and end lines too
            files.push_back(ParseFoundFile(json));
            answers.push_back({number, static_cast<long>(files.size() - 1), ""});
        } catch (const std::exception& e) {
            answers.push_back({number, -1, e.what()});
        }
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

    DataRecoveryMulti* engine = files.empty() ? nullptr : CreateDataRecovery(selected, callback);
    if (!engine && !files.empty())
        return Fail("CreateDataRecovery failed", 1);
    const auto started = std::chrono::steady_clock::now();
    if (!engine) {
        // Every line was refused: nothing to recover.
    } else if (list) {
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
    if (engine)
        ReleaseDataRecovery(engine);

    uint64_t bytes = 0;
    std::map<std::string, int> failures;
    int firstFailure = 0;
    for (const auto& answer : answers) {
        if (answer.file < 0) {
            nlohmann::json line = {{"line", answer.line}, {"error", answer.error}, {"errorCode", 2}};
            std::printf("%s\n", JsonLine(line).c_str());
            ++failures["invalid"];
            if (firstFailure == 0)
                firstFailure = 2;
            continue;
        }
        const size_t i = static_cast<size_t>(answer.file);
        const auto& r = files[i]->record;
        nlohmann::json line = {{"line", answer.line},  {"path", files[i]->path},       {"diskIndex", r.diskIndex},
                               {"volIndex", r.volIndex}, {"fileSize", r.fileSize},       {"errorCode", outcomes[i].code},
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
    nlohmann::json summary = {{"files", answers.size()},
                              {"bytes", bytes},
                              {"failures", failures},
                              {"seconds", seconds},
                              {"MB/s", seconds > 0 ? static_cast<double>(bytes) / 1e6 / seconds : 0.0}};
    std::printf("%s\n", JsonLine(summary).c_str());
    return firstFailure;
}
