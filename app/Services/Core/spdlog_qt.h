#pragma once
// The program's log: one Tirrane channel of its own, so the engine's default
// logger (opened by the engine itself) is never reopened by the program.
// The text is passed whole, never as a format, so a "%" in a name stays a "%".
// Each line names the caller's file and line (the file name alone, never the build's path).
#include <QByteArray>
#include <QString>

#include <Tirrane/Tirrane.h>

#include <cstring>
#include <source_location>

inline constexpr const char* AppLogChannel = "app";
inline constexpr const char* AppLogFileName = "AppLog.log";

enum AppLogLevel { AppLogDebug = 1, AppLogInfo = 2, AppLogError = 4 };

// Opens "AppLog.log" in the given folder; true when the file could be opened.
inline bool startAppLog(const QString& folder)
{
    return InitSpdLogChannelA(AppLogChannel, AppLogFileName, folder.toUtf8().constData());
}

inline void appLogLine(AppLogLevel level, const char* text, const std::source_location& where)
{
    const char* file = where.file_name();
    if (const char* slash = std::strrchr(file, '/'))
        file = slash + 1;
    SpdLogChannelText(AppLogChannel, file, int(where.line()), level, text ? text : "");
}

inline void logInfo(const char* text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogInfo, text, where);
}

inline void logInfo(const QString& text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogInfo, text.toUtf8().constData(), where);
}

inline void logError(const char* text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogError, text, where);
}

inline void logError(const QString& text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogError, text.toUtf8().constData(), where);
}

// Per-item lines: kept only when VELMORA_LOG_LEVEL=debug asks for them.
inline void logDebug(const char* text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogDebug, text, where);
}

inline void logDebug(const QString& text, const std::source_location& where = std::source_location::current())
{
    appLogLine(AppLogDebug, text.toUtf8().constData(), where);
}
