#pragma once
#include <QMetaType>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The listing on show, as the breadcrumb and the search header read it from
// SearchDataPanelMgr: its view mode (1 folder tree, 2 type tree, 4 search
// results), the search figures, the first crumb's icon, the crumbs, and the
// folder path (in search results the folder looked at inside them).
struct SearchConfig {
    quint16 kind = 0;
    quint32 matchCount = 0;
    quint64 totalBytes = 0;
    QPixmap icon;
    QStringList parts;
    QString text;

    bool isSearch() const { return (kind & 4) != 0; }
};

Q_DECLARE_METATYPE(SearchConfig)

// The crumbs of a folder path: its "/" parts with the first replaced by the
// scan's display name, which may itself hold "/" (a scanned folder).
QStringList folderCrumbs(const QString& path, const QString& displayName);
