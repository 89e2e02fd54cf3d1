#pragma once

#include "FilterComboBox.h"

#include <QDateTime>

class QLabel;
class XDateEdit;

// Radio rows that act only on a row not yet checked.
class ModifiedDateDelegate : public RadioRowDelegate {
    Q_OBJECT
public:
    explicit ModifiedDateDelegate(QObject* parent = nullptr);
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

// The date drop-down: fixed periods or a custom range of two calendar days;
// the choice becomes FileFilterManager's date criterion 200 ms after the last change.
class ModifiedDateComboBox : public FilterComboBox {
    Q_OBJECT
public:
    static constexpr int CustomValue = 5;

    explicit ModifiedDateComboBox(QWidget* parent = nullptr);

    static FilterRow row(int value);
    // The custom range in local ms since the epoch: the earlier day's 00:00:00.000
    // to the later day's last millisecond (the next day's midnight less 1 ms, so
    // days of 23 or 25 hours are whole). No bounds (-1) without two valid days.
    static QPair<qint64, qint64> customRange(const QDate& first, const QDate& second);

    void resetFilter();
    void updateFilter(bool displayOnly) override;
    XDateEdit* fromBox() const { return from_; }
    XDateEdit* toBox() const { return to_; }

protected:
    void retranslateUi() override;

private:
    void setupUi();

    XDateEdit* from_ = nullptr;
    XDateEdit* to_ = nullptr;
    QLabel* separator_ = nullptr;
};
