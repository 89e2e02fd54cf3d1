#include "Guides/GuideManagement.h"

#include "Application/XApplication.h"
#include "CuteSettings.h"
#include "GaService.h"
#include "Guides/GuideKeyboardGuard.h"
#include "Guides/GuideStepAbstract.h"
#include "Guides/RecoveryToolkitGuideStep1.h"
#include "Guides/RecoveryToolkitGuideStep2.h"
#include "Guides/RecoveryToolkitGuideStep3.h"
#include "Guides/RecoveryToolkitGuideStep4.h"
#include "Guides/StorageGuideStep1.h"
#include "Guides/StorageGuideStep2.h"
#include "Guides/StorageGuideStep3.h"
#include "spdlog_qt.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QStackedWidget>

namespace {

// Installs the keyboard guard while the overlay is shown, however it comes
// to be shown or hidden (the tour, its parent window).
class OverlayWatcher : public QObject
{
public:
    OverlayWatcher(QWidget* overlay, GuideKeyboardGuard* guard)
        : QObject(overlay), guard_(guard)
    {
        overlay->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            qApp->installEventFilter(guard_);
        else if (event->type() == QEvent::Hide)
            qApp->removeEventFilter(guard_);
        return false;
    }

private:
    GuideKeyboardGuard* guard_;
};

}  // namespace

struct GuideManagement::Private {
    QString settingKey;
    QString analyticsAction;
    // Not owned once re-parented: it then belongs to its parent's widget tree.
    QPointer<QWidget> overlay;
    QPointer<QStackedWidget> stack;
};

GuideManagement::GuideManagement(const QString& settingKey, const QString& analyticsAction)
    : d(std::make_unique<Private>())
{
    d->settingKey = settingKey;
    d->analyticsAction = analyticsAction;
    d->overlay = new QWidget;
    d->stack = new QStackedWidget(d->overlay);
    auto* layout = new QHBoxLayout(d->overlay);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->stack);
    new OverlayWatcher(d->overlay, new GuideKeyboardGuard(d->overlay));
    d->overlay->hide();
    d->overlay->setMinimumSize(XApplication::scaledX(1240), XApplication::scaledY(780));
}

GuideManagement::~GuideManagement()
{
    if (qApp && d->overlay)
        qApp->removeEventFilter(d->overlay->findChild<GuideKeyboardGuard*>());
}

void GuideManagement::addStep(GuideStepAbstract* step)
{
    d->stack->addWidget(step);
    connect(step, &GuideStepAbstract::nextStepSignal, this, [this](int, int nextStep) { onNextStep(nextStep); });
}

QWidget* GuideManagement::overlay() const { return d->overlay; }
QStackedWidget* GuideManagement::stack() const { return d->stack; }
QString GuideManagement::settingKey() const { return d->settingKey; }

GuideStepAbstract* GuideManagement::step(int index) const
{
    return d->stack ? qobject_cast<GuideStepAbstract*>(d->stack->widget(index)) : nullptr;
}

bool GuideManagement::isGuideEnabled() const
{
    return CuteSettings::instance().value(d->settingKey, 1, CuteSettings::Default).toInt() != 0;
}

void GuideManagement::setGuideVisible(bool visible)
{
    if (!d->overlay)
        return;
    // Without a host window there is nothing to cover: a parentless overlay
    // would open as a window of its own.
    if (visible && !d->overlay->parentWidget())
        return;
    if (!visible) {
        d->overlay->setVisible(false);
        return;
    }
    fitToParent();
    d->overlay->setVisible(true);
    d->overlay->raise();
    focusCurrentStep();
    sendGaEvent("OtherInformation", d->analyticsAction, "Step1");
}

void GuideManagement::fitToParent()
{
    if (!d->overlay)
        return;
    QWidget* parent = d->overlay->parentWidget();
    if (parent && d->overlay->size() != parent->size())
        d->overlay->setFixedSize(parent->size());
}

void GuideManagement::setStepTarget(int index, const QSize& targetSize, const QPoint& targetPos)
{
    if (GuideStepAbstract* page = step(index))
        page->setTarget(targetSize, targetPos);
}

void GuideManagement::setParentWidget(QWidget* parent)
{
    if (d->overlay)
        d->overlay->setParent(parent);
}

void GuideManagement::onNextStep(int nextStep)
{
    if (!d->stack)
        return;
    if (nextStep < 1) {
        logError(QString("Guide %1: no step %2").arg(d->analyticsAction).arg(nextStep));
        return;
    }
    if (nextStep > d->stack->count()) {
        d->overlay->setVisible(false);
        emit firshSignal();
    } else {
        d->stack->setCurrentIndex(nextStep - 1);
        focusCurrentStep();
    }
    sendGaEvent("OtherInformation", d->analyticsAction, QString("Step%1").arg(nextStep));
}

void GuideManagement::focusCurrentStep()
{
    auto* current = d->stack ? qobject_cast<GuideStepAbstract*>(d->stack->currentWidget()) : nullptr;
    if (current && current->actionButton())
        current->actionButton()->setFocus(Qt::OtherFocusReason);
}

StorageGuideManagement::StorageGuideManagement()
    : GuideManagement("storageTourGuide", "Guide1")
{
    QWidget* parent = overlay();
    addStep(new StorageGuideStep1(parent));
    addStep(new StorageGuideStep2(parent));
    addStep(new StorageGuideStep3(parent));
}

StorageGuideManagement* StorageGuideManagement::instance()
{
    static StorageGuideManagement manager;
    return &manager;
}

RecoveryToolkitGuideManagement::RecoveryToolkitGuideManagement()
    : GuideManagement("recoveryToolkitTourGuide", "Guide2")
{
    QWidget* parent = overlay();
    addStep(new RecoveryToolkitGuideStep1(parent));
    addStep(new RecoveryToolkitGuideStep2(parent));
    addStep(new RecoveryToolkitGuideStep3(parent));
    addStep(new RecoveryToolkitGuideStep4(parent));
}

RecoveryToolkitGuideManagement* RecoveryToolkitGuideManagement::instance()
{
    static RecoveryToolkitGuideManagement manager;
    return &manager;
}
