#pragma once

#include <QDialog>
#include <QWidget>

// Laid over the whole main window while a dialog is open: black at half
// opacity, swallowing clicks.
class shadeOrShadowWidget : public QWidget
{
    Q_OBJECT
public:
    explicit shadeOrShadowWidget(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The main window's spinner while work runs. A child widget over the window
// (not a top-level), so it needs no compositor and the dialog filter's shade
// rules pass it over by its class name.
class BusyIndicatorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BusyIndicatorDialog(QWidget* parent);

    void start(int intervalMs);
    void stop();
    bool isSpinning() const;
    int angle() const { return angle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    class QTimer* timer_;
    int angle_ = 0;
    int interval_ = 20;
    QSize pictureSize_;
};
