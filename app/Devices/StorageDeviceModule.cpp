#include "StorageDeviceModule.h"

#include "StorageDevicePage.h"
#include "XMessageBox.h"

StorageDeviceModule::StorageDeviceModule(QWidget* parent) : AbstractModuleWidget(parent) {}

QWidget* StorageDeviceModule::createPage(int id)
{
    return id == 0 ? new StorageDevicePage(this) : nullptr;
}

void StorageDeviceModule::enter()
{
    switchToPage(0);
}

void StorageDeviceModule::refresh()
{
    if (auto* page = qobject_cast<StorageDevicePage*>(currentPage()))
        page->refreshCurrentPage();
}

int StorageDeviceModule::confirmClose()
{
    const int choice = XMessageBox::question(this, QString(), tr("Exit program?"),
                                             {QObject::tr("Exit"), QObject::tr("Cancel")}, 2);
    return choice == 1 ? 0 : 1;
}
