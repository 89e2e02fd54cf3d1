#pragma once

#include <QObject>
#include <QString>

// Scan progress on the desktop's launcher entry: the Unity LauncherEntry
// "Update" signal on the session bus, which docks and panels show as a
// progress bar on the program's icon.
class TaskbarProgress : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* AppUri = "application://ostrel-windows-data.desktop";

    // Null when there is no session bus.
    static TaskbarProgress* create(QObject* parent);

    // States: 0 none, 1 value only, 2 indeterminate, 3 normal with value,
    // 4 error, 5 paused, 6 normal; 7 and above do nothing.
    void setProgress(int state, int value, int maximum);

private:
    explicit TaskbarProgress(QObject* parent);
    double lastProgress_ = 0.0;
};
