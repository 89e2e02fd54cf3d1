#pragma once
#include "DocumentInfo.h"

#include <QString>
#include <QVector>

// The order of a view's sort: a strict weak order over every record code, so
// type folders, special nodes and regular records never compare both ways.
// column: 0 name (and any unknown value), 1 date, 2 type, 3 size.
// A record's sort name (the full path for special nodes outside rank 6, the file
// name otherwise): a view of its UTF-8 path bytes, decoded only when not ASCII.
struct SortName {
    const char* data = nullptr;
    int size = 0;
    bool ascii = true;
    QString text;

    static SortName of(const DocumentInfo* record);
    QString toString() const { return ascii ? QString::fromLatin1(data, size) : text; }
};

class DocumentComparator {
public:
    DocumentComparator(int column, Qt::SortOrder order) : column_(column), order_(order) {}
    bool operator()(const DocumentInfo* a, const DocumentInfo* b) const;

    // Ascending: type folders, special nodes, regular records; descending: the reverse.
    static int group(const DocumentInfo* record);

private:
    friend void sortDocuments(QVector<DocumentInfo*>& records, int column, Qt::SortOrder order);
    // a before b by the column, with the name keys already decoded.
    bool columnLess(const DocumentInfo* a, const SortName& nameA, const DocumentInfo* b, const SortName& nameB) const;
    bool less(const DocumentInfo* a, const SortName& nameA, const DocumentInfo* b, const SortName& nameB) const;

    int column_;
    Qt::SortOrder order_;
};

// Sorts in place; 99 records or more: each name decoded once, chunks sorted in parallel, then merged.
void sortDocuments(QVector<DocumentInfo*>& records, int column, Qt::SortOrder order);
