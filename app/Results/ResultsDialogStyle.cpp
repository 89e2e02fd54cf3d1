#include "ResultsDialogStyle.h"

#include "Application/XApplication.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QColor>
#include <QVBoxLayout>

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

QVBoxLayout* pictureColumn(QWidget* content, const QString& picture, double pictureSize, double gap, double rightMargin)
{
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(XApplication::scaledX(30), 0, XApplication::scaledX(rightMargin), XApplication::scaledY(30));
    layout->setSpacing(0);
    auto* image = new XImageBox(content);
    image->setFixedSize(XApplication::scaledX(pictureSize), XApplication::scaledY(pictureSize));
    image->setImageFile(picture, true);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    layout->addSpacing(XApplication::scaledY(gap));
    return layout;
}
