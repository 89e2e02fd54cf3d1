#pragma once
#include "NoLocalDiskDialog.h"
#include "NoSDCardDialog.h"
#include "RefreshDiskDialog.h"

#include <QObject>
#include <QPointer>

#include <functional>

// The refresh and help dialogs of the SD card and whole disk pages: each one
// modal over the main window, created on first use and shown again while it lives.
class SelectionHelpDialogs : public QObject
{
    Q_OBJECT
public:
    explicit SelectionHelpDialogs(QWidget* page);

    // onFinished runs when the reload is done, before the dialog closes;
    // onNotShowingUp after "Drive still not showing up?" opened the help.
    void showRefreshDialog(std::function<void()> onFinished, std::function<void()> onNotShowingUp = {});
    void showNoLocalDiskDialog();
    void showNoSDCardDialog();

    RefreshDiskDialog* refreshDialog() const { return refreshDialog_; }
    NoLocalDiskDialog* noLocalDiskDialog() const { return noLocalDiskDialog_; }
    NoSDCardDialog* noSDCardDialog() const { return noSDCardDialog_; }

    // The main window, or the page's own window before one is registered.
    QWidget* dialogParent() const;

private:
    QWidget* page_;
    QPointer<RefreshDiskDialog> refreshDialog_;
    QPointer<NoLocalDiskDialog> noLocalDiskDialog_;
    QPointer<NoSDCardDialog> noSDCardDialog_;
};

// Posts an AppEvent with the flags to the main window (AppManager's widget 0).
void postToMainWindow(int flags);
