#pragma once
// The looks the results page's dialogs share: the light button (white, blue
// outline), the strong button (filled blue), a centred line of text and the
// column of a message dialog under its picture.
#include <QString>

class QColor;
class QVBoxLayout;
class QWidget;
class XLabel;
class XPushButton;

void applyLightButtonStyle(XPushButton* button, double height);
void applyStrongButtonStyle(XPushButton* button, double height);
XLabel* centredTextLine(QWidget* parent, double pointSize, bool bold, const QColor& colour, const QString& text);
// The content's column, its picture centred at the top (pictureSize design
// pixels square) and `gap` below it; margins 30 but for the right one.
QVBoxLayout* pictureColumn(QWidget* content, const QString& picture, double pictureSize = 100, double gap = 8,
                           double rightMargin = 30);
