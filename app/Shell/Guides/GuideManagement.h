#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

class GuideStepAbstract;
class QStackedWidget;
class QWidget;

// A tour: a full-window overlay stacking the tour's steps, moved from step to
// step by the steps' buttons, each step reported to analytics. The hosts (the
// main window, the results page) re-parent it, show it, keep it sized to the
// window and store that the user has finished it.
class GuideManagement : public QObject
{
    Q_OBJECT
public:
    ~GuideManagement() override;

    // The tour's setting is absent or a non-zero number.
    bool isGuideEnabled() const;
    // Showing fits the overlay to its parent first, so the first tour frames
    // the right controls even when no resize follows the re-parenting; the
    // current step's button takes the keyboard focus.
    void setGuideVisible(bool visible);
    void fitToParent();
    // index 0 is step 1; an index without a step does nothing.
    void setStepTarget(int index, const QSize& targetSize, const QPoint& targetPos);
    void setParentWidget(QWidget* parent);

    QWidget* overlay() const;
    QStackedWidget* stack() const;
    GuideStepAbstract* step(int index) const;
    QString settingKey() const;

signals:
    // The user went past the last step (spelled so by the hosts that listen).
    void firshSignal();

protected:
    GuideManagement(const QString& settingKey, const QString& analyticsAction);
    void addStep(GuideStepAbstract* step);

private:
    void onNextStep(int nextStep);
    void focusCurrentStep();

    struct Private;
    std::unique_ptr<Private> d;
};

// The device tour: three steps over the device selection page.
class StorageGuideManagement : public GuideManagement
{
    Q_OBJECT
public:
    static StorageGuideManagement* instance();

private:
    StorageGuideManagement();
};

// The results tour: four steps over the results page.
class RecoveryToolkitGuideManagement : public GuideManagement
{
    Q_OBJECT
public:
    static RecoveryToolkitGuideManagement* instance();

private:
    RecoveryToolkitGuideManagement();
};
