#pragma once
// One function per sub-command; each returns the process exit code.
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int RunPartitions(const Arguments& args);
int RunList(const Arguments& args);
int RunScan(const Arguments& args);
int RunRecover(const Arguments& args);

// Prints the one-line failure message to stderr and returns the exit code.
int Fail(const std::string& message, int code = 1);
