#pragma once
#include <QString>

// Dotted version numbers compared item by item as integers; the shorter one
// padded with zeros; a non-numeric or empty item counts as 0.
// 1 when a is newer than b, -1 when older, 0 when equal.
int compareVersions(const QString& a, const QString& b);
