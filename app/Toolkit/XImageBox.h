#pragma once

#include <QWidget>
#include <memory>

// Shows a still picture, or an animated one frame by frame with each frame's
// own delay, looping while the box is visible.
class XImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit XImageBox(QWidget* parent = nullptr);
    ~XImageBox() override;

    void setImageFile(const QString& path, bool scaleToWidget = false);
    void setPixmap(const QPixmap& pixmap, bool scaleToWidget = false);
    void setImageSize(const QSize& size);

    QPixmap pixmap() const;
    bool isAnimating() const;

signals:
    void sigMouseHover(bool hovered);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showNextFrame();
    void stopAnimation();

    struct Private;
    std::unique_ptr<Private> d;
};
