// The filter bar against the real engine: images made by mkntfs with an
// ntfs-3g mount and by mkfs.fat with mtools, scanned through the bridge; after
// each filter applied through the bar, the files the model lets pass must be
// the ones awk picks from The Sleuth Kit's body file (fls -r -p -m /).
#include "AdvanceFilterComboBox.h"
#include "AppManager.h"
#include "Application/XApplication.h"
#include "DocumentManager.h"
#include "FileFilterManager.h"
#include "FileSizeComboBox.h"
#include "FileTypeComboBox.h"
#include "FilterDataPanel.h"
#include "FoundPath.h"
#include "ImageResources.h"
#include "ModifiedDateComboBox.h"
#include "ScanTarget.h"
#include "SpinComboBox.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "XDateEdit.h"
#include "XLabel.h"
#include "XPushButton.h"

#include "NameTable.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include "MountSupport.h"

#include <algorithm>
#include <atomic>
#include <functional>

#include <unistd.h>

namespace {

bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr,
         const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return false;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(120000);
    if (out)
        *out = process.readAllStandardOutput();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// One file of the fixture: where, how big, when, and whether it is deleted afterwards.
struct Fixture {
    const char* path;
    int size;
    const char* time;  // local time, for touch -d
    bool deleted;
};

// Sizes on the band edges, times around the 23-hour day 2021-03-28 (a second
// before midnight included), upper-case extensions, an extensionless file, and
// the system, temporary and browser-cache folders the advanced filter hides.
const Fixture fixtures[] = {
    {"a/empty.txt", 0, "2021-03-27 10:00:00", false},
    {"a/PHOTO.JPG", 512000, "2021-03-28 23:59:59.5", false},
    {"a/b/Report.DOCX", 512001, "2021-03-29 00:00:01", false},
    {"clip.mp4", 1048576, "2021-03-26 23:59:58", false},
    {"archive.zip", 3145728, "2021-03-28 00:00:00", false},
    {"noext", 100, "2020-01-01 08:00:00", false},
    {"Windows/System32/a.dll", 4096, "2021-03-28 12:00:00", false},
    {"Users/u/AppData/Local/Temp/t.tmp", 10, "2021-03-27 12:00:00", false},
    {"Users/u/AppData/Local/Google/Chrome/User Data/Default/Cache/f_000001", 2000, "2021-03-28 08:00:00", false},
    {"Users/u/Documents/notes.txt", 300, "2021-03-20 08:00:00", false},
    {"gone.jpg", 70000, "2021-03-28 18:00:00", true},
    {"a/old.docx", 512000, "2021-03-27 18:00:00", true},
    {"Users/u/AppData/Local/Temp/del.tmp", 20, "2021-03-28 06:00:00", true},
};

QByteArray content(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + size) >> 3);
    return bytes;
}

// Writes the fixture's files under root and sets their times; an empty answer or why not.
QString writeFiles(const QDir& root)
{
    for (const Fixture& f : fixtures) {
        const QString path = root.filePath(QString::fromUtf8(f.path));
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(content(f.size)) != f.size)
            return QStringLiteral("cannot write %1").arg(path);
        out.close();
        if (!run(QStringLiteral("touch"), {"-d", QString::fromLatin1(f.time), path}))
            return QStringLiteral("touch failed on %1").arg(path);
    }
    return QString();
}

// The awk program that reads a body file and prints "path|deleted" of every
// regular file, outside the file system's own "$" entries, for which cond holds.
// Variables for cond: name (in-volume path), lname, ext (lower case, "" for
// none), size, mtime (seconds), deleted (0 or 1).
QString awkProgram(const QString& cond)
{
    return QStringLiteral(
               "BEGIN { FS = \"|\" }\n"
               "$4 !~ /^(r|-)\\/r/ { next }\n"
               "{ name = $2; deleted = sub(/ \\(deleted(-realloc)?\\)$/, \"\", name) ? 1 : 0;\n"
               "  if (name ~ /(^|\\/)\\$/ || name ~ /:/ || name ~ /\\(\\$FILE_NAME\\)$/) next;\n"
               "  sub(/^\\//, \"\", name); lname = tolower(name);\n"
               "  base = name; sub(/^.*\\//, \"\", base);\n"
               "  ext = match(base, /\\.[^.]*$/) ? tolower(substr(base, RSTART + 1)) : \"\";\n"
               "  size = $7 + 0; mtime = $9 + 0;\n"
               "  if (%1) print name \"|\" deleted }\n")
        .arg(cond);
}

// A deleted FAT entry has lost the first character of its short name: The
// Sleuth Kit shows "_", the engine shows the 0xE5 marker itself, so compare
// deleted FAT names without it.
QStringList maskDeletedFirstCharacter(QStringList files)
{
    for (QString& file : files) {
        if (!file.endsWith(QLatin1String("|1")))
            continue;
        const int base = file.lastIndexOf(QLatin1Char('/')) + 1;
        file[base] = QLatin1Char('?');
    }
    files.sort();
    return files;
}

qint64 localSeconds(const QString& when)
{
    QByteArray out;
    if (!run(QStringLiteral("date"), {"-d", when, "+%s"}, &out))
        return -1;
    return out.trimmed().toLongLong();
}

} // namespace

class FilterEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QVector<QDiskAndVolumeInfo> listImage(const QString& image)
    {
        qputenv("VELMORA_IMAGES_ONLY", "1");
        qputenv("VELMORA_DISK_IMAGES", image.toUtf8());
        return StorageDeviceManager::instance().refreshDiskList();
    }

    bool scan(const QDiskAndVolumeInfo& volume)
    {
        std::atomic<int> finished{0};
        const auto connection = QObject::connect(DocumentManager::instance(), &DocumentManager::scanFinished,
                                                 [&](int, const QString&, int) { ++finished; });
        StorageDataRecoverMgr::instance()->startVolumeScan(volume, Volume);
        const bool ok = QTest::qWaitFor([&] { return finished.load() > 0; }, 60000)
                        && StorageDataRecoverMgr::instance()->waitForStarters(30000)
                        && DocumentManager::instance()->waitForIdle(30000);
        QObject::disconnect(connection);
        return ok;
    }

    // The model's passing files below prefix after the filter task, as "path|deleted".
    static QStringList passing(const QString& prefix)
    {
        DocumentManager::instance()->setFilterCriteriaUpdated(1);
        if (!DocumentManager::instance()->waitForIdle(30000))
            return {QStringLiteral("filter task did not finish")};
        QStringList files;
        for (const DocumentInfo* record : DocumentManager::instance()->allFileRecords()) {
            const QString path = DocumentInfo::filePath(record);
            if (!path.startsWith(prefix) || !record->passesFilter())
                continue;
            const QString inVolume = path.mid(prefix.size());
            if (inVolume.startsWith(QLatin1Char('$')) || inVolume.contains(QLatin1String("/$")))
                continue;
            files << QStringLiteral("%1|%2").arg(inVolume).arg(record->deletedState() != 0 ? 1 : 0);
        }
        files.sort();
        return files;
    }

    QStringList awkPicks(const QString& body, const QString& cond)
    {
        QByteArray out;
        if (!run(QStringLiteral("awk"), {awkProgram(cond), body}, &out))
            return {QStringLiteral("awk failed on: %1").arg(cond)};
        QStringList files = QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        files.sort();
        return files;
    }

    static void clickRow(FilterComboBox& box, int row)
    {
        if (!box.popup()->isVisible())
            QTest::mousePress(box.faceLabel(), Qt::LeftButton);
        QListView* list = box.listView();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(box.model()->index(row, 0)).center());
    }

    static void typeNumber(SpinComboBox* spin, const QString& text, int unit)
    {
        spin->numberField()->clear();
        QTest::keyClicks(spin->numberField(), text);
        spin->unitBox()->setCurrentIndex(unit);
        QTest::keyClick(spin->numberField(), Qt::Key_Return);
    }

    // Each filter through the bar, then the model against awk over the body file.
    void compareFilters(const QString& body, const QString& prefix, bool fat)
    {
        const qint64 from = localSeconds(QStringLiteral("2021-03-27 00:00:00"));
        const qint64 to = localSeconds(QStringLiteral("2021-03-29 00:00:00")) - 1;
        QVERIFY(from > 0 && to > from);

        FilterDataPanel panel;
        panel.resize(1100, 48);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy changed(FileFilterManager::instance(), &FileFilterManager::filterOptionsChanged);

        struct Case {
            const char* name;
            std::function<void()> apply;
            QString cond;
        };
        const QList<Case> cases{
            {"no filter", [] {}, "1"},
            {"custom extensions and extensionless",
             [&] {
                 clickRow(*panel.fileTypeBox(), 7);
                 clickRow(*panel.fileTypeBox(), 9);
                 QTest::keyClicks(panel.fileTypeBox()->extensionField(), QStringLiteral("JPG; .docx"));
                 QTest::keyClick(panel.fileTypeBox()->extensionField(), Qt::Key_Return);
             },
             "ext == \"\" || ext == \"jpg\" || ext == \"docx\""},
            {"size up to 500 kb", [&] { clickRow(*panel.sizeBox(), 1); }, "size <= 512000"},
            {"size 500 kb to 1 mb", [&] { clickRow(*panel.sizeBox(), 2); }, "size >= 512000 && size <= 1048576"},
            {"size at least 1 mb",
             [&] {
                 clickRow(*panel.sizeBox(), 6);
                 typeNumber(panel.sizeBox()->minimumBox(), QStringLiteral("1"), 2);
             },
             "size >= 1048576"},
            {"size at least 0",
             [&] {
                 clickRow(*panel.sizeBox(), 6);
                 typeNumber(panel.sizeBox()->minimumBox(), QStringLiteral("0"), 0);
             },
             "size >= 0"},
            {"dates picked the wrong way round",
             [&] {
                 panel.dateBox()->fromBox()->setDate(QDate(2021, 3, 28));
                 panel.dateBox()->toBox()->setDate(QDate(2021, 3, 27));
                 clickRow(*panel.dateBox(), 5);
             },
             QStringLiteral("mtime >= %1 && mtime <= %2").arg(from).arg(to)},
            {"deleted only", [&] { QTest::mouseClick(panel.deletedSwitch(), Qt::LeftButton); }, "deleted == 1"},
            {"deleted and small",
             [&] {
                 QTest::mouseClick(panel.deletedSwitch(), Qt::LeftButton);
                 clickRow(*panel.sizeBox(), 1);
             },
             "deleted == 1 && size <= 512000"},
            {"hide empty, system, temporary and browser cache",
             [&] {
                 for (int row = 0; row < 4; ++row)
                     clickRow(*panel.advancedBox(), row);
             },
             "size != 0 && lname !~ /^windows\\// && lname !~ /^users\\/[^\\/]+\\/appdata\\/local\\/temp\\// && "
             "lname !~ /^users\\/[^\\/]+\\/appdata\\/(local|roaming)\\/(microsoft\\/edge\\/user data\\/|"
             "google\\/chrome\\/user data\\/|mozilla\\/firefox\\/)/"},
        };
        const std::initializer_list<FilterComboBox*> boxes{panel.fileTypeBox(), panel.dateBox(), panel.sizeBox(),
                                                           panel.advancedBox()};
        // A drop-down applies its rows after its pause: wait for every pause to end, not for a time.
        const auto applied = [&boxes] {
            return std::none_of(boxes.begin(), boxes.end(),
                                [](FilterComboBox* box) { return box->debounceTimer()->isActive(); });
        };
        QStringList all;
        for (const Case& c : cases) {
            panel.resetAllFilters();
            QTRY_VERIFY_WITH_TIMEOUT(applied(), 30000);
            const int before = changed.count();
            c.apply();
            for (FilterComboBox* box : boxes)
                box->popup()->hide();
            QTRY_VERIFY_WITH_TIMEOUT(applied(), 30000);
            QVERIFY2(c.cond == QLatin1String("1") || changed.count() > before, c.name);
            QStringList expected = awkPicks(body, c.cond);
            QStringList actual = passing(prefix);
            if (fat) {
                expected = maskDeletedFirstCharacter(expected);
                actual = maskDeletedFirstCharacter(actual);
            }
            if (actual != expected)
                qWarning() << c.name << "\n model:" << actual << "\n fls:  " << expected;
            QVERIFY2(actual == expected, c.name);
            if (c.cond == QLatin1String("1"))
                all = expected;
            // Every filter but "at least 0 bytes" narrows this fixture.
            QVERIFY2(!expected.isEmpty(), c.name);
            QVERIFY2((expected.size() < all.size()) != (c.cond == QLatin1String("1") || c.cond == QLatin1String("size >= 0")),
                     c.name);
        }
        panel.resetAllFilters();
    }

    void scanAndCompare(const QString& image, bool fat)
    {
        const QString body = image + QStringLiteral(".body");
        QByteArray listing;
        REQUIRE_TOOLS(QStringLiteral("fls"));
        QVERIFY(run(QStringLiteral("fls"), {"-r", "-p", "-m", "/", image}, &listing));
        QFile out(body);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(listing);
        out.close();
        const QVector<QDiskAndVolumeInfo> list = listImage(image);
        QCOMPARE(list.size(), 1);
        QVERIFY(scan(list[0]));
        compareFilters(body, volumeComponent(list[0], list[0].diskIndex, list[0].volIndex) + QLatin1Char('/'),
                       fat);
        StorageDataRecoverMgr::instance()->releaseScanData();
        FileFilterManager::instance()->resetFilters(false);
    }

private slots:
    void initTestCase()
    {
        initImageResources();
        fillNameTable();
        QVERIFY(dir_.isValid());
        StorageDataRecoverMgr* bridge = StorageDataRecoverMgr::instance();
        bridge->setStartDelayMs(0);
        bridge->setAnalyticsSender([](const QString&, const QString&, const QString&, const QString&) {});
    }

    void ntfsImage()
    {
        const QString image = dir_.filePath(QStringLiteral("filters.ntfs"));
        TestMounts::MountedNtfsImage ntfs(image, dir_.filePath(QStringLiteral("ntfs.mnt")), 32 * 1024 * 1024);
        SKIP_UNLESS_MOUNTED(ntfs);
        QDir root(ntfs.point());
        const QString why = writeFiles(root);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        for (const Fixture& f : fixtures) {
            if (f.deleted)
                QVERIFY(root.remove(QString::fromUtf8(f.path)));
        }
        QVERIFY(ntfs.unmountNow());
        scanAndCompare(image, false);
    }

    void fat32Image()
    {
        const QString image = dir_.filePath(QStringLiteral("filters.fat"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"), QStringLiteral("mdel"));
        QVERIFY(run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", image, "40960"}));
        const QString source = dir_.filePath(QStringLiteral("fat-source"));
        QDir().mkpath(source);
        const QString why = writeFiles(QDir(source));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QStringList top = QDir(source).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QStringList copy{"-s", "-m", "-i", image};
        for (const QString& name : top)
            copy << QDir(source).filePath(name);
        copy << QStringLiteral("::/");
        QVERIFY(run(QStringLiteral("mcopy"), copy));
        for (const Fixture& f : fixtures) {
            if (f.deleted)
                QVERIFY(run(QStringLiteral("mdel"), {"-i", image, QStringLiteral("::/%1").arg(QString::fromUtf8(f.path))}));
        }
        scanAndCompare(image, true);
    }
};

int main(int argc, char** argv)
{
    // As the program runs: "@2x" pictures load at their pixel size.
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
    XApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    FilterEndToEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FilterEndToEndTest.moc"
