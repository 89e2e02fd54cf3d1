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
// count reaches the requested numbers.
class Controller {
public:
    Controller(const ScanOptions& options) : pauseAfter(options.pauseAfter), stopAfter(options.stopAfter) {}

    void Attach(DataRecoveryMulti* object)
    {
        engine = object;
        worker = std::thread([this] { Run(); });
    }

    void OnEvent()
    {
        const long count = ++events;
        if (count == pauseAfter || count == stopAfter) {
            std::lock_guard lock(mutex);
            wake.notify_all();
        }
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
        bool paused = pauseAfter < 0;
        bool stopped = stopAfter < 0;
        std::unique_lock lock(mutex);
        while (!finished && !(paused && stopped)) {
            wake.wait(lock, [&] {
                return finished || (!paused && events >= pauseAfter) || (!stopped && events >= stopAfter);
            });
            if (finished)
                break;
            if (!paused && events >= pauseAfter) {
                paused = true;
                lock.unlock();
                std::fprintf(stderr, "velmora-probe: pause after %ld events\n", pauseAfter);
                engine->Pause(0);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                std::fprintf(stderr, "velmora-probe: resume\n");
                engine->SetRun(0);
                lock.lock();
            }
            if (!stopped && events >= stopAfter) {
                stopped = true;
                lock.unlock();
                std::fprintf(stderr, "velmora-probe: stop after %ld events\n", stopAfter);
                engine->SetStop(0);
                lock.lock();
            }
        }
    }

    long pauseAfter;
    long stopAfter;
    std::atomic<long> events{0};
    DataRecoveryMulti* engine = nullptr;
    std::mutex mutex;
    std::condition_variable wake;
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
    const auto began = std::chrono::steady_clock::now();
    auto callback = [&](const DataRecoveryInfo& info) {
        {
            std::lock_guard lock(printMutex);
            auto line = EventToJson(info);
            // Seconds since the scan began, to the millisecond.
            const auto elapsed = std::chrono::steady_clock::now() - began;
            line["t"] = static_cast<double>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) / 1000.0;
            std::printf("%s\n", JsonLine(line).c_str());
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
