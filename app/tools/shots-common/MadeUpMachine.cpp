#include "MadeUpMachine.h"

#include "MadeUpVolume.h"
#include "Modules/ModuleLayout.h"
#include "Modules/ModuleManager.h"
#include "RecoveryStorageModule.h"
#include "StorageDeviceManager.h"
#include "StorageDeviceModule.h"

void useMadeUpMachine(const QString& stickFileSystem)
{
    QDiskAndVolumeInfo stick = madeUpVolume("MYSTICK (sdb1)", "/media/user/MYSTICK", stickFileSystem, 28.87, 20.01, 1, 0);
    stick.isExternal = true;
    StorageDeviceManager::instance().setCachedList(
        {madeUpVolume("System Disk (nvme0n1p2)", "/", "ext4", 476.34, 211.08, 0, 1),
         madeUpVolume("Home (nvme0n1p3)", "/home", "ext4", 300.0, 12.5, 0, 2), stick});
    ModuleLayout::setModuleFactory([](ModuleManager::ModuleType type, QWidget* parent) -> AbstractModuleWidget* {
        if (type == ModuleManager::StorageDevice)
            return new StorageDeviceModule(parent);
        return new RecoveryStorageModule(parent);
    });
}
