#pragma once
#include "DocumentInfo.h"

#include <QByteArray>
#include <QString>

// "The name contains the text, ignoring case", exactly as QString::contains with
// Qt::CaseInsensitive on the decoded name, but matched on the UTF-8 bytes wherever
// the bytes decide: an ASCII text against any name (decoding only non-ASCII names
// that may hold the Kelvin sign or the long s, which fold to "k" and "s"), and any
// text whose folding is not ASCII against ASCII names (never a match).
class NameMatcher {
public:
    explicit NameMatcher(const QString& text);

    bool matchesName(const char* utf8, int size) const;
    // The record's name: the bytes after the last "/" of its path.
    bool operator()(const DocumentInfo* record) const;

private:
    bool decodedMatch(const char* utf8, int size) const;

    QString text_;
    QByteArray lowered_;
    bool ascii_ = true;
    bool foldedFromOthers_ = false;
    bool asciiNamesNeverMatch_ = false;
};
