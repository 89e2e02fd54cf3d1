#pragma once
#include <QWidget>

// The window the results page's dialogs and message boxes belong to: the
// program's main window, or the page's own top-level window where there is
// none (tests and tools).
QWidget* resultsMainWindow(QWidget* page);

// "SDRecovery" unless the current scan is one volume ("DiskRecovery").
QString resultsAnalyticsCategory();
