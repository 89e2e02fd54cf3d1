#include "SelectionHelpDialogs.h"

#include "AppEvent.h"
#include "AppManager.h"
#include "NoLocalDiskDialog.h"
#include "NoSDCardDialog.h"
#include "RefreshDiskDialog.h"

SelectionHelpDialogs::SelectionHelpDialogs(QWidget* page) : QObject(page), page_(page) {}

QWidget* SelectionHelpDialogs::dialogParent() const
{
    QWidget* main = AppManager::instance()->registeredWidget(0);
    return main ? main : page_->window();
}

void SelectionHelpDialogs::showRefreshDialog(std::function<void()> onFinished, std::function<void()> onNotShowingUp)
{
    if (!refreshDialog_) {
        refreshDialog_ = new RefreshDiskDialog(dialogParent());
        refreshDialog_->setModal(true);
        QPointer<RefreshDiskDialog> dialog = refreshDialog_;
        connect(refreshDialog_, &RefreshDiskDialog::refreshDiskFinshSignal, this, [dialog, onFinished] {
            if (onFinished)
                onFinished();
            if (dialog)
                dialog->close();
        });
        connect(refreshDialog_, &RefreshDiskDialog::driveNotShowingUpSignal, this, [this, onNotShowingUp] {
            showNoLocalDiskDialog();
            if (onNotShowingUp)
                onNotShowingUp();
        });
    }
    refreshDialog_->show();
}

void SelectionHelpDialogs::showNoLocalDiskDialog()
{
    if (!noLocalDiskDialog_) {
        noLocalDiskDialog_ = new NoLocalDiskDialog(dialogParent());
        noLocalDiskDialog_->setModal(true);
        noLocalDiskDialog_->setCloseIntercepted(true);
        NoLocalDiskDialog* dialog = noLocalDiskDialog_;
        connect(dialog, &XDialog::tryClosed, dialog, [dialog] { dialog->closeLater(1); });
    }
    noLocalDiskDialog_->setCloseIntercepted(true);
    noLocalDiskDialog_->show();
}

void SelectionHelpDialogs::showNoSDCardDialog()
{
    if (!noSDCardDialog_) {
        noSDCardDialog_ = new NoSDCardDialog(dialogParent());
        noSDCardDialog_->setModal(true);
    }
    noSDCardDialog_->show();
}

void postToMainWindow(int flags)
{
    if (QWidget* main = AppManager::instance()->registeredWidget(0))
        AppManager::instance()->postEvent(main, new AppEvent(flags), Qt::HighEventPriority);
}
