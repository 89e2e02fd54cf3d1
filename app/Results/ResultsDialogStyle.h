#pragma once
// The looks the results page's dialogs share: the light button (white, blue
// outline), the strong button (filled blue) and a centred line of text.
#include <QString>

class QColor;
class QWidget;
class XLabel;
class XPushButton;

void applyLightButtonStyle(XPushButton* button, double height);
void applyStrongButtonStyle(XPushButton* button, double height);
XLabel* centredTextLine(QWidget* parent, double pointSize, bool bold, const QColor& colour, const QString& text);
