#pragma once
// The environment of a program started by a test: its own home, settings,
// data and 0700 runtime folder inside the test's temporary folder, offscreen.

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

inline bool makePrivateSession(const QTemporaryDir& dir, QProcessEnvironment& environment)
{
    const QString run = dir.filePath("run");
    if (!QDir().mkpath(run) ||
        !QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.filePath("home"));
    environment.insert("XDG_RUNTIME_DIR", run);
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    environment.insert("XDG_DATA_HOME", dir.filePath("data"));
    environment.insert("XDG_CACHE_HOME", dir.filePath("cache"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return true;
}
