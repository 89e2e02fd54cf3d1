#pragma once

#include <QLineEdit>

// The styled line edit; reports focus changes.
class XLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit XLineEdit(QWidget* parent = nullptr);

signals:
    void sigFocusIn();
    void sigFocusOut();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
