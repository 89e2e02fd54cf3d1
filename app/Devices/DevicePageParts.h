#pragma once
#include <QAbstractItemView>
#include <QStyle>

#include <initializer_list>

class QFont;
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
