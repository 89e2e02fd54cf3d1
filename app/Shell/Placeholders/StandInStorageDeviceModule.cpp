#include "StandInStorageDeviceModule.h"

#include "PlaceholderPage.h"
#include "XMessageBox.h"

StandInStorageDeviceModule::StandInStorageDeviceModule(QWidget* parent)
    : AbstractModuleWidget(parent)
{
}

void StandInStorageDeviceModule::enter()
{
    switchToPage(0);
}

int StandInStorageDeviceModule::confirmClose()
{
    const int choice = XMessageBox::question(this, QString(), tr("Exit program?"),
                                             {tr("Exit"), tr("Cancel")}, 1);
    return choice == 1 ? 0 : 1;
}

void StandInStorageDeviceModule::refresh()
{
    if (auto* page = qobject_cast<PlaceholderPage*>(currentPage()))
        page->refresh();
}

QWidget* StandInStorageDeviceModule::createPage(int id)
{
    if (id != 0)
        return nullptr;
    return new PlaceholderPage(QT_TR_NOOP("Select a location to scan"),
                               QT_TR_NOOP("The list of disks, partitions and folders comes here."), this);
}
