#pragma once

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>

// One step of a tour: a full-window widget that darkens the window, cuts a
// hole over the control it explains and shows a bubble beside it.
class GuideStepAbstract : public QWidget
{
    Q_OBJECT
public:
    explicit GuideStepAbstract(QWidget* parent = nullptr);
    ~GuideStepAbstract() override;

    // The control the step frames; only its size is read back.
    virtual void setTarget(const QSize& size, const QPoint& pos);
    virtual QSize targetSize() const;
    virtual void retranslateUi() = 0;

    QPoint targetPosition() const { return targetPos_; }
    // The bubble's "Next" or "Done" button: it takes the keyboard focus when
    // the step shows, so no key reaches the page under the shade.
    QWidget* actionButton() const { return actionButton_; }

    // Design pixels to pixels at the UI scale (x and widths, y and heights).
    static int sx(double value);
    static int sy(double value);

signals:
    // Steps are counted from 1.
    void nextStepSignal(int curStep, int nextStep = -1);

protected:
    void changeEvent(QEvent* event) override;
    void setActionButton(QWidget* button) { actionButton_ = button; }

private:
    QSize targetSize_{-1, -1};
    QPoint targetPos_{-1, -1};
    QPointer<QWidget> actionButton_;
};
