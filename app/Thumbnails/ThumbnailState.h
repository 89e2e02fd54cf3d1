#pragma once
#include <QPixmap>

namespace NomoThumbCache {

enum ThumbnailState : int {
    NotLoaded = 0,  // neither cached nor queued
    Pending = 1,    // queued, or the record being processed
    Ready = 2,      // in the cache; a null pixmap when decoding failed
    NotImage = 3,   // no record, or not a photo
};

struct ThumbnailResult {
    QPixmap thumbnail;  // null in every state but Ready
    int state = NotLoaded;
};

}
