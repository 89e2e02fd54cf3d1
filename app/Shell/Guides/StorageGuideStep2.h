#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Device tour, step 2 of 3: the top left of the selection page's location list.
class StorageGuideStep2 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit StorageGuideStep2(QWidget* parent = nullptr);
    ~StorageGuideStep2() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
