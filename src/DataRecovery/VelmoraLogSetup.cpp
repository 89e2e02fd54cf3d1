#include "DataRecovery/VelmoraExports.h"

#include <Tirrane/Tirrane.h>

#include <mutex>

namespace {
std::once_flag narrowLogOnce;
std::once_flag wideLogOnce;
}

bool InitVelmora(const char* logFileName)
{
    std::call_once(narrowLogOnce, [&] { InitSpdLogA(logFileName, "./log/"); });
    return true;
}

bool InitVelmoraW(const wchar_t* logFolder, const wchar_t* logFileName)
{
    std::call_once(wideLogOnce, [&] { InitSpdLogW(logFileName, logFolder); });
    return true;
}
