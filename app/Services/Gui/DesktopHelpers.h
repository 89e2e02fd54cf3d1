#pragma once
// Helpers that reach the desktop: the browser, the file manager, the screen.
#include <QString>

#include <functional>

class QObject;
class QWidget;

// A web address (tolerant parsing), or with local set a file or folder.
bool openLink(const QString& text, bool local = false);

// Opens the folder in the user's file manager.
bool openFolderInExplorer(const QString& path);

// The desktop's opener (xdg-open) on a desktop platform, else empty.
QString defaultFolderOpener();

// Opens the folder in the user's file manager and calls failed, on context's thread and
// possibly later, when none answered. With an opener its exit status tells: Qt would report
// success as soon as xdg-open starts, even where no file manager is installed.
void openFolderInFileManager(const QString& path, QObject* context, std::function<void()> failed,
                             const QString& opener = defaultFolderOpener());

// Centres the widget in the primary screen's available area.
void centreOnScreen(QWidget* widget);
