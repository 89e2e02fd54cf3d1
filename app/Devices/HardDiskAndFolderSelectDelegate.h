#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QStyledItemDelegate>

// Paints the hard disk page: section headers, drive tiles (icon, name, usage
// bar, sizes) and location tiles; a header swallows mouse presses.
class HardDiskAndFolderSelectDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    static bool isHeader(const QModelIndex& index);
    // The used share of a volume for its bar, kept within 0..1: a file system
    // may report more free space than its partition holds.
    static double usedShare(quint64 freeBytes, quint64 totalBytes);
    // The tile's text and the rectangle it is painted in (the tooltip's area).
    static QString tileName(const QModelIndex& index);
    static QRect tileNameRect(const QRect& optionRect, int section);
    // The tooltip of a volume that has no mount point: its name, label, disk and
    // kernel name, so that like volumes can be told apart. Empty for other volumes.
    static QString unmountedToolTip(const QDiskAndVolumeInfo& record);
    // The tooltip shown anywhere over a drive tile: the unmounted volume's
    // lines, and for a device this user may not read, how to get access.
    // Empty where only a cut name needs a tooltip.
    static QString driveToolTip(const QDiskAndVolumeInfo& record);

private:
    void paintDriveTile(QPainter* painter, const QStyleOptionViewItem& option, const QRect& r,
                        const QDiskAndVolumeInfo& record) const;
    void paintLocationTile(QPainter* painter, const QStyleOptionViewItem& option, const QRect& r, int itemId) const;
    void paintSelectionMark(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect) const;
};
