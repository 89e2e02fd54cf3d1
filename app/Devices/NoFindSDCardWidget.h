#pragma once
#include <QWidget>

// The SD card page's placeholder: a card picture and how to connect a card.
class NoFindSDCardWidget : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
