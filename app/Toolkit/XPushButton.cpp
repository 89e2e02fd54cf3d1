#include "XPushButton.h"

#include "PixelPictures.h"

#include <QPainter>

namespace {

enum StateIndex { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

// Lists of five or more use their first four; shorter lists replace only
// their own leading entries; an empty list changes nothing.
void applyListRule(QVector<QColor>& target, const QVector<QColor>& source)
{
    const int count = std::min<int>(source.size(), target.size());
    for (int i = 0; i < count; ++i)
        target[i] = source[i];
}

void loadInto(std::unique_ptr<QPixmap>& slot, const QString& path)
{
    if (slot)
        *slot = loadPicture(path);
    else
        slot = std::make_unique<QPixmap>(loadPicture(path));
}

bool usable(const std::unique_ptr<QPixmap>& pixmap)
{
    return pixmap && !pixmap->isNull();
}

void drawCentred(QPainter& painter, const QWidget* widget, const QPixmap& pixmap)
{
    painter.drawPixmap((widget->width() - pixmap.width()) >> 1,
                       (widget->height() - pixmap.height()) >> 1, pixmap);
}

} // namespace

struct XPushButton::Private {
    PaintMode paintMode = ColorMode;
    std::unique_ptr<QPixmap> normalPixmap;
    std::unique_ptr<QPixmap> hoverPixmap;
    std::unique_ptr<QPixmap> pressedPixmap;
    std::unique_ptr<QPixmap> disabledPixmap;
    std::unique_ptr<QPixmap> iconPixmap;
    QVector<QColor> backgroundColors{QColor(64, 64, 83), QColor(53, 53, 67), QColor(50, 50, 64),
                                     QColor(64, 64, 83)};
    QVector<QColor> textColors{QColor(255, 255, 255), QColor(255, 255, 255),
                               QColor(151, 151, 151), QColor(151, 151, 151)};
    QVector<QColor> borderColors{QColor(64, 64, 83), QColor(53, 53, 67), QColor(50, 50, 64),
                                 QColor(49, 49, 63)};
    bool hovered = false;
    int baseWidth = -1;
    double borderWidth = 1.0;
    double radius = 0.0;
    bool hoverFill = false;
    int iconPosition = Qt::AlignLeft;
    int iconMargin = 12;
    int iconSpacing = 2;
    QVector<QGradient> gradients;
};

XPushButton::XPushButton(QWidget* parent)
    : QAbstractButton(parent), d(std::make_unique<Private>())
{
    setMinimumSize(20, 20);
    setFocusPolicy(Qt::NoFocus);
}

XPushButton::~XPushButton() = default;

void XPushButton::setBackgroundColor(const QColor& color)
{
    d->backgroundColors.fill(color);
    update();
}

void XPushButton::setBackgroundColors(const QVector<QColor>& colors)
{
    applyListRule(d->backgroundColors, colors);
    applyListRule(d->borderColors, d->backgroundColors);
    update();
}

void XPushButton::setBorderColor(const QColor& color)
{
    d->borderColors.fill(color);
    update();
}

void XPushButton::setBorderColors(const QVector<QColor>& colors)
{
    applyListRule(d->borderColors, colors);
    update();
}

void XPushButton::setTextColor(const QColor& color)
{
    d->textColors.fill(color);
    update();
}

void XPushButton::setTextColors(const QVector<QColor>& colors)
{
    applyListRule(d->textColors, colors);
    update();
}

void XPushButton::setBorderWidth(double width)
{
    d->borderWidth = width;
    update();
}

void XPushButton::setRadius(double radius)
{
    d->radius = radius;
    update();
}

void XPushButton::setFontBold(bool bold)
{
    QFont f = font();
    f.setWeight(bold ? 75 : 50);
    setFont(f);
    update();
}

void XPushButton::setFontPointSize(double pointSize)
{
    QFont f = font();
    f.setPointSizeF(pointSize);
    setFont(f);
    update();
}

void XPushButton::setText(const QString& text)
{
    QAbstractButton::setText(text);
    if (d->baseWidth < 0)
        d->baseWidth = width();
    const int wanted = std::max(d->baseWidth, fontMetrics().horizontalAdvance(text) + 20);
    setMinimumWidth(wanted);
    if (wanted > maximumWidth())
        setMaximumWidth(wanted);
    resize(wanted, height());
}

void XPushButton::setPixmap(const QString& normal)
{
    loadInto(d->normalPixmap, normal);
    d->paintMode = PixmapMode;
    update();
}

void XPushButton::setHoverPixmaps(const QString& normal, const QString& hover, bool fillBackground)
{
    loadInto(d->normalPixmap, normal);
    loadInto(d->hoverPixmap, hover);
    d->hoverFill = fillBackground;
    d->paintMode = HoverPixmapMode;
    update();
}

void XPushButton::setStatePixmaps(const QString& normal, const QString& hover, const QString& pressed)
{
    loadInto(d->normalPixmap, normal);
    loadInto(d->hoverPixmap, hover);
    loadInto(d->pressedPixmap, pressed);
    d->hoverFill = false;
    d->paintMode = StatePixmapMode;
    update();
}

void XPushButton::setAllStatePixmaps(const QString& normal, const QString& hover,
                                     const QString& pressed, const QString& disabled)
{
    setStatePixmaps(normal, hover, pressed);
    loadInto(d->disabledPixmap, disabled);
    d->paintMode = AllStatePixmapMode;
    update();
}

void XPushButton::setIcon(const QString& path, const QSize& iconSize, int iconPosition, int margin,
                          int spacing)
{
    loadInto(d->iconPixmap, path);
    const QSize target = iconSize.isValid() ? iconSize : QSize(20, 20);
    if (!d->iconPixmap->isNull() && d->iconPixmap->size() != target)
        *d->iconPixmap = d->iconPixmap->scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    d->iconPosition = iconPosition;
    if (margin > 0)
        d->iconMargin = margin;
    if (spacing > 0)
        d->iconSpacing = spacing;
    d->paintMode = IconTextMode;
    update();
}

void XPushButton::setGradients(const QVector<QGradient>& gradients)
{
    switch (gradients.size()) {
    case 0:
        return;
    case 1:
        d->gradients = QVector<QGradient>(4, gradients[0]);
        break;
    case 2:
        d->gradients = {gradients[0], gradients[1], gradients[1], gradients[1]};
        break;
    case 3:
        d->gradients = {gradients[0], gradients[1], gradients[1], gradients[2]};
        break;
    default:
        d->gradients = gradients.mid(0, 4);
        break;
    }
    d->paintMode = GradientMode;
    update();
}

void XPushButton::scalePixmaps(const QSize& size, Qt::AspectRatioMode aspectMode,
                               Qt::TransformationMode transformMode)
{
    for (auto* slot : {&d->normalPixmap, &d->hoverPixmap, &d->pressedPixmap, &d->disabledPixmap}) {
        if (usable(*slot))
            **slot = (*slot)->scaled(size, aspectMode, transformMode);
    }
    update();
}

void XPushButton::setButtonState(int state)
{
    if (state == 0) {
        setDown(false);
        d->hovered = false;
    } else if (state == 1) {
        d->hovered = true;
    } else if (state == 2) {
        setDown(true);
    }
    repaint();
}

XPushButton::PaintMode XPushButton::paintMode() const { return d->paintMode; }
QVector<QColor> XPushButton::backgroundColors() const { return d->backgroundColors; }
QVector<QColor> XPushButton::textColors() const { return d->textColors; }
QVector<QColor> XPushButton::borderColors() const { return d->borderColors; }
double XPushButton::borderWidth() const { return d->borderWidth; }
double XPushButton::radius() const { return d->radius; }
int XPushButton::iconMargin() const { return d->iconMargin; }
int XPushButton::iconSpacing() const { return d->iconSpacing; }
QVector<QGradient> XPushButton::gradients() const { return d->gradients; }
bool XPushButton::isHovered() const { return d->hovered; }

QSize XPushButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(text()) + 20, metrics.height() + 12)
        .expandedTo(minimumSize());
}

void XPushButton::enterEvent(QEvent* event)
{
    d->hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void XPushButton::leaveEvent(QEvent* event)
{
    d->hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void XPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const PaintMode mode = d->paintMode;
    if (mode == ColorMode || mode == GradientMode)
        painter.setRenderHint(QPainter::Antialiasing);
    else
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const bool checkedLook = isCheckable() && isChecked();
    // Colour and border state of the colour modes; the text pen follows it too.
    const int colourState = !isEnabled() ? Disabled
                            : checkedLook ? Hover
                            : isDown()    ? Pressed
                            : d->hovered  ? Hover
                                          : Normal;
    const QRect inner = rect().adjusted(1, 1, -1, -1);

    auto paintColours = [&] {
        painter.setPen(QPen(d->borderColors[colourState], d->borderWidth));
        painter.setBrush(d->backgroundColors[colourState]);
        painter.drawRoundedRect(inner, d->radius, d->radius);
    };

    auto paintHoverImages = [&] {
        if (d->hoverFill) {
            if (checkedLook) {
                painter.fillRect(rect(), d->backgroundColors[Hover]);
            } else if (!isDown() && !d->hovered) {
                if (usable(d->normalPixmap))
                    drawCentred(painter, this, *d->normalPixmap);
                return;
            } else if (d->hovered) {
                painter.fillRect(rect(), d->backgroundColors[Hover]);
            } else {
                painter.fillRect(rect(), d->backgroundColors[Pressed]);
            }
        }
        const auto& image = d->hovered ? d->hoverPixmap : d->normalPixmap;
        if (usable(image))
            drawCentred(painter, this, *image);
    };

    switch (mode) {
    case ColorMode:
    case IconTextMode:
        paintColours();
        break;
    case PixmapMode:
        if (checkedLook || d->hovered)
            painter.fillRect(rect(), d->backgroundColors[Hover]);
        else if (isDown())
            painter.fillRect(rect(), d->backgroundColors[Pressed]);
        if (usable(d->normalPixmap))
            drawCentred(painter, this, *d->normalPixmap);
        break;
    case HoverPixmapMode:
        paintHoverImages();
        break;
    case StatePixmapMode:
        if (isDown()) {
            if (usable(d->pressedPixmap))
                drawCentred(painter, this, *d->pressedPixmap);
        } else {
            paintHoverImages();
        }
        break;
    case AllStatePixmapMode:
        if (!isEnabled()) {
            if (usable(d->disabledPixmap))
                drawCentred(painter, this, *d->disabledPixmap);
        } else if (isDown()) {
            if (usable(d->pressedPixmap))
                drawCentred(painter, this, *d->pressedPixmap);
        } else {
            paintHoverImages();
        }
        break;
    case GradientMode: {
        const int gradientState = !isEnabled()              ? Disabled
                                  : (checkedLook || isDown()) ? Pressed
                                  : d->hovered              ? Hover
                                                            : Normal;
        painter.setPen(Qt::NoPen);
        if (gradientState < d->gradients.size())
            painter.setBrush(d->gradients[gradientState]);
        painter.drawRoundedRect(inner, d->radius, d->radius);
        break;
    }
    }

    if (mode == IconTextMode && usable(d->iconPixmap)) {
        const QPixmap& icon = *d->iconPixmap;
        if (d->iconPosition == Qt::AlignRight)
            painter.drawPixmap(width() - d->iconMargin - icon.width(), d->iconMargin, icon);
        else if (d->iconPosition == Qt::AlignTop)
            painter.drawPixmap((width() - icon.width()) / 2, d->iconMargin, icon);
        else
            painter.drawPixmap(d->iconMargin, (height() - icon.height()) / 2, icon);
    }

    if (text().isEmpty())
        return;
    painter.setPen(d->textColors[colourState]);
    if (mode != IconTextMode) {
        painter.drawText(rect().adjusted(0, 0, -1, -1), Qt::AlignCenter, text());
        return;
    }

    const QSize iconSize = usable(d->iconPixmap) ? d->iconPixmap->size() : QSize(0, 0);
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int margin = d->iconMargin;
    const int spacing = d->iconSpacing;
    QRect textRect(margin + spacing + iconSize.width(), 0,
                   width() - 2 * margin - spacing - iconSize.width(), height());
    int alignment = Qt::AlignCenter;
    int minimum = textWidth + 20;
    if (d->iconPosition == Qt::AlignTop) {
        textRect = QRect(0, margin + spacing + iconSize.height(), width(),
                         height() - 2 * margin - spacing - iconSize.height());
    } else {
        minimum = textWidth + iconSize.width() + 2 * margin + spacing;
        if (d->iconPosition == Qt::AlignRight) {
            textRect.setLeft(margin);
            alignment = Qt::AlignRight | Qt::AlignVCenter;
        } else {
            alignment = Qt::AlignLeft | Qt::AlignVCenter;
        }
    }
    if (minimumWidth() != minimum)
        setMinimumWidth(minimum);
    painter.drawText(textRect.adjusted(0, 0, -1, -1), alignment, text());
}
