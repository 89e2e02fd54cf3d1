#include "Guides/RecoveryToolkitGuideStep4.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

#include <algorithm>

RecoveryToolkitGuideStep4::RecoveryToolkitGuideStep4(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{4, 4, QSize(280, 135), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(100, 100, 29, 87), false,
                                                        GuideBubbleShape::Bottom}))
{
    setActionButton(d->button);
    retranslateUi();
}

RecoveryToolkitGuideStep4::~RecoveryToolkitGuideStep4() = default;

void RecoveryToolkitGuideStep4::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>Recover Data</font>").arg(GuideBubble::accentName()),
                tr("Click the button to recover lost data."),
                tr("<a href=\"#\" style=\"text-decoration: underline; color:%1;\">Back</a>"), tr("Done"));
}

void RecoveryToolkitGuideStep4::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The target's width is taken as Qt reports it, the 20 unscaled.
    const int w = std::max(targetSize().width() + 20, sx(140));
    const QRect hole(width() - sx(10) - w, height() - sy(55), w, sy(49));
    d->paint(this, hole, QColor("#D9D9D9"), GuideArrow::Down);
}
