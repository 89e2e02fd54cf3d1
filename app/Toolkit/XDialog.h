#pragma once

#include <QDialog>
#include <memory>

class XLabel;
class XPushButton;

// Base of every dialog: a frameless window with its own rounded frame, drop
// shadow and title bar. Dragged by its title area, centred on its parent,
// deaf to Escape, and able to refuse closing.
class XDialog : public QDialog
{
    Q_OBJECT
public:
    explicit XDialog(QWidget* parent = nullptr);
    ~XDialog() override;

    QWidget* contentWidget() const;
    void setTitle(const QString& title);
    void setTitleFont(double pointSize, bool bold);
    void setTitleIcon(const QString& path);
    void setTitleBarVisible(bool visible);
    void setCloseButtonVisible(bool visible);
    void setShadowFollowsActivation(bool on);
    void setCloseIntercepted(bool on);
    void closeLater(int result);

    QWidget* titleBar() const;
    XLabel* titleLabel() const;
    XPushButton* closeButton() const;
    XPushButton* backButton() const;
    int titleAreaHeight() const;
    // The width of the transparent band that holds the shadow: 18, or 0 where
    // no compositor can draw it.
    int shadowMargin() const;
    static bool compositingAvailable();

signals:
    void ncActive(bool isActived);
    void tryClosed();
    void sigBack();

protected:
    // Seam for the window system's own move; false where the platform cannot,
    // and the dialog follows the mouse itself.
    virtual bool startSystemMove();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setShadow(const QColor& color);
    void applyFrameStyle();

    struct Private;
    std::unique_ptr<Private> d;
};
