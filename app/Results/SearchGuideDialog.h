#pragma once
#include "XDialog.h"

class XPushButton;

// Shown from the empty search page: tells the user to use the filter and the
// search box, with a picture of the toolbar drawn with real widgets.
class SearchGuideDialog : public XDialog {
    Q_OBJECT
public:
    explicit SearchGuideDialog(QWidget* parent = nullptr);
    XPushButton* okButton() const { return okButton_; }

private:
    XPushButton* okButton_ = nullptr;
};
