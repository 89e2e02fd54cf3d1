// Deep scan of a page-cached raw image through the exported interface:
// throughput with one carving worker and with all cores against plain pread,
// recall against photorec on the same image, and memory per found file.
//   velmora-bench-deepscan [IMAGE | --quick-format]
// Without IMAGE: 1 GiB of the carving fixtures repeated between random filler
// (made with scripts/make-carving-fixtures.sh), then the recall table and the
// memory figure over 100,000 small files, and a quick-formatted FAT32 card
// (the fixtures in three folders, half deleted, formatted again with another
// cluster size): files back byte-exact and time, against photorec.
#include "DataRecovery/VelmoraExports.h"
#include "DeepScan/Carving/SignatureTable.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint64_t MiB = 1024 * 1024;

struct Placed {
    std::string file;
    int32_t typeId;
    bool readsOn;
    uint64_t offset;
    uint64_t length;
};

struct Carved {
    uint64_t offset;
    uint64_t size;
};

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double PreadSeconds(const std::string& image)
{
    const int fd = ::open(image.c_str(), O_RDONLY);
    std::vector<char> block(10 * MiB);
    const auto began = std::chrono::steady_clock::now();
    for (off_t at = 0;; at += static_cast<off_t>(block.size()))
        if (::pread(fd, block.data(), block.size(), at) <= 0)
            break;
    ::close(fd);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

// Scans the image as a raw region through the exported interface.
std::vector<Carved> DeepScan(const std::string& image, double* seconds, double* cpu)
{
    ::setenv("VELMORA_IMAGES_ONLY", "1", 1);
    ::setenv("VELMORA_DISK_IMAGES", image.c_str(), 1);
    const auto volumes = GetLocalDiskAndVolumeInfo();
    std::vector<Carved> carved;
    std::mutex mutex;
    auto callback = [&](const DataRecoveryInfo& info) {
        if (info.kind == CarvedFile && info.runs) {
            std::lock_guard lock(mutex);
            carved.push_back({info.runs[0].offset, info.runs[0].length});
        }
    };
    const double cpuBefore = CpuSeconds();
    const auto began = std::chrono::steady_clock::now();
    DataRecoveryMulti* engine = CreateDataRecovery(volumes, callback);
    if (engine) {
        engine->Start();
        ReleaseDataRecovery(engine);
    }
    *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    *cpu = CpuSeconds() - cpuBefore;
    return carved;
}

std::string TempFolder()
{
    char pattern[] = "/var/tmp/velmora-bench-deepscan-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    return pattern;
}

std::string SourceScript()
{
    return std::string(VELMORA_SOURCE_DIR) + "/scripts/make-carving-fixtures.sh";
}

std::vector<Placed> BuildImage(const std::string& folder, const std::string& image, uint64_t size)
{
    const std::string fixtures = folder + "/fixtures";
    if (std::system(("bash " + SourceScript() + " " + fixtures + " >/dev/null 2>&1").c_str()) != 0) {
        std::fprintf(stderr, "making the fixtures failed\n");
        std::exit(1);
    }
    std::vector<Placed> kinds;
    std::ifstream manifest(fixtures + "/manifest.txt");
    std::string name;
    int32_t id;
    int readsOn;
    uint64_t signature;
    while (manifest >> name >> id >> readsOn >> signature)
        kinds.push_back({fixtures + "/" + name, id, readsOn != 0, 0, 0});
    std::vector<std::vector<uint8_t>> bytes;
    for (const auto& kind : kinds)
        bytes.push_back(ReadAll(kind.file));
    std::mt19937_64 random(1);
    std::vector<uint8_t> noise(64 * MiB);
    for (auto& b : noise)
        b = static_cast<uint8_t>(random());
    std::ofstream out(image, std::ios::binary);
    std::vector<Placed> placed;
    uint64_t at = 0;
    for (size_t i = 0; at < size; ++i) {
        const auto& kind = kinds[i % kinds.size()];
        const auto& data = bytes[i % kinds.size()];
        placed.push_back({kind.file, kind.typeId, kind.readsOn, at, data.size()});
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        at += data.size();
        const uint64_t pad = (4096 - at % 4096) % 4096 + 4096 * (1 + random() % 3);
        const uint64_t from = random() % (noise.size() - pad);
        out.write(reinterpret_cast<const char*>(noise.data() + from), static_cast<std::streamsize>(pad));
        at += pad;
    }
    return placed;
}

// Best of three rounds, each timing pread and the scan with one carving
// worker and with one per core, so a busy machine skews all sides alike.
void Throughput(const std::string& image, std::vector<Carved>* carved)
{
    // Page-cache the image first, so every side reads memory.
    PreadSeconds(image);
    const double size = static_cast<double>(fs::file_size(image)) / MiB;
    double readSeconds = 1e9;
    double scanSeconds[2] = {1e9, 1e9};
    double cpu[2] = {0, 0};
    size_t found[2] = {0, 0};
    for (int round = 0; round < 3; ++round) {
        readSeconds = std::min(readSeconds, PreadSeconds(image));
        for (int side = 0; side < 2; ++side) {
            if (side == 0)
                ::setenv("VELMORA_CARVE_WORKERS", "1", 1);
            else
                ::unsetenv("VELMORA_CARVE_WORKERS");
            double seconds = 0, used = 0;
            *carved = DeepScan(image, &seconds, &used);
            found[side] = carved->size();
            if (seconds < scanSeconds[side]) {
                scanSeconds[side] = seconds;
                cpu[side] = used;
            }
        }
    }
    std::printf("throughput: pread %.0f MiB/s\n", size / readSeconds);
    const char* names[2] = {"1 worker", "all cores"};
    for (int side = 0; side < 2; ++side)
        std::printf("  deep scan, %-9s %6.0f MiB/s, ratio %.2f, CPU %.2f s, %zu files\n", names[side],
                    size / scanSeconds[side], readSeconds / scanSeconds[side], cpu[side], found[side]);
    std::printf("  cores %u%s\n", std::thread::hardware_concurrency(),
                found[0] == found[1] ? "" : " (the two scans found different numbers of files)");
}

void Recall(const std::string& folder, const std::string& image, const std::vector<Placed>& placed,
            const std::vector<Carved>& carved)
{
    std::map<uint64_t, uint64_t> ours;
    for (const auto& c : carved)
        ours[c.offset] = c.size;
    const bool havePhotorec = std::system("command -v photorec >/dev/null 2>&1") == 0;
    const std::string out = folder + "/photorec";
    if (havePhotorec) {
        const std::string types = "jpg,png,gif,bmp,tif,psd,raf,mov,riff,mkv,flv,mpg,rm,asf,mp3,ogg,aif,zip,7z,rar,"
                                  "iso,doc,pdf";
        std::string enable;
        size_t start = 0;
        while (start < types.size()) {
            const size_t end = std::min(types.find(',', start), types.size());
            enable += "," + types.substr(start, end - start) + ",enable";
            start = end + 1;
        }
        // photorec writes its log into the working folder.
        const std::string command = "cd " + folder + " && photorec /log /d " + out + " /cmd " + image +
                                    " partition_none,fileopt,everything,disable" + enable + ",search >/dev/null 2>&1";
        std::system(command.c_str());
    }
    // photorec writes f<sector>.<ext> into OUT.1, OUT.2, ... (500 files each).
    std::map<uint64_t, std::vector<std::string>> theirs;
    std::error_code error;
    for (const auto& dir : fs::directory_iterator(folder, error)) {
        if (dir.path().filename().string().rfind("photorec.", 0) != 0)
            continue;
        for (const auto& entry : fs::directory_iterator(dir.path(), error)) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 1 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1])))
                theirs[std::stoull(name.substr(1))].push_back(entry.path().string());
        }
    }
    std::map<std::string, std::pair<int, int>> oursByType, theirsByType;
    std::map<std::string, int> totals;
    std::map<std::string, std::vector<uint8_t>> originals;
    for (const auto& p : placed) {
        const std::string ext(TypeExtension(p.typeId).value_or("ole2"));
        ++totals[ext];
        const auto it = ours.find(p.offset);
        if (it != ours.end() && it->second == p.length)
            ++oursByType[ext].first;
        const auto found = theirs.find(p.offset / 512);
        if (found == theirs.end())
            continue;
        auto& original = originals[p.file];
        if (original.empty())
            original = ReadAll(p.file);
        for (const auto& path : found->second)
            if (fs::file_size(path) == p.length && ReadAll(path) == original) {
                ++theirsByType[ext].first;
                break;
            }
    }
    std::printf("recall (files recovered byte-exact)%s:\n", havePhotorec ? "" : " (photorec not installed)");
    std::printf("  %-6s %6s %8s %8s\n", "type", "files", "velmora", "photorec");
    for (const auto& [ext, total] : totals)
        std::printf("  %-6s %6d %7.1f%% %7.1f%%\n", ext.c_str(), total, 100.0 * oursByType[ext].first / total,
                    100.0 * theirsByType[ext].first / total);
}

// A child process scans one image and reports its peak RSS and files found.
void ScanForMemory(const std::string& image)
{
    double seconds = 0, cpu = 0;
    const auto carved = DeepScan(image, &seconds, &cpu);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %zu\n", usage.ru_maxrss, carved.size());
}

std::pair<long, size_t> MeasureChild(const std::string& self, const std::string& image)
{
    const std::string command = self + " --memory-child " + image;
    FILE* pipe = ::popen(command.c_str(), "r");
    long rss = 0;
    size_t found = 0;
    if (pipe) {
        if (std::fscanf(pipe, "%ld %zu", &rss, &found) != 2)
            rss = 0;
        ::pclose(pipe);
    }
    return {rss, found};
}

void Memory(const std::string& self, const std::string& folder)
{
    const std::string files = folder + "/small-files.img";
    const std::string filler = folder + "/filler.img";
    const int count = 100000;
    // A tiny GIF per 4 KiB cluster, random bytes in the rest.
    static const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0,
                                  1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    std::mt19937_64 random(3);
    std::vector<uint8_t> cluster(4096);
    std::ofstream a(files, std::ios::binary), b(filler, std::ios::binary);
    for (int i = 0; i < count; ++i) {
        for (auto& byte : cluster)
            byte = static_cast<uint8_t>(random());
        b.write(reinterpret_cast<const char*>(cluster.data()), 4096);
        std::memcpy(cluster.data(), gif, sizeof gif);
        a.write(reinterpret_cast<const char*>(cluster.data()), 4096);
    }
    a.close();
    b.close();
    const auto withFiles = MeasureChild(self, files);
    const auto withFiller = MeasureChild(self, filler);
    const double perFile = withFiles.second
                               ? (withFiles.first - withFiller.first) * 1024.0 / static_cast<double>(withFiles.second)
                               : 0;
    std::printf("memory: peak RSS %ld KiB over %zu files, %ld KiB over filler: %.0f bytes per file found\n",
                withFiles.first, withFiles.second, withFiller.first, perFile);
}


// Every file the scan reports, with its runs, read back from the image.
std::vector<std::vector<DataRun>> ScanAll(const std::string& image, double* seconds)
{
    ::setenv("VELMORA_IMAGES_ONLY", "1", 1);
    ::setenv("VELMORA_DISK_IMAGES", image.c_str(), 1);
    ::unsetenv("VELMORA_CARVE_WORKERS");
    const auto volumes = GetLocalDiskAndVolumeInfo();
    std::vector<std::vector<DataRun>> files;
    std::mutex mutex;
    auto callback = [&](const DataRecoveryInfo& info) {
        if (info.kind >= NtfsFile && info.kind <= CarvedFile && info.runs && info.runCount) {
            std::lock_guard lock(mutex);
            files.emplace_back(info.runs, info.runs + info.runCount);
            uint64_t left = info.fileSize;
            for (auto& run : files.back()) {
                run.length = std::min(run.length, left);
                left -= run.length;
            }
        }
    };
    const auto began = std::chrono::steady_clock::now();
    DataRecoveryMulti* engine = CreateDataRecovery(volumes, callback);
    if (engine) {
        engine->Start();
        ReleaseDataRecovery(engine);
    }
    *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return files;
}

bool Run(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

void QuickFormat(const std::string& folder)
{
    if (!Run("command -v mkfs.fat && command -v mcopy")) {
        std::printf("quick format: mkfs.fat or mtools not installed\n");
        return;
    }
    const std::string fixtures = folder + "/fixtures";
    if (!fs::exists(fixtures + "/manifest.txt") && !Run("bash " + SourceScript() + " " + fixtures)) {
        std::fprintf(stderr, "making the fixtures failed\n");
        std::exit(1);
    }
    std::vector<std::string> names;
    std::ifstream manifest(fixtures + "/manifest.txt");
    std::string name, rest;
    while (manifest >> name && std::getline(manifest, rest))
        names.push_back(name);
    const std::string image = folder + "/quick-format.img";
    const char* dirs[] = {"DCIM", "Music", "Docs"};
    std::string script = "truncate -s 128M " + image + " && mkfs.fat -F 32 -s 1 " + image + " && mmd -i " + image +
                         " ::DCIM ::Music ::Docs";
    for (size_t i = 0; i < names.size(); ++i)
        script += std::string(" && mcopy -i ") + image + " " + fixtures + "/" + names[i] + " ::" + dirs[i % 3] + "/" +
                  names[i];
    for (size_t i = 1; i < names.size(); i += 2)
        script += std::string(" && mdel -i ") + image + " ::" + dirs[i % 3] + "/" + names[i];
    script += " && mkfs.fat -F 32 -s 2 " + image;
    if (!Run(script)) {
        std::fprintf(stderr, "making the quick-formatted card failed\n");
        std::exit(1);
    }
    const auto bytes = ReadAll(image);
    size_t surviving = 0, oursExact = 0, theirsExact = 0;
    std::vector<std::vector<uint8_t>> originals;
    for (const auto& n : names) {
        auto original = ReadAll(fixtures + "/" + n);
        bool survives = false;
        for (size_t at = 0; !original.empty() && at + original.size() <= bytes.size() && !survives; at += 512)
            survives = std::memcmp(bytes.data() + at, original.data(), original.size()) == 0;
        if (survives)
            originals.push_back(std::move(original));
    }
    surviving = originals.size();

    double ourSeconds = 0;
    const auto found = ScanAll(image, &ourSeconds);
    std::set<std::vector<uint8_t>> ours;
    for (const auto& runs : found) {
        std::vector<uint8_t> content;
        for (const auto& run : runs)
            if (run.offset <= bytes.size() && run.length <= bytes.size() - run.offset)
                content.insert(content.end(), bytes.begin() + run.offset, bytes.begin() + run.offset + run.length);
        ours.insert(std::move(content));
    }
    for (const auto& original : originals)
        oursExact += ours.count(original);

    double theirSeconds = 0;
    const bool havePhotorec = Run("command -v photorec");
    if (havePhotorec) {
        const std::string out = folder + "/quick-photorec";
        const auto began = std::chrono::steady_clock::now();
        Run("cd " + folder + " && photorec /log /d " + out + " /cmd " + image +
            " partition_none,fileopt,everything,enable,search");
        theirSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        std::set<std::vector<uint8_t>> theirs;
        std::error_code error;
        for (const auto& dir : fs::directory_iterator(folder, error))
            if (dir.path().filename().string().rfind("quick-photorec.", 0) == 0)
                for (const auto& entry : fs::directory_iterator(dir.path(), error))
                    if (entry.is_regular_file())
                        theirs.insert(ReadAll(entry.path().string()));
        for (const auto& original : originals)
            theirsExact += theirs.count(original);
    }
    std::printf("quick-formatted FAT32 card (128 MiB, 512-byte clusters formatted again with 1024): %zu files written, "
                "%zu surviving\n",
                names.size(), surviving);
    std::printf("  velmora  %3zu byte-exact, %.2f s\n", oursExact, ourSeconds);
    if (havePhotorec)
        std::printf("  photorec %3zu byte-exact, %.2f s\n", theirsExact, theirSeconds);
    else
        std::printf("  photorec not installed\n");
}
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--memory-child") {
        ScanForMemory(argv[2]);
        return 0;
    }
    std::vector<Carved> carved;
    if (argc == 2 && std::string(argv[1]) == "--quick-format") {
        const std::string folder = TempFolder();
        QuickFormat(folder);
        fs::remove_all(folder);
        return 0;
    }
    if (argc > 1) {
        Throughput(argv[1], &carved);
        return 0;
    }
    const std::string folder = TempFolder();
    const std::string image = folder + "/fixtures.img";
    const auto placed = BuildImage(folder, image, 1024 * MiB);
    Throughput(image, &carved);
    Recall(folder, image, placed, carved);
    Memory(fs::canonical("/proc/self/exe").string(), folder);
    QuickFormat(folder);
    fs::remove_all(folder);
    return 0;
}
