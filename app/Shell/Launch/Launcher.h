#pragma once

#include "XFramelessWindow.h"

class XImageBox;
class XLabel;
class XProgressBar;

// The splash shown while the first device list is read.
class Launcher : public XFramelessWindow
{
    Q_OBJECT
public:
    explicit Launcher(QWidget* parent = nullptr, class LaunchManager* manager = nullptr);

    XProgressBar* progressBar() const { return bar_; }

public slots:
    void start();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    class LaunchManager* manager_;
    XImageBox* logo_;
    XLabel* title_;
    XLabel* status_;
    XProgressBar* bar_;
    QPixmap picture_;
    QString title_text_;
};
