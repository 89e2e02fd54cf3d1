#pragma once

#include "Modules/PageWidget.h"

class XLabel;

// A page that only says what will be shown here.
class PlaceholderPage : public PageWidget
{
    Q_OBJECT
public:
    PlaceholderPage(const char* title, const char* text, QWidget* parent = nullptr);

    // Pages of the device module refresh their lists; this one has none.
    virtual void refresh() {}

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    const char* title_;
    const char* text_;
    XLabel* titleLabel_;
    XLabel* textLabel_;
};
