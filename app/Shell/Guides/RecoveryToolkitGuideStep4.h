#pragma once

#include "Guides/GuideStepAbstract.h"

#include <memory>

class GuideBubble;

// Results tour, step 4 of 4: the scan progress panel's "Recover" button (the target), at the bottom right.
class RecoveryToolkitGuideStep4 : public GuideStepAbstract
{
    Q_OBJECT
public:
    explicit RecoveryToolkitGuideStep4(QWidget* parent = nullptr);
    ~RecoveryToolkitGuideStep4() override;

    void retranslateUi() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<GuideBubble> d;
};
