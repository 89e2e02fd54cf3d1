#pragma once
#include <QImage>

#include <libraw/libraw_types.h>

namespace NomoThumbCache {

// A processed image of LibRaw (embedded thumbnail or developed picture) as a
// QImage: JPEG data decoded, bitmaps as ARGB32 with alpha 255; null otherwise.
QImage convertProcessedImage(const libraw_processed_image_t* processed);

}
