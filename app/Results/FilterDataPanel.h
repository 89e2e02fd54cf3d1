#pragma once

#include <QWidget>

#include <memory>

class AdvanceFilterComboBox;
class FileSizeComboBox;
class FileTypeComboBox;
class ModifiedDateComboBox;
class XLabel;
class XPushButton;

// The strip of filter controls under the search panel's header: the type,
// date, size and advanced drop-downs, a deleted-files switch and a Reset link.
// Every control talks to FileFilterManager itself.
class FilterDataPanel : public QWidget {
    Q_OBJECT
public:
    explicit FilterDataPanel(QWidget* parent = nullptr);
    ~FilterDataPanel() override;

    FileTypeComboBox* fileTypeBox() const;
    ModifiedDateComboBox* dateBox() const;
    FileSizeComboBox* sizeBox() const;
    AdvanceFilterComboBox* advancedBox() const;
    XPushButton* deletedSwitch() const;
    XLabel* resetLink() const;

    void resetAllFilters();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void retranslateUi();
    void onViewDeletedToggled(bool on);
    void setSwitchPicture(bool on);

    struct Private;
    std::unique_ptr<Private> d;
};
