#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;

// A date field ("yyyy/MM/dd") that opens a calendar on a press; picking a day
// writes it, closes the calendar and emits dateSelected.
class XDateEdit : public QWidget {
    Q_OBJECT
public:
    explicit XDateEdit(QWidget* parent = nullptr);
    ~XDateEdit() override;

    QDate date() const;
    void setDate(const QDate& date);
    void setReadOnly(bool readOnly);

    QLineEdit* dateField() const { return field_; }
    QWidget* popup() const { return popup_; }
    QCalendarWidget* calendar() const { return calendar_; }

signals:
    void dateSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCalendarClicked(const QDate& date);

    QWidget* frame_;
    QLineEdit* field_;
    QWidget* popup_;
    QCalendarWidget* calendar_;
};
