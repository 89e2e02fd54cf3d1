#include "Guides/RecoveryToolkitGuideStep2.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

RecoveryToolkitGuideStep2::RecoveryToolkitGuideStep2(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{2, 4, QSize(280, 152), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(100, 43, 222, 100), false,
                                                        GuideBubbleShape::Top}))
{
    setActionButton(d->button);
    retranslateUi();
}

RecoveryToolkitGuideStep2::~RecoveryToolkitGuideStep2() = default;

void RecoveryToolkitGuideStep2::retranslateUi()
{
    d->setTexts(QString("<font style='color:%1'>%2</font>").arg(GuideBubble::accentName(), tr("Search")),
                tr("If many files are found, search can help you quickly locate the ones you need."),
                tr("<a href=\"#\" style=\"text-decoration: underline; color:%1;\">Back</a>"), tr("Next"));
}

void RecoveryToolkitGuideStep2::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QRect hole(width() - sx(206), sy(51), sx(198), sy(59));
    d->paint(this, hole, QColor("#2563EB"), GuideArrow::Right);
}
