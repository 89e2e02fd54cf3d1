#include "XDateEdit.h"

#include "Application/XApplication.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString dateFormat = QStringLiteral("yyyy/MM/dd");
}

XDateEdit::XDateEdit(QWidget* parent)
    : QWidget(parent)
{
    frame_ = new QWidget(this);
    frame_->setObjectName(QStringLiteral("centralWidget_"));
    frame_->setAttribute(Qt::WA_StyledBackground);
    frame_->setStyleSheet(QStringLiteral("QWidget#centralWidget_ { border: 1px solid #E2E8F0; background: #FFFFFF; "
                                         "border-radius: 4px; outline: none; }"));
    field_ = new QLineEdit(frame_);
    field_->setStyleSheet(QStringLiteral("QLineEdit { border: none; background: transparent; outline: none;}"));
    auto* row = new QHBoxLayout(frame_);
    row->setContentsMargins(XApplication::scaledX(5), 0, 0, 0);
    row->addWidget(field_, 0, Qt::AlignHCenter);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frame_);

    popup_ = new QWidget(nullptr, Qt::Popup);
    calendar_ = new QCalendarWidget(popup_);
    calendar_->setGridVisible(false);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar_->setStyleSheet(QStringLiteral(
        "QCalendarWidget, QCalendarWidget QAbstractItemView, QCalendarWidget QToolButton { outline: none; }"
        "QCalendarWidget QAbstractItemView { selection-background-color: #2563EB; }"
        "QCalendarWidget QAbstractItemView::item:hover { background: #ff0000 !important; }"));
    auto* popupColumn = new QVBoxLayout(popup_);
    popupColumn->setContentsMargins(0, 0, 0, 0);
    popupColumn->addWidget(calendar_);

    field_->installEventFilter(this);
    connect(calendar_, &QCalendarWidget::clicked, this, &XDateEdit::onCalendarClicked);
}

XDateEdit::~XDateEdit()
{
    // The calendar's popup is a top-level window, not a child.
    delete popup_;
}

QDate XDateEdit::date() const
{
    return QDate::fromString(field_->text(), dateFormat);
}

void XDateEdit::setDate(const QDate& date)
{
    field_->setText(date.toString(dateFormat));
    calendar_->setSelectedDate(date);
}

void XDateEdit::setReadOnly(bool readOnly)
{
    field_->setReadOnly(readOnly);
}

bool XDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::MouseButtonPress) {
        popup_->move(frame_->mapToGlobal(frame_->rect().bottomLeft()));
        popup_->resize(calendar_->sizeHint());
        popup_->show();
        calendar_->setSelectedDate(QDate::fromString(field_->text(), dateFormat));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void XDateEdit::onCalendarClicked(const QDate& date)
{
    field_->setText(date.toString(dateFormat));
    popup_->hide();
    emit dateSelected();
}
