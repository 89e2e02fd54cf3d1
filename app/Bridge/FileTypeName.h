#pragma once
#include <QString>

// The name of a NodeTypeCode from the program's name tables, translated or in
// English; "Unknown" (translated or not) for a code without a name and before the
// tables are first filled.
QString fileTypeName(quint16 code, bool translated);
