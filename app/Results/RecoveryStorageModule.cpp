#include "RecoveryStorageModule.h"

#include "Modules/PageWidget.h"
#include "RecoveryStoragePage.h"

RecoveryStorageModule::RecoveryStorageModule(QWidget* parent) : AbstractModuleWidget(parent) {}

void RecoveryStorageModule::enter()
{
    switchToPage(0);
    if (auto* page = qobject_cast<PageWidget*>(currentPage()))
        page->enter();
}

int RecoveryStorageModule::confirmClose()
{
    auto* page = qobject_cast<PageWidget*>(currentPage());
    return page ? page->confirmClose() : 0;
}

QWidget* RecoveryStorageModule::createPage(int id)
{
    return id == 0 ? new RecoveryStoragePage(this) : nullptr;
}
