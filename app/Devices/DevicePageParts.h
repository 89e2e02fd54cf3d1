#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QAbstractItemView>
#include <QStyle>

#include <initializer_list>

class QFont;
class QFontMetrics;
class QListView;
class QPainter;
class QPixmap;
class QSize;
class QString;
class QWidget;

// What the device pages and their tile delegates share.

// The program image `name` scaled to fit `size` (kept in Qt's pixmap cache:
// tiles repaint on every hover); a null pixmap when the image is missing.
QPixmap tileImage(const QString& name, const QSize& size);

// The base font at a weight and point size.
QFont tileFont(const QFont& base, int weight, double pointSize);

// A tile's fill and outline for its state: pale blue when selected, outlined
// in the accent colour (hoverPenWidth wide) under the mouse, plain otherwise.
void setTileBrushAndPen(QPainter* painter, QStyle::State state, double hoverPenWidth);

// A list of tiles: one selected at a time, no editing or dragging, no
// horizontal scroll bar, hover tracked for the tiles' looks.
void setupTileList(QListView* list, QAbstractItemView::ScrollMode scrollMode, const char* style);

// The white bar along a page's foot: the widgets of `leading` from the left,
// `trailing` at the right, a line above.
QWidget* makeActionBar(QWidget* parent, std::initializer_list<QWidget*> leading, QWidget* trailing);

// What a drive tile names. A numbered volume (lost, unmounted, unallocated)
// also shows what tells it apart from others like it: "Unmounted Partition - 1
// (CAMERA)" where both fit into width, else "CAMERA" alone, its display name
// then leading its tooltip.
QString driveTileName(const QDiskAndVolumeInfo& record, const QFontMetrics& metrics, int width);
// Where a numbered volume's tile names it by its label or device alone, its
// display name ("Unmounted Partition - 1") takes the line of the usage bar it
// has none of (its free space is unknown), in band.
void paintNumberedName(QPainter* painter, const QRect& band, const QDiskAndVolumeInfo& record,
                       const QString& shownName);
// "free / total" in the current language; the total alone where the free space is unknown.
QString driveSizeText(const QDiskAndVolumeInfo& record);
// The line under the sizes: the file system, or the "No access" mark (in the
// warning colour) of a device this user may not read.
void paintDriveStateLine(QPainter* painter, const QRect& rect, const QDiskAndVolumeInfo& record);
// The usage bar: a track with the used part, nothing where the free space is unknown.
void paintUsageBar(QPainter* painter, const QRectF& track, const QDiskAndVolumeInfo& record);
// The tile's picture, faded for a device this user may not read.
void paintDriveIcon(QPainter* painter, const QRect& rect, const QDiskAndVolumeInfo& record);
