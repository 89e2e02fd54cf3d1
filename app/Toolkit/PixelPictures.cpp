#include "PixelPictures.h"

QPixmap atPixelSize(QPixmap picture)
{
    if (!picture.isNull())
        picture.setDevicePixelRatio(1.0);
    return picture;
}

QPixmap loadPicture(const QString& path)
{
    return atPixelSize(QPixmap(path));
}

QImage readPicture(QImageReader& reader)
{
    QImage image = reader.read();
    image.setDevicePixelRatio(1.0);
    return image;
}
