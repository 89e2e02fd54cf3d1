#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Device tour, step 1 of 3: the "Hard Drive" entry of the recovery-type bar.
class StorageGuideStep1 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit StorageGuideStep1(QWidget* parent = nullptr);
    ~StorageGuideStep1() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
