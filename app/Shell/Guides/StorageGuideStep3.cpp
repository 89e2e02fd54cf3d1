#include "Guides/StorageGuideStep3.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

#include <algorithm>

StorageGuideStep3::StorageGuideStep3(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{3, 3, QSize(280, 135), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(100, 100, 29, 87), false,
                                                        GuideBubbleShape::Bottom}))
{
    setActionButton(d->button);
    retranslateUi();
}

StorageGuideStep3::~StorageGuideStep3() = default;

void StorageGuideStep3::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>Step 3:</font> Search for Lost Data").arg(GuideBubble::accentName()),
                tr("Click the button to search for lost data."),
                tr("<a href=\"#\" style=\"text-decoration: underline; color:%1;\">Back</a>"), tr("Done"));
}

void StorageGuideStep3::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const int w = std::max(targetSize().width() + sx(25), sx(176));
    const QRect hole(width() - sx(23) - w, height() - sy(57), w, sy(54));
    d->paint(this, hole, QColor("#D9D9D9"), GuideArrow::Down);
}
