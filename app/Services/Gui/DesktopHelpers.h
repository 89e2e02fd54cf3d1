#pragma once
// Helpers that reach the desktop: the browser, the file manager, the screen.
#include <QString>

class QWidget;

// A web address (tolerant parsing), or with local set a file or folder.
bool openLink(const QString& text, bool local = false);

// Opens the folder in the user's file manager.
bool openFolderInExplorer(const QString& path);

// Centres the widget in the primary screen's available area.
void centreOnScreen(QWidget* widget);
