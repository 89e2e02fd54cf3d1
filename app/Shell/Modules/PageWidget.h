#pragma once

#include <QWidget>

// Base of every page; derived pages put their layout on contentWidget().
class PageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PageWidget(QWidget* parent = nullptr);

    virtual void enter() {}
    virtual int confirmClose() { return 0; }
    QWidget* contentWidget() const { return content_; }

private:
    QWidget* content_;
};
