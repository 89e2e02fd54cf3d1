#include "Guides/GuideBubble.h"

#include "AppManager.h"
#include "Guides/GuideStepAbstract.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPolygon>
#include <QVBoxLayout>

namespace {

int sx(double value) { return GuideStepAbstract::sx(value); }
int sy(double value) { return GuideStepAbstract::sy(value); }

constexpr double TextPointSize = 10.5;

QMargins scaled(const QMargins& m)
{
    return {sx(m.left()), sy(m.top()), sx(m.right()), sy(m.bottom())};
}

XLabel* textLabel(QWidget* parent, int width, const QColor& color, bool bold)
{
    auto* label = new XLabel(parent);
    label->setFixedWidth(sx(width));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->setTextColor(color);
    label->setFontPointSizeAndBold(TextPointSize, bold);
    return label;
}

}  // namespace

GuideBubble::GuideBubble(GuideStepAbstract* step, const GuideBubbleShape& shape)
{
    const auto manager = AppManager::instance();
    frame = new QWidget(step);
    frame->setObjectName("GuideStepWidget");
    title = textLabel(frame, shape.labelWidth, manager->themeColor(AppManager::PrimaryText), true);
    body = textLabel(frame, shape.labelWidth, manager->themeColor(AppManager::PrimaryText), false);
    counter = new XLabel(frame);
    counter->setTextColor(manager->themeColor(AppManager::SecondaryText));
    counter->setFontPointSize(TextPointSize);
    counter->setText(QString("(%1/%2)").arg(shape.step).arg(shape.stepCount));
    if (shape.step > 1) {
        backLink = new XLabel(frame);
        backLink->setFontPointSize(TextPointSize);
        backLink->setContextMenuPolicy(Qt::NoContextMenu);
    }
    button = new XPushButton(frame);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setContentsMargins(0, 0, 0, 0);
    bottomRow->addWidget(counter);
    if (backLink) {
        bottomRow->addStretch();
        bottomRow->addWidget(backLink);
        bottomRow->addSpacing(sx(8));
    }
    bottomRow->addWidget(button);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(scaled(shape.frameMargins));
    frameLayout->setSpacing(0);
    frameLayout->addWidget(title);
    frameLayout->addStretch();
    frameLayout->addWidget(body);
    frameLayout->addStretch();
    frameLayout->addLayout(bottomRow);

    auto* placement = new QHBoxLayout;
    placement->setContentsMargins(scaled(shape.placement));
    if (shape.frameFirst) {
        placement->addWidget(frame);
        placement->addStretch();
    } else {
        placement->addStretch();
        placement->addWidget(frame);
    }

    auto* column = new QVBoxLayout(step);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (shape.column == GuideBubbleShape::Top) {
        column->addLayout(placement);
        column->addStretch();
    } else if (shape.column == GuideBubbleShape::Bottom) {
        column->addStretch();
        column->addLayout(placement);
    } else {
        column->addStretch();
        column->addLayout(placement);
        column->addSpacing(sy(50));
        column->addStretch();
    }

    frame->setFixedSize(sx(shape.frame.width()), sy(shape.frame.height()));
    frame->setStyleSheet(QString("QWidget#GuideStepWidget {border-radius: %1px;background: #FFFFFF;}").arg(sx(12)));

    button->setMinimumSize(sx(77), sy(26));
    button->setMaximumSize(sx(77), sy(26));
    button->setBackgroundColors({QColor("#2563EB"), QColor("#0349E3"), QColor("#2563EB"), QColor("#D7D7D7")});
    button->setTextColors({Qt::white, Qt::white, Qt::white, QColor("#B6B6B6")});
    button->setBorderColors({Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent});
    button->setBorderWidth(2.0);
    button->setRadius(0.14 * sy(26));
    button->setFontPointSize(TextPointSize);

    const int current = shape.step;
    QObject::connect(button, &XPushButton::clicked, step,
                     [step, current] { emit step->nextStepSignal(current, current + 1); });
    if (backLink)
        QObject::connect(backLink, &XLabel::linkActivated, step,
                         [step, current] { emit step->nextStepSignal(current, current - 1); });
}

QString GuideBubble::accentName()
{
    return AppManager::instance()->themeColor(AppManager::Accent).name();
}

void GuideBubble::setTexts(const QString& titleText, const QString& bodyText, const QString& backLinkText,
                           const QString& buttonText)
{
    title->setText(titleText);
    body->setText(bodyText);
    if (backLink)
        backLink->setText(backLinkText.arg(accentName()));
    button->setText(buttonText);
}

void GuideBubble::paintShade(const QSize& size, const QRect& hole, const QColor& outline)
{
    shade_ = QPixmap(size);
    shade_.fill(QColor(0, 0, 0, 77));
    shadeHole_ = hole;
    const int radius = sx(10);
    QPainter painter(&shade_);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawRoundedRect(QRectF(hole), radius, radius, Qt::AbsoluteSize);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    // Half a pixel in, so the 1-pixel outline covers the hole's edge pixels
    // exactly instead of smearing over two rows.
    painter.drawRoundedRect(QRectF(hole).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius, Qt::AbsoluteSize);
    painter.restore();
}

void GuideBubble::paint(QWidget* step, const QRect& hole, const QColor& outline, GuideArrow arrow, int leftArrowY)
{
    // Rebuilt when the size changes, and also when the hole does: a target
    // set after the first paint must not leave the old frame on screen.
    if (shade_.size() != step->size() || shadeHole_ != hole)
        paintShade(step->size(), hole, outline);

    QPainter painter(step);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(step->rect(), shade_);

    const QRect g = frame->geometry();
    const int x = g.x();
    const int y = g.y();
    const int right = g.x() + g.width() - 1;
    const int bottom = g.y() + g.height() - 1;
    QPolygon triangle;
    switch (arrow) {
    case GuideArrow::Left:
        triangle << QPoint(x - sx(15), y + sy(leftArrowY)) << QPoint(x, y + sy(25) - sy(10))
                 << QPoint(x, y + sy(25) + sy(10));
        break;
    case GuideArrow::Right:
        triangle << QPoint(right + sx(15), y + sy(25)) << QPoint(right, y + sy(25) - sy(10))
                 << QPoint(right, y + sy(25) + sy(10));
        break;
    case GuideArrow::Down:
        triangle << QPoint(right - sx(71), bottom) << QPoint(right - sx(46), bottom)
                 << QPoint(right - sx(59), bottom + sy(15));
        break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter.drawPolygon(triangle, Qt::OddEvenFill);
}
