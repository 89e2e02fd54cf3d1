#pragma once
// Tirrane: a small logging library over spdlog.
//
// The four classic calls write to the default logger, which the engine uses.
// The channel calls let another module of the same process (the program) keep
// a log file of its own without touching the engine's.
//
// Levels: 0 trace, 1 debug, 2 information, 3 warning, 4 error, 5 critical.
// Files keep lines from information up; VELMORA_LOG_LEVEL=debug (or trace, warn, ...)
// sets another floor. Each file moves aside at 2 MiB and two old ones are kept.

#include <cstdarg>

#if defined(TIRRANE_BUILDING)
#define TIRRANE_API __attribute__((visibility("default")))
#else
#define TIRRANE_API
#endif

extern "C++" {

// Opens (or reopens) the default logger on folder/fileName; creates the folder.
TIRRANE_API bool InitSpdLogA(const char* fileName, const char* folder);
TIRRANE_API bool InitSpdLogW(const wchar_t* fileName, const wchar_t* folder);

// printf-style line on the default logger. SpdLogW formats with the wide
// printf family: a wide string argument is "%ls" there, as on every POSIX system.
TIRRANE_API void SpdLogA(const char* sourceFile, int line, int level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
TIRRANE_API void SpdLogW(const wchar_t* sourceFile, int line, int level, const wchar_t* format, ...);

// Named loggers for modules that keep their own file.
TIRRANE_API bool InitSpdLogChannelA(const char* channel, const char* fileName, const char* folder);
TIRRANE_API void SpdLogChannelV(const char* channel, const char* sourceFile, int line, int level,
                                const char* format, va_list args) __attribute__((format(printf, 5, 0)));
TIRRANE_API void SpdLogChannelText(const char* channel, const char* sourceFile, int line, int level,
                                   const char* text);

// Flushes and drops every logger (tests, orderly shutdown).
TIRRANE_API void ShutdownSpdLog();
}
