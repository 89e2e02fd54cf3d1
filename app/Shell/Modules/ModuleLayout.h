#pragma once

#include "Modules/ModuleManager.h"

#include <QWidget>

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

private slots:
    void onCurrentModuleChanged(ModuleManager::ModuleType type);

private:
    QStackedWidget* stack_;
    ModuleManager::ModuleType shown_ = ModuleManager::NoModule;
};
