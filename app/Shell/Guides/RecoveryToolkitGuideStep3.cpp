#include "Guides/RecoveryToolkitGuideStep3.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

RecoveryToolkitGuideStep3::RecoveryToolkitGuideStep3(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{3, 4, QSize(228, 132), 198,
                                                        QMargins(15, 16, 15, 13),
                                                        QMargins(20, 0, 0, 0), true,
                                                        GuideBubbleShape::AboveMiddle}))
{
    setActionButton(d->button);
    retranslateUi();
}

RecoveryToolkitGuideStep3::~RecoveryToolkitGuideStep3() = default;

void RecoveryToolkitGuideStep3::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>Check Found Files</font>").arg(GuideBubble::accentName()),
                tr("Check and select the data you want to recover."),
                tr("<a href=\"#\" style=\"text-decoration: underline; color:%1;\">Back</a>"), tr("Next"));
}

void RecoveryToolkitGuideStep3::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QRect hole(sx(266), sy(114), width() - sx(278), height() - sy(172));
    d->paint(this, hole, QColor("#2563EB"), GuideArrow::Right);
}
