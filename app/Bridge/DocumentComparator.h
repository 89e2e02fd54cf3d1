#pragma once
#include "DocumentInfo.h"

#include <QString>
#include <QVector>

// The order of a view's sort: a strict weak order over every record code, so
// type folders, special nodes and regular records never compare both ways.
// column: 0 name (and any unknown value), 1 date, 2 type, 3 size.
class DocumentComparator {
public:
    DocumentComparator(int column, Qt::SortOrder order) : column_(column), order_(order) {}
    bool operator()(const DocumentInfo* a, const DocumentInfo* b) const;

    // Ascending: type folders, special nodes, regular records; descending: the reverse.
    static int group(const DocumentInfo* record);
    // The name key of a record in its group: the full path for special nodes outside
    // rank 6, the file name otherwise.
    static QString nameKey(const DocumentInfo* record);

private:
    friend void sortDocuments(QVector<DocumentInfo*>& records, int column, Qt::SortOrder order);
    // a before b by the column, with the name keys already decoded.
    bool columnLess(const DocumentInfo* a, const QString& nameA, const DocumentInfo* b, const QString& nameB) const;
    bool less(const DocumentInfo* a, const QString& nameA, const DocumentInfo* b, const QString& nameB) const;

    int column_;
    Qt::SortOrder order_;
};

// Sorts in place; 99 records or more: each name decoded once, chunks sorted in parallel, then merged.
void sortDocuments(QVector<DocumentInfo*>& records, int column, Qt::SortOrder order);
