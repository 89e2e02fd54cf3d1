#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// The program's application object: the UI scale every window multiplies its
// design sizes by, and the current top-level window that dialogs take as parent.
class XApplication : public QApplication
{
    Q_OBJECT
public:
    XApplication(int& argc, char** argv);
    ~XApplication() override;

    // The running XApplication, or null when the process runs a plain QApplication.
    static XApplication* instance();

    QWidget* mainWidget() const { return mainWidget_; }
    void setMainWidget(QWidget* widget) { mainWidget_ = widget; }

    double scaleX = 1.0;
    double scaleY = 1.0;

    // Design sizes to pixels with the running application's scale (1.0 without one).
    static int scaledX(double value);
    static int scaledY(double value);

private:
    QPointer<QWidget> mainWidget_;
};
