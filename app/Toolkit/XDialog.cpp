#include "XDialog.h"

#include "Application/XApplication.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QX11Info>

namespace {
constexpr int kShadowMargin = 18;
} // namespace

struct XDialog::Private {
    QWidget* titleBar = nullptr;
    QWidget* shadowWidget = nullptr;
    QWidget* content = nullptr;
    XImageBox* titleIcon = nullptr;
    XLabel* titleLabel = nullptr;
    XPushButton* closeButton = nullptr;
    XPushButton* backButton = nullptr;
    int titleAreaHeight = 0;
    bool dragging = false;
    QPoint lastGlobalPos;
    QColor backgroundColor = QColor(255, 255, 255);
    double borderWidth = 1.0;
    QColor borderColor = QColor(255, 255, 255);
    int radius = 10;
    QColor activeShadowColor = QColor(152, 152, 152);
    QColor inactiveShadowColor = QColor(176, 176, 176);
    bool shadowFollowsActivation = false;
    bool closeIntercepted = false;
    bool closeAllowed = false;
    int shadowMargin = kShadowMargin;
    QString fullTitle;
};

bool XDialog::compositingAvailable()
{
    // A translucent frame needs a compositor on X11; offscreen and Wayland
    // always compose.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QX11Info::isCompositingManagerRunning();
    return true;
}

XDialog::XDialog(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), d(std::make_unique<Private>())
{
    const bool composited = compositingAvailable();
    if (composited) {
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        // Without a compositor the transparent band and corners would show black.
        d->shadowMargin = 0;
        d->radius = 0;
        d->borderColor = QColor(226, 232, 240);
    }

    d->shadowWidget = new QWidget(this);
    d->shadowWidget->setObjectName("shadowWidget");
    d->shadowWidget->setMouseTracking(true);
    d->titleBar = new QWidget(d->shadowWidget);
    d->titleBar->setFixedHeight(XApplication::scaledY(35));
    d->titleIcon = new XImageBox(d->titleBar);
    d->titleIcon->setFixedSize(XApplication::scaledX(25), XApplication::scaledY(25));
    d->titleIcon->hide();
    d->titleLabel = new XLabel(d->titleBar);
    d->titleLabel->setTextColor(QColor(15, 23, 42));

    d->closeButton = new XPushButton(d->titleBar);
    d->closeButton->setFixedSize(XApplication::scaledX(20), XApplication::scaledY(20));
    d->closeButton->setStatePixmaps(":/images/close-normal@2x.png", ":/images/close-hover@2x.png",
                                    ":/images/close-click@2x.png");
    d->closeButton->scalePixmaps(d->closeButton->size(), Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    connect(d->closeButton, &XPushButton::clicked, this, &QWidget::close);

    d->backButton = new XPushButton(d->titleBar);
    d->backButton->setFixedSize(XApplication::scaledX(20), XApplication::scaledY(20));
    d->backButton->setHoverPixmaps(":/images/back_1.png", ":/images/back_1_hover.png", false);
    connect(d->backButton, &XPushButton::clicked, this, &XDialog::sigBack);
    d->backButton->hide();

    d->content = new QWidget(d->shadowWidget);

    auto* titleLayout = new QHBoxLayout(d->titleBar);
    titleLayout->setContentsMargins(XApplication::scaledX(10), XApplication::scaledY(5),
                                    XApplication::scaledX(5), XApplication::scaledY(5));
    titleLayout->setSpacing(0);
    titleLayout->addWidget(d->backButton);
    titleLayout->addWidget(d->titleIcon);
    titleLayout->addSpacing(XApplication::scaledX(8));
    titleLayout->addWidget(d->titleLabel);
    titleLayout->addStretch();
    titleLayout->addSpacing(XApplication::scaledX(8));
    titleLayout->addWidget(d->closeButton);

    auto* frameLayout = new QVBoxLayout(d->shadowWidget);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(d->titleBar);
    frameLayout->addWidget(d->content);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(d->shadowMargin, d->shadowMargin, d->shadowMargin, d->shadowMargin);
    outer->addWidget(d->shadowWidget);

    if (composited)
        setShadow(d->activeShadowColor);
    applyFrameStyle();
    d->titleAreaHeight = d->titleBar->height() + d->shadowMargin;
}

XDialog::~XDialog() = default;

QWidget* XDialog::contentWidget() const { return d->content; }
QWidget* XDialog::titleBar() const { return d->titleBar; }
XLabel* XDialog::titleLabel() const { return d->titleLabel; }
XPushButton* XDialog::closeButton() const { return d->closeButton; }
XPushButton* XDialog::backButton() const { return d->backButton; }
int XDialog::titleAreaHeight() const { return d->titleAreaHeight; }
int XDialog::shadowMargin() const { return d->shadowMargin; }

void XDialog::setTitle(const QString& title)
{
    d->fullTitle = title;
    // The shadow band is not room for the title.
    const int room = width() - 2 * d->shadowMargin - XApplication::scaledX(90);
    const QString shown = d->titleLabel->fontMetrics().elidedText(title, Qt::ElideRight, room);
    d->titleLabel->setText(shown);
    d->titleLabel->setToolTip(shown != title ? title : QString());
}

void XDialog::setTitleFont(double pointSize, bool bold)
{
    d->titleLabel->setFontPointSizeAndBold(pointSize, bold);
}

void XDialog::setTitleIcon(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        d->titleIcon->hide();
        return;
    }
    d->titleIcon->setImageFile(path, true);
    d->titleIcon->show();
}

void XDialog::setTitleBarVisible(bool visible) { d->titleBar->setVisible(visible); }
void XDialog::setCloseButtonVisible(bool visible) { d->closeButton->setVisible(visible); }
void XDialog::setShadowFollowsActivation(bool on) { d->shadowFollowsActivation = on; }

void XDialog::setCloseIntercepted(bool on)
{
    d->closeIntercepted = on;
    d->closeAllowed = !on;
}

void XDialog::closeLater(int result)
{
    d->closeAllowed = true;
    QTimer::singleShot(1, this, [this, result] {
        if (result == 1)
            accept();
        else
            reject();
        // One close passes; later requests are refused again.
        if (d->closeIntercepted)
            d->closeAllowed = false;
    });
}

bool XDialog::startSystemMove()
{
    return windowHandle() && windowHandle()->startSystemMove();
}

void XDialog::closeEvent(QCloseEvent* event)
{
    if (!d->closeIntercepted) {
        QDialog::closeEvent(event);
        return;
    }
    if (!d->closeAllowed) {
        event->ignore();
        emit tryClosed();
        return;
    }
    d->closeAllowed = false;
    event->accept();
}

void XDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void XDialog::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        if (event->pos().y() > d->titleAreaHeight)
            return;
        if (startSystemMove())
            return;
        d->dragging = true;
        d->lastGlobalPos = event->globalPos();
        return;
    }
    QDialog::mousePressEvent(event);
}

void XDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (isEnabled() && d->dragging && (event->buttons() & Qt::LeftButton)) {
        move(pos() + event->globalPos() - d->lastGlobalPos);
        d->lastGlobalPos = event->globalPos();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void XDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (d->dragging) {
        d->dragging = false;
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void XDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!d->fullTitle.isEmpty())
        setTitle(d->fullTitle);
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const QPoint parentCentre = parent->mapToGlobal(parent->rect().center());
    const QRect frame = frameGeometry();
    move(parentCentre.x() - frame.width() / 2, parentCentre.y() - frame.height() / 2);
}

void XDialog::changeEvent(QEvent* event)
{
    // Linux has no non-client activation message; window activation stands in.
    if (event->type() == QEvent::ActivationChange && d->shadowFollowsActivation &&
        d->shadowMargin > 0)
        setShadow(isActiveWindow() ? d->activeShadowColor : d->inactiveShadowColor);
    QDialog::changeEvent(event);
}

void XDialog::setShadow(const QColor& color)
{
    auto* effect = new QGraphicsDropShadowEffect(d->shadowWidget);
    effect->setOffset(0, 0);
    effect->setColor(color);
    effect->setBlurRadius(18.0);
    d->shadowWidget->setGraphicsEffect(effect); // deletes the previous effect
}

void XDialog::applyFrameStyle()
{
    d->shadowWidget->setStyleSheet(
        QString("QWidget#shadowWidget {background-color: %1;border: %2 solid %3;border-radius: %4px;}")
            .arg(d->backgroundColor.name(QColor::HexArgb))
            .arg(d->borderWidth)
            .arg(d->borderColor.name())
            .arg(d->radius));
}
