#pragma once
#include "Modules/AbstractModuleWidget.h"

// Module 1: where the user picks what to scan.
class StorageDeviceModule : public AbstractModuleWidget
{
    Q_OBJECT
public:
    explicit StorageDeviceModule(QWidget* parent = nullptr);

    QWidget* createPage(int id) override;
    void enter() override;
    void refresh() override;
    int confirmClose() override;
};
