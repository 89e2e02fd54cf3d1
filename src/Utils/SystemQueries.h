#pragma once
// Small questions to the system, answered the Linux way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace Utils {

// 1 when the process runs with effective user id 0 (root), else 0; 0 as well
// when the process cannot be inspected.
uint32_t IsProcessElevated(pid_t process);

// The system's name as os-release gives it ("Debian GNU/Linux 12 (bookworm)").
std::string GetWindowsVersionName();

// strerror text of the current errno; "" when errno is 0.
std::string GetLastErrorText();

// The text form of a binary Windows SID ("S-1-5-21-...-1001"), checked against
// its length; "Converting SID failed" when it is not a valid SID.
std::string SidToString(const uint8_t* sid, size_t length);

// Windows accounts cannot be looked up here: always "" (the failure answer).
std::string SidToAccountName(const std::string& sidText);

// TMPDIR, else "/tmp", always ending in "/".
std::string GetTempDirectory();

// The account name of the process's effective user; "" when it has none.
std::string GetCurrentUserName();

}
