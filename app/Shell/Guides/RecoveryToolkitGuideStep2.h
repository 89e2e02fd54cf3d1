#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Results tour, step 2 of 4: the search box at the top right.
class RecoveryToolkitGuideStep2 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit RecoveryToolkitGuideStep2(QWidget* parent = nullptr);
    ~RecoveryToolkitGuideStep2() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
