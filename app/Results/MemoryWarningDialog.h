#pragma once
#include "XDialog.h"

class XLabel;
class XProgressBar;
class XPushButton;

// The scan was paused because memory ran short: the RAM usage and "OK".
class MemoryWarningDialog : public XDialog {
    Q_OBJECT
public:
    explicit MemoryWarningDialog(QWidget* parent = nullptr);
    ~MemoryWarningDialog() override;

    // processBytes is not shown.
    void updateUsage(qint64 processBytes, qint64 usedBytes, qint64 totalBytes, double percent);

    XProgressBar* usageBar() const { return usageBar_; }
    XLabel* usageLabel() const { return usageLabel_; }
    XLabel* percentLabel() const { return percentLabel_; }
    XPushButton* okButton() const { return okButton_; }

private:
    XProgressBar* usageBar_ = nullptr;
    XLabel* usageLabel_ = nullptr;
    XLabel* percentLabel_ = nullptr;
    XPushButton* okButton_ = nullptr;
};
