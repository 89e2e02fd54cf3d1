#include "StandInRecoveryStorageModule.h"

#include "PlaceholderPage.h"

StandInRecoveryStorageModule::StandInRecoveryStorageModule(QWidget* parent)
    : AbstractModuleWidget(parent)
{
}

void StandInRecoveryStorageModule::enter()
{
    switchToPage(0);
    if (auto* page = qobject_cast<PageWidget*>(currentPage()))
        page->enter();
}

int StandInRecoveryStorageModule::confirmClose()
{
    auto* page = qobject_cast<PageWidget*>(currentPage());
    return page ? page->confirmClose() : 0;
}

QWidget* StandInRecoveryStorageModule::createPage(int id)
{
    if (id != 0)
        return nullptr;
    return new PlaceholderPage(QT_TR_NOOP("Scan results"),
                               QT_TR_NOOP("The found files come here."), this);
}
