// ostrel-thumb-shots --out DIR [--scale S]: the thumbnail strip with pictures
// and type icons, and the preview dialog's picture, loading and not-supported
// pages, each written as a PNG. The pictures are drawn here and read through
// the thumbnail engine's read seam, so decoding and scaling run as in the program.
#include "AppStyleSheet.h"
#include "Application/XApplication.h"
#include "DocumentInfo.h"
#include "ImageResources.h"
#include "MediaPreviewDialog.h"
#include "MultiMediaViewer.h"
#include "NameTable.h"
#include "NodeTypeCode.h"
#include "ThumbModel.h"
#include "ThumbView.h"
#include "ThumbnailCacheEngine.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <map>
#include <mutex>

using NomoThumbCache::ThumbnailCacheEngine;

namespace {

// A landscape-like picture: sky, sun, hills; each seed its own colours.
QByteArray drawPhoto(int seed, QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((200 + seed * 37) % 360, 120, 250));
    sky.setColorAt(1, QColor::fromHsv((30 + seed * 53) % 360, 90, 255));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 120));
    painter.drawEllipse(QPointF(size.width() * (0.2 + 0.12 * (seed % 5)), size.height() * 0.28), size.height() * 0.11,
                        size.height() * 0.11);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        hill.moveTo(0, size.height());
        for (int x = 0; x <= size.width(); x += size.width() / 8)
            hill.lineTo(x, size.height() * (0.55 + 0.12 * layer) + std::sin((x + seed * 90 + layer * 50) / 70.0) * 30);
        hill.lineTo(size.width(), size.height());
        painter.setBrush(QColor::fromHsv((100 + seed * 17 + layer * 25) % 360, 140 + layer * 30, 170 - layer * 40));
        painter.drawPath(hill);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

struct Shots {
    QString folder;
    int failures = 0;
    void take(QWidget& widget, const QString& name)
    {
        const QString path = QDir(folder).filePath(name + ".png");
        if (widget.grab().save(path)) {
            QTextStream(stdout) << path << "\n";
        } else {
            QTextStream(stderr) << "cannot write " << path << "\n";
            ++failures;
        }
    }
};

// A real MP4 from ffmpeg's test source; empty where ffmpeg is missing.
QByteArray makeClip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.mp4"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                            "testsrc=duration=1:size=320x240:rate=10", "-pix_fmt", "yuv420p", path});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void settle(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

}

int main(int argc, char** argv)
{
    XApplication app(argc, argv);
    initImageResources();
    fillNameTable();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Screenshots of the thumbnail strip and the preview dialog"));
    parser.addHelpOption();
    parser.addOptions({{"out", "write the PNGs into <folder>", "folder"},
                       {"scale", "UI scale (default: from the screen)", "factor"}});
    parser.process(app);
    if (!parser.isSet("out"))
        parser.showHelp(2);
    if (parser.isSet("scale"))
        app.scaleX = app.scaleY = parser.value("scale").toDouble();
    // The list views' transparent style comes from the main window's sheet in the program.
    app.setStyleSheet(AppStyleSheet::viewStyles(app.scaleX, app.scaleY));
    Shots shots{parser.value("out")};
    QDir().mkpath(shots.folder);
    const QString suffix = QStringLiteral("-x%1").arg(app.scaleX);

    // The found files: photos of two formats, a damaged photo, and files of other kinds.
    std::mutex mutex;
    std::map<QByteArray, QByteArray> files;
    QVector<DocumentInfo*> docs;
    auto add = [&](const QByteArray& path, quint16 type, const QByteArray& bytes) {
        FileRecordFields fields;
        fields.typeCode = type;
        fields.eventKind = Fat32File;
        fields.size = bytes.isEmpty() ? 4096 : bytes.size();
        fields.path = path;
        docs.append(createFileRecord(fields));
        std::lock_guard lock(mutex);
        files[path] = bytes;
    };
    add("sdb1/DCIM/IMG_2041.JPG", PhotoFile, drawPhoto(1, QSize(1600, 1200), "JPG"));
    add("sdb1/DCIM/IMG_2042.JPG", PhotoFile, drawPhoto(2, QSize(1200, 1600), "JPG"));
    add("sdb1/DCIM/Holiday at the lake, evening light.png", PhotoFile, drawPhoto(3, QSize(900, 500), "PNG"));
    add("sdb1/DCIM/IMG_2044.JPG", PhotoFile, QByteArray("\xFF\xD8\xFF\xE0 damaged", 12));
    add("sdb1/DCIM/MOV_2045.MP4", VideoFile, makeClip());
    add("sdb1/DCIM/Notes.docx", DocumentFile, QByteArray());
    add("sdb1/DCIM/Voice 12.m4a", AudioFile, QByteArray());
    add("sdb1/DCIM/backup.zip", ArchiveFile, QByteArray());
    add("sdb1/DCIM/IMG_2046.JPG", PhotoFile, drawPhoto(4, QSize(800, 600), "JPG"));
    add("sdb1/DCIM/IMG_2047.JPG", PhotoFile, drawPhoto(5, QSize(640, 480), "JPG"));

    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    engine->setScale(app.scaleX, app.scaleY);
    engine->setReader([&](char* buffer, size_t* length, const DataRecoveryInfo& item) {
        std::lock_guard lock(mutex);
        auto it = files.find(QByteArray(item.path, item.pathLength));
        if (it == files.end() || it->second.isEmpty())
            return 5;
        memcpy(buffer, it->second.constData(), std::min<size_t>(*length, size_t(it->second.size())));
        *length = size_t(it->second.size());
        return 0;
    });
    auto ready = [&](int index) { return engine->getThumbnail(docs[index]).state == NomoThumbCache::Ready; };

    {
        // The strip with loaded pictures, a picture still loading (its type icon) and type icons.
        ThumbView strip;
        strip.setAutoFillBackground(true);
        strip.setStyleSheet(QStringLiteral("ThumbView{background: #F8FAFC;}"));
        strip.show();
        strip.setDocuments(docs, docs[0]);
        settle([&] { return ready(0) && ready(1) && ready(2) && ready(3); });
        strip.selectRow(2);
        QCoreApplication::processEvents();
        shots.take(strip, "thumb-strip" + suffix);
        strip.setDocuments({}, nullptr);
    }
    {
        MediaPreviewDialog dialog;
        QObject::connect(engine, &ThumbnailCacheEngine::thumbnailLoaded, &dialog,
                         [&dialog](qulonglong address, const QPixmap& pixmap, bool isLast) {
                             dialog.onThumbnailLoaded(reinterpret_cast<DocumentInfo*>(quintptr(address)), pixmap,
                                                      isLast);
                         });
        MediaPreviewDialog::setAnalyticsSender([](auto&&...) {});
        dialog.show();
        dialog.setDocuments(docs, docs[0]);
        settle([&] { return dialog.viewer()->currentPage() == dialog.viewer()->picturePage(); });
        shots.take(dialog, "preview-picture" + suffix);
        dialog.thumbView()->selectRow(3);
        settle([&] { return dialog.viewer()->currentPage() == dialog.viewer()->notSupportedPage(); });
        shots.take(dialog, "preview-damaged-photo" + suffix);
        dialog.thumbView()->selectRow(4);
        settle([&] { return dialog.viewer()->currentPage() == dialog.viewer()->notSupportedPage(); });
        shots.take(dialog, "preview-video" + suffix);
        dialog.viewer()->showLoading();
        settle([] { return false; }, 300);
        shots.take(dialog, "preview-loading" + suffix);
        dialog.setDocuments({}, nullptr);
    }
    engine->shutdown();
    for (DocumentInfo* doc : docs)
        freeRecord(doc);
    return shots.failures == 0 ? 0 : 1;
}
