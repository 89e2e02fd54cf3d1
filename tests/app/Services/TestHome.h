#pragma once
// Points HOME and the XDG folders of this process (and its children) at a
// test's own folder, and names the application as the program does, so the
// settings store and the log folder land there.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

inline void useTestHome(const QString& folder)
{
    qputenv("HOME", folder.toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (folder + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (folder + "/cache").toUtf8());
}

inline void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("pelvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Windows Data Recovery"));
}
