#include "Dialogs/DialogManager.h"

#include "Application/XApplication.h"
#include "Dialogs/AboutDialog.h"
#include "Dialogs/UpgradeDialog.h"
#include "Modules/ModuleManager.h"

DialogManager* DialogManager::instance()
{
    static DialogManager manager;
    return &manager;
}

void DialogManager::showDialog(int type, const QVariant& data)
{
    ModuleManager* modules = ModuleManager::instance();
    emit modules->sigSetEffectIsHover(false);
    if (open_.value(type))
        return;
    QWidget* parent = XApplication::instance() ? XApplication::instance()->mainWidget() : nullptr;
    if (type == AboutDialogType && !about_) {
        about_ = new AboutDialog(parent);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        open_.insert(AboutDialogType, about_.data());
        about_->exec();
    } else if (type == UpgradeDialogType) {
        const QVariantMap result = data.isValid() ? data.toMap() : QVariantMap();
        if (upgrade_) {
            upgrade_->setResult(result);
        } else {
            upgrade_ = new UpgradeDialog(parent);
            upgrade_->setAttribute(Qt::WA_DeleteOnClose);
            upgrade_->setResult(result);
            upgrade_->exec();
        }
    }
    emit modules->sigSetEffectIsHover(true);
}

void DialogManager::updateDialog(int type, const QVariant& data)
{
    if (type == UpgradeDialogType && upgrade_)
        upgrade_->setResult(data.toMap());
}

void DialogManager::onUpdateCheckFinished(const QVariantMap& result)
{
    if (result.value("CheckResult").toInt() == 1)
        showDialog(UpgradeDialogType, result);
    else
        updateDialog(UpgradeDialogType, result);
}
