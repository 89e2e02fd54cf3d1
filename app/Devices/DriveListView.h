#pragma once
#include "XListView.h"

// The hard disk page's list: keyboard moves step over section headers, so
// the current row is always a tile.
class DriveListView : public XListView
{
    Q_OBJECT
public:
    using XListView::XListView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
