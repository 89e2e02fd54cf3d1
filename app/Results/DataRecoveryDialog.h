#pragma once
#include "XDialog.h"

class XLabel;
class XProgressBar;
class XPushButton;

// The running export: an animation, the file being written, a percentage bar
// and Stop. Stop and the title bar's close only emit tryClosed: the owner asks.
class DataRecoveryDialog : public XDialog {
    Q_OBJECT
public:
    explicit DataRecoveryDialog(QWidget* parent = nullptr);
    ~DataRecoveryDialog() override;

    // mode and count are accepted for the caller's sake and not shown.
    void setCurrentFile(const QString& filePath, int mode, qulonglong count);
    void setProgress(int percent);

    XLabel* fileLabel() const { return fileLabel_; }
    XLabel* percentLabel() const { return percentLabel_; }
    XProgressBar* progressBar() const { return progressBar_; }
    XPushButton* stopButton() const { return stopButton_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    XLabel* fileLabel_ = nullptr;
    XProgressBar* progressBar_ = nullptr;
    XLabel* percentLabel_ = nullptr;
    XPushButton* stopButton_ = nullptr;
};
