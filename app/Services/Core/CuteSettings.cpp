#include "CuteSettings.h"

#include <QDir>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString localDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

// Folder creation failures are left to the later writes, as QSettings does.
QString ensureFolder(const QString& path)
{
    QDir().mkpath(path);
    return path;
}

}

CuteSettings& CuteSettings::instance()
{
    static CuteSettings settings;
    return settings;
}

CuteSettings::CuteSettings()
{
    const QString configFolder = ensureFolder(ensureFolder(localDataFolder()) + QStringLiteral("/config"));
    filePaths_.insert(AppConfig, configFolder + QStringLiteral("/appconfig.ini"));
}

QString CuteSettings::logDirectory()
{
    return ensureFolder(ensureFolder(localDataFolder()) + QStringLiteral("/log"));
}

QString CuteSettings::appConfigPath() const
{
    return filePaths_.value(AppConfig);
}

void CuteSettings::setValue(const QString& key, const QVariant& value, int scope)
{
    switch (scope) {
    case Memory: {
        QMutexLocker lock(&memoryMutex_);
        if (value.isValid())
            memory_.insert(key, value);
        else
            memory_.remove(key);
        break;
    }
    case Default: {
        QSettings store;
        store.setValue(key, value);
        break;
    }
    case AppConfig: {
        QSettings store(appConfigPath(), QSettings::IniFormat);
        store.setValue(key, value);
        break;
    }
    default:
        break;
    }
}

QVariant CuteSettings::value(const QString& key, const QVariant& defaultValue, int scope) const
{
    switch (scope) {
    case Memory: {
        QMutexLocker lock(&memoryMutex_);
        return memory_.value(key, defaultValue);
    }
    case Default:
        return QSettings().value(key, defaultValue);
    case AppConfig:
        return QSettings(appConfigPath(), QSettings::IniFormat).value(key, defaultValue);
    default:
        return defaultValue;
    }
}
