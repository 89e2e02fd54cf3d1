#include "Guides/GuideStepAbstract.h"

#include "Application/XApplication.h"

#include <QEvent>

GuideStepAbstract::GuideStepAbstract(QWidget* parent)
    : QWidget(parent)
{
}

GuideStepAbstract::~GuideStepAbstract() = default;

void GuideStepAbstract::setTarget(const QSize& size, const QPoint& pos)
{
    targetSize_ = size;
    targetPos_ = pos;
    update();
}

QSize GuideStepAbstract::targetSize() const
{
    return targetSize_;
}

void GuideStepAbstract::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        return;
    }
    QWidget::changeEvent(event);
}

int GuideStepAbstract::sx(double value)
{
    return XApplication::scaledX(value);
}

int GuideStepAbstract::sy(double value)
{
    return XApplication::scaledY(value);
}
