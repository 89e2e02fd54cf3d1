#pragma once
#include "XDialog.h"

class NoSDCardSolutionProvider;
class NoSDCardTabBar;
class QStackedWidget;
class XLabel;

// "Check disk connection" and "Check disk status": illustrated help for a
// card or disk that does not show up, with the support page below.
class NoSDCardDialog : public XDialog
{
    Q_OBJECT
public:
    explicit NoSDCardDialog(QWidget* parent = nullptr);

    NoSDCardTabBar* tabBar() const { return tabBar_; }
    QStackedWidget* stack() const { return stack_; }
    NoSDCardSolutionProvider* page(int index) const;
    XLabel* bottomLabel() const { return bottom_; }

    // Opens the support page; only a secure address is opened.
    static bool openSupportPage();

private:
    void addConnectionSteps(NoSDCardSolutionProvider* page);
    void addStatusSteps(NoSDCardSolutionProvider* page);

    NoSDCardTabBar* tabBar_;
    QStackedWidget* stack_;
    XLabel* bottom_;
};
