#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Results tour, step 1 of 4: the top of the left column (file path and file type views).
class RecoveryToolkitGuideStep1 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit RecoveryToolkitGuideStep1(QWidget* parent = nullptr);
    ~RecoveryToolkitGuideStep1() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
