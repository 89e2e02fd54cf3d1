#pragma once

#include "Modules/AbstractModuleWidget.h"

// Module 2 until the results module is registered: the scan and its results.
class StandInRecoveryStorageModule : public AbstractModuleWidget
{
    Q_OBJECT
public:
    explicit StandInRecoveryStorageModule(QWidget* parent = nullptr);

    void enter() override;
    int confirmClose() override;
    QWidget* createPage(int id) override;
};
