#pragma once

#include <QWidget>

// A separator line of fixed thickness.
class XLine : public QWidget
{
    Q_OBJECT
public:
    XLine(Qt::Orientation orientation, int thickness, const QColor& color, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int thickness_;
    QColor color_;
    Qt::Orientation orientation_;
};
