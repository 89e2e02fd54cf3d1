#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPoint>
#include <QSize>
#include <QPointer>
#include <QWidget>

// The tour overlays of the device page and of the results page. The tours
// themselves are not here yet: each overlay is empty and lets every click through.
class GuideOverlay : public QObject
{
    Q_OBJECT
public:
    void setGuideVisible(bool visible);
    void setParentWidget(QWidget* parent);
    void fitToParent();
    // Stored only: the stand-in has no steps to frame.
    void setStepTarget(int index, const QSize& targetSize, const QPoint& targetPos);
    QSize stepTargetSize(int index) const { return targets_.value(index).first; }
    QWidget* overlay() const { return overlay_; }

protected:
    GuideOverlay();

private:
    QPointer<QWidget> overlay_;
    QHash<int, QPair<QSize, QPoint>> targets_;
};

class StorageGuideManagement : public GuideOverlay
{
    Q_OBJECT
public:
    static StorageGuideManagement* instance();
    // The setting "storageTourGuide" (default 1) is non-zero.
    bool isGuideEnabled() const;

signals:
    void firshSignal();
};

class RecoveryToolkitGuideManagement : public GuideOverlay
{
    Q_OBJECT
public:
    static RecoveryToolkitGuideManagement* instance();
    // The setting "recoveryToolkitTourGuide" (default 1) is non-zero.
    bool isGuideEnabled() const;

signals:
    void firshSignal();
};
