#pragma once
#include <QString>

#include <string>

// Orders shared by the folder tree and the model's sort; no widgets, no state.

// Natural order of names: digit runs compare by length, then unit by unit
// ("file2" < "file10", "file5" < "file05"); a digit sorts before a non-digit;
// letters compare without case.
bool naturalLessThan(const QString& a, const QString& b);

// Appends a byte key of a UTF-8 name whose plain byte order (shorter first on a
// common prefix) is naturalLessThan's order of the decoded name, so a sort can
// compare compact keys instead of decoding names at every comparison.
void appendNaturalSortKey(std::string& key, const char* utf8, int size);

// Order value of a device or volume kind (NodeTypeCode 0-14); 11 for any other code.
int nodeKindRank(quint8 kind);
