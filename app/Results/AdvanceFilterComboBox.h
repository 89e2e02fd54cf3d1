#pragma once

#include "FilterComboBox.h"

// Check rows, as the file type drop-down's.
class AdvanceFilterDelegate : public CheckRowDelegate {
    Q_OBJECT
public:
    explicit AdvanceFilterDelegate(QObject* parent = nullptr);
};

// The "hide" drop-down: empty files, the Windows folder, users' temporary
// folders and browser caches; the ticked rows become FileFilterManager's
// exclusion bits 200 ms after the last click.
class AdvanceFilterComboBox : public FilterComboBox {
    Q_OBJECT
public:
    explicit AdvanceFilterComboBox(QWidget* parent = nullptr);

    static FilterRow row(int value);

    void resetFilter();
    void updateFilter(bool displayOnly) override;

protected:
    void retranslateUi() override;
};
