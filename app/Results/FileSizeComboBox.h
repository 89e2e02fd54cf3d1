#pragma once

#include "FilterComboBox.h"

class SpinComboBox;

// Radio rows: a click checks the row and unchecks the others.
class FileSizeDelegate : public RadioRowDelegate {
    Q_OBJECT
public:
    explicit FileSizeDelegate(QObject* parent = nullptr);
};

// The file size drop-down: fixed size bands or a custom range typed into two
// number boxes; the choice becomes FileFilterManager's size criterion 200 ms
// after the last change.
class FileSizeComboBox : public FilterComboBox {
    Q_OBJECT
public:
    static constexpr int CustomValue = 6;

    explicit FileSizeComboBox(QWidget* parent = nullptr);

    static FilterRow row(int value);

    void resetFilter();
    void updateFilter(bool displayOnly) override;
    SpinComboBox* minimumBox() const { return minimum_; }
    SpinComboBox* maximumBox() const { return maximum_; }

protected:
    void retranslateUi() override;

private:
    void setupUi();

    SpinComboBox* minimum_ = nullptr;
    SpinComboBox* maximum_ = nullptr;
    class QLabel* separator_ = nullptr;
};
