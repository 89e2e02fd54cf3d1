// Type icons, the thumbnail strip and the preview dialog, offscreen, with the
// process-wide thumbnail engine reading through a fake disk.
#include "FakeDisk.h"
#include "FileTypeClassifier.h"
#include "FileTypeIconProvider.h"
#include "ImageResources.h"
#include "LockedSpy.h"
#include "MediaPreviewDialog.h"
#include "MountSupport.h"
#include "MultiMediaViewer.h"
#include "NameTable.h"
#include "PictureFixtures.h"
#include "PreviewPages.h"
#include "ThumbModel.h"
#include "ThumbView.h"
#include "ThumbnailCacheEngine.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XListView.h"
#include "XPushButton.h"

#include <QScrollBar>
#include <limits>
#include <QtTest>

using namespace NomoThumbCache;
using namespace ThumbTest;

namespace {

struct Event {
    QString action, label, value;
    bool operator==(const Event& o) const { return action == o.action && label == o.label && value == o.value; }
};

QVector<Event>& events()
{
    static QVector<Event> recorded;
    return recorded;
}

// Rows whose cells show in the viewport, found cell by cell.
QPair<int, int> visibleByGeometry(ThumbView& view)
{
    XListView* list = view.listView();
    int first = -1, last = -1;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        if (list->visualRect(list->model()->index(row, 0)).intersects(list->viewport()->rect())) {
            if (first < 0)
                first = row;
            last = row;
        }
    return {first, last};
}

}

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void iconsForEveryCode();
    void checkBoxPictures();
    void stripQueuesTheVisibleCellsFirst();
    void scrolledCellsLoad_data();
    void scrolledCellsLoad();
    void arrowsFollowTheRow();
    void pictureViewerScalesDownOnly();
    void notSupportedPageLinkAndLanguage();
    void notSupportedPageShowsTheFileType_data();
    void notSupportedPageShowsTheFileType();
    void dialogShowsCachedLoadingAndFailed();
    void dialogOtherFilesAndRecover();
    void dialogTitleIsPlainText();
    void shownFileSurvivesTheStripClear();

private:
    QVector<DocumentInfo*> makeStrip(int count, const QByteArray& folder);
    void connectDialog(MediaPreviewDialog& dialog);

    FakeDisk disk;
    RecordOwner records;
    QByteArray png;
};

void ViewTest::initTestCase()
{
    initImageResources();
    fillNameTable();
    REQUIRE_TOOLS(QStringLiteral("convert"));
    png = PictureFixtures::run("convert -size 90x60 xc:'#dc281e' -fill '#28c83c' -draw 'rectangle 0,0 44,29' png:-");
    QVERIFY2(!png.isEmpty(), "convert could not make the PNG");
    ThumbnailCacheEngine::instance()->setReader(disk.reader());
    MediaPreviewDialog::setAnalyticsSender(
        [](const QString& category, const QString& action, const QString& label, const QVariant& value) {
            QCOMPARE(category, QStringLiteral("OtherInformation"));
            events().append({action, label, value.toString()});
        });
}

void ViewTest::init()
{
    events().clear();
    disk.delayMs = 0;
}

void ViewTest::cleanup()
{
    ThumbnailCacheEngine::instance()->clearTasks();
    ThumbnailCacheEngine::instance()->clearCache();
    disk.takeRequests();
}

QVector<DocumentInfo*> ViewTest::makeStrip(int count, const QByteArray& folder)
{
    QVector<DocumentInfo*> docs;
    for (int i = 0; i < count; ++i) {
        const QByteArray path = folder + "/IMG_" + QByteArray::number(i).rightJustified(4, '0') + ".png";
        disk.put(path, png);
        docs.append(records.add(photo(path, png.size())));
    }
    return docs;
}

void ViewTest::connectDialog(MediaPreviewDialog& dialog)
{
    connect(ThumbnailCacheEngine::instance(), &ThumbnailCacheEngine::thumbnailLoaded, &dialog,
            [&dialog](qulonglong address, const QPixmap& pixmap, bool isLast) {
                dialog.onThumbnailLoaded(reinterpret_cast<DocumentInfo*>(quintptr(address)), pixmap, isLast);
            },
            Qt::QueuedConnection);
}

void ViewTest::iconsForEveryCode()
{
    const FileTypeIconProvider provider;
    const QImage text = provider.scaledIcon(36, QSize(52, 52)).toImage();
    QVERIFY(!text.isNull());
    // Codes without a row of their own draw the text-file icon.
    for (quint8 code : {15, 28, 35, 39, 41, 200})
        QCOMPARE(provider.scaledIcon(code, QSize(52, 52)).toImage(), text);
    for (quint8 code : {5, 6, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 33, 34, 37, 38, 40}) {
        const QPixmap icon = provider.scaledIcon(code, QSize(52, 52));
        QVERIFY2(!icon.isNull(), qPrintable(FileTypeIconProvider::iconPath(code)));
        QCOMPARE(icon.size(), QSize(52, 52));
        QCOMPARE(icon.devicePixelRatio(), 1.0);
    }
    QCOMPARE(provider.scaledIcon(29, QSize(52, 52)).toImage(), provider.scaledIcon(19, QSize(52, 52)).toImage());
    QVERIFY(provider.scaledIcon(29, QSize(52, 52)).toImage() != text);
    // The second request is the cached picture itself.
    QCOMPARE(provider.scaledIcon(30, QSize(40, 40)).cacheKey(), provider.scaledIcon(30, QSize(40, 40)).cacheKey());
    QCOMPARE(provider.scaledIcon(30, QSize(80, 40)).size(), QSize(40, 40));
}

void ViewTest::checkBoxPictures()
{
    const QImage unchecked = FileTypeIconProvider::checkBoxPixmap(0, QSize(14, 14)).toImage();
    const QImage partial = FileTypeIconProvider::checkBoxPixmap(1, QSize(14, 14)).toImage();
    const QImage checked = FileTypeIconProvider::checkBoxPixmap(2, QSize(14, 14)).toImage();
    QCOMPARE(unchecked.size(), QSize(14, 14));
    QVERIFY(unchecked != partial && partial != checked && unchecked != checked);
    QCOMPARE(FileTypeIconProvider::checkBoxPixmap(2, QSize(14, 14)).cacheKey(),
             FileTypeIconProvider::checkBoxPixmap(2, QSize(14, 14)).cacheKey());
}

void ViewTest::stripQueuesTheVisibleCellsFirst()
{
    const QVector<DocumentInfo*> docs = makeStrip(1000, "first");
    ThumbView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    disk.delayMs = 5;
    QSignalSpy loaded(view.model(), &ThumbModel::syncLoadFinish);
    view.setDocuments(docs, docs[2]);
    QVERIFY(loaded.wait());
    QVERIFY(view.isCurrent(docs[2]));
    const auto [first, last] = view.visibleRows();
    QCOMPARE((QPair<int, int>(first, last)), visibleByGeometry(view));
    QCOMPARE(first, 0);
    QVERIFY2(last >= 5 && last <= 7, qPrintable(QString::number(last)));
    // Only the cells in view are queued, and they are read before anything else.
    QTRY_VERIFY(disk.calls.load() >= last + 1);
    QTest::qWait(400);
    const auto requests = disk.takeRequests();
    QCOMPARE(requests.size(), last + 1);
    QSet<QByteArray> read;
    for (const auto& request : requests)
        read.insert(request.path);
    for (int row = 0; row <= last; ++row)
        QVERIFY(read.contains(DocumentInfo::filePath(docs[row]).toUtf8()));
    for (int row = 0; row <= last; ++row)
        QCOMPARE(ThumbnailCacheEngine::instance()->getThumbnail(docs[row]).state, int(Ready));
    QCOMPARE(ThumbnailCacheEngine::instance()->getThumbnail(docs[last + 1]).state, int(NotLoaded));
}

void ViewTest::scrolledCellsLoad_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("amount");
    // Pitch 138 (cell 124, spacing 14): positions between cells, on a cell edge, far away, the end.
    QTest::newRow("bar into a gap") << "bar" << 138 * 3 + 5;
    QTest::newRow("bar on an edge") << "bar" << 138 * 10;
    QTest::newRow("bar between probe points") << "bar" << 138 * 40 + 130;
    QTest::newRow("bar to the end") << "bar" << -1;
    QTest::newRow("wheel") << "wheel" << -720;
    QTest::newRow("wheel far") << "wheel" << -12000;
}

void ViewTest::scrolledCellsLoad()
{
    QFETCH(QString, how);
    QFETCH(int, amount);
    const QVector<DocumentInfo*> docs = makeStrip(300, "scroll-" + how.toUtf8() + QByteArray::number(amount));
    ThumbView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy loaded(view.model(), &ThumbModel::syncLoadFinish);
    view.setDocuments(docs, docs[0]);
    QVERIFY(loaded.wait());
    QScrollBar* bar = view.listView()->horizontalScrollBar();
    const int before = bar->value();
    if (how == QLatin1String("bar")) {
        bar->setValue(amount < 0 ? bar->maximum() : amount);
    } else {
        QWidget* viewport = view.listView()->viewport();
        const QPoint at = viewport->rect().center();
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(amount, 0), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    QVERIFY(bar->value() != before);
    const auto [first, last] = visibleByGeometry(view);
    QCOMPARE(view.visibleRows(), (QPair<int, int>(first, last)));
    QVERIFY(first > 0);
    for (int row = first; row <= last; ++row)
        QTRY_COMPARE(ThumbnailCacheEngine::instance()->getThumbnail(docs[row]).state, int(Ready));
    QVERIFY(view.leftButton()->isEnabled());
}

void ViewTest::arrowsFollowTheRow()
{
    const QVector<DocumentInfo*> docs = makeStrip(40, "arrows");
    ThumbView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy loaded(view.model(), &ThumbModel::syncLoadFinish);
    QSignalSpy current(&view, &ThumbView::currentIndexChanged);
    view.setDocuments(docs, docs[0]);
    QVERIFY(loaded.wait());
    QVERIFY(!view.leftButton()->isEnabled());
    QVERIFY(view.rightButton()->isEnabled());
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(view.rightButton(), Qt::LeftButton);
    QVERIFY(view.isCurrent(docs[15]));
    QCOMPARE(current.last().at(0).value<DocumentInfo*>(), docs[15]);
    QVERIFY(view.leftButton()->isEnabled());
    // The cells the arrows brought into view load although the scroll happened with signals blocked.
    const auto [first, last] = visibleByGeometry(view);
    QVERIFY(first > 0 && first <= 15 && last >= 15);
    for (int row = first; row <= last; ++row)
        QTRY_COMPARE(ThumbnailCacheEngine::instance()->getThumbnail(docs[row]).state, int(Ready));
    view.selectRow(39);
    QVERIFY(!view.rightButton()->isEnabled());
    view.selectRow(0);
    QVERIFY(!view.leftButton()->isEnabled());
    // A current record outside the list selects the first row.
    QSignalSpy reloaded(view.model(), &ThumbModel::syncLoadFinish);
    view.setDocuments(docs, nullptr);
    QVERIFY(reloaded.wait());
    QVERIFY(view.isCurrent(docs[0]));
    view.setDocuments({}, nullptr);
    QCOMPARE(view.model()->rowCount(), 0);
}

void ViewTest::pictureViewerScalesDownOnly()
{
    PictureViewer viewer;
    QPixmap large(2000, 1000);
    large.fill(Qt::blue);
    viewer.setPixmap(large);
    QCOMPARE(viewer.label()->pixmap()->size(), QSize(566, 283));
    QPixmap small(100, 50);
    small.fill(Qt::red);
    viewer.setPixmap(small);
    QCOMPARE(viewer.label()->pixmap()->size(), QSize(100, 50));
    viewer.setPixmap(QPixmap());
    // Shown at its pixel size: Qt's "@2x" device pixel ratio would halve it on screen.
    const QImage icon(QStringLiteral(":/images/icon_photo@2x.png"));
    const QImage shown = viewer.label()->pixmap()->toImage();
    QCOMPARE(shown.size(), icon.size());
    QCOMPARE(shown.pixel(20, 60), icon.pixel(20, 60));
    QCOMPARE(viewer.label()->pixmap()->devicePixelRatio(), 1.0);
}

void ViewTest::notSupportedPageLinkAndLanguage()
{
    MultiMediaViewer viewer;
    auto* page = qobject_cast<NotSupportPreview*>(viewer.notSupportedPage());
    QVERIFY(page);
    QCOMPARE(viewer.currentPage(), viewer.loadingPage());
    QSignalSpy recover(&viewer, &MultiMediaViewer::recoverSignal);
    emit page->hintLabel()->linkActivated(QStringLiteral("#"));
    QCOMPARE(recover.count(), 1);
    QCOMPARE(page->titleLabel()->text(), QStringLiteral("The file does not support preview."));
    page->titleLabel()->setText(QString());
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(page, &change);
    QCOMPARE(page->titleLabel()->text(), QStringLiteral("The file does not support preview."));
    QVERIFY(page->hintLabel()->text().contains(QLatin1String("color: #2563eb;")));
}

void ViewTest::notSupportedPageShowsTheFileType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("icon");
    QTest::newRow("an MP4 made by ffmpeg")
        << "MOV_0042.MP4"
        << "ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=0.5:size=160x120:rate=10 -pix_fmt yuv420p %1"
        << ":/images/icon_video@2x.png";
    QTest::newRow("a WAV made by ffmpeg") << "Voice 12.wav"
                                          << "ffmpeg -loglevel error -y -f lavfi -i sine=duration=0.2 %1"
                                          << ":/images/icon_audio@2x.png";
    QTest::newRow("a ZIP made by zip") << "backup.zip" << "printf 'notes\\n' > %1.txt && zip -q -j %1 %1.txt"
                                       << ":/images/icon_zip@2x.png";
    QTest::newRow("a photo that does not decode") << "IMG_0043.jpg" << "printf 'not a picture\\n' > %1"
                                                  << ":/images/icon_photo@2x.png";
}

void ViewTest::notSupportedPageShowsTheFileType()
{
    QFETCH(QString, name);
    QFETCH(QString, command);
    QFETCH(QString, icon);
    QTemporaryDir dir;
    const QString file = dir.filePath(name);
    const QByteArray made = PictureFixtures::run(command.arg(PictureFixtures::quote(file)));
    QVERIFY2(!made.isNull(), qPrintable("could not make " + name + ": " + command));
    const QByteArray bytes = PictureFixtures::readFile(file);
    QVERIFY(!bytes.isEmpty());
    // Typed as the found-file model types a found file: by its name.
    const QByteArray path = "sdb1/DCIM/" + name.toUtf8();
    disk.put(path, bytes);
    DocumentInfo* doc = records.add(photo(path, bytes.size(), {}, classifyFileType(QString::fromUtf8(path))));

    MediaPreviewDialog dialog;
    connectDialog(dialog);
    dialog.show();
    dialog.setDocuments({doc}, doc);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.viewer()->currentPage(), dialog.viewer()->notSupportedPage(), 10000);
    auto* page = qobject_cast<NotSupportPreview*>(dialog.viewer()->notSupportedPage());
    QCOMPARE(page->typeCode(), int(doc->typeCode));
    // The picture on the page is, of all the type icons, the one of the file's type.
    const QImage shown = page->imageBox()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!shown.isNull());
    const auto distance = [&shown](const QString& resource) {
        const QImage other = QImage(resource).convertToFormat(QImage::Format_ARGB32).scaled(
            shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 sum = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = other.pixel(x, y);
                sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) +
                       qAbs(qAlpha(a) - qAlpha(b));
            }
        return sum;
    };
    QString nearest;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const char* candidate : {"icon_video", "icon_audio", "icon_zip", "icon_photo", "icon_txt", "icon_docm"}) {
        const QString resource = QStringLiteral(":/images/%1@2x.png").arg(QLatin1String(candidate));
        if (const qint64 d = distance(resource); d < best) {
            best = d;
            nearest = resource;
        }
    }
    QCOMPARE(nearest, icon);
    QCOMPARE(FileTypeIconProvider::iconPath(quint8(doc->typeCode)), icon);
    dialog.setDocuments({}, nullptr);
}

void ViewTest::dialogShowsCachedLoadingAndFailed()
{
    const QVector<DocumentInfo*> docs = makeStrip(3, "dialog");
    // A damaged photo: the engine gives a null pixmap.
    static const char damaged[] = "\xFF\xD8\xFF\xE0 not really a picture";
    disk.put("dialog/broken.jpg", QByteArray(damaged, int(sizeof damaged) - 1));
    DocumentInfo* broken = records.add(photo("dialog/broken.jpg", int(sizeof damaged) - 1));
    QVector<DocumentInfo*> all = docs;
    all.append(broken);

    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    // Emitted on the engine thread.
    LockedSpy announced(engine, &ThumbnailCacheEngine::thumbnailLoaded);
    engine->addTask(docs[1]);
    QTRY_COMPARE(engine->getThumbnail(docs[1]).state, int(Ready));

    {
        MediaPreviewDialog dialog;
        connectDialog(dialog);
        dialog.show();
        dialog.setDocuments(all, docs[1]);
        QCOMPARE(dialog.viewer()->currentPage(), dialog.viewer()->loadingPage());
        // Cached: the picture at once, without waiting for the engine.
        QTRY_COMPARE(dialog.viewer()->currentPage(), dialog.viewer()->picturePage());
        QVERIFY(events().isEmpty());
    }
    engine->clearCache();
    {
        disk.delayMs = 200;
        MediaPreviewDialog dialog;
        connectDialog(dialog);
        dialog.show();
        dialog.setDocuments(all, docs[2]);
        QTRY_VERIFY(dialog.thumbView()->isCurrent(docs[2]));
        QCOMPARE(dialog.viewer()->currentPage(), dialog.viewer()->loadingPage());
        QTRY_COMPARE_WITH_TIMEOUT(dialog.viewer()->currentPage(), dialog.viewer()->picturePage(), 10000);
        QCOMPARE(events(), (QVector<Event>{{"Preview", "Label1", "Photo"},
                                           {"Preview", "Label2", "png"},
                                           {"Preview", "Label3", "Show"}}));
        events().clear();
        disk.delayMs = 0;
        dialog.thumbView()->selectRow(3);
        QTRY_COMPARE(dialog.viewer()->currentPage(), dialog.viewer()->notSupportedPage());
        QCOMPARE(events(), (QVector<Event>{{"Preview", "Label1", "Photo"},
                                           {"Preview", "Label2", "jpg"},
                                           {"Preview", "Label3", "NotSupport"}}));
        // A thumbnail for another record only refreshes its cell.
        events().clear();
        QPixmap other(10, 10);
        dialog.onThumbnailLoaded(docs[0], other, true);
        QCOMPARE(dialog.viewer()->currentPage(), dialog.viewer()->notSupportedPage());
        QVERIFY(events().isEmpty());
        dialog.setDocuments({}, nullptr);
    }
}

void ViewTest::dialogOtherFilesAndRecover()
{
    DocumentInfo* clip = records.add(photo("other/Holiday.MP4", 1000, {}, VideoFile));
    DocumentInfo* picture = makeStrip(1, "recover")[0];
    MediaPreviewDialog dialog;
    connectDialog(dialog);
    dialog.show();
    QSignalSpy recovered(&dialog, &MediaPreviewDialog::recoverFileSiganl);
    dialog.setDocuments({clip, picture}, clip);
    QTRY_COMPARE(dialog.viewer()->currentPage(), dialog.viewer()->notSupportedPage());
    QCOMPARE(events(), (QVector<Event>{{"Preview", "Label1", "Video"},
                                       {"Preview", "Label2", "MP4"},
                                       {"Preview", "Label3", "NotSupport"}}));
    events().clear();
    auto* page = qobject_cast<NotSupportPreview*>(dialog.viewer()->notSupportedPage());
    emit page->hintLabel()->linkActivated(QStringLiteral("#"));
    QCOMPARE(recovered.count(), 1);
    QCOMPARE(recovered.last().at(0).value<DocumentInfo*>(), clip);
    QCOMPARE(events(), (QVector<Event>{{"PreviewRecover", "Label1", "Video"},
                                       {"PreviewRecover", "Label2", "mp4"},
                                       {"PreviewRecover", "Label3", "NotSupport"}}));
    dialog.thumbView()->selectRow(1);
    QTRY_COMPARE(dialog.viewer()->currentPage(), dialog.viewer()->picturePage());
    events().clear();
    QTest::mouseClick(dialog.recoverButton(), Qt::LeftButton);
    QCOMPARE(recovered.count(), 2);
    QCOMPARE(recovered.last().at(0).value<DocumentInfo*>(), picture);
    QCOMPARE(events(), (QVector<Event>{{"PreviewRecover", "Label1", "Photo"},
                                       {"PreviewRecover", "Label2", "png"},
                                       {"PreviewRecover", "Label3", "Show"}}));
    dialog.setDocuments({}, nullptr);
}

void ViewTest::dialogTitleIsPlainText()
{
    // A found name cannot hold "/", which separates the folders of a path.
    DocumentInfo* doc = records.add(photo("names/<b>x<i>.jpg", 10));
    MediaPreviewDialog dialog;
    dialog.show();
    dialog.setDocuments({doc}, doc);
    QTRY_COMPARE(dialog.titleLabel()->text(), QStringLiteral("<b>x<i>.jpg"));
    QCOMPARE(dialog.titleLabel()->textFormat(), Qt::PlainText);
    dialog.setDocuments({}, nullptr);
}

void ViewTest::shownFileSurvivesTheStripClear()
{
    // The dialog queues the shown file; the strip's load then clears the queue.
    const QVector<DocumentInfo*> docs = makeStrip(1000, "survive");
    disk.delayMs = 20;
    MediaPreviewDialog dialog;
    connectDialog(dialog);
    dialog.show();
    dialog.setDocuments(docs, docs[700]);
    QTRY_VERIFY(dialog.thumbView()->isCurrent(docs[700]));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.viewer()->currentPage(), dialog.viewer()->picturePage(), 10000);
    // The shown file was read first of all.
    QCOMPARE(disk.takeRequests().first().path, DocumentInfo::filePath(docs[700]).toUtf8());
    dialog.setDocuments({}, nullptr);
}

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
