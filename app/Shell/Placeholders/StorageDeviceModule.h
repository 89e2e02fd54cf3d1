#pragma once

#include "Modules/AbstractModuleWidget.h"

// Module 1: choosing a disk, volume or folder to scan.
class StorageDeviceModule : public AbstractModuleWidget
{
    Q_OBJECT
public:
    explicit StorageDeviceModule(QWidget* parent = nullptr);

    void enter() override;
    int confirmClose() override;
    void refresh() override;
    QWidget* createPage(int id) override;
};
