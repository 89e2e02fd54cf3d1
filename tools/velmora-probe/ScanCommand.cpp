// velmora-probe scan: runs a scan through the exported interface and prints
// every callback event as one JSON line. Exit code 0 after a clean scan, the
// first failure's result code after a ScanFailed.
#include "Commands.h"
#include "EventJson.h"

#include "DataRecovery/VelmoraExports.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <utility>

namespace {

struct ScanOptions {
    std::vector<std::pair<int, int>> volumes;
    std::string path;
    bool hasPath = false;
    bool recycleBin = false;
    long pauseAfter = -1;
    long stopAfter = -1;
};

const char* usage =
    "usage: velmora-probe scan --disk D --volume V [--disk D --volume V ...] [--path P | --recycle-bin]"
    " [--pause-after N] [--stop-after N]";

long Number(const std::string& text)
{
    size_t used = 0;
    long value = std::stol(text, &used);
    if (used != text.size() || value < 0)
        throw std::invalid_argument(text);
    return value;
}

bool Parse(const Arguments& args, ScanOptions& options)
{
    int disk = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--recycle-bin") {
            options.recycleBin = true;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        try {
            if (arg == "--disk") {
                disk = static_cast<int>(Number(value));
            } else if (arg == "--volume") {
                if (disk < 0)
                    return false;
                options.volumes.emplace_back(disk, static_cast<int>(Number(value)));
                disk = -1;
            } else if (arg == "--path") {
                options.path = value;
                options.hasPath = true;
            } else if (arg == "--pause-after") {
                options.pauseAfter = Number(value);
            } else if (arg == "--stop-after") {
                options.stopAfter = Number(value);
            } else {
                return false;
            }
        } catch (const std::exception&) {
            return false;
        }
    }
    return disk < 0 && !options.volumes.empty() && !(options.hasPath && options.recycleBin);
}

// Pauses, resumes and stops the scan from its own thread when the event
// count reaches the requested numbers. The event that reaches a number waits
// until its flag is set, so a scan shorter than the reaction time cannot end
// before the pause or stop was ever asked for.
class Controller {
public:
    Controller(const ScanOptions& options)
        : pauseAfter(options.pauseAfter), stopAfter(options.stopAfter), paused(pauseAfter < 0), stopped(stopAfter < 0)
    {
    }

    void Attach(DataRecoveryMulti* object)
    {
        engine = object;
        worker = std::thread([this] { Run(); });
    }

    void OnEvent()
    {
        const long count = ++events;
        if (count != pauseAfter && count != stopAfter)
            return;
        std::unique_lock lock(mutex);
        wake.notify_all();
        acted.wait(lock, [&] { return finished || ((count != pauseAfter || paused) && (count != stopAfter || stopped)); });
    }

    void Finish()
    {
        {
            std::lock_guard lock(mutex);
            finished = true;
        }
        wake.notify_all();
        if (worker.joinable())
            worker.join();
    }

private:
    void Run()
    {
        std::unique_lock lock(mutex);
        while (!finished && !(paused && stopped)) {
            wake.wait(lock, [&] {
                return finished || (!paused && events >= pauseAfter) || (!stopped && events >= stopAfter);
            });
            if (finished)
                break;
            if (!paused && events >= pauseAfter) {
                lock.unlock();
                std::fprintf(stderr, "velmora-probe: pause after %ld events\n", pauseAfter);
                engine->Pause(0);
                lock.lock();
                paused = true;
                acted.notify_all();
                lock.unlock();
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                std::fprintf(stderr, "velmora-probe: resume\n");
                engine->SetRun(0);
                lock.lock();
            }
            if (!stopped && events >= stopAfter) {
                lock.unlock();
                std::fprintf(stderr, "velmora-probe: stop after %ld events\n", stopAfter);
                engine->SetStop(0);
                lock.lock();
                stopped = true;
                acted.notify_all();
            }
        }
    }

    long pauseAfter;
    long stopAfter;
    bool paused;
    bool stopped;
    std::atomic<long> events{0};
    DataRecoveryMulti* engine = nullptr;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable acted;
    bool finished = false;
    std::thread worker;
};

}

int RunScan(const Arguments& args)
{
    ScanOptions options;
    if (!Parse(args, options))
        return Fail(usage, 2);

    const auto listed = GetLocalDiskAndVolumeInfo();
    std::vector<DiskAndVolumeInfo> selected;
    for (const auto& [disk, volume] : options.volumes) {
        bool found = false;
        for (const auto& record : listed) {
            if (record.diskIndex == disk && record.volIndex == volume) {
                selected.push_back(record);
                found = true;
                break;
            }
        }
        if (!found)
            return Fail("no volume " + std::to_string(volume) + " on disk " + std::to_string(disk), 2);
    }

    Controller controller(options);
    std::mutex printMutex;
    int firstFailure = 0;
    // "t" lets phases of a scan be timed from outside: seconds since the scan call, to the millisecond.
    const auto began = std::chrono::steady_clock::now();
    auto callback = [&](const DataRecoveryInfo& info) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
        {
            std::lock_guard lock(printMutex);
            auto line = EventToJson(info);
            line["t"] = static_cast<double>(elapsed.count()) / 1000.0;
            std::printf("%s\n", JsonLine(line).c_str());
            // Found files can come by the hundred thousand: a write per line would
            // cost more than the scan; every other event is pushed out at once.
            if (info.kind != NtfsFile && info.kind != Fat32File && info.kind != ExFatFile && info.kind != CarvedFile)
                std::fflush(stdout);
            if (info.kind == ScanFailed && firstFailure == 0)
                firstFailure = info.errorCode != 0 ? info.errorCode : 17;
        }
        controller.OnEvent();
    };

    DataRecoveryMulti* engine = CreateDataRecovery(selected, callback);
    if (!engine)
        return Fail("CreateDataRecovery failed", 1);
    controller.Attach(engine);
    if (options.hasPath) {
        std::vector<ScanPathInfo> rows;
        for (const auto& record : selected)
            rows.push_back({record.diskIndex, record.volIndex, options.path});
        engine->Start(rows);
    } else if (options.recycleBin) {
        engine->ScanRecycleBin();
    } else {
        engine->Start();
    }
    controller.Finish();
    ReleaseDataRecovery(engine);
    std::lock_guard lock(printMutex);
    return firstFailure;
}
