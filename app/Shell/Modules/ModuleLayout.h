#pragma once

#include "Modules/ModuleManager.h"

#include <QWidget>

#include <functional>

class AbstractModuleWidget;
class QStackedWidget;

// Holds the current module and replaces it when the current module changes.
class ModuleLayout : public QWidget
{
    Q_OBJECT
public:
    explicit ModuleLayout(QWidget* parent = nullptr);

    QWidget* currentModule() const;
    ModuleManager::ModuleType shownType() const { return shown_; }
    int confirmClose() const;

    // The program puts its real modules in here; a type the factory leaves
    // null gets the shell's stand-in.
    using ModuleFactory = std::function<AbstractModuleWidget*(ModuleManager::ModuleType, QWidget* parent)>;
    static void setModuleFactory(ModuleFactory factory);

private slots:
    void onCurrentModuleChanged(ModuleManager::ModuleType type);

private:
    QStackedWidget* stack_;
    ModuleManager::ModuleType shown_ = ModuleManager::NoModule;
};
