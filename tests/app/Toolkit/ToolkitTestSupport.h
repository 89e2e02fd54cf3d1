#pragma once
// Shared by the toolkit's Qt tests: the application object the widgets read
// their scale from, and small picture helpers.

#include "Application/XApplication.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#define OSTREL_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        XApplication app(argc, argv);                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                             \
        TestClass test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                              \
    }

// The widget as it paints now, in its own pixels.
inline QImage paintedImage(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QImage solidImage(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Colours compared with a small tolerance for antialiased edges.
inline bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}
