#pragma once
#include <QHash>
#include <QPixmap>
#include <QSize>

// The picture of every node type code (devices, special folders, type folders
// and file types), with a process-wide cache of scaled copies; and the
// check-box pictures the file list and the folder tree draw.
class FileTypeIconProvider {
public:
    FileTypeIconProvider();

    // The type's icon (or the text-file icon for a code without one) at size,
    // keeping its aspect ratio; scaled once per code and size.
    QPixmap scaledIcon(quint8 typeCode, const QSize& size) const;

    // Check states 0 unchecked, 1 partially checked, 2 checked.
    static QPixmap checkBoxPixmap(quint8 state, const QSize& size);

    // The resource path of a code's icon (the fallback's for a code without one).
    static QString iconPath(quint8 typeCode);

private:
    QHash<quint8, QPixmap> icons;
    QPixmap fallback;
};
