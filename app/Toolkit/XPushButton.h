#pragma once

#include <QAbstractButton>
#include <QGradient>
#include <QVector>
#include <memory>

// The program's push button: paints itself from per-state colours, images,
// an icon with text or gradients. State lists run normal, hover, pressed, disabled.
class XPushButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum PaintMode {
        ColorMode = 0,
        PixmapMode = 1,
        HoverPixmapMode = 2,
        StatePixmapMode = 3,
        AllStatePixmapMode = 4,
        IconTextMode = 5,
        GradientMode = 6,
    };

    explicit XPushButton(QWidget* parent = nullptr);
    ~XPushButton() override;

    void setBackgroundColor(const QColor& color);
    void setBackgroundColors(const QVector<QColor>& colors);
    void setBorderColor(const QColor& color);
    void setBorderColors(const QVector<QColor>& colors);
    void setTextColor(const QColor& color);
    void setTextColors(const QVector<QColor>& colors);
    void setBorderWidth(double width);
    void setRadius(double radius);
    void setFontBold(bool bold);
    void setFontPointSize(double pointSize);
    void setText(const QString& text);

    void setPixmap(const QString& normal);
    void setHoverPixmaps(const QString& normal, const QString& hover, bool fillBackground);
    void setStatePixmaps(const QString& normal, const QString& hover, const QString& pressed);
    void setAllStatePixmaps(const QString& normal, const QString& hover, const QString& pressed,
                            const QString& disabled);
    void setIcon(const QString& path, const QSize& iconSize = QSize(20, 20),
                 int iconPosition = Qt::AlignLeft, int margin = 0, int spacing = 0);
    void setGradients(const QVector<QGradient>& gradients);
    void scalePixmaps(const QSize& size, Qt::AspectRatioMode aspectMode,
                      Qt::TransformationMode transformMode);
    void setButtonState(int state);

    PaintMode paintMode() const;
    QVector<QColor> backgroundColors() const;
    QVector<QColor> textColors() const;
    QVector<QColor> borderColors() const;
    double borderWidth() const;
    double radius() const;
    int iconMargin() const;
    int iconSpacing() const;
    QVector<QGradient> gradients() const;
    bool isHovered() const;

    QSize sizeHint() const override;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
