#pragma once
#include "XDialog.h"

class XLabel;
class XPushButton;

// The end of a scan: size and number of the files found, the disks that went
// away (when any), and "Check Found Files".
class ScanCompleteDialog : public XDialog {
    Q_OBJECT
public:
    ScanCompleteDialog(quint64 totalSize, quint64 fileCount, const QString& disconnectedDisks,
                       QWidget* parent = nullptr);
    ~ScanCompleteDialog() override;

    XLabel* warningLabel() const { return warning_; }
    XLabel* disksLabel() const { return disks_; }
    XLabel* sizeLabel() const { return size_; }
    XLabel* filesLabel() const { return files_; }
    XPushButton* checkButton() const { return checkButton_; }

private:
    quint64 totalSize_ = 0;
    quint64 fileCount_ = 0;
    QString disconnectedDisks_;
    XLabel* warning_ = nullptr;
    XLabel* disks_ = nullptr;
    XLabel* size_ = nullptr;
    XLabel* files_ = nullptr;
    XPushButton* checkButton_ = nullptr;
};
