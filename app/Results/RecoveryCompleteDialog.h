#pragma once
#include "XDialog.h"

class XLabel;
class XPushButton;

// The end of an export: its outcome, the disks that went away (when any),
// "OK" and "Check Recovered Data", which opens the export folder.
class RecoveryCompleteDialog : public XDialog {
    Q_OBJECT
public:
    // The title follows the outcome: a stopped or partly failed export is
    // never called successful.
    enum Outcome { Succeeded = 0, Stopped = 1, Incomplete = 2 };

    // incompleteCount: files written from guessed or cut data, said in a line of their own.
    explicit RecoveryCompleteDialog(const QString& disconnectedDisks, QWidget* parent = nullptr,
                                    Outcome outcome = Succeeded, int incompleteCount = 0);
    ~RecoveryCompleteDialog() override;

    static QString titleText(Outcome outcome);

    XLabel* titleLabelOfOutcome() const { return title_; }
    XLabel* warningLabel() const { return warning_; }
    XLabel* disksLabel() const { return disks_; }
    XLabel* incompleteLabel() const { return incomplete_; }
    static QString incompleteText(int count);
    XPushButton* okButton() const { return okButton_; }
    XPushButton* checkButton() const { return checkButton_; }
    // The program that opens a folder on the desktop (xdg-open where there is one).
    void setFolderOpener(const QString& program) { opener_ = program; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openExportFolder();

    XLabel* title_ = nullptr;
    XLabel* warning_ = nullptr;
    XLabel* disks_ = nullptr;
    XLabel* incomplete_ = nullptr;
    XPushButton* checkButton_ = nullptr;
    XPushButton* okButton_ = nullptr;
    QString disconnectedDisks_;
    QString opener_;
};
