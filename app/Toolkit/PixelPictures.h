#pragma once
// Pictures at their pixel size. Qt gives a file named "name@2x.png" a device
// pixel ratio of 2 and would draw it at half its size; every size in this
// program is already a pixel size of its own UI scale (XApplication), so each
// picture is loaded through here and drawn as many pixels as it has.
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>

// The picture file (or resource) at ratio 1; null when it does not load.
QPixmap loadPicture(const QString& path);
// The reader's next image (frame) at ratio 1.
QImage readPicture(QImageReader& reader);
// A picture loaded elsewhere, at ratio 1.
QPixmap atPixelSize(QPixmap picture);
