#pragma once
#include "Modules/AbstractModuleWidget.h"

// Module 2: the scan and its results, on one page.
class RecoveryStorageModule : public AbstractModuleWidget {
    Q_OBJECT
public:
    explicit RecoveryStorageModule(QWidget* parent = nullptr);

    void enter() override;
    int confirmClose() override;
    QWidget* createPage(int id) override;
};
