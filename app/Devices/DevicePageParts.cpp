#include "DevicePageParts.h"

#include "AppManager.h"
#include "DeviceScale.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>

QPixmap tileImage(const QString& name, const QSize& size)
{
    const QString path = AppManager::imagePath(name);
    const QString key = QStringLiteral("tileImage/%1/%2x%3").arg(path).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap.load(path);
    if (pixmap.isNull())
        return pixmap;
    pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QFont tileFont(const QFont& base, int weight, double pointSize)
{
    QFont font = base;
    font.setWeight(weight);
    font.setPointSizeF(pointSize);
    return font;
}

void setTileBrushAndPen(QPainter* painter, QStyle::State state, double hoverPenWidth)
{
    if (state & QStyle::State_Selected) {
        painter->setBrush(DeviceColors::paleAccent);
        painter->setPen(Qt::NoPen);
    } else if (state & QStyle::State_MouseOver) {
        painter->setBrush(DeviceColors::tile);
        painter->setPen(QPen(DeviceColors::accent, hoverPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    } else {
        painter->setBrush(DeviceColors::tile);
        painter->setPen(Qt::NoPen);
    }
}

void setupTileList(QListView* list, QAbstractItemView::ScrollMode scrollMode, const char* style)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(scrollMode);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->verticalScrollBar()->setSingleStep(40);
    list->setDragEnabled(false);
    list->setAttribute(Qt::WA_MouseTracking);
    list->viewport()->setAttribute(Qt::WA_MouseTracking);
    list->setProperty("style", style);
    list->setSpacing(0);
}

QWidget* makeActionBar(QWidget* parent, std::initializer_list<QWidget*> leading, QWidget* trailing)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName("Widget");
    bar->setFixedHeight(sy(58));
    bar->setStyleSheet(QStringLiteral("QWidget#Widget{background: #FFFFFF; border-top: 1px solid %1; "
                                      "border-left: none; border-right: none; border-bottom: none;}")
                           .arg(DeviceColors::line.name()));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addSpacing(sx(20));
    for (QWidget* widget : leading)
        row->addWidget(widget);
    row->addStretch();
    row->addWidget(trailing);
    row->addSpacing(sx(20));
    return bar;
}
