#pragma once
// The translated display names of devices, special folders and file types,
// by NodeTypeCode and by fixed English or on-disk name.
//
// The GUI thread refills the table on every language change while the
// document manager's thread reads it, so readers take an immutable snapshot
// that a refill replaces whole.
#include <QHash>
#include <QString>

#include <memory>

struct NameTable {
    bool filled = false;
    QHash<int, QString> englishByCode;
    QHash<int, QString> translatedByCode;
    QHash<QString, QString> translatedByName;  // includes "$RECYCLE.BIN"
    QString englishUnknown = QStringLiteral("Unknown");
    QString translatedUnknown = QStringLiteral("Unknown");
};

// The current table; an empty, unfilled one before the first fill.
std::shared_ptr<const NameTable> nameTableSnapshot();

// Rebuilds the table in the current language (translation context "NameTable").
void fillNameTable();

// Lookups on the current snapshot; an empty text when absent.
QString translatedNameForCode(int code);
QString englishNameForCode(int code);
QString translatedNameForText(const QString& name);

// True when the path names the Recycle Bin folder ("$RECYCLE.BIN", any case).
bool containsRecycleBin(const QString& path);
