#pragma once
// The program's small persistent and per-run values, by scope:
//   0  this process's memory (an invalid QVariant removes the key)
//   1  the application's default QSettings (native format; on Linux
//      $XDG_CONFIG_HOME/pelvane/<application name>.conf)
//   2  "<local data folder>/config/appconfig.ini" (ini format)
// Any other scope is ignored on write and gives the default on read.
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariant>

class CuteSettings : public QObject {
    Q_OBJECT
public:
    enum Scope { Memory = 0, Default = 1, AppConfig = 2 };

    static CuteSettings& instance();

    void setValue(const QString& key, const QVariant& value, int scope);
    QVariant value(const QString& key, const QVariant& defaultValue, int scope) const;

    // "<local data folder>/log", created with its parents when missing.
    static QString logDirectory();
    // "<local data folder>/config/appconfig.ini".
    QString appConfigPath() const;

private:
    CuteSettings();

    mutable QMutex memoryMutex_;  // scope 0 may be read from the document manager's thread
    QHash<QString, QVariant> memory_;
    QHash<int, QString> filePaths_;
};
