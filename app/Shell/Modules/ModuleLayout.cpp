#include "Modules/ModuleLayout.h"

#include "Modules/AbstractModuleWidget.h"
#include "StandInRecoveryStorageModule.h"
#include "StandInStorageDeviceModule.h"

#include <QHBoxLayout>
#include <QStackedWidget>

namespace {
ModuleLayout::ModuleFactory& moduleFactory()
{
    static ModuleLayout::ModuleFactory factory;
    return factory;
}
}  // namespace

void ModuleLayout::setModuleFactory(ModuleFactory factory)
{
    moduleFactory() = std::move(factory);
}

ModuleLayout::ModuleLayout(QWidget* parent)
    : QWidget(parent), stack_(new QStackedWidget(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    connect(ModuleManager::instance(), &ModuleManager::currentChanged, this,
            &ModuleLayout::onCurrentModuleChanged);
    ModuleManager* manager = ModuleManager::instance();
    if (manager->currentModule() == ModuleManager::StorageDevice)
        onCurrentModuleChanged(ModuleManager::StorageDevice);
    else
        manager->setCurrentModule(ModuleManager::StorageDevice);
}

QWidget* ModuleLayout::currentModule() const
{
    return stack_->currentWidget();
}

int ModuleLayout::confirmClose() const
{
    auto* module = qobject_cast<AbstractModuleWidget*>(stack_->currentWidget());
    return module ? module->confirmClose() : 0;
}

void ModuleLayout::onCurrentModuleChanged(ModuleManager::ModuleType type)
{
    // A change queued from another thread may have been overtaken by a later
    // one: only the type that is current now is shown, and only once.
    if (type != ModuleManager::instance()->currentModule() || type == shown_)
        return;
    if (QWidget* old = stack_->currentWidget()) {
        stack_->removeWidget(old);
        old->deleteLater();
    }
    shown_ = type;
    AbstractModuleWidget* module = moduleFactory() ? moduleFactory()(type, this) : nullptr;
    if (!module && type == ModuleManager::StorageDevice)
        module = new StandInStorageDeviceModule(this);
    else if (!module && type == ModuleManager::RecoveryStorage)
        module = new StandInRecoveryStorageModule(this);
    if (!module)
        return;
    stack_->addWidget(module);
    stack_->setCurrentWidget(module);
    module->enter();
}
