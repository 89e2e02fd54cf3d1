#pragma once

#include <QProxyStyle>
#include <QTreeView>

// Draws no branch indicator for items with children; the view's delegate does.
class XTreeViewStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// The toolkit's tree view: no keyboard navigation, right presses do not select.
class XTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit XTreeView(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
