#include "Guides/StorageGuideStep1.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

StorageGuideStep1::StorageGuideStep1(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{1, 3, QSize(280, 135), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(294, 97, 100, 100), true,
                                                        GuideBubbleShape::Top}))
{
    setActionButton(d->button);
    retranslateUi();
}

StorageGuideStep1::~StorageGuideStep1() = default;

void StorageGuideStep1::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>Step 1:</font> Hard Drive Recovery").arg(GuideBubble::accentName()),
                tr("Help you recover the lost data from your PC."),
                QString(), tr("Next"));
}

void StorageGuideStep1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QRect hole(sx(6), sy(97), sx(254), sy(72));
    d->paint(this, hole, QColor("#2563EB"), GuideArrow::Left);
}
