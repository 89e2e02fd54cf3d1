#include "XLineEdit.h"

XLineEdit::XLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setStyleSheet("QLineEdit {background: #F8FAFC;color: #0F172A;border: 1px solid #F1F5F9;"
                  "border-radius: 8px;}");
}

void XLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit sigFocusIn();
}

void XLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit sigFocusOut();
}
