#include "FileTypeName.h"

#include "NameTable.h"

QString fileTypeName(quint16 code, bool translated)
{
    const auto table = nameTableSnapshot();
    if (!table || !table->filled)
        return translated ? (table ? table->translatedUnknown : QStringLiteral("Unknown")) : QStringLiteral("Unknown");
    const auto& names = translated ? table->translatedByCode : table->englishByCode;
    const QString name = names.value(code);
    if (!name.isEmpty())
        return name;
    return translated ? table->translatedUnknown : table->englishUnknown;
}
