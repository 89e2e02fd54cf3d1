#pragma once
// Application-wide style sheets in the theme's palette. Pixel sizes are
// design values at 96 DPI, scaled as floor(value x scale) by the caller's
// UI scale (XApplication's scaleX / scaleY).
#include <QObject>
#include <QString>

class AppStyleSheet : public QObject {
    Q_OBJECT
public:
    static QString checkBoxStyle(double scaleX = 1.0, double scaleY = 1.0);
    static QString comboBoxStyle1(double scaleX = 1.0, double scaleY = 1.0);
    static QString comboBoxStyle2(double scaleX = 1.0, double scaleY = 1.0);
    static QString menuStyle(double scaleX = 1.0, double scaleY = 1.0);
    static QString scrollBarStyle(double scaleX = 1.0, double scaleY = 1.0);
    static QString sliderStyle(double scaleX = 1.0, double scaleY = 1.0);
    static QString viewStyles(double scaleX = 1.0, double scaleY = 1.0);
};
