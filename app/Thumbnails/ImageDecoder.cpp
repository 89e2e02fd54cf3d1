#include "ImageDecoder.h"

#include "Glimmet/Glimmet.h"
#include "spdlog_qt.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>

namespace NomoThumbCache {

namespace {

// Formats of RAW plug-ins that may be installed (kimageformats): LibRaw decides those.
bool isRawPluginFormat(const QByteArray& format)
{
    static const QSet<QByteArray> formats{"raw", "dng", "cr2", "nef", "arw", "orf", "rw2", "raf", "pef", "srw"};
    return formats.contains(format.toLower());
}

QImage readChecked(QImageReader& reader)
{
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return QImage();
    const QSize size = reader.size();
    if (size.isValid() && !isAcceptableSize(size.width(), size.height()))
        return QImage();
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}

QString headHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.left(16).toHex(' '));
}

}

const char* decodeStepName(DecodeStep step)
{
    switch (step) {
    case DecodeStep::Qt: return "qt";
    case DecodeStep::Heif: return "heif";
    case DecodeStep::RawThumb: return "raw-thumb";
    case DecodeStep::Raw: return "raw";
    case DecodeStep::Glimmet: return "glimmet";
    case DecodeStep::QtExtension: return "qt-ext";
    case DecodeStep::None: break;
    }
    return "none";
}

bool isAcceptableSize(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= maxDecodePixels;
}

bool isRawSuffix(const QString& suffix)
{
    static const QSet<QString> suffixes{"3fr", "ari", "arw", "bay", "cr2", "cr3", "crw", "dcr", "dng", "erf",
                                        "fff", "iiq", "k25", "kdc", "mef", "mos", "mrw", "nef", "nrw", "orf",
                                        "pef", "raf", "raw", "rw2", "rwl", "sr2", "srf", "srw", "x3f"};
    return suffixes.contains(suffix);
}

QImage decodeQtImage(const QByteArray& bytes, const QString& suffix)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format.isEmpty() || isRawPluginFormat(format) || (format == "tiff" && isRawSuffix(suffix)))
        return QImage();
    return readChecked(reader);
}

QImage decodeQtImageAs(const QByteArray& bytes, const QString& suffix)
{
    if (suffix.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    reader.setFormat(suffix.toUtf8());
    reader.setDecideFormatFromContent(false);
    return readChecked(reader);
}

QImage decodePngImage(const QByteArray& bytes)
{
    GlimmetImage png{};
    QImage result;
    if (decode_png_from_memory(bytes.constData(), bytes.size(), &png) == GLIMMET_OK)
        result = QImage(png.pixels, int(png.width), int(png.height), int(png.width) * 4, QImage::Format_RGBA8888)
                     .copy();
    free_png_image(&png);
    return result;
}

DecodedImage decodeImageWithStep(const QByteArray& bytes, const QString& suffix, const QString& path)
{
    DecodedImage decoded;
    auto attempt = [&](DecodeStep step, auto&& decoder) {
        if (decoded.image.isNull()) {
            decoded.image = decoder();
            if (!decoded.image.isNull())
                decoded.step = step;
        }
    };
    attempt(DecodeStep::Qt, [&] { return decodeQtImage(bytes, suffix); });
    attempt(DecodeStep::Heif, [&] { return decodeHeifImage(bytes); });
    if (decoded.image.isNull()) {
        bool fromThumbnail = false;
        decoded.image = decodeRawImage(bytes, &fromThumbnail);
        if (!decoded.image.isNull())
            decoded.step = fromThumbnail ? DecodeStep::RawThumb : DecodeStep::Raw;
    }
    attempt(DecodeStep::Glimmet, [&] { return decodePngImage(bytes); });
    attempt(DecodeStep::QtExtension, [&] { return decodeQtImageAs(bytes, suffix); });
    if (decoded.image.isNull())
        logError(QStringLiteral("[MediaThumb] Failed to read image format: %1, path: %2, head: %3")
                     .arg(suffix, path, headHex(bytes)));
    return decoded;
}

QImage decodeImage(const QByteArray& bytes, const QString& suffix, const QString& path)
{
    return decodeImageWithStep(bytes, suffix, path).image;
}

}
