#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Device tour, step 3 of 3: the page's "Search for Lost Data" button (the target), at the bottom right.
class StorageGuideStep3 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit StorageGuideStep3(QWidget* parent = nullptr);
    ~StorageGuideStep3() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
