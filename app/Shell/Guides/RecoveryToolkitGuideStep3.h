#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Results tour, step 3 of 4: the file list, which grows with the window.
class RecoveryToolkitGuideStep3 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit RecoveryToolkitGuideStep3(QWidget* parent = nullptr);
    ~RecoveryToolkitGuideStep3() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
