#include "NoSDCardTabBar.h"

#include "DeviceScale.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

NoSDCardTabBar::NoSDCardTabBar(QWidget* parent)
    : QWidget(parent), first_(new QPushButton(this)), second_(new QPushButton(this))
{
    QFont font(QApplication::font().family());
    font.setWeight(75);
    font.setPointSizeF(13.5);
    const QString style = QStringLiteral(
        "QPushButton{background: transparent; color: #09244B; border: none; border-radius: 8px;}"
        "QPushButton:pressed, QPushButton:checked{background: #2563EB; color: #FFFFFF; border: none;}"
        "QPushButton:disabled{background: #D7D7D7; color: #B6B6B6;}");
    for (QPushButton* button : {first_, second_}) {
        button->setFixedSize(sx(270), sy(61));
        button->setCheckable(true);
        button->setFont(font);
        button->setStyleSheet(style);
    }
    first_->setObjectName("connectionTab");
    second_->setObjectName("statusTab");
    first_->setChecked(true);
    connect(first_, &QPushButton::clicked, this, [this] { select(0); });
    connect(second_, &QPushButton::clicked, this, [this] { select(1); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(sx(12), sy(4), sx(12), sy(4));
    layout->setSpacing(0);
    layout->addWidget(first_);
    layout->addWidget(second_);
}

void NoSDCardTabBar::setTabs(const QString& first, const QString& second)
{
    first_->setText(first);
    second_->setText(second);
}

void NoSDCardTabBar::select(int index)
{
    // A click on the checked button unchecks it; it stays the current tab.
    first_->setChecked(index == 0);
    second_->setChecked(index == 1);
    emit currentChanged(index);
}

void NoSDCardTabBar::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(DeviceColors::line);
    painter.setBrush(DeviceColors::tile);
    const int radius = sx(8);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
