#pragma once

#include "FilterComboBox.h"

class QLineEdit;

// Check rows: a click toggles the row.
class FileTypeDelegate : public CheckRowDelegate {
    Q_OBJECT
public:
    explicit FileTypeDelegate(QObject* parent = nullptr);
};

// The file type drop-down: nine type rows and "Customize" with a free list of
// extensions; the ticked rows become FileFilterManager's type criterion 200 ms
// after the last change.
class FileTypeComboBox : public FilterComboBox {
    Q_OBJECT
public:
    static constexpr int CustomValue = 512;

    explicit FileTypeComboBox(QWidget* parent = nullptr);

    static FilterRow row(int value);

    void resetFilter();
    void updateFilter(bool displayOnly) override;
    QLineEdit* extensionField() const { return extensions_; }

protected:
    void retranslateUi() override;

private:
    void setupUi();
    void onCustomEditingFinished();

    QLineEdit* extensions_ = nullptr;
};
