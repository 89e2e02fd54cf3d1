#pragma once
#include <QString>

// A found file's path inside its volume: removes the leading display
// component when it ends in a parenthesised drive or device ("Local Disk
// (C:)", on Linux "Label (sdb1)") and one separator after it, then collapses
// doubled backslashes. Only the leading component
// goes: a found folder "Trip (E:)" deeper in the path stays.
QString stripVolumeDisplayName(const QString& path);
