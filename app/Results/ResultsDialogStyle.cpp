#include "ResultsDialogStyle.h"

#include "XLabel.h"
#include "XPushButton.h"

#include <QColor>

void applyLightButtonStyle(XPushButton* button, double height)
{
    button->setBackgroundColors({QColor("#FFFFFF"), QColor("#EFF6FF"), QColor("#DBEBFF"), QColor("#FFFFFF")});
    button->setTextColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#B6B6B6")});
    button->setBorderColors({QColor("#2563EB"), QColor("#2563EB"), QColor("#2563EB"), QColor("#D7D7D7")});
    button->setBorderWidth(2);
    button->setRadius(0.14 * height);
}

void applyStrongButtonStyle(XPushButton* button, double height)
{
    button->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
    button->setTextColors({QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#FFFFFF"), QColor("#B6B6B6")});
    button->setBorderColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
    button->setBorderWidth(2);
    button->setRadius(0.14 * height);
}

XLabel* centredTextLine(QWidget* parent, double pointSize, bool bold, const QColor& colour, const QString& text)
{
    auto* label = new XLabel(parent);
    label->setFontPointSizeAndBold(pointSize, bold);
    label->setTextColor(colour);
    label->setAlignment(Qt::AlignCenter);
    label->setText(text);
    return label;
}
