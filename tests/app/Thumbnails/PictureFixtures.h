#pragma once
// Pictures made at test time by ImageMagick and ffmpeg (and a minimal DNG
// written here, as no Debian tool writes one), each of four flat quadrants so
// that colour samples survive scaling.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

namespace PictureFixtures {

struct Fixture {
    QString name;      // file name with its suffix
    QString path;      // where it was written
    QString step;      // the decoder step expected to read it ("none": no picture)
    int tolerance = 3; // per channel, against the oracle's quadrant centres
    bool small = true; // small enough for the damaged-input rounds
};

// The four quadrant colours: top left, top right, bottom left, bottom right.
QVector<QColor> quadrantColours();

// The first of the tools the fixtures are made with that is not installed.
QString missingTool();

// Writes every fixture into folder (made once per test process); empty and
// why when one could not be made.
QVector<Fixture> makeAll(const QString& folder, QString* why);

// A DNG: IFD0 a JPEG preview (when previewJpeg is not empty), SubIFD a 16-bit RGGB CFA.
QByteArray makeDng(int width, int height, const QByteArray& previewJpeg, int previewWidth, int previewHeight);

// Runs a shell command; its standard output, or a null array when it failed.
QByteArray run(const QString& command);
QByteArray readFile(const QString& path);
QString quote(const QString& text);

// The oracle's pixels: ImageMagick's RGBA (dcraw's half-size development for DNG).
QImage oracleImage(const Fixture& fixture);
// Each quadrant's centre pixel.
QVector<QColor> quadrantCentres(const QImage& image);

}
