#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include "Dialogs/AboutDialog.h"
#include "Dialogs/UpgradeDialog.h"

// Opens the application-level dialogs by type, at most one per type, and hands
// later data to the one already open.
class DialogManager : public QObject
{
    Q_OBJECT
public:
    enum DialogType { AboutDialogType = 0, UpgradeDialogType = 3 };

    static DialogManager* instance();

    // Modal: returns when the dialog closes, or at once when it is already open.
    void showDialog(int type, const QVariant& data);
    // Type 3 only: fills the open update dialog; nothing when none is open.
    void updateDialog(int type, const QVariant& data);

    AboutDialog* aboutDialog() const { return about_; }
    UpgradeDialog* upgradeDialog() const { return upgrade_; }

    // Routes an update check's answer: a new version opens or fills the
    // dialog, anything else only fills a dialog the user opened.
    void onUpdateCheckFinished(const QVariantMap& result);

private:
    DialogManager() = default;

    QHash<int, QPointer<QDialog>> open_;
    QPointer<AboutDialog> about_;
    QPointer<UpgradeDialog> upgrade_;
};
