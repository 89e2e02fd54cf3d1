#pragma once
// Shared by the shell's Qt tests: a private settings home, so the tests never
// touch the user's settings, and the application object.

#include "Application/XApplication.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#define OSTREL_SHELL_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        QTemporaryDir home;                                                                  \
        qputenv("HOME", home.path().toUtf8());                                               \
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());                      \
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());                          \
        QStandardPaths::setTestModeEnabled(true);                                            \
        XApplication app(argc, argv);                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                             \
        TestClass test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                              \
    }
