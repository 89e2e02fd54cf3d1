#pragma once

#include <QListView>

// A list view whose mouse buttons, keys and wheel can be switched off; the
// view filters its own events.
class XListView : public QListView
{
    Q_OBJECT
public:
    explicit XListView(QWidget* parent = nullptr);

    bool wheelEnabled = true;
    bool keysEnabled = true;
    bool leftButtonEnabled = true;
    bool rightButtonEnabled = true;
    bool middleButtonEnabled = true;
    bool relayoutOnResize = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
