#pragma once
#include <QString>

// The made-up machine of the window screenshots: a system disk, a home
// volume and an external stick of the given file system, and the device and
// results modules behind the main window.
void useMadeUpMachine(const QString& stickFileSystem);
