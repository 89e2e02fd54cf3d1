#pragma once

#include "XFramelessWindow.h"

class XLabel;

// A frameless window to try the toolkit by hand: move it by its title bar,
// resize it from any edge, open each kind of dialog.
class Gallery : public XFramelessWindow
{
    Q_OBJECT
public:
    explicit Gallery(const QString& pictureFolder);

private:
    QWidget* buildTitleBar();
    QWidget* buildBody();
    void report(const QString& text);

    QString pictureFolder_;
    XLabel* status_ = nullptr;
};
