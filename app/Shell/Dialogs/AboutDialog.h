#pragma once

#include "XDialog.h"

class XImageBox;
class XLabel;

// The about box: product, version, what the program does, the maker's site
// (when one is configured) and the copyright line.
class AboutDialog : public XDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    XLabel* linkLabel() const { return link_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    XImageBox* logo_;
    XLabel* title_;
    XLabel* versionCaption_;
    XLabel* version_;
    XLabel* paragraph_;
    XLabel* learnMore_;
    XLabel* link_;
    XLabel* copyright_;
};
