#include "DialogButtonStyles.h"

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
