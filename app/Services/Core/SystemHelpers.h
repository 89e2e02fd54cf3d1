#pragma once
// Small operations over the platform that the windows and the engine bridge
// share. None throws; failure shows only in the result.
#include <QString>

#include <cstdint>

// Without busy: a local event loop quit by a timer (events keep flowing).
// With busy: spins on a clock, processing no events.
void waitMilliseconds(int ms, bool busy = false);

// Runs the command (up to 5 s), returns its output without the command's last
// word (a column header), line breaks removed, white space simplified.
QString runCommandOutput(const QString& command);

// A readable directory: a network file system (NFS, SMB, CIFS) counts as
// readable, as does a "\\" path when checkNetworkPrefix is set; otherwise the
// path must be a directory the process may list and enter.
bool isDirectoryReadable(const QString& path, bool checkNetworkPrefix);

// Free bytes of the file system holding the path (the total, not the caller's
// quota); 0 on failure.
uint64_t diskFreeBytes(const QString& path);

// "<PRETTY_NAME of os-release> <cpu architecture>".
QString operatingSystemText();

// The text with every case-insensitive hit of the keyword wrapped in
// '<font color="colour">...</font>' and the rest escaped: rich text, to be
// shown as Qt::RichText. An empty keyword or text comes back as it is.
QString highlightKeyword(const QString& keyword, const QString& text, const QString& colour);

// Closes the log and ends the process at once with the code; no destructor runs.
[[noreturn]] void terminateSelf(int exitCode);
