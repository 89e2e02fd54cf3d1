#pragma once

#include <QLabel>

// A label with font and colour setters.
class XLabel : public QLabel
{
    Q_OBJECT
public:
    explicit XLabel(QWidget* parent = nullptr);

    void setFontPointSizeAndBold(double pointSize, bool bold);
    void setFontBold(bool bold);
    void setFontPointSize(double pointSize);
    void setTextColor(const QColor& color);
};
