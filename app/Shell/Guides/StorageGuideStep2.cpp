#include "Guides/StorageGuideStep2.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

StorageGuideStep2::StorageGuideStep2(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{2, 3, QSize(280, 135), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(648, 157, 100, 100), true,
                                                        GuideBubbleShape::Top}))
{
    setActionButton(d->button);
    retranslateUi();
}

StorageGuideStep2::~StorageGuideStep2() = default;

void StorageGuideStep2::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>Step 2:</font> Select a Location").arg(GuideBubble::accentName()),
                tr("Select a location to search for lost data."),
                tr("<a href=\"#\" style=\"text-decoration: underline; color:%1;\">Back</a>"), tr("Next"));
}

void StorageGuideStep2::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QRect hole(sx(286), sy(152), sx(310), sy(142));
    d->paint(this, hole, QColor("#2563EB"), GuideArrow::Left, 27);
}
