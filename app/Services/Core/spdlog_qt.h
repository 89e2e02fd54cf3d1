#pragma once
// The program's log: one Tirrane channel of its own, so the engine's default
// logger (opened by the engine itself) is never reopened by the program.
// The text is passed whole, never as a format, so a "%" in a name stays a "%".
#include <QByteArray>
#include <QString>

#include <Tirrane/Tirrane.h>

inline constexpr const char* AppLogChannel = "app";
inline constexpr const char* AppLogFileName = "AppLog.log";

enum AppLogLevel { AppLogInfo = 2, AppLogError = 4 };

// Opens "AppLog.log" in the given folder; true when the file could be opened.
inline bool startAppLog(const QString& folder)
{
    return InitSpdLogChannelA(AppLogChannel, AppLogFileName, folder.toUtf8().constData());
}

inline void logInfo(const char* text)
{
    SpdLogChannelText(AppLogChannel, __FILE__, __LINE__, AppLogInfo, text ? text : "");
}

inline void logInfo(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    SpdLogChannelText(AppLogChannel, __FILE__, __LINE__, AppLogInfo, utf8.constData());
}

inline void logError(const char* text)
{
    SpdLogChannelText(AppLogChannel, __FILE__, __LINE__, AppLogError, text ? text : "");
}

inline void logError(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    SpdLogChannelText(AppLogChannel, __FILE__, __LINE__, AppLogError, utf8.constData());
}
