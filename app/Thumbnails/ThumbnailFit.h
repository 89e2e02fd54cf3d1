#pragma once
#include <QImage>
#include <QSize>

namespace NomoThumbCache {

// Scales the image into the box between lower and upper, keeping its aspect
// ratio; an image already inside the box is returned unchanged.
QImage fitImage(const QImage& image, QSize lower, QSize upper);
// The thumbnail of a decoded picture: at most 800 x 600 (times the UI scale), never enlarged.
QImage thumbnailImage(const QImage& image, double scaleX, double scaleY);

}
