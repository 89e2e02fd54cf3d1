#include "RecoveryStorageModule.h"

#include "PlaceholderPage.h"

RecoveryStorageModule::RecoveryStorageModule(QWidget* parent)
    : AbstractModuleWidget(parent)
{
}

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
    if (id != 0)
        return nullptr;
    return new PlaceholderPage(QT_TR_NOOP("Scan results"),
                               QT_TR_NOOP("The found files come here."), this);
}
