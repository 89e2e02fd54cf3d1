#include "ThumbnailFit.h"

#include <algorithm>
#include <cmath>

namespace NomoThumbCache {

QImage fitImage(const QImage& image, QSize lower, QSize upper)
{
    const int minW = lower.width(), minH = lower.height();
    const int maxW = upper.width(), maxH = upper.height();
    int w = image.width(), h = image.height();
    if (w <= 0 || h <= 0) {
        w = maxW;
        h = maxH;
    }
    if (minW <= w && w <= maxW && minH <= h && h <= maxH)
        return image;
    const double ratio = double(w) / h;
    int W = 0, H = 0;
    if (h < minH && w < minW) {
        W = minW;
        H = std::max(minH, int(minW / ratio));
    } else if (h < minH) {
        H = minH;
        W = std::max(minW, int(minH * ratio));
    } else if (h > maxH) {
        H = maxH;
        W = std::min(maxW, int(maxH * ratio));
    } else {
        W = w < minW ? minW : maxW;
        H = std::clamp(int(W / ratio), minH, std::max(minH, maxH));
    }
    W = std::clamp(W, minW, std::max(minW, maxW));
    H = std::clamp(H, minH, std::max(minH, maxH));
    return image.scaled(W, H, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage thumbnailImage(const QImage& image, double scaleX, double scaleY)
{
    const QSize upper(std::min(image.width(), int(std::floor(800 * scaleX))),
                      std::min(image.height(), int(std::floor(600 * scaleY))));
    const QSize lower(std::min(image.width(), int(std::floor(120 * scaleX))),
                      std::min(image.height(), int(std::floor(120 * scaleY))));
    return fitImage(image, lower, upper);
}

}
