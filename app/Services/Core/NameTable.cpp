#include "NameTable.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <mutex>

namespace {

struct CodeName {
    int code;
    const char* text;
};

const CodeName CodeNames[] = {
    {0, QT_TRANSLATE_NOOP("NameTable", "Local Drives")},
    {1, QT_TRANSLATE_NOOP("NameTable", "External Drives")},
    {2, QT_TRANSLATE_NOOP("NameTable", "System Disk")},
    {3, "Local Drives"},
    {4, "External Drives"},
    {5, QT_TRANSLATE_NOOP("NameTable", "Lost Partition")},
    {6, "Lost Partition"},
    {7, "Lost Partition"},
    {8, "Lost Partition"},
    {9, QT_TRANSLATE_NOOP("NameTable", "Unmounted Partition")},
    {10, "Unmounted Partition"},
    {11, QT_TRANSLATE_NOOP("NameTable", "Unallocated Partition")},
    {12, "Unallocated Partition"},
    {13, QT_TRANSLATE_NOOP("NameTable", "Desktop")},
    {14, QT_TRANSLATE_NOOP("NameTable", "Recycle Bin")},
    {16, QT_TRANSLATE_NOOP("NameTable", "Folder")},
    {17, QT_TRANSLATE_NOOP("NameTable", "File Name Lost")},
    {18, QT_TRANSLATE_NOOP("NameTable", "File Path Lost")},
    {19, QT_TRANSLATE_NOOP("NameTable", "Photo")},
    {20, QT_TRANSLATE_NOOP("NameTable", "Video")},
    {21, QT_TRANSLATE_NOOP("NameTable", "Document")},
    {22, QT_TRANSLATE_NOOP("NameTable", "Audio")},
    {23, QT_TRANSLATE_NOOP("NameTable", "Archive")},
    {24, QT_TRANSLATE_NOOP("NameTable", "Email")},
    {25, QT_TRANSLATE_NOOP("NameTable", "Others")},
    {26, QT_TRANSLATE_NOOP("NameTable", "Unsaved File")},
    {27, QT_TRANSLATE_NOOP("NameTable", "Extensionless File")},
    {29, "Photo"},
    {30, "Video"},
    {31, "Document"},
    {32, "Audio"},
    {33, "Archive"},
    {34, "Email"},
    {36, "Others"},
    {37, "Unsaved File"},
    {38, "Extensionless File"},
    {40, QT_TRANSLATE_NOOP("NameTable", "All Files")},
};

const char* const FixedNames[] = {
    "Folder", "Photo", "Video", "Audio", "Document", "Email", "Archive", "Others",
    "Extensionless File", "Unsaved File", "File Path Lost", "File Name Lost", "System Disk",
    "Local Drives", "External Drives", QT_TRANSLATE_NOOP("NameTable", "USB Drive"), "Lost Partition",
    "Unmounted Partition", "Unallocated Partition", "Desktop", "Recycle Bin", "All Files",
};

const char* const UnknownName = QT_TRANSLATE_NOOP("NameTable", "Unknown");

QString translateName(const char* text)
{
    return QCoreApplication::translate("NameTable", text);
}

// std::mutex, not QMutex: TSan cannot see QMutex's futex hand-over.
std::mutex tableMutex;
std::shared_ptr<const NameTable> currentTable = std::make_shared<const NameTable>();

}

std::shared_ptr<const NameTable> nameTableSnapshot()
{
    std::lock_guard lock(tableMutex);
    return currentTable;
}

void fillNameTable()
{
    auto table = std::make_shared<NameTable>();
    for (const CodeName& entry : CodeNames) {
        table->englishByCode.insert(entry.code, QString::fromLatin1(entry.text));
        table->translatedByCode.insert(entry.code, translateName(entry.text));
    }
    for (const char* name : FixedNames)
        table->translatedByName.insert(QString::fromLatin1(name), translateName(name));
    table->translatedByName.insert(QStringLiteral("$RECYCLE.BIN"), translateName("Recycle Bin"));
    table->translatedUnknown = translateName(UnknownName);
    table->filled = true;
    std::shared_ptr<const NameTable> done = std::move(table);
    std::lock_guard lock(tableMutex);
    currentTable.swap(done);
}

QString translatedNameForCode(int code)
{
    return nameTableSnapshot()->translatedByCode.value(code);
}

QString englishNameForCode(int code)
{
    return nameTableSnapshot()->englishByCode.value(code);
}

QString translatedNameForText(const QString& name)
{
    return nameTableSnapshot()->translatedByName.value(name);
}

bool containsRecycleBin(const QString& path)
{
    static const QRegularExpression recycleBin(QStringLiteral("\\$recycle\\.bin"),
                                               QRegularExpression::CaseInsensitiveOption);
    return recycleBin.match(path).hasMatch();
}
