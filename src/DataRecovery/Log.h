#pragma once
// Engine log lines. Each source file defines
//   static constexpr const char* LogSource = "src/<folder>/<file>";
// before using these.
#include <Tirrane/Tirrane.h>

enum LogLevel : int { LogLevelInformation = 2, LogLevelError = 4 };

#define VLOG_INFO(...) SpdLogA(LogSource, __LINE__, LogLevelInformation, __VA_ARGS__)
#define VLOG_ERROR(...) SpdLogA(LogSource, __LINE__, LogLevelError, __VA_ARGS__)
