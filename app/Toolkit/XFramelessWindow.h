#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>

// Base of the program's top-level windows: no system frame; the window moves
// by its title bar and resizes from a 5-pixel band along its edges.
class XFramelessWindow : public QMainWindow
{
    Q_OBJECT
public:
    // What a point of the window is for; the values follow the Windows hit
    // codes. HitNone: the window does not claim the point.
    enum HitArea {
        HitNone = 0,
        HitClient = 1,
        HitCaption = 2,
        HitLeft = 10,
        HitRight = 11,
        HitTop = 12,
        HitTopLeft = 13,
        HitTopRight = 14,
        HitBottom = 15,
        HitBottomLeft = 16,
        HitBottomRight = 17,
    };

    explicit XFramelessWindow(QWidget* parent = nullptr);
    ~XFramelessWindow() override;

    void setResizable(bool on);
    bool isResizable() const { return resizable_; }
    void setHitTestEnabled(bool on) { hitTestEnabled_ = on; }
    void setTitleBar(QWidget* titleBar);
    QWidget* titleBar() const { return titleBar_; }
    void addCaptionWidget(QWidget* widget);
    QSize normalSize() const { return normalSize_; }

    // The area under a point in global coordinates.
    HitArea hitTest(const QPoint& globalPos) const;
    static Qt::Edges edgesOf(HitArea area);

public slots:
    void showFullScreen();

protected:
    // Seams for the window system's own move and resize; false when the
    // platform cannot, and the window follows the mouse itself.
    virtual bool startSystemMove();
    virtual bool startSystemResize(Qt::Edges edges);

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onTitleBarDestroyed();

private:
    void attachWindowHandle();
    void onScreenChanged(QScreen* screen);
    bool handleMouse(QEvent* event);
    void followMouse(const QPoint& globalPos);

    QWidget* titleBar_ = nullptr;
    QSet<QWidget*> captionWidgets_;
    int borderWidth_ = 5;
    QMargins margins_;
    QMargins frames_;
    bool justMaximized_ = false;
    bool resizable_ = true;
    bool hitTestEnabled_ = true;
    QSize normalSize_;

    QPointer<QWindow> watchedWindow_;
    bool cursorSet_ = false;
    // A caption press becomes a move only once the mouse travels, so a
    // double-click reaches the window instead of the window manager's move.
    bool movePending_ = false;
    // Moving or resizing by mouse deltas where the window system cannot.
    Qt::Edges dragEdges_;
    bool dragMoving_ = false;
    QPoint dragStartGlobal_;
    QRect dragStartGeometry_;
};
