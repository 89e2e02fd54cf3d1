#include "GuideManagement.h"

#include "CuteSettings.h"

GuideOverlay::GuideOverlay()
    : overlay_(new QWidget)
{
    overlay_->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay_->setAttribute(Qt::WA_NoSystemBackground);
    overlay_->hide();
}

void GuideOverlay::setGuideVisible(bool visible)
{
    if (overlay_)
        overlay_->setVisible(visible && overlay_->parentWidget());
}

void GuideOverlay::setParentWidget(QWidget* parent)
{
    if (!overlay_)
        return;
    const bool visible = overlay_->isVisible();
    overlay_->setParent(parent);
    fitToParent();
    overlay_->setVisible(visible && parent);
}

void GuideOverlay::fitToParent()
{
    if (overlay_ && overlay_->parentWidget() && overlay_->size() != overlay_->parentWidget()->size())
        overlay_->setGeometry(overlay_->parentWidget()->rect());
}

void GuideOverlay::setStepTarget(int index, const QSize& targetSize, const QPoint& targetPos)
{
    targets_.insert(index, {targetSize, targetPos});
}

StorageGuideManagement* StorageGuideManagement::instance()
{
    static StorageGuideManagement manager;
    return &manager;
}

bool StorageGuideManagement::isGuideEnabled() const
{
    return CuteSettings::instance().value("storageTourGuide", 1, CuteSettings::Default).toInt() != 0;
}

RecoveryToolkitGuideManagement* RecoveryToolkitGuideManagement::instance()
{
    static RecoveryToolkitGuideManagement manager;
    return &manager;
}

bool RecoveryToolkitGuideManagement::isGuideEnabled() const
{
    return CuteSettings::instance().value("recoveryToolkitTourGuide", 1, CuteSettings::Default).toInt() != 0;
}
