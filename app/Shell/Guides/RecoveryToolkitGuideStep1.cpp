#include "Guides/RecoveryToolkitGuideStep1.h"

#include "Guides/GuideBubble.h"
#include "XPushButton.h"

RecoveryToolkitGuideStep1::RecoveryToolkitGuideStep1(QWidget* parent)
    : GuideStepAbstract(parent),
      d(std::make_unique<GuideBubble>(this, GuideBubbleShape{1, 4, QSize(280, 172), 240,
                                                        QMargins(20, 16, 20, 13),
                                                        QMargins(286, 122, 100, 100), true,
                                                        GuideBubbleShape::Top}))
{
    setActionButton(d->button);
    retranslateUi();
}

RecoveryToolkitGuideStep1::~RecoveryToolkitGuideStep1() = default;

void RecoveryToolkitGuideStep1::retranslateUi()
{
    d->setTexts(tr("<font style='color:%1'>File Path/Type</font>").arg(GuideBubble::accentName()),
                tr("If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type."),
                QString(), tr("Next"));
}

void RecoveryToolkitGuideStep1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const QRect hole(sx(6), sy(122), sx(256), sy(58));
    d->paint(this, hole, QColor("#2563EB"), GuideArrow::Left);
}
