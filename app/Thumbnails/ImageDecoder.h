#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace NomoThumbCache {

// Pictures above this many pixels are refused from their declared size, before
// any decoder allocates for them: found files may carry any header.
inline constexpr qint64 maxDecodePixels = 256LL * 1024 * 1024;

// Which decoder of the chain produced a picture (the probe tool prints it).
enum class DecodeStep { None, Qt, Heif, RawThumb, Raw, Glimmet, QtExtension };
const char* decodeStepName(DecodeStep step);

struct DecodedImage {
    QImage image;
    DecodeStep step = DecodeStep::None;
};

// The chain: Qt's plug-ins by content, HEIF, LibRaw, Glimmet, Qt told the
// format by the suffix; logs one error line when every decoder failed.
DecodedImage decodeImageWithStep(const QByteArray& bytes, const QString& suffix, const QString& path);
QImage decodeImage(const QByteArray& bytes, const QString& suffix, const QString& path);

QImage decodeQtImage(const QByteArray& bytes, const QString& suffix);
QImage decodeQtImageAs(const QByteArray& bytes, const QString& suffix);
QImage decodeHeifImage(const QByteArray& bytes);
// fromThumbnail (when given) tells whether the embedded thumbnail was used.
QImage decodeRawImage(const QByteArray& bytes, bool* fromThumbnail = nullptr);
QImage decodePngImage(const QByteArray& bytes);

// Camera RAW suffixes: a TIFF-based RAW file is left to LibRaw, which takes its
// preview or its sensor data rather than whatever the first TIFF directory holds.
bool isRawSuffix(const QString& suffix);
bool isAcceptableSize(qint64 width, qint64 height);

}
