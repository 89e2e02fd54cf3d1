// The decoder chain against ImageMagick and dcraw: each format reaches the
// step meant for it with the oracle's size and colours; non-pictures and
// damaged files give a null image, never a crash or a hang.
#include "FakeDisk.h"
#include "ImageDecoder.h"
#include "MountSupport.h"
#include "PictureFixtures.h"
#include "RawDecoder.h"
#include "spdlog_qt.h"

#include "ThumbnailCacheEngine.h"

#include <QTemporaryDir>
#include <QtTest>

#include <libraw/libraw.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

using namespace NomoThumbCache;
using namespace PictureFixtures;

namespace {

// Aborts the process, naming what ran, when a round takes longer than it may:
// a hang in a decoder must fail the test rather than stall the run.
class Watchdog {
public:
    explicit Watchdog(int seconds)
        : thread([this, seconds] {
              std::unique_lock lock(mutex);
              if (!done.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished; })) {
                  fprintf(stderr, "watchdog: no progress for %d s while decoding %s\n", seconds, current.c_str());
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex);
            finished = true;
        }
        done.notify_all();
        thread.join();
    }
    void setCurrent(const std::string& what)
    {
        std::lock_guard lock(mutex);
        current = what;
    }

private:
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::string current;
    std::thread thread;
};

}

class DecoderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void formatsDecodeLikeTheOracle_data();
    void formatsDecodeLikeTheOracle();
    void rawPreviewAndDevelopmentAgreeWithDcraw();
    void failureLogsTheHead_data();
    void failureLogsTheHead();
    void bitmapConversion_data();
    void bitmapConversion();
    void damagedInputGivesImageOrNothing();
    void pngWithBadChecksumReachesGlimmet();
    void damagedInputThroughTheEngine();

private:
    QTemporaryDir dir;
    QVector<Fixture> fixtures;
};

void DecoderTest::initTestCase()
{
    QVERIFY(dir.isValid());
    if (const QString tool = missingTool(); !tool.isEmpty())
        SKIP_OR_FAIL(false, QStringLiteral("needs the tool %1, which is not installed").arg(tool));
    QString why;
    fixtures = makeAll(dir.path(), &why);
    QVERIFY2(!fixtures.isEmpty(), qPrintable(why));
}

void DecoderTest::formatsDecodeLikeTheOracle_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < fixtures.size(); ++i)
        QTest::newRow(qPrintable(fixtures[i].name)) << i;
}

void DecoderTest::formatsDecodeLikeTheOracle()
{
    QFETCH(int, index);
    const Fixture& fixture = fixtures[index];
    const QByteArray bytes = readFile(fixture.path);
    const QString suffix = fixture.name.section(QLatin1Char('.'), -1);
    const DecodedImage decoded = decodeImageWithStep(bytes, suffix, fixture.path);
    QCOMPARE(QString::fromLatin1(decodeStepName(decoded.step)), fixture.step);
    if (fixture.step == QLatin1String("none")) {
        QVERIFY(decoded.image.isNull());
        return;
    }
    const QImage oracle = oracleImage(fixture);
    QVERIFY(!oracle.isNull());
    QCOMPARE(decoded.image.size(), oracle.size());
    const QVector<QColor> got = quadrantCentres(decoded.image);
    const QVector<QColor> want = quadrantCentres(oracle);
    for (int q = 0; q < 4; ++q) {
        const int diff = std::max({std::abs(got[q].red() - want[q].red()), std::abs(got[q].green() - want[q].green()),
                                   std::abs(got[q].blue() - want[q].blue()),
                                   std::abs(got[q].alpha() - want[q].alpha())});
        QVERIFY2(diff <= fixture.tolerance, qPrintable(QStringLiteral("quadrant %1: %2 against %3")
                                                           .arg(q)
                                                           .arg(got[q].name(QColor::HexArgb), want[q].name(QColor::HexArgb))));
    }
    // The quadrants are what was drawn: the oracle itself is not off.
    if (!fixture.name.endsWith(QLatin1String(".dng")) && !fixture.name.startsWith(QLatin1String("grey")))
        for (int q = 0; q < 4; ++q)
            QVERIFY(std::abs(want[q].red() - quadrantColours()[q].red()) <= 8);
}

void DecoderTest::rawPreviewAndDevelopmentAgreeWithDcraw()
{
    for (const Fixture& fixture : qAsConst(fixtures)) {
        if (!fixture.name.endsWith(QLatin1String(".dng")))
            continue;
        const QByteArray identify = run("dcraw -i -v " + quote(fixture.path));
        QVERIFY2(identify.contains("Full size:    256 x 192"), identify.constData());
        QVERIFY2(identify.contains("Filter pattern: RG/GB"), identify.constData());
        bool fromThumbnail = true;
        const QImage image = decodeRawImage(readFile(fixture.path), &fromThumbnail);
        if (fixture.step == QLatin1String("raw-thumb")) {
            QVERIFY2(identify.contains("Thumb size:   160 x 120"), identify.constData());
            QVERIFY(fromThumbnail);
            QCOMPARE(image.size(), QSize(160, 120));
        } else {
            QVERIFY(!fromThumbnail);
            // Half size: one pixel a 2 x 2 block of the mosaic.
            QCOMPARE(image.size(), QSize(128, 96));
            QCOMPARE(image.format(), QImage::Format_ARGB32);
            QCOMPARE(qAlpha(image.pixel(5, 5)), 255);
        }
    }
}

void DecoderTest::failureLogsTheHead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("line");
    QTest::newRow("abc") << QByteArray("abc") << "jpg" << "format: jpg, path: /x/abc, head: 61 62 63";
    QTest::newRow("empty") << QByteArray() << "png" << "format: png, path: /x/empty, head: \n";
    QTest::newRow("no suffix") << QByteArray("random bytes, many of them") << QString()
                               << "format: , path: /x/no suffix, head: 72 61 6e 64 6f 6d 20 62 79 74 65 73 2c 20 6d 61\n";
    QTest::newRow("png signature only") << QByteArray("\x89PNG\r\n\x1a\n", 8) << "png"
                                        << "head: 89 50 4e 47 0d 0a 1a 0a\n";
}

void DecoderTest::failureLogsTheHead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, suffix);
    QFETCH(QString, line);
    QTemporaryDir logDir;
    QVERIFY(startAppLog(logDir.path()));
    const DecodedImage decoded =
        decodeImageWithStep(bytes, suffix, QStringLiteral("/x/") + QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(decoded.image.isNull());
    QCOMPARE(decoded.step, DecodeStep::None);
    ShutdownSpdLog();
    const QByteArray log = readFile(logDir.filePath(QString::fromLatin1(AppLogFileName)));
    QVERIFY2(log.contains("[MediaThumb] Failed to read image format: "), log.constData());
    QVERIFY2(log.contains(line.toUtf8()), log.constData());
}

void DecoderTest::bitmapConversion_data()
{
    QTest::addColumn<int>("colors");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QByteArray>("samples");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("rgb 8") << 3 << 8 << QByteArray("\x10\x80\xF0", 3) << qRgba(0x10, 0x80, 0xF0, 255);
    QTest::newRow("grey 8") << 1 << 8 << QByteArray("\x42", 1) << qRgba(0x42, 0x42, 0x42, 255);
    // 16-bit samples in host order: the high byte carries the value.
    QTest::newRow("rgb 16") << 3 << 16 << QByteArray("\x34\x12\x78\x56\xBC\x9A", 6) << qRgba(0x12, 0x56, 0x9A, 255);
    QTest::newRow("grey 16") << 1 << 16 << QByteArray("\xFF\x07", 2) << qRgba(0x07, 0x07, 0x07, 255);
}

void DecoderTest::bitmapConversion()
{
    QFETCH(int, colors);
    QFETCH(int, bits);
    QFETCH(QByteArray, samples);
    QFETCH(QRgb, expected);
    const int pixels = 6;
    QByteArray block(int(sizeof(libraw_processed_image_t)) + samples.size() * pixels, 0);
    auto* processed = reinterpret_cast<libraw_processed_image_t*>(block.data());
    processed->type = LIBRAW_IMAGE_BITMAP;
    processed->width = 3;
    processed->height = 2;
    processed->colors = ushort(colors);
    processed->bits = ushort(bits);
    processed->data_size = unsigned(samples.size() * pixels);
    for (int i = 0; i < pixels; ++i)
        memcpy(processed->data + i * samples.size(), samples.constData(), size_t(samples.size()));
    const QImage image = convertProcessedImage(processed);
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixel(2, 1), expected);

    // Data shorter than the header declares: no read past it.
    processed->data_size -= 1;
    QVERIFY(convertProcessedImage(processed).isNull());
    processed->data_size += 1;
    processed->height = 0;
    QVERIFY(convertProcessedImage(processed).isNull());
    processed->type = LibRaw_image_formats(3);
    processed->height = 2;
    QVERIFY(convertProcessedImage(processed).isNull());
    QVERIFY(convertProcessedImage(nullptr).isNull());
}

void DecoderTest::damagedInputGivesImageOrNothing()
{
    // The seed is printed so a failure can be replayed.
    const unsigned seed = qEnvironmentVariableIsSet("OSTREL_DAMAGE_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("OSTREL_DAMAGE_SEED"))
                              : 20261210u;
    qInfo("damage seed %u", seed);
    std::mt19937 random(seed);
    // A hang detector, not a speed check: generous enough for a loaded machine.
    Watchdog watchdog(300);
    int inputs = 0;
    for (const Fixture& fixture : qAsConst(fixtures)) {
        if (!fixture.small)
            continue;
        const QByteArray original = readFile(fixture.path);
        const QString suffix = fixture.name.section(QLatin1Char('.'), -1);
        QVector<QByteArray> variants;
        for (int i = 1; i <= 16; ++i)
            variants.append(original.left(int(qint64(original.size()) * i / 17)));
        for (int round = 0; round < 8; ++round) {
            QByteArray damaged = original;
            const int flips = 1 + int(random() % 8);
            for (int f = 0; f < flips; ++f) {
                // Headers decide sizes and layouts: most flips land in the first 256 bytes.
                const int span = (random() % 4 != 0) ? std::min<int>(256, damaged.size()) : damaged.size();
                const int at = int(random() % unsigned(span));
                damaged[at] = char(damaged[at] ^ (1 << (random() % 8)));
            }
            variants.append(damaged);
        }
        for (int v = 0; v < variants.size(); ++v) {
            watchdog.setCurrent(QStringLiteral("%1 variant %2 seed %3").arg(fixture.name).arg(v).arg(seed).toStdString());
            const QImage image = decodeImage(variants[v], suffix, fixture.path);
            if (!image.isNull())
                QVERIFY(isAcceptableSize(image.width(), image.height()));
            ++inputs;
        }
    }
    QVERIFY(inputs >= 300);
}

void DecoderTest::pngWithBadChecksumReachesGlimmet()
{
    const Fixture* rgba = nullptr;
    for (const Fixture& fixture : qAsConst(fixtures))
        if (fixture.name == QLatin1String("rgba.png"))
            rgba = &fixture;
    QVERIFY(rgba);
    QByteArray png = readFile(rgba->path);
    const int idat = png.indexOf("IDAT") - 4;
    QVERIFY(idat > 8);
    const quint32 length = (quint8(png[idat]) << 24) | (quint8(png[idat + 1]) << 16) | (quint8(png[idat + 2]) << 8)
                           | quint8(png[idat + 3]);
    png[idat + 8 + int(length)] = char(png[idat + 8 + int(length)] ^ 0x5A);
    // Qt's reader refuses a critical chunk with a wrong checksum; the data itself is whole.
    const DecodedImage decoded = decodeImageWithStep(png, QStringLiteral("png"), rgba->path);
    QCOMPARE(decoded.step, DecodeStep::Glimmet);
    QCOMPARE(decoded.image.convertToFormat(QImage::Format_RGBA8888), oracleImage(*rgba));
}

void DecoderTest::damagedInputThroughTheEngine()
{
    ThumbTest::FakeDisk disk;
    ThumbTest::RecordOwner records;
    std::mt19937 random(7);
    for (const Fixture& fixture : qAsConst(fixtures)) {
        if (!fixture.small)
            continue;
        const QByteArray original = readFile(fixture.path);
        for (int variant = 0; variant < 6; ++variant) {
            QByteArray damaged = variant < 3 ? original.left(int(original.size() * (variant + 1) / 4)) : original;
            for (int f = 0; variant >= 3 && f < variant; ++f) {
                const int at = int(random() % unsigned(std::min<int>(256, damaged.size())));
                damaged[at] = char(damaged[at] ^ (1 << (random() % 8)));
            }
            const QByteArray path = QStringLiteral("damaged/%1/%2").arg(variant).arg(fixture.name).toUtf8();
            disk.put(path, damaged);
            records.add(ThumbTest::photo(path, damaged.size()));
        }
    }
    Watchdog watchdog(600);
    watchdog.setCurrent("the engine's queue of damaged files");
    ThumbnailCacheEngine engine(nullptr, disk.reader());
    std::atomic<int> announced{0};
    connect(&engine, &ThumbnailCacheEngine::thumbnailLoaded, &engine, [&] { announced.fetch_add(1); },
            Qt::DirectConnection);
    for (DocumentInfo* doc : qAsConst(records.records))
        engine.addTask(doc);
    QTRY_COMPARE_WITH_TIMEOUT(announced.load(), records.records.size(), 50000);
    for (DocumentInfo* doc : qAsConst(records.records))
        QCOMPARE(engine.getThumbnail(doc).state, int(Ready));
    QVERIFY(records.records.size() >= 90);
}

QTEST_MAIN(DecoderTest)
#include "DecoderTest.moc"
