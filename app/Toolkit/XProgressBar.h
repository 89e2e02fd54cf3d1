#pragma once

#include <QWidget>
#include <memory>

// A horizontal bar: track and fill are each a two-colour gradient in a
// rounded rectangle.
class XProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit XProgressBar(QWidget* parent = nullptr);
    ~XProgressBar() override;

    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setBackgroundColors(const QColor& first, const QColor& last);
    void setProgressColors(const QColor& first, const QColor& last);
    void setRadius(int radius);
    void setBorderWidth(int width);
    void setBorderColor(const QColor& color);

    int value() const;
    int minimum() const;
    int maximum() const;

    // Width of the fill for a value on a bar of the given width: none without
    // a positive range, never wider than the bar.
    static int fillWidth(int value, int maximum, int barWidth);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
