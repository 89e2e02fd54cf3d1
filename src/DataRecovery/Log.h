#pragma once
// Engine log lines. Each source file defines
//   static constexpr const char* LogSource = "src/<folder>/<file>";
// before using these.
#include <Tirrane/Tirrane.h>

enum LogLevel : int { LogLevelDebug = 1, LogLevelInformation = 2, LogLevelError = 4 };

// Per-file and per-run lines go to debug (off unless VELMORA_LOG_LEVEL=debug asks):
// a card of 200,000 files must not leave millions of lines.
#define VLOG_DEBUG(...) SpdLogA(LogSource, __LINE__, LogLevelDebug, __VA_ARGS__)
#define VLOG_INFO(...) SpdLogA(LogSource, __LINE__, LogLevelInformation, __VA_ARGS__)
#define VLOG_ERROR(...) SpdLogA(LogSource, __LINE__, LogLevelError, __VA_ARGS__)
