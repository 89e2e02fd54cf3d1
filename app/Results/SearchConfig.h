#pragma once
#include <QMetaType>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVariant>

// The listing on show, as the results page describes it to the search panel and
// its breadcrumb through SearchDataPanelMgr (carried in a QVariant).
struct SearchConfig {
    // The view display mode of the listing: 1 folders, 2 types, 4 search results.
    quint16 kind = 1;
    quint32 matchCount = 0;  // search results only
    quint64 totalBytes = 0;  // search results only
    QPixmap icon;            // the first crumb's icon
    QStringList pathParts;   // the crumbs
    QString text;            // the folder path ("/"-separated); in kind 4 the folder looked at, or empty

    static bool isSearch(int kind) { return kind & 4; }
    static SearchConfig fromVariant(const QVariant& value);
    static void registerMetaType();
};
Q_DECLARE_METATYPE(SearchConfig)

inline SearchConfig SearchConfig::fromVariant(const QVariant& value) { return value.value<SearchConfig>(); }
inline void SearchConfig::registerMetaType() { qRegisterMetaType<SearchConfig>("SearchConfig"); }
