#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

// A whole number with a byte unit ("b", "kb", "mb", "gb") that yields a size
// in bytes. Enter in the number or a change of unit emits spinBoxValueChanged.
class SpinComboBox : public QWidget {
    Q_OBJECT
public:
    explicit SpinComboBox(QWidget* parent = nullptr);

    // Bytes: the number times the unit, saturated at the largest signed 64-bit value.
    quint64 value() const;
    // No number typed: the caller treats the box as no bound.
    bool isEmpty() const;
    void clear();

    QLineEdit* numberField() const { return number_; }
    QComboBox* unitBox() const { return unit_; }

signals:
    void spinBoxValueChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* number_;
    QComboBox* unit_;
};
