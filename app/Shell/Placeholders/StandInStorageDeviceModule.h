#pragma once

#include "Modules/AbstractModuleWidget.h"

// Module 1 until the device selection module is linked in (ModuleLayout::setModuleFactory).
class StandInStorageDeviceModule : public AbstractModuleWidget
{
    Q_OBJECT
public:
    explicit StandInStorageDeviceModule(QWidget* parent = nullptr);

    void enter() override;
    int confirmClose() override;
    void refresh() override;
    QWidget* createPage(int id) override;
};
