#include "Modules/ModuleManager.h"

ModuleManager::ModuleManager()
{
    qRegisterMetaType<ModuleManager::ModuleType>("ModuleManager::ModuleType");
}

ModuleManager* ModuleManager::instance()
{
    static ModuleManager manager;
    return &manager;
}

void ModuleManager::setCurrentModule(ModuleManager::ModuleType type)
{
    if (current_.exchange(type) != type)
        emit currentChanged(type);
}
