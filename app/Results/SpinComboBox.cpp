#include "SpinComboBox.h"

#include "Application/XApplication.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QVBoxLayout>

#include <limits>

SpinComboBox::SpinComboBox(QWidget* parent)
    : QWidget(parent)
{
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("centralWidget_"));
    frame->setAttribute(Qt::WA_StyledBackground);
    frame->setStyleSheet(QStringLiteral("QWidget#centralWidget_ { border: 1px solid #E2E8F0; border-radius: 4px; "
                                        "background: #E2E8F0; padding: 0px; margin: 0px; outline: none; }"));
    number_ = new QLineEdit(frame);
    number_->setMinimumSize(XApplication::scaledX(32), XApplication::scaledY(22));
    number_->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("\\d{0,10}"), Qt::CaseSensitive), number_));
    number_->setStyleSheet(QStringLiteral("QLineEdit { border: none; background: transparent; outline: none; }"));
    number_->installEventFilter(this);
    unit_ = new QComboBox(frame);
    unit_->addItems({QStringLiteral("b"), QStringLiteral("kb"), QStringLiteral("mb"), QStringLiteral("gb")});
    unit_->setFixedSize(XApplication::scaledX(35), XApplication::scaledY(25));
    unit_->setStyleSheet(QStringLiteral(
        "QComboBox { border: 1px solid #E2E8F0; border-radius: 3px; background: #FFFFFF; padding-left: 4px; "
        "margin: 0px; outline: none; }"
        "QComboBox QAbstractItemView { outline: none; }"
        "QComboBox:focus { border: none; outline: none; }"
        "QComboBox::drop-down { width: 10px; border: none; background: transparent; }"
        "QComboBox::down-arrow, QComboBox::down-arrow:hover, QComboBox::down-arrow:pressed { "
        "width: 5px; height: 9px; image: url(\":/images/arrow_down@2x.png\"); }"));

    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(XApplication::scaledX(4), XApplication::scaledY(3), XApplication::scaledX(4),
                            XApplication::scaledY(3));
    row->setSpacing(0);
    row->addWidget(number_, 0, Qt::AlignVCenter);
    row->addWidget(unit_, 0, Qt::AlignVCenter);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frame);

    connect(number_, &QLineEdit::returnPressed, this, &SpinComboBox::spinBoxValueChanged);
    connect(unit_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SpinComboBox::spinBoxValueChanged);
}

quint64 SpinComboBox::value() const
{
    static constexpr quint64 factors[] = {1, 1024, 1048576, 1073741824};
    const int index = unit_->currentIndex();
    const quint64 factor = index >= 0 && index < 4 ? factors[index] : 1;
    bool ok = false;
    const quint64 number = number_->text().toULongLong(&ok, 10);
    if (!ok)
        return 0;
    // Ten digits times "gb" pass the signed 64-bit bytes the filter compares with.
    constexpr quint64 largest = quint64(std::numeric_limits<qint64>::max());
    quint64 bytes = 0;
    if (__builtin_mul_overflow(number, factor, &bytes) || bytes > largest)
        return largest;
    return bytes;
}

bool SpinComboBox::isEmpty() const
{
    return number_->text().isEmpty();
}

void SpinComboBox::clear()
{
    number_->clear();
    unit_->setCurrentIndex(0);
}

bool SpinComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == number_) {
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
