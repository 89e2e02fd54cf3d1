#pragma once
#include "Modules/PageWidget.h"

// Stands for the SD card page (type 1) and the whole disk page (type 2)
// until they are built; the whole disk one has its back arrow.
class SelectionPlaceholderPage : public PageWidget
{
    Q_OBJECT
public:
    SelectionPlaceholderPage(int pageType, QWidget* parent = nullptr);
    void refresh() {}

signals:
    void partitionRecovery();
};
