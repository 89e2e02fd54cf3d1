#include "RawDecoder.h"

#include "ImageDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QThread>
#include <QtDebug>

#include <libraw/libraw.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace NomoThumbCache {

namespace {

// LibRaw asks between its steps; a quitting program stops a long development.
int cancelOnInterruption(void*, enum LibRaw_progress, int, int)
{
    QThread* thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested() ? 1 : 0;
}

void freeAligned(void* block)
{
    std::free(block);
}

QImage convertBitmap(const libraw_processed_image_t* processed)
{
    const qint64 width = processed->width;
    const qint64 height = processed->height;
    const int colors = processed->colors;
    const int bits = processed->bits;
    if (width < 1 || height < 1 || colors < 1 || (bits != 8 && bits != 16))
        return QImage();
    const qint64 sampleBytes = bits / 8;
    const qint64 pixelBytes = sampleBytes * colors;
    // The data must hold every pixel the header declares.
    if (qint64(processed->data_size) < width * height * pixelBytes)
        return QImage();
    const qint64 outBytes = width * height * 4;
    auto* block = static_cast<uchar*>(std::aligned_alloc(64, size_t((outBytes + 63) / 64 * 64)));
    if (!block)
        return QImage();
    // 16-bit samples are in host order: the significant byte is the second one here.
    const int significant = (bits == 16 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN) ? 1 : 0;
    const uchar* source = processed->data;
    uchar* out = block;
    for (qint64 i = 0; i < width * height; ++i, source += pixelBytes, out += 4) {
        const uchar red = source[significant];
        const uchar green = colors >= 3 ? source[sampleBytes + significant] : red;
        const uchar blue = colors >= 3 ? source[2 * sampleBytes + significant] : red;
        out[0] = blue;
        out[1] = green;
        out[2] = red;
        out[3] = 255;
    }
    return QImage(block, int(width), int(height), int(width * 4), QImage::Format_ARGB32, freeAligned, block);
}

QImage convertJpeg(const libraw_processed_image_t* processed)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(processed->data),
                                               int(qMin<unsigned>(processed->data_size, 0x7FFFFFFF)));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer, "JPEG");
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && !isAcceptableSize(size.width(), size.height()))
        return QImage();
    QImage image;
    return reader.read(&image) ? image : QImage();
}

bool sizesAcceptable(const LibRaw& raw)
{
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    return isAcceptableSize(sizes.raw_width, sizes.raw_height) && isAcceptableSize(sizes.width, sizes.height);
}

}

QImage convertProcessedImage(const libraw_processed_image_t* processed)
{
    if (!processed)
        return QImage();
    switch (int(processed->type)) {
    case LIBRAW_IMAGE_JPEG: return convertJpeg(processed);
    case LIBRAW_IMAGE_BITMAP: return convertBitmap(processed);
    case 3:
    case 4: return QImage();
    }
    qWarning("Unsupported image type: %d", int(processed->type));
    return QImage();
}

QImage decodeRawImage(const QByteArray& bytes, bool* fromThumbnail)
{
    if (fromThumbnail)
        *fromThumbnail = false;
    if (bytes.isEmpty())
        return QImage();
    // Some hundred kilobytes of state: on the heap, never on the worker's stack.
    auto raw = std::make_unique<LibRaw>(0);
    libraw_output_params_t& params = raw->imgdata.params;
    params.output_bps = 8;
    params.output_color = 1;  // sRGB
    params.half_size = 1;
    params.use_camera_wb = 1;
    params.use_auto_wb = 0;
    params.no_auto_bright = 0;
    params.user_qual = 0;
    raw->set_progress_handler(cancelOnInterruption, nullptr);
    if (raw->open_buffer(const_cast<char*>(bytes.constData()), size_t(bytes.size())) != LIBRAW_SUCCESS) {
        raw->recycle();
        return QImage();
    }

    QImage image;
    const libraw_thumbnail_t& thumbnail = raw->imgdata.thumbnail;
    const bool thumbnailFits = thumbnail.tlength > 0 && thumbnail.tlength <= unsigned(bytes.size())
                               && (thumbnail.twidth == 0 || isAcceptableSize(thumbnail.twidth, thumbnail.theight));
    if (thumbnailFits && raw->unpack_thumb() == LIBRAW_SUCCESS) {
        if (libraw_processed_image_t* processed = raw->dcraw_make_mem_thumb()) {
            image = convertProcessedImage(processed);
            LibRaw::dcraw_clear_mem(processed);
        }
        if (fromThumbnail)
            *fromThumbnail = !image.isNull();
    }
    if (image.isNull() && sizesAcceptable(*raw) && raw->unpack() == LIBRAW_SUCCESS
        && raw->dcraw_process() == LIBRAW_SUCCESS) {
        if (libraw_processed_image_t* processed = raw->dcraw_make_mem_image()) {
            image = convertProcessedImage(processed);
            LibRaw::dcraw_clear_mem(processed);
        }
    }
    raw->recycle();
    return image;
}

}
