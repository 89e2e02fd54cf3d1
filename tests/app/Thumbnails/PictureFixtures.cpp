#include "PictureFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace PictureFixtures {

namespace {

QString quadrantDraw(int width, int height)
{
    const QVector<QColor> colours = quadrantColours();
    const int halfW = width / 2, halfH = height / 2;
    return QStringLiteral("-size %1x%2 xc:'%3' -fill '%4' -draw 'rectangle %5,0 %6,%7' "
                          "-fill '%8' -draw 'rectangle 0,%9 %10,%11' -fill '%12' -draw 'rectangle %5,%9 %6,%11'")
        .arg(width)
        .arg(height)
        .arg(colours[0].name(), colours[1].name())
        .arg(halfW)
        .arg(width - 1)
        .arg(halfH - 1)
        .arg(colours[2].name())
        .arg(halfH)
        .arg(halfW - 1)
        .arg(height - 1)
        .arg(colours[3].name());
}

void putU16(QByteArray& out, int at, quint16 value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char(value >> 8);
}

void putU32(QByteArray& out, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((value >> (8 * i)) & 0xFF);
}

// A little-endian TIFF directory builder: entries sorted by tag; values longer
// than four bytes go into the data area after the directory.
class Ifd {
public:
    void add(quint16 tag, quint16 type, quint32 count, const QByteArray& value) { entries.append({tag, type, count, value}); }
    void shorts(quint16 tag, std::initializer_list<quint16> values)
    {
        QByteArray v(int(values.size()) * 2, 0);
        int i = 0;
        for (quint16 value : values)
            putU16(v, 2 * i++, value);
        add(tag, 3, quint32(values.size()), v);
    }
    void longs(quint16 tag, std::initializer_list<quint32> values)
    {
        QByteArray v(int(values.size()) * 4, 0);
        int i = 0;
        for (quint32 value : values)
            putU32(v, 4 * i++, value);
        add(tag, 4, quint32(values.size()), v);
    }
    void bytes(quint16 tag, std::initializer_list<quint8> values)
    {
        QByteArray v;
        for (quint8 value : values)
            v.append(char(value));
        add(tag, 1, quint32(values.size()), v);
    }
    void ascii(quint16 tag, const QByteArray& text) { add(tag, 2, quint32(text.size() + 1), text + '\0'); }
    void srationals(quint16 tag, std::initializer_list<std::pair<qint32, qint32>> values)
    {
        QByteArray v(int(values.size()) * 8, 0);
        int i = 0;
        for (auto [n, d] : values) {
            putU32(v, 8 * i, quint32(n));
            putU32(v, 8 * i + 4, quint32(d));
            ++i;
        }
        add(tag, 10, quint32(values.size()), v);
    }
    void rationals(quint16 tag, std::initializer_list<std::pair<quint32, quint32>> values)
    {
        QByteArray v(int(values.size()) * 8, 0);
        int i = 0;
        for (auto [n, d] : values) {
            putU32(v, 8 * i, n);
            putU32(v, 8 * i + 4, d);
            ++i;
        }
        add(tag, 5, quint32(values.size()), v);
    }
    int size() const
    {
        int total = 2 + 12 * entries.size() + 4;
        for (const Entry& e : entries)
            if (e.value.size() > 4)
                total += (e.value.size() + 1) & ~1;
        return total;
    }
    // Writes the directory at offset (next directory 0).
    void write(QByteArray& out, int offset) const
    {
        auto sorted = entries;
        std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        putU16(out, offset, quint16(sorted.size()));
        int data = offset + 2 + 12 * sorted.size() + 4;
        for (int i = 0; i < sorted.size(); ++i) {
            const Entry& e = sorted[i];
            const int at = offset + 2 + 12 * i;
            putU16(out, at, e.tag);
            putU16(out, at + 2, e.type);
            putU32(out, at + 4, e.count);
            if (e.value.size() <= 4) {
                for (int b = 0; b < e.value.size(); ++b)
                    out[at + 8 + b] = e.value[b];
            } else {
                putU32(out, at + 8, quint32(data));
                out.replace(data, e.value.size(), e.value);
                data += (e.value.size() + 1) & ~1;
            }
        }
        putU32(out, offset + 2 + 12 * sorted.size(), 0);
    }

private:
    struct Entry {
        quint16 tag;
        quint16 type;
        quint32 count;
        QByteArray value;
    };
    QVector<Entry> entries;
};

}

QVector<QColor> quadrantColours()
{
    return {QColor(220, 40, 30), QColor(40, 200, 60), QColor(30, 60, 210), QColor(230, 220, 50)};
}

QByteArray run(const QString& command)
{
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("command failed: %s\n%s", qPrintable(command), process.readAllStandardError().constData());
        return QByteArray();
    }
    QByteArray out = process.readAllStandardOutput();
    if (out.isNull())
        out = QByteArray("");
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString quote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QByteArray makeDng(int width, int height, const QByteArray& previewJpeg, int previewWidth, int previewHeight)
{
    // Sensor values of the quadrant colours in an RGGB mosaic, 12 bits used.
    const QVector<QColor> colours = quadrantColours();
    QByteArray raw(width * height * 2, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QColor& c = colours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)];
            const int channel = (y % 2 == 0) ? (x % 2 == 0 ? 0 : 1) : (x % 2 == 0 ? 1 : 2);
            const int value = (channel == 0 ? c.red() : channel == 1 ? c.green() : c.blue()) * 16;
            putU16(raw, 2 * (y * width + x), quint16(value));
        }

    const bool withPreview = !previewJpeg.isEmpty();
    Ifd sensor;
    sensor.longs(254, {0});
    sensor.longs(256, {quint32(width)});
    sensor.longs(257, {quint32(height)});
    sensor.shorts(258, {16});
    sensor.shorts(259, {1});
    sensor.shorts(262, {32803});
    sensor.longs(273, {0});  // patched below
    sensor.shorts(277, {1});
    sensor.longs(278, {quint32(height)});
    sensor.longs(279, {quint32(raw.size())});
    sensor.shorts(284, {1});
    sensor.shorts(33421, {2, 2});
    sensor.bytes(33422, {0, 1, 1, 2});
    sensor.longs(50714, {0});
    sensor.longs(50717, {4095});

    Ifd main;
    main.longs(254, {withPreview ? 1u : 0u});
    main.ascii(271, "Ostrel");
    main.ascii(272, "Fixture One");
    main.shorts(274, {1});
    main.bytes(50706, {1, 4, 0, 0});
    main.bytes(50707, {1, 1, 0, 0});
    main.ascii(50708, "Ostrel Fixture One");
    main.srationals(50721, {{1, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 1}});
    main.shorts(50778, {21});
    main.rationals(50728, {{1, 1}, {1, 1}, {1, 1}});
    if (withPreview) {
        main.longs(256, {quint32(previewWidth)});
        main.longs(257, {quint32(previewHeight)});
        main.shorts(258, {8, 8, 8});
        main.shorts(259, {7});
        main.shorts(262, {6});
        main.longs(273, {0});
        main.shorts(277, {3});
        main.longs(278, {quint32(previewHeight)});
        main.longs(279, {quint32(previewJpeg.size())});
        main.longs(330, {0});
    }

    // Layout: header, IFD0, SubIFD (or the sensor data in IFD0 itself), pixel data.
    const int ifd0 = 8;
    if (!withPreview) {
        main.longs(256, {quint32(width)});
        main.longs(257, {quint32(height)});
        main.shorts(258, {16});
        main.shorts(259, {1});
        main.shorts(262, {32803});
        main.longs(273, {0});
        main.shorts(277, {1});
        main.longs(278, {quint32(height)});
        main.longs(279, {quint32(raw.size())});
        main.shorts(284, {1});
        main.shorts(33421, {2, 2});
        main.bytes(33422, {0, 1, 1, 2});
        main.longs(50714, {0});
        main.longs(50717, {4095});
    }
    const int subIfd = ifd0 + main.size();
    const int rawAt = withPreview ? subIfd + sensor.size() : subIfd;
    const int previewAt = rawAt + raw.size();

    QByteArray out(previewAt + previewJpeg.size(), 0);
    out[0] = 'I';
    out[1] = 'I';
    putU16(out, 2, 42);
    putU32(out, 4, ifd0);
    main.write(out, ifd0);
    if (withPreview)
        sensor.write(out, subIfd);
    out.replace(rawAt, raw.size(), raw);
    out.replace(previewAt, previewJpeg.size(), previewJpeg);

    // Offsets written as 0 above: find the entries and set them now.
    auto setLong = [&](int ifdOffset, quint16 tag, quint32 value) {
        const int count = quint8(out[ifdOffset]) | (quint8(out[ifdOffset + 1]) << 8);
        for (int i = 0; i < count; ++i) {
            const int at = ifdOffset + 2 + 12 * i;
            if ((quint8(out[at]) | (quint8(out[at + 1]) << 8)) == tag)
                putU32(out, at + 8, value);
        }
    };
    if (withPreview) {
        setLong(ifd0, 273, quint32(previewAt));
        setLong(ifd0, 330, quint32(subIfd));
        setLong(subIfd, 273, quint32(rawAt));
    } else {
        setLong(ifd0, 273, quint32(rawAt));
    }
    return out;
}

QString missingTool()
{
    for (const char* tool : {"convert", "identify", "ffmpeg", "dcraw"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    return {};
}

QVector<Fixture> makeAll(const QString& folder, QString* missing)
{
    if (const QString tool = missingTool(); !tool.isEmpty()) {
        *missing = QStringLiteral("needs the tool %1, which is not installed").arg(tool);
        return {};
    }
    QDir().mkpath(folder);
    const QString q = quadrantDraw(64, 48);
    auto at = [&](const QString& name) { return quote(folder + QLatin1Char('/') + name); };
    struct Recipe {
        QString name;
        QString command;
        QString step;
        int tolerance;
        bool small;
    };
    const QString alphaCorner = QStringLiteral(" -alpha set -region 16x12+0+0 -channel A -evaluate set 50% +channel +region");
    const QVector<Recipe> recipes{
        {"large.jpg", "convert " + quadrantDraw(4000, 3000) + " -quality 92 " + at("large.jpg"), "qt", 8, false},
        {"photo.jpg", "convert " + quadrantDraw(640, 480) + " -quality 92 " + at("photo.jpg"), "qt", 8, true},
        {"rgba.png", "convert " + q + alphaCorner + " PNG32:" + at("rgba.png"), "qt", 3, true},
        {"deep.png", "convert " + q + " -depth 16 PNG48:" + at("deep.png"), "qt", 3, true},
        {"palette.png", "convert " + q + alphaCorner + " -colors 8 PNG8:" + at("palette.png"), "qt", 3, true},
        {"grey.png", "convert " + q + " -colorspace Gray -define png:color-type=0 -depth 8 PNG:" + at("grey.png"),
         "qt", 3, true},
        {"interlaced.png", "convert " + q + " -interlace PNG PNG24:" + at("interlaced.png"), "qt", 3, true},
        {"anim.gif", "convert " + q + " " + at("anim.gif"), "qt", 3, true},
        {"picture.bmp", "convert " + q + " BMP3:" + at("picture.bmp"), "qt", 3, true},
        {"picture.tiff", "convert " + q + " -compress lzw " + at("picture.tiff"), "qt", 3, true},
        {"picture.webp", "convert " + q + " -quality 95 " + at("picture.webp"), "qt", 8, true},
        {"picture.heic", "convert " + quadrantDraw(128, 96) + " -quality 95 " + at("picture.heic"), "heif", 8, true},
        {"clip.mp4", "ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=0.2:size=64x48:rate=10 -pix_fmt yuv420p "
                         + at("clip.mp4"),
         "none", 0, true},
        {"tone.wav", "ffmpeg -loglevel error -y -f lavfi -i sine=duration=0.1 " + at("tone.wav"), "none", 0, true},
        {"notes.jpg", "printf 'These are notes, not a picture.\\n' > " + at("notes.jpg"), "none", 0, true},
    };
    QVector<Fixture> fixtures;
    for (const Recipe& recipe : recipes) {
        if (run(recipe.command).isNull()) {
            *missing = QStringLiteral("could not make %1").arg(recipe.name);
            return {};
        }
        fixtures.append({recipe.name, folder + QLatin1Char('/') + recipe.name, recipe.step, recipe.tolerance,
                         recipe.small});
    }
    // The DNG's preview is a real JPEG from ImageMagick.
    const QByteArray preview = run("convert " + quadrantDraw(160, 120) + " -quality 95 jpg:-");
    for (const auto& [name, withPreview] : {std::pair{QStringLiteral("camera.dng"), true},
                                            std::pair{QStringLiteral("sensor.dng"), false}}) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(makeDng(256, 192, withPreview ? preview : QByteArray(), 160, 120)) < 0) {
            *missing = QStringLiteral("could not write %1").arg(name);
            return {};
        }
        fixtures.append({name, file.fileName(), withPreview ? "raw-thumb" : "raw", 12, true});
    }
    return fixtures;
}

QImage oracleImage(const Fixture& fixture)
{
    if (fixture.name.endsWith(QLatin1String(".dng"))) {
        const bool preview = fixture.step == QLatin1String("raw-thumb");
        const QByteArray out = preview ? run("dcraw -e -c " + quote(fixture.path))
                                       : run("dcraw -h -w -q 0 -c " + quote(fixture.path));
        QImage image;
        image.loadFromData(out);
        return image.convertToFormat(QImage::Format_RGBA8888);
    }
    const QByteArray size = run("identify -format '%w %h' " + quote(fixture.path + "[0]"));
    const QList<QByteArray> parts = size.split(' ');
    if (parts.size() != 2)
        return QImage();
    const int width = parts[0].toInt(), height = parts[1].toInt();
    const QByteArray pixels = run("convert " + quote(fixture.path + "[0]") + " -depth 8 rgba:-");
    if (pixels.size() != width * height * 4)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), width, height, width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

QVector<QColor> quadrantCentres(const QImage& image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width(), h = rgba.height();
    QVector<QColor> centres;
    for (const QPoint& p : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                            QPoint(3 * w / 4, 3 * h / 4)})
        centres.append(rgba.pixelColor(p));
    return centres;
}

}
