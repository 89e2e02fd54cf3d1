#pragma once

#include <QMap>
#include <QWidget>

class QStackedWidget;

// Base of every module: a stack of pages keyed by an id.
class AbstractModuleWidget : public QWidget
{
    Q_OBJECT
public:
    explicit AbstractModuleWidget(QWidget* parent = nullptr);
    ~AbstractModuleWidget() override;

    virtual void enter() {}
    // 0 lets the program quit; anything else keeps it running.
    virtual int confirmClose() { return 0; }
    virtual void refresh() {}
    virtual QWidget* createPage(int id) { return nullptr; }
    virtual void onPageChanged(int id) {}

    // Shows the page of the id, made by createPage unless it is still registered.
    void switchToPage(int id);
    QWidget* currentPage() const;
    int currentPageId() const { return currentId_; }

private:
    QStackedWidget* stack_;
    QMap<int, QWidget*> pages_;
    int currentId_ = -1;
};
