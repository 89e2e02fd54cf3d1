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
    XLabel* titleLabel() const { return title_; }
    XLabel* statusLabel() const { return status_; }
    XImageBox* logoBox() const { return logo_; }
    // Where the splash picture is drawn, in the window's coordinates.
    QRect pictureRect() const;

public slots:
    void start();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    class LaunchManager* manager_;
    QWidget* pictureBox_;
    XImageBox* logo_;
    XLabel* title_;
    XLabel* status_;
    XProgressBar* bar_;
    QPixmap picture_;
    QString title_text_;
};
