#include "MainWindow/Overlays.h"

#include "AppManager.h"
#include "Application/XApplication.h"

#include <QPainter>
#include <QTimer>

shadeOrShadowWidget::shadeOrShadowWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    // No window type: the flag keeps it a child widget over the window.
    setWindowFlags(Qt::FramelessWindowHint);
    setAutoFillBackground(false);
    hide();
}

void shadeOrShadowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 128));
}

BusyIndicatorDialog::BusyIndicatorDialog(QWidget* parent)
    : QDialog(parent), timer_(new QTimer(this))
{
    setObjectName("BusyIndicatorDialog");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    // Without a window type this dialog stays a child widget of the window.
    setWindowFlags(Qt::FramelessWindowHint);
    setAutoFillBackground(false);
    hide();
    int width = XApplication::scaledX(86);
    int height = XApplication::scaledY(86);
    if (width % 2 != 0) {
        --width;
        --height;
    }
    pictureSize_ = QSize(width, height);
    picture_ = QPixmap(AppManager::instance()->imagePath("loading@2x.png"));
    if (!picture_.isNull())
        picture_ = picture_.scaled(pictureSize_, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    connect(timer_, &QTimer::timeout, this, [this] {
        angle_ += 20;
        if (angle_ > 360)
            angle_ = 20;
        update();
    });
}

void BusyIndicatorDialog::start(int intervalMs)
{
    interval_ = intervalMs;
    setUpdatesEnabled(false);
    timer_->start(interval_);
    if (isHidden())
        show();
    setUpdatesEnabled(true);
    raise();
    activateWindow();
}

void BusyIndicatorDialog::stop()
{
    hide();
    if (timer_->isActive())
        timer_->stop();
}

bool BusyIndicatorDialog::isSpinning() const
{
    return timer_->isActive();
}

void BusyIndicatorDialog::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(width() / 2, height() / 2);
    painter.rotate(angle_);
    painter.translate(-width() / 2, -height() / 2);
    painter.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
}
