// The program's main path, headless: the shell's start-up as main runs it,
// with a FAT32 image (mkfs.fat and mtools) and an NTFS image (mkntfs and an
// ntfs-3g mount, as root) as the only disks. For each: pick the volume, wait
// for the scan and close its summary, Recover, "Select All", Recover, choose
// a new folder in Qt's dialog, wait for the completion. The export folder
// holds every file written (existing and deleted) by sha256, each also in
// tsk_recover -e's output, and nothing lands outside it.
//
// With --shots DIR it also writes a grab() of the main window and an
// `import -window root` picture per step (scripts/screenshot-results.sh).
#include "Application/XApplication.h"
#include "DocumentManager.h"
#include "DriveListView.h"
#include "DriveTileRoles.h"
#include "ExportTestSupport.h"
#include "FileBrowserView.h"
#include "FileSystemPathDisplayData.h"
#include "FileSystemPathNavigato.h"
#include "HardDiskAndFolderSelectPage.h"
#include "NoLocalDiskDialog.h"
#include "RefreshDiskDialog.h"
#include "MainWindow/MainWindow.h"
#include "MainWindow/QuitSequence.h"
#include "Modules/ModuleLayout.h"
#include "Modules/ModuleManager.h"
#include "PageFixture.h"
#include "ProgramStart.h"
#include "RecoveryStoragePage.h"
#include "ScanProgressPanel.h"
#include "SearchDataPanel.h"
#include "SearchDataPanelMgr.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "XPushButton.h"

#include "CuteSettings.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include "FileHash.h"

#include <unistd.h>

using namespace ExportTest;

namespace {
constexpr int kWait = 60000;
QString shotsDir;
int shotNumber = 0;

// The main window as the program draws it, and the whole X screen when there is one.
void shot(const QString& name)
{
    if (shotsDir.isEmpty())
        return;
    QCoreApplication::processEvents();
    const QString base = QString("%1/%2-%3").arg(shotsDir).arg(++shotNumber, 2, 10, QChar('0')).arg(name);
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->grab().save(base + "-dialog.png");
    if (XApplication::instance() && XApplication::instance()->mainWidget())
        XApplication::instance()->mainWidget()->grab().save(base + ".png");
    if (QGuiApplication::platformName() == "xcb")
        PageFixture::run("import", {"-window", "root", base + "-screen.png"});
}

// sha256 of every regular file below dir.
QSet<QByteArray> hashesBelow(const QString& dir)
{
    QSet<QByteArray> hashes;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        hashes.insert(sha256(it.next()));
    return hashes;
}

QStringList entriesBelow(const QString& dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next().mid(dir.size() + 1);
    entries.sort();
    return entries;
}

// The device page's tile of a volume (matched by disk and volume index).
QModelIndex tileOf(HardDiskAndFolderSelectPage* page, const QDiskAndVolumeInfo& volume)
{
    QStandardItemModel* model = page->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QVariant record = index.data(DriveTileRoles::RecordRole);
        if (!record.canConvert<QDiskAndVolumeInfo>())
            continue;
        const auto tile = record.value<QDiskAndVolumeInfo>();
        if (tile.diskIndex == volume.diskIndex && tile.volIndex == volume.volIndex && !tile.fileSystem.isEmpty())
            return index;
    }
    return {};
}

RecoveryStoragePage* resultsPage()
{
    auto* app = XApplication::instance();
    auto* window = app ? qobject_cast<MainWindow*>(app->mainWidget()) : nullptr;
    if (!window)
        return nullptr;
    return window->findChild<RecoveryStoragePage*>();
}

// Acts once on the first visible top-level widget of a class that was not
// there when it started, from a timer while modal loops run.
class WidgetWatcher {
public:
    WidgetWatcher(const char* className, std::function<void(QWidget*)> act) : className_(className), act_(std::move(act))
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            before_.append(widget);
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (!widget->inherits(className_) || !widget->isVisible() || before_.contains(widget))
                    continue;
                timer_.stop();
                text_ = dialogText(widget);
                seen_ = true;
                act_(widget);
                return;
            }
        });
        timer_.start();
    }
    bool seen() const { return seen_; }
    QString text() const { return text_; }

private:
    const char* className_;
    std::function<void(QWidget*)> act_;
    QList<QPointer<QWidget>> before_;
    QTimer timer_;
    bool seen_ = false;
    QString text_;
};

// Chooses folder in the next folder picker, from a timer while it runs.
std::unique_ptr<ModalAnswerer<QFileDialog>> chooseFolder(const QString& folder)
{
    return std::make_unique<ModalAnswerer<QFileDialog>>([folder](QFileDialog* dialog) {
        shot("folder-picker");
        dialog->setDirectory(folder);
        dialog->selectFile(folder);
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
            edit->setText(folder);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

// An NTFS image filled through an ntfs-3g mount, some files deleted before
// unmounting; files lists what was written, why says why it could not be made.
PageFixture::FatImage makeNtfsImage(const QString& dir)
{
    PageFixture::FatImage image;
    image.path = dir + "/ntfs.img";
    if (getuid() != 0) {
        image.why = "the NTFS half needs root to mount the image with ntfs-3g";
        return image;
    }
    if (!QFile::exists("/dev/fuse") || !TestMounts::haveTool("mkntfs") || !TestMounts::haveTool("ntfs-3g")) {
        image.why = "the NTFS half needs /dev/fuse, mkntfs and ntfs-3g";
        return image;
    }
    image.failed = true;  // from here on a failure is the fixture's
    QFile file(image.path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(24 * 1024 * 1024)) {
        image.why = "cannot create the image file";
        return image;
    }
    file.close();
    if (!PageFixture::run("mkntfs", {"-q", "-F", "-Q", "-L", "Photos", image.path})) {
        image.why = "mkntfs failed";
        return image;
    }
    const QString mount = dir + "/ntfs.mnt";
    PageFixture::NtfsMount mounted(image.path, mount);
    if (!mounted.mounted()) {
        image.why = mounted.whyNot();
        return image;
    }
    const QString written = dir + "/ntfs-written";
    const QList<QPair<QString, int>> files = {{"Trips/2023/beach.raw", 2 * 1024 * 1024 + 17},
                                              {"Trips/notes.txt", 1},
                                              {"Trips/2023/small.txt", 600},
                                              {"taxes.pdf", 45000},
                                              {"gone/lost.bin", 300000},
                                              {"gone/tiny.txt", 90}};
    int seed = 100;
    for (const auto& entry : files) {
        QByteArray bytes(entry.second, Qt::Uninitialized);
        quint32 x = 0x9E3779B9u * quint32(++seed);
        for (int i = 0; i < entry.second; ++i) {
            x = x * 1664525u + 1013904223u;
            bytes[i] = char(x >> 24);
        }
        for (const QString& root : {mount, written}) {
            QDir().mkpath(QFileInfo(root + "/" + entry.first).path());
            QFile out(root + "/" + entry.first);
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
                image.why = "writing the files failed";
                return image;
            }
        }
        image.files << entry.first;
    }
    PageFixture::run("sync", {});
    image.deleted = QStringList{"gone/lost.bin", "gone/tiny.txt"};
    for (const QString& gone : image.deleted)
        QFile::remove(mount + "/" + gone);
    PageFixture::run("sync", {});
    image.failed = false;
    return image;
}
}  // namespace

class ResultsEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    PageFixture::FatImage fat_;
    PageFixture::FatImage ntfs_;
    std::unique_ptr<ProgramStart> program_;

    // The image's one volume in the program's device list.
    QDiskAndVolumeInfo volumeOf(const QString& imagePath)
    {
        for (const QDiskAndVolumeInfo& volume : StorageDeviceManager::instance().diskList()) {
            if (QFileInfo(volume.diskName).canonicalFilePath() == QFileInfo(imagePath).canonicalFilePath() &&
                !volume.fileSystem.isEmpty())
                return volume;
        }
        return {};
    }

    void recoverImage(const PageFixture::FatImage& image, const QString& writtenDir, const QString& name,
                      bool sameDiskFolder = false);
    void saveOntoTheScannedDisk(const PageFixture::FatImage& image, RecoveryStoragePage* page, const QString& name);

private slots:
    void initTestCase();
    void fatVolume();
    void ntfsVolume();
    void cleanupTestCase();
};

void ResultsEndToEndTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    fat_ = PageFixture::makeFatImage(dir_.path());
    if (!fat_.why.isEmpty())
        SKIP_OR_FAIL(fat_.failed, fat_.why);
    ntfs_ = makeNtfsImage(dir_.path());
    QStringList images{fat_.path};
    if (ntfs_.why.isEmpty())
        images << ntfs_.path;
    qputenv("VELMORA_IMAGES_ONLY", "1");
    qputenv("VELMORA_DISK_IMAGES", images.join(':').toUtf8());

    program_ = std::make_unique<ProgramStart>(*XApplication::instance());
    // No settling pause after the module switch: the page must exist before
    // the scan starts even when a small image is scanned in milliseconds.
    StorageDataRecoverMgr::instance()->setStartDelayMs(0);
    // Tours off: this is the user's tenth time.
    CuteSettings::instance().setValue("storageTourGuide", 0, CuteSettings::Default);
    CuteSettings::instance().setValue("recoveryToolkitTourGuide", 0, CuteSettings::Default);
    QTRY_VERIFY_WITH_TIMEOUT(program_->window()->isVisible(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!StorageDeviceManager::instance().diskList().isEmpty(), kWait);
    shot("device-page");
}

void ResultsEndToEndTest::recoverImage(const PageFixture::FatImage& image, const QString& writtenDir,
                                       const QString& name, bool sameDiskFolder)
{
    const QByteArray imageBefore = sha256(image.path);
    const QDiskAndVolumeInfo volume = volumeOf(image.path);
    QVERIFY2(!volume.fileSystem.isEmpty(), "the image's volume is not in the device list");

    // The volume's tile on the device page, double-clicked as a user does.
    QSignalSpy finished(DocumentManager::instance(), &DocumentManager::scanFinished);
    QTRY_VERIFY_WITH_TIMEOUT(program_->window()->findChild<HardDiskAndFolderSelectPage*>(), kWait);
    auto* devices = program_->window()->findChild<HardDiskAndFolderSelectPage*>();
    QModelIndex tile;
    QTRY_VERIFY_WITH_TIMEOUT((tile = tileOf(devices, volume)).isValid(), kWait);
    devices->listView()->scrollTo(tile);
    const QPoint centre = devices->listView()->visualRect(tile).center();
    QTest::mouseClick(devices->listView()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(devices->listView()->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY_WITH_TIMEOUT(resultsPage(), kWait);
    RecoveryStoragePage* page = resultsPage();
    if (!shotsDir.isEmpty() && finished.isEmpty()) {
        page->displayData()->onPauseButtonClicked();
        QTest::qWait(300);
        shot(name + "-paused-mid-scan");
        page->displayData()->onPauseButtonClicked();
    }
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, kWait);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() &&
                                 QApplication::activeModalWidget()->inherits("ScanCompleteDialog"),
                             kWait);
    shot(name + "-scan-summary");
    QApplication::activeModalWidget()->close();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
    shot(name + "-folder-listing");
    if (!shotsDir.isEmpty()) {
        SearchDataPanelMgr::instance()->setCurrentPreviewType(1);
        QTest::qWait(500);
        shot(name + "-icon-grid");
        SearchDataPanelMgr::instance()->setCurrentPreviewType(0);
        SearchDataPanelMgr::instance()->setSearchData("t");
        QTest::qWait(1000);
        shot(name + "-search-results");
        emit page->displayData()->clearSearchTextSignal(true);
        SearchDataPanelMgr::instance()->setSearchData(QString());
        QTest::qWait(300);
        page->searchPanel()->filterButton()->click();
        QTest::qWait(300);
        shot(name + "-filter-bar-open");
        page->searchPanel()->filterButton()->click();
    }

    // Recover with nothing checked: "Select All", then Recover again.
    {
        auto selectAll = answerMessage(1);
        page->progressPanel()->recoverButton()->click();
        QVERIFY(selectAll->done());
        QVERIFY(selectAll->answer()->text.contains("Please select the files you want to recover."));
    }
    QTRY_VERIFY_WITH_TIMEOUT(DocumentManager::instance()->selectedSizeAndCount().second > 0, kWait);
    QVERIFY(page->progressPanel()->recoverButton()->isEnabled());

    const QString parent = dir_.filePath("out-" + name);
    QVERIFY(QDir().mkpath(parent));
    const QString target = parent + "/Recovered";
    QVERIFY(QDir().mkpath(target));
    const QStringList besideBefore = entriesBelow(dir_.path());
    auto picker = chooseFolder(target);
    WidgetWatcher progress("DataRecoveryDialog", [name](QWidget*) { shot(name + "-recovery-progress"); });
    WidgetWatcher completion("RecoveryCompleteDialog", [name](QWidget* dialog) {
        shot(name + "-completion");
        static_cast<QDialog*>(dialog)->done(0);
    });
    page->progressPanel()->recoverButton()->click();
    QVERIFY(picker->done());
    QTRY_VERIFY_WITH_TIMEOUT(completion.seen(), kWait);
    QVERIFY2(completion.text().contains("Recovery successful."), qPrintable(completion.text()));
    QVERIFY(page->progressPanel()->recoverButton()->isEnabled());

    // One export folder, named by the time, and everything inside it.
    const QStringList exports = QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(exports.size(), 1);
    QVERIFY2(QRegularExpression("^Ostrel_\\d{6}_\\d{6}$").match(exports[0]).hasMatch(), qPrintable(exports[0]));
    QStringList besideAfter = entriesBelow(dir_.path());
    besideAfter.erase(std::remove_if(besideAfter.begin(), besideAfter.end(),
                                     [&](const QString& e) { return e.startsWith("out-" + name + "/Recovered/"); }),
                      besideAfter.end());
    QStringList expectedBeside = besideBefore;
    QCOMPARE(besideAfter, expectedBeside);

    const QSet<QByteArray> recovered = hashesBelow(target + "/" + exports[0]);
    const QString tskOut = dir_.filePath("tsk-" + name);
    QVERIFY(QDir().mkpath(tskOut));
    const bool tsk = PageFixture::run("tsk_recover", {"-e", image.path, tskOut});
    const QSet<QByteArray> sleuthKit = tsk ? hashesBelow(tskOut) : QSet<QByteArray>();
    for (const QString& file : image.files) {
        const QByteArray hash = sha256(writtenDir + "/" + file);
        QVERIFY2(recovered.contains(hash), qPrintable("not recovered: " + file));
        if (tsk)
            QVERIFY2(sleuthKit.contains(hash), qPrintable("not in tsk_recover -e's output: " + file));
    }
    if (!tsk)
        qWarning("tsk_recover is not installed: the recovered files were not compared with The Sleuth Kit's");

    // The scanned disk itself is only read.
    QCOMPARE(sha256(image.path), imageBefore);
    if (sameDiskFolder)
        saveOntoTheScannedDisk(image, page, name);

    // Back to the device page for the next volume.
    auto home = answerMessage(1);
    page->displayData()->onBackHomeButtonClicked();
    QTRY_COMPARE_WITH_TIMEOUT(ModuleManager::instance()->currentModule(), ModuleManager::StorageDevice, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!resultsPage(), kWait);
}

// A folder inside the scanned volume, mounted through a loop device: the
// program warns that saving there overwrites the lost data, and "Cancel"
// writes nothing.
void ResultsEndToEndTest::saveOntoTheScannedDisk(const PageFixture::FatImage& image, RecoveryStoragePage* page,
                                                 const QString& name)
{
    const QString mount = dir_.filePath("same-disk.mnt");
    PageFixture::NtfsMount mounted(image.path, mount);
    QVERIFY2(mounted.mounted(), qPrintable("the scanned image could not be mounted a second time: " + mounted.whyNot()));
    const QString folder = mount + "/Trips";
    const QStringList before = entriesBelow(mount);
    auto picker = chooseFolder(folder);
    WidgetWatcher warning("XMessageBox", [name](QWidget* box) {
        shot(name + "-same-disk-warning");
        clickButton(static_cast<XMessageBox*>(box), 2);
    });
    page->progressPanel()->recoverButton()->click();
    QVERIFY(picker->done());
    QTRY_VERIFY_WITH_TIMEOUT(warning.seen(), kWait);
    QVERIFY2(warning.text().contains("will overwrite the data"), qPrintable(warning.text()));
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(entriesBelow(mount), before);
}

void ResultsEndToEndTest::fatVolume()
{
    recoverImage(fat_, dir_.filePath("written"), "fat");
}

void ResultsEndToEndTest::ntfsVolume()
{
    if (!ntfs_.why.isEmpty())
        SKIP_OR_FAIL(ntfs_.failed, ntfs_.why);
    recoverImage(ntfs_, dir_.filePath("ntfs-written"), "ntfs", true);
}

void ResultsEndToEndTest::cleanupTestCase()
{
    // The quit sequence's hooks without its exit: engine, thumbnails and model stop.
    QuitSequence::runHooks();
    QuitSequence::clearHooks();
    program_.reset();
}

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const int shots = arguments.indexOf("--shots");
    if (shots > 0 && shots + 1 < arguments.size()) {
        shotsDir = QDir(arguments[shots + 1]).absolutePath();
        QDir().mkpath(shotsDir);
        arguments.removeAt(shots + 1);
        arguments.removeAt(shots);
    }
    // A private home, settings and runtime folder: the user's own stay untouched.
    QTemporaryDir session;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString path = session.filePath(QString::fromLatin1(name).toLower());
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    const QString runtime = session.filePath("run");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    if (shotsDir.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("OSTREL_ANALYTICS_URL");
    qunsetenv("OSTREL_UPDATE_URL");
    qunsetenv("OSTREL_CRASH_URL");
    qunsetenv("OSTREL_WEBSITE");

    int qtArgc = 1;
    XApplication app(qtArgc, argv);
    ResultsEndToEndTest test;
    return QTest::qExec(&test, arguments);
}

#include "ResultsEndToEndTest.moc"
