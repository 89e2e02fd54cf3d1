#include "Tirrane/Tirrane.h"
#include "WideText.h"

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/spdlog.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr const char* DefaultChannel = "";

// A log never grows without bound: at the cap it moves aside, and only the newest files are kept.
constexpr size_t MaxFileBytes = 2 * 1024 * 1024;
constexpr size_t KeptOldFiles = 2;

// Information and above unless VELMORA_LOG_LEVEL asks for more (or less): "debug" adds the per-item lines.
spdlog::level::level_enum ConfiguredLevel()
{
    const char* wanted = std::getenv("VELMORA_LOG_LEVEL");
    if (!wanted || !*wanted)
        return spdlog::level::info;
    const auto level = spdlog::level::from_str(wanted);
    // from_str answers "off" for a name it does not know: a typo must not silence the log.
    return level == spdlog::level::off && std::string(wanted) != "off" ? spdlog::level::info : level;
}

class Registry {
public:
    static Registry& Instance()
    {
        static Registry registry;
        return registry;
    }

    bool Open(const std::string& channel, const std::string& fileName, const std::string& folder)
    {
        try {
            std::filesystem::path dir(folder.empty() ? std::string(".") : folder);
            std::filesystem::create_directories(dir);
            auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>((dir / fileName).string(), MaxFileBytes,
                                                                               KeptOldFiles);
            auto logger = std::make_shared<spdlog::logger>(channel.empty() ? "default" : channel, sink);
            logger->set_pattern("[%Y-%m-%d %H:%M:%S.%e] [%l] [%t] %v");
            logger->set_level(ConfiguredLevel());
            // A crash must not take the last lines with it.
            logger->flush_on(spdlog::level::trace);
            std::lock_guard lock(mutex_);
            loggers_[channel] = std::move(logger);
            return true;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Tirrane: cannot open log %s/%s: %s\n", folder.c_str(), fileName.c_str(), e.what());
            return false;
        }
    }

    std::shared_ptr<spdlog::logger> Find(const std::string& channel)
    {
        std::lock_guard lock(mutex_);
        auto it = loggers_.find(channel);
        return it == loggers_.end() ? nullptr : it->second;
    }

    void Clear()
    {
        std::lock_guard lock(mutex_);
        for (auto& [name, logger] : loggers_)
            logger->flush();
        loggers_.clear();
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<spdlog::logger>> loggers_;
};

spdlog::level::level_enum ToLevel(int level)
{
    if (level <= 0)
        return spdlog::level::trace;
    if (level >= 5)
        return spdlog::level::critical;
    return static_cast<spdlog::level::level_enum>(level);
}

// Lines below the logger's level are never formatted; before set-up, errors still reach someone.
template <typename MakeText>
void Write(const std::string& channel, const std::string& sourceFile, int line, int level, MakeText makeText)
{
    auto logger = Registry::Instance().Find(channel);
    if (!logger) {
        if (level >= 4)
            std::fprintf(stderr, "[%s:%d] %s\n", sourceFile.c_str(), line, makeText().c_str());
        return;
    }
    if (logger->should_log(ToLevel(level)))
        logger->log(ToLevel(level), "[{}:{}] {}", sourceFile, line, makeText());
}

std::string FormatV(const char* format, va_list args)
{
    if (!format)
        return {};
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return format;
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string FormatWideV(const wchar_t* format, va_list args)
{
    if (!format)
        return {};
    // vswprintf says only "failed" when the buffer is short, so grow to a cap.
    for (size_t size = 512; size <= (1u << 20); size *= 4) {
        std::vector<wchar_t> buffer(size);
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (n >= 0)
            return Tirrane::WideToUtf8(std::wstring(buffer.data(), static_cast<size_t>(n)));
    }
    return Tirrane::WideToUtf8(format) + " [unformattable]";
}

}

bool InitSpdLogA(const char* fileName, const char* folder)
{
    return Registry::Instance().Open(DefaultChannel, fileName ? fileName : "", folder ? folder : "");
}

bool InitSpdLogW(const wchar_t* fileName, const wchar_t* folder)
{
    return Registry::Instance().Open(DefaultChannel, Tirrane::WideToUtf8(fileName), Tirrane::WideToUtf8(folder));
}

void SpdLogA(const char* sourceFile, int line, int level, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Write(DefaultChannel, sourceFile ? sourceFile : "", line, level, [&] { return FormatV(format, args); });
    va_end(args);
}

void SpdLogW(const wchar_t* sourceFile, int line, int level, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    Write(DefaultChannel, Tirrane::WideToUtf8(sourceFile), line, level, [&] { return FormatWideV(format, args); });
    va_end(args);
}

bool InitSpdLogChannelA(const char* channel, const char* fileName, const char* folder)
{
    return Registry::Instance().Open(channel ? channel : "", fileName ? fileName : "", folder ? folder : "");
}

void SpdLogChannelV(const char* channel, const char* sourceFile, int line, int level, const char* format,
                    va_list args)
{
    Write(channel ? channel : "", sourceFile ? sourceFile : "", line, level, [&] { return FormatV(format, args); });
}

void SpdLogChannelText(const char* channel, const char* sourceFile, int line, int level, const char* text)
{
    Write(channel ? channel : "", sourceFile ? sourceFile : "", line, level,
          [&] { return std::string(text ? text : ""); });
}

void ShutdownSpdLog()
{
    Registry::Instance().Clear();
}
