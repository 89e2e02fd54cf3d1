// Image box animation (order, pause on hide, damaged files) and the busy
// indicator's size rule and turning.

#include "PixelPictures.h"
#include "ToolkitTestSupport.h"
#include "XBusyIndicator.h"
#include "XImageBox.h"
#include "XPushButton.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>
#include <QtMath>

#include <algorithm>

namespace {

QColor shownColour(const XImageBox& box)
{
    const QPixmap pixmap = box.pixmap();
    return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
}

QString colourName(const QColor& colour)
{
    if (!colour.isValid())
        return "none";
    if (near(colour, Qt::red, 40))
        return "red";
    if (near(colour, Qt::green, 40))
        return "green";
    if (near(colour, Qt::blue, 40))
        return "blue";
    return colour.name();
}

// The distinct pictures the box shows, in order, until `count` were seen or
// the time runs out.
QStringList watchFrames(const XImageBox& box, int count, int timeoutMs = 3000)
{
    QStringList seen;
    QString last = colourName(shownColour(box));
    QElapsedTimer timer;
    timer.start();
    // One pass of the event loop fires at most one frame timer, so no frame
    // slips by between two looks, however slow the machine is.
    while (seen.size() < count && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
        const QString now = colourName(shownColour(box));
        if (now != last && now != "none")
            seen << now;
        last = now;
    }
    return seen;
}

} // namespace

class ImagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void animationRunsFramesInOrder();
    void hidingPausesAndShowingRestarts();
    void truncatedAnimationStops();
    void unreadableFileClears();
    void emptyPathKeepsPicture();
    void doubleSizePictureFillsItsBox();
    void busyIndicatorSizeRule();
    void busyIndicatorTurnsTwentyDegreesPerTick();
    void busyIndicatorStartShowsIt();
    void twoTimesPicturesDrawAtFullSize();
    void picturesLoadAtPixelSize_data();
    void picturesLoadAtPixelSize();

private:
    QTemporaryDir dir_;
    QString gif_;
};

void ImagesTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    const struct {
        const char* name;
        QColor colour;
    } frames[] = {{"red.png", Qt::red}, {"green.png", Qt::green}, {"blue.png", Qt::blue}};
    for (const auto& frame : frames)
        QVERIFY(solidImage(QSize(16, 16), frame.colour).save(dir_.filePath(frame.name)));
    gif_ = dir_.filePath("anim.gif");
    QProcess convert;
    convert.setWorkingDirectory(dir_.path());
    convert.start("convert", {"-delay", "5", "red.png", "-delay", "10", "green.png", "-delay", "15",
                              "blue.png", "-loop", "0", "anim.gif"});
    QVERIFY2(convert.waitForFinished(-1) && convert.exitCode() == 0,
             "ImageMagick's convert is needed (scripts/install-deps.sh)");
    QVERIFY(QFile::exists(gif_));
}

void ImagesTest::animationRunsFramesInOrder()
{
    XImageBox box;
    box.resize(16, 16);
    box.show();
    box.setImageFile(gif_, false);
    QVERIFY(box.isAnimating());
    QCOMPARE(watchFrames(box, 4), (QStringList{"red", "green", "blue", "red"}));
}

void ImagesTest::hidingPausesAndShowingRestarts()
{
    XImageBox box;
    box.resize(16, 16);
    box.show();
    box.setImageFile(gif_, false);
    QTRY_COMPARE(colourName(shownColour(box)), QString("green"));
    box.hide();
    QVERIFY(!box.isAnimating());
    QTest::qWait(300);
    QCOMPARE(colourName(shownColour(box)), QString("green"));
    box.show();
    QVERIFY(box.isAnimating());
    QCOMPARE(watchFrames(box, 2), (QStringList{"red", "green"}));
}

void ImagesTest::truncatedAnimationStops()
{
    QFile whole(gif_);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    // Cut inside the last frame: the first frames read, the last one fails.
    const QString cut = dir_.filePath("cut.gif");
    QFile part(cut);
    QVERIFY(part.open(QIODevice::WriteOnly));
    part.write(bytes.left(bytes.size() - 20));
    part.close();

    XImageBox box;
    box.resize(16, 16);
    box.show();
    box.setImageFile(cut, false);
    QTRY_VERIFY_WITH_TIMEOUT(!box.isAnimating(), 3000);
    // The last good frame stays.
    QVERIFY(!box.pixmap().isNull());
    const QString kept = colourName(shownColour(box));
    QTest::qWait(200);
    QCOMPARE(colourName(shownColour(box)), kept);
}

void ImagesTest::unreadableFileClears()
{
    const QString junk = dir_.filePath("junk.png");
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();

    XImageBox box;
    box.setImageFile(dir_.filePath("red.png"), false);
    QCOMPARE(colourName(shownColour(box)), QString("red"));
    box.setImageFile(junk, false);
    QVERIFY(box.pixmap().isNull());
    box.setImageFile(dir_.filePath("blue.png"), false);
    box.setImageFile(dir_.filePath("does-not-exist.png"), false);
    QVERIFY(box.pixmap().isNull());
}

void ImagesTest::emptyPathKeepsPicture()
{
    XImageBox box;
    box.setImageFile(dir_.filePath("green.png"), false);
    box.setImageFile(QString(), false);
    QCOMPARE(colourName(shownColour(box)), QString("green"));
}

void ImagesTest::doubleSizePictureFillsItsBox()
{
    // Qt reads a "@2x" file with device pixel ratio 2; scaled to the box it
    // must still cover the whole box, not its top-left quarter.
    const QString path = dir_.filePath("blue@2x.png");
    QVERIFY(solidImage(QSize(40, 40), Qt::blue).save(path));
    XImageBox box;
    box.setFixedSize(40, 40);
    box.setImageFile(path, true);
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.pixelColor(36, 36), QColor(Qt::blue));
}

void ImagesTest::busyIndicatorSizeRule()
{
    XBusyIndicator indicator;
    indicator.setPixmapSize(QSize(33, 33));
    QCOMPARE(indicator.pixmapSize(), QSize(32, 32));
    indicator.setPixmapSize(QSize(40, 33));
    QCOMPARE(indicator.pixmapSize(), QSize(40, 33));
    indicator.setPixmap(dir_.filePath("red.png"), QSize(25, 25));
    QCOMPARE(indicator.pixmapSize(), QSize(24, 24));
}

void ImagesTest::busyIndicatorTurnsTwentyDegreesPerTick()
{
    // A picture with one mark above the centre: where the mark lands shows the angle.
    QImage marked(40, 40, QImage::Format_ARGB32);
    marked.fill(Qt::transparent);
    for (int y = 0; y < 6; ++y)
        for (int x = 18; x < 22; ++x)
            marked.setPixelColor(x, y, Qt::red);
    const QString path = dir_.filePath("marked.png");
    QVERIFY(marked.save(path));

    QWidget host;
    host.resize(60, 60);
    XBusyIndicator indicator(&host);
    indicator.setGeometry(0, 0, 40, 40);
    indicator.setPixmap(path, QSize(40, 40));
    host.show();
    indicator.start(-1);
    QCOMPARE(indicator.interval(), 20);
    QTRY_VERIFY(indicator.angle() >= 20);
    indicator.stop();
    const int angle = indicator.angle();
    QCOMPARE(angle % 20, 0);

    const QImage image = paintedImage(indicator);
    const double radians = qDegreesToRadians(double(angle));
    const QPointF mark(20 - 20 + 0.0, 3 - 20.0); // mark centre relative to the turning centre
    const QPoint turned(qRound(20 + mark.x() * std::cos(radians) - mark.y() * std::sin(radians)),
                        qRound(20 + mark.x() * std::sin(radians) + mark.y() * std::cos(radians)));
    QVERIFY2(near(image.pixelColor(turned), Qt::red, 60),
             qPrintable(QString("angle %1 at %2,%3").arg(angle).arg(turned.x()).arg(turned.y())));
    QCOMPARE(image.pixelColor(20, 3).alpha() < 128, true);
}

void ImagesTest::busyIndicatorStartShowsIt()
{
    QWidget host;
    XBusyIndicator indicator(&host);
    host.show();
    indicator.hide();
    QVERIFY(!indicator.isVisible());
    indicator.start(50);
    QVERIFY(indicator.isVisible());
    QVERIFY(indicator.isSpinning());
    indicator.stop();
    QVERIFY(!indicator.isVisible());
    QVERIFY(!indicator.isSpinning());
}

namespace {

// Width of the red run across the middle row of a grabbed widget.
int redWidth(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    int width = 0;
    for (int x = 0; x < image.width(); ++x)
        width += near(image.pixelColor(x, image.height() / 2), Qt::red, 40) ? 1 : 0;
    return width;
}

} // namespace

// Pictures are drawn at their pixel size whatever their name: Qt's "@2x" rule
// would give them a device pixel ratio of 2 and halve them on a 1x screen.
void ImagesTest::twoTimesPicturesDrawAtFullSize()
{
    const QString picture = dir_.filePath("dot@2x.png");
    QVERIFY(solidImage(QSize(32, 32), Qt::red).save(picture));

    XImageBox box;
    box.resize(60, 60);
    box.setImageFile(picture);
    QCOMPARE(box.pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(redWidth(box), 32);
    box.setPixmap(QPixmap(picture));
    QCOMPARE(redWidth(box), 32);

    XPushButton button;
    button.resize(60, 60);
    button.setPixmap(picture);
    QCOMPARE(redWidth(button), 32);
    button.setAllStatePixmaps(picture, picture, picture, picture);
    button.scalePixmaps(QSize(20, 20), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(redWidth(button), 20);

    XPushButton iconButton;
    iconButton.resize(100, 40);
    iconButton.setIcon(picture, QSize(20, 20), Qt::AlignLeft, 10, 4);
    QCOMPARE(redWidth(iconButton), 20);

    XBusyIndicator spinner;
    spinner.resize(60, 60);
    spinner.setPixmap(picture, QSize(30, 30));
    QCOMPARE(redWidth(spinner), 30);
}

// The one place the rule lives: whatever the "@Nx" of a name, a picture and
// every frame of an animation come out with as many pixels as the file has.
void ImagesTest::picturesLoadAtPixelSize_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"plain.png", "dot@2x.png", "dot@3x.png", "frames@2x.gif"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ImagesTest::picturesLoadAtPixelSize()
{
    QFETCH(QString, name);
    const QString path = dir_.filePath(name);
    if (name.endsWith(".gif"))
        QVERIFY(QFile::copy(gif_, path));
    else
        QVERIFY(solidImage(QSize(24, 12), Qt::red).save(path));
    const QSize pixels = name.endsWith(".gif") ? QSize(16, 16) : QSize(24, 12);

    const QPixmap picture = loadPicture(path);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(picture.devicePixelRatio(), 1.0);
    QCOMPARE(atPixelSize(QPixmap(path)).devicePixelRatio(), 1.0);

    QImageReader reader(path);
    for (int frame = 0; frame < std::max(1, reader.imageCount()); ++frame) {
        const QImage image = readPicture(reader);
        QCOMPARE(image.size(), pixels);
        QCOMPARE(image.devicePixelRatio(), 1.0);
    }
    QVERIFY(loadPicture(dir_.filePath("missing@2x.png")).isNull());
    QVERIFY(atPixelSize(QPixmap()).isNull());
}

OSTREL_TEST_MAIN(ImagesTest)
#include "ImagesTest.moc"

