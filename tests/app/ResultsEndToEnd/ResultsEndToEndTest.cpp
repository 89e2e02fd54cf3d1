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
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeProxyModel.h"
#include "FileSystemPathTreeView.h"
#include "FileFilterManager.h"
#include "GuideManagement.h"
#include "GuideStepAbstract.h"
#include "XTreeView.h"
#include "HardDiskAndFolderSelectDelegate.h"
#include "HardDiskAndFolderSelectPage.h"
#include "LockedSpy.h"
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
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include "FileHash.h"

#include <atomic>

#include <unistd.h>

using namespace ExportTest;

namespace {
constexpr int kWait = 60000;

// Style sheets Qt could not parse while the program ran: each one leaves a widget unstyled.
std::atomic<int> styleSheetErrors{0};
QtMessageHandler testLogHandler = nullptr;
void countStyleSheetErrors(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Could not parse stylesheet")))
        ++styleSheetErrors;
    if (testLogHandler)
        testLogHandler(type, context, message);
}
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

// Relative path -> sha256 of every regular file below dir.
QMap<QString, QByteArray> treeBelow(const QString& dir)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(path.mid(dir.size() + 1), sha256(path));
    }
    return tree;
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
// started, when given, gets the folder the picker opened in.
std::unique_ptr<ModalAnswerer<QFileDialog>> chooseFolder(const QString& folder, QString* started = nullptr)
{
    return std::make_unique<ModalAnswerer<QFileDialog>>([folder, started](QFileDialog* dialog) {
        shot("folder-picker");
        if (started)
            *started = QDir(dialog->directory()).absolutePath();
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
    void openScannedVolume(const PageFixture::FatImage& image, const QString& name, RecoveryStoragePage** opened,
                           bool newUser = false);
    void selectAllThroughThePrompt(RecoveryStoragePage* page);
    void recoverChecked(RecoveryStoragePage* page, const QString& name, QString* exportFolder);
    void compareWithSleuthKit(const PageFixture::FatImage& image, const QString& exportFolder, const QString& onlyBelow);
    void goHome(RecoveryStoragePage* page);
    QModelIndex treeRow(RecoveryStoragePage* page, const std::function<bool(const QModelIndex&)>& test);
    void clickTreeBox(RecoveryStoragePage* page, const QModelIndex& row);
    // Ticks the box of the folder view's row named name and waits for the check.
    void tickTreeFolder(RecoveryStoragePage* page, const QString& name, QModelIndex* row);
    int tskRuns_ = 0;
    QString lastChosen_;
    void saveOntoTheScannedDisk(const PageFixture::FatImage& image, RecoveryStoragePage* page, const QString& name);

private slots:
    void initTestCase();
    void init();
    void newUserFirstScan();
    void fatVolume();
    void ntfsVolume();
    void unmountedTilesNameTheirDisk();
    void folderBoxInTheTree();
    void typeBoxInTheTypeView();
    void filterEndsWithItsScan();
    void cleanup();
    void cleanupTestCase();
};

void ResultsEndToEndTest::initTestCase()
{
    testLogHandler = qInstallMessageHandler(countStyleSheetErrors);
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

// From the device page to a finished scan on the results page, its summary closed.
void ResultsEndToEndTest::openScannedVolume(const PageFixture::FatImage& image, const QString& name,
                                            RecoveryStoragePage** opened, bool newUser)
{
    // A test that failed on the results page left it open: start from the devices.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        QCoreApplication::processEvents();
    }
    if (RecoveryStoragePage* left = resultsPage()) {
        QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
        goHome(left);
    }
    const QDiskAndVolumeInfo volume = volumeOf(image.path);
    QVERIFY2(!volume.fileSystem.isEmpty(), "the image's volume is not in the device list");

    // The volume's tile on the device page, double-clicked as a user does.
    // Emitted on the model thread.
    LockedSpy finished(DocumentManager::instance(), &DocumentManager::scanFinished);
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
    if (newUser) {
        // The results tour is on screen; the scan's end, delivered to the page,
        // opens nothing over it until the user has gone through it.
        GuideManagement* tour = RecoveryToolkitGuideManagement::instance();
        QVERIFY(tour->overlay()->isVisible());
        QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
        shot(name + "-tour-after-the-scan");
        for (int step = 0; step < tour->stack()->count(); ++step)
            QTest::mouseClick(tour->step(step)->actionButton(), Qt::LeftButton);
        QVERIFY(!tour->overlay()->isVisible());
    }
    QTRY_VERIFY2_WITH_TIMEOUT(QApplication::activeModalWidget() &&
                                  QApplication::activeModalWidget()->inherits("ScanCompleteDialog"),
                              qPrintable(QStringLiteral("the modal window is %1, the scan state %2")
                                             .arg(QApplication::activeModalWidget()
                                                      ? QLatin1String(QApplication::activeModalWidget()->metaObject()->className())
                                                      : QLatin1String("none"))
                                             .arg(DocumentManager::instance()->state())),
                              kWait);
    shot(name + "-scan-summary");
    QApplication::activeModalWidget()->close();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
    *opened = page;
}

// Recover with nothing checked: the prompt's "Select All" checks everything.
void ResultsEndToEndTest::selectAllThroughThePrompt(RecoveryStoragePage* page)
{
    auto selectAll = answerMessage(1);
    page->progressPanel()->recoverButton()->click();
    QVERIFY(selectAll->done());
    QVERIFY(selectAll->answer()->text.contains("Please select the files you want to recover."));
    QTRY_VERIFY_WITH_TIMEOUT(DocumentManager::instance()->selectedSizeAndCount().second > 0, kWait);
    QVERIFY(page->progressPanel()->recoverButton()->isEnabled());
}

// Recover what is checked into a new folder chosen in Qt's dialog; exportFolder
// is the one folder the export made there, and nothing else changed beside it.
void ResultsEndToEndTest::recoverChecked(RecoveryStoragePage* page, const QString& name, QString* exportFolder)
{
    const QString parent = dir_.filePath("out-" + name);
    QVERIFY(QDir().mkpath(parent));
    const QString target = parent + "/Recovered";
    QVERIFY(QDir().mkpath(target));
    const QStringList besideBefore = entriesBelow(dir_.path());
    QString started;
    auto picker = chooseFolder(target, &started);
    WidgetWatcher progress("DataRecoveryDialog", [name](QWidget*) { shot(name + "-recovery-progress"); });
    WidgetWatcher completion("RecoveryCompleteDialog", [name](QWidget* dialog) {
        shot(name + "-completion");
        static_cast<QDialog*>(dialog)->done(0);
    });
    page->progressPanel()->recoverButton()->click();
    QVERIFY(picker->done());
    // The picker opens in the folder chosen last, and before any export in the
    // (private, not scanned) home folder.
    QCOMPARE(started, lastChosen_.isEmpty() ? QDir::homePath() : lastChosen_);
    lastChosen_ = target;
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
    QCOMPARE(besideAfter, besideBefore);
    *exportFolder = target + "/" + exports[0];
}

// The export folder against tsk_recover -e's tree, path by path: below the one
// volume folder, every file tsk_recover writes under onlyBelow (NTFS system
// files and orphans aside) is there with the same bytes, and the export holds
// nothing else under onlyBelow, nor anything outside it when onlyBelow is set.
// A deleted FAT entry has lost its first letter on the disk: such names are
// compared without it.
void ResultsEndToEndTest::compareWithSleuthKit(const PageFixture::FatImage& image, const QString& exportFolder,
                                               const QString& onlyBelow)
{
    REQUIRE_TOOLS(QStringLiteral("tsk_recover"));
    const QString tskOut = dir_.filePath(QString("tsk-%1").arg(++tskRuns_));
    QVERIFY(QDir().mkpath(tskOut));
    QByteArray output;
    QVERIFY2(PageFixture::run("tsk_recover", {"-e", image.path, tskOut}, &output),
             qPrintable("tsk_recover -e failed: " + QString::fromLocal8Bit(output)));

    const QStringList volumes = QDir(exportFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(volumes.size(), 1);
    const QMap<QString, QByteArray> ours = treeBelow(exportFolder + "/" + volumes[0]);
    const QMap<QString, QByteArray> theirs = treeBelow(tskOut);
    QSet<QString> deleted;
    for (const QString& path : image.deleted)
        deleted.insert(path);
    const bool fat = image.path.endsWith("card.img");
    auto key = [&](const QString& path) {
        const int slash = path.lastIndexOf('/');
        const QString folder = path.left(slash + 1);
        const QString name = path.mid(slash + 1);
        for (const QString& gone : deleted) {
            if (fat && gone.startsWith(folder) && gone.lastIndexOf('/') == slash &&
                gone.mid(slash + 2).compare(name.mid(1), Qt::CaseInsensitive) == 0)
                return "deleted:" + gone;
        }
        return path;
    };
    auto inScope = [&](const QString& path) { return onlyBelow.isEmpty() || path.startsWith(onlyBelow + "/"); };

    QMap<QString, QByteArray> expected;
    for (auto it = theirs.cbegin(); it != theirs.cend(); ++it) {
        if (it.key().startsWith('$') || !inScope(it.key()))
            continue;
        expected.insert(key(it.key()), it.value());
    }
    QVERIFY2(!expected.isEmpty(), "tsk_recover wrote nothing to compare with");
    QMap<QString, QByteArray> got;
    for (auto it = ours.cbegin(); it != ours.cend(); ++it) {
        // tsk_recover leaves the NTFS system files out.
        if (!fat && it.key().startsWith('$'))
            continue;
        if (!onlyBelow.isEmpty())
            QVERIFY2(inScope(it.key()), qPrintable("recovered outside " + onlyBelow + ": " + it.key()));
        const QString k = key(it.key());
        // Files found only by the signature search have no tsk_recover counterpart.
        if (expected.contains(k) || inScope(it.key()))
            got.insert(k, it.value());
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(got.contains(it.key()), qPrintable("not recovered: " + it.key()));
        QVERIFY2(got.value(it.key()) == it.value(), qPrintable("other bytes than tsk_recover's: " + it.key()));
    }
    for (auto it = got.cbegin(); it != got.cend(); ++it)
        QVERIFY2(expected.contains(it.key()), qPrintable("recovered, but not in tsk_recover's tree: " + it.key()));
}

void ResultsEndToEndTest::goHome(RecoveryStoragePage* page)
{
    auto home = answerMessage(1);
    page->displayData()->onBackHomeButtonClicked();
    QTRY_COMPARE_WITH_TIMEOUT(ModuleManager::instance()->currentModule(), ModuleManager::StorageDevice, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!resultsPage(), kWait);
}

void ResultsEndToEndTest::recoverImage(const PageFixture::FatImage& image, const QString& writtenDir,
                                       const QString& name, bool sameDiskFolder)
{
    const QByteArray imageBefore = sha256(image.path);
    RecoveryStoragePage* page = nullptr;
    openScannedVolume(image, name, &page);
    if (!page)
        return;
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

    selectAllThroughThePrompt(page);
    if (QTest::currentTestFailed())
        return;
    QString exportFolder;
    recoverChecked(page, name, &exportFolder);
    if (exportFolder.isEmpty())
        return;

    const QSet<QByteArray> recovered = hashesBelow(exportFolder);
    for (const QString& file : image.files)
        QVERIFY2(recovered.contains(sha256(writtenDir + "/" + file)), qPrintable("not recovered: " + file));
    compareWithSleuthKit(image, exportFolder, QString());
    if (QTest::currentTestFailed())
        return;

    // The scanned disk itself is only read.
    QCOMPARE(sha256(image.path), imageBefore);
    if (sameDiskFolder)
        saveOntoTheScannedDisk(image, page, name);

    // Back to the device page for the next volume.
    goHome(page);
}

// The row of the found folder or type folder that test accepts, made visible.
QModelIndex ResultsEndToEndTest::treeRow(RecoveryStoragePage* page, const std::function<bool(const QModelIndex&)>& test)
{
    FileSystemPathTreeView* tree = page->displayData()->navigator()->tree();
    tree->treeView()->expandAll();
    QAbstractItemModel* proxy = tree->proxy();
    QVector<QModelIndex> stack;
    for (int r = 0; r < proxy->rowCount(); ++r)
        stack << proxy->index(r, 0);
    while (!stack.isEmpty()) {
        const QModelIndex index = stack.takeLast();
        if (test(index)) {
            tree->treeView()->scrollTo(index);
            return index;
        }
        for (int r = 0; r < proxy->rowCount(index); ++r)
            stack << proxy->index(r, 0, index);
    }
    return {};
}

// A click on the row's check box, where the user's mouse goes.
void ResultsEndToEndTest::clickTreeBox(RecoveryStoragePage* page, const QModelIndex& row)
{
    XTreeView* view = page->displayData()->navigator()->tree()->treeView();
    const QRect rect = view->visualRect(row);
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 4 + 3, rect.center().y()));
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
    QString started;
    auto picker = chooseFolder(folder, &started);
    WidgetWatcher warning("XMessageBox", [name](QWidget* box) {
        shot(name + "-same-disk-warning");
        clickButton(static_cast<XMessageBox*>(box), 2);
    });
    page->progressPanel()->recoverButton()->click();
    QVERIFY(picker->done());
    // A second export of the function: the picker opens in the folder of the first.
    QVERIFY(!lastChosen_.isEmpty());
    QCOMPARE(started, lastChosen_);
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

// The volumes of two images are both unmounted partitions: their tooltips tell
// them apart by label, disk and file system.
void ResultsEndToEndTest::unmountedTilesNameTheirDisk()
{
    QList<QPair<PageFixture::FatImage, QStringList>> images{{fat_, {"CARD", "card.img", "FAT32"}}};
    if (ntfs_.why.isEmpty())
        images.append({ntfs_, {"Photos", "ntfs.img", "NTFS"}});
    for (const auto& [image, expected] : images) {
        const QDiskAndVolumeInfo volume = volumeOf(image.path);
        QVERIFY2(!volume.fileSystem.isEmpty(), qPrintable(image.path));
        const QString tip = HardDiskAndFolderSelectDelegate::unmountedToolTip(volume);
        for (const QString& part : expected)
            QVERIFY2(tip.contains(part), qPrintable(tip));
        QVERIFY2(tip.contains(translateDisplayName(volume.displayName)), qPrintable(tip));
    }
}

void ResultsEndToEndTest::tickTreeFolder(RecoveryStoragePage* page, const QString& name, QModelIndex* row)
{
    *row = treeRow(page, [&name](const QModelIndex& index) {
        return index.data(FileSystemPathTreeModel::ViewModeRole).toInt() == 1 &&
               index.data(FileSystemPathTreeModel::NameRole).toString() == name;
    });
    QVERIFY(row->isValid());
    clickTreeBox(page, *row);
    QTRY_COMPARE_WITH_TIMEOUT(row->data(FileSystemPathTreeModel::CheckStateRole).toInt(), 2, kWait);
    QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
}

// A tick on one folder's box in the tree checks exactly that folder's files.
void ResultsEndToEndTest::folderBoxInTheTree()
{
    RecoveryStoragePage* page = nullptr;
    openScannedVolume(fat_, "fat-folder", &page);
    if (!page)
        return;
    QModelIndex docs;
    tickTreeFolder(page, "docs", &docs);
    if (QTest::currentTestFailed())
        return;
    // Its parent holds other folders too: partly checked.
    QCOMPARE(docs.parent().data(FileSystemPathTreeModel::CheckStateRole).toInt(), 1);
    QCOMPARE(DocumentManager::instance()->selectedSizeAndCount().second, quint64(4));
    QString exportFolder;
    recoverChecked(page, "fat-folder", &exportFolder);
    if (exportFolder.isEmpty())
        return;
    compareWithSleuthKit(fat_, exportFolder, "docs");
    goHome(page);
}

// A first scan as a new user: the results tour shows, the summary follows it,
// a folder ticked in the tree is recovered into the offered folder (the home
// folder: no export yet), never "/".
void ResultsEndToEndTest::newUserFirstScan()
{
    CuteSettings::instance().setValue("recoveryToolkitTourGuide", 1, CuteSettings::Default);
    RecoveryToolkitGuideManagement::instance()->stack()->setCurrentIndex(0);
    RecoveryStoragePage* page = nullptr;
    openScannedVolume(fat_, "new-user", &page, true);
    QCOMPARE(CuteSettings::instance().value("recoveryToolkitTourGuide", 1, CuteSettings::Default).toInt(), 0);
    if (!page)
        return;
    QModelIndex docs;
    tickTreeFolder(page, "docs", &docs);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(lastChosen_.isEmpty());
    QVERIFY(QDir::homePath() != QLatin1String("/"));
    QString exportFolder;
    recoverChecked(page, "new-user", &exportFolder);
    if (exportFolder.isEmpty())
        return;
    compareWithSleuthKit(fat_, exportFolder, "docs");
    goHome(page);
}

// A tick on a type folder's box in the File Type view checks the files of that type.
void ResultsEndToEndTest::typeBoxInTheTypeView()
{
    RecoveryStoragePage* page = nullptr;
    openScannedVolume(fat_, "fat-type", &page);
    if (!page)
        return;
    FileSystemPathNavigato* navigator = page->displayData()->navigator();
    navigator->typeButton()->click();
    const QModelIndex photos = treeRow(page, [](const QModelIndex& index) {
        return index.data(FileSystemPathTreeModel::ViewModeRole).toInt() == 2 &&
               index.data(FileSystemPathTreeModel::TypeCodeRole).toInt() == 19;
    });
    QVERIFY(photos.isValid());
    clickTreeBox(page, photos);
    QTRY_COMPARE_WITH_TIMEOUT(photos.data(FileSystemPathTreeModel::CheckStateRole).toInt(), 2, kWait);
    QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
    const QString exportFolder = [&] {
        QString folder;
        recoverChecked(page, "fat-type", &folder);
        return folder;
    }();
    if (exportFolder.isEmpty())
        return;
    // The two pictures, at their own paths, with their own bytes.
    const QStringList volumes = QDir(exportFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(volumes.size(), 1);
    const QMap<QString, QByteArray> ours = treeBelow(exportFolder + "/" + volumes[0]);
    QCOMPARE(ours.keys(), QStringList({"DCIM/2024/badge.png", "DCIM/sunset.jpg"}));
    for (auto it = ours.cbegin(); it != ours.cend(); ++it)
        QCOMPARE(it.value(), sha256(dir_.filePath("written/" + it.key())));
    navigator->pathButton()->click();
    goHome(page);
}

// A filter set on one scan does not reach the next: after Home and a new scan,
// "Select All" and Recover bring every file back.
void ResultsEndToEndTest::filterEndsWithItsScan()
{
    RecoveryStoragePage* page = nullptr;
    openScannedVolume(fat_, "fat-filtered", &page);
    if (!page)
        return;
    FileFilterManager::instance()->setFileTypeFilter(0x1, {});
    DocumentManager::instance()->setFilterCriteriaUpdated(1);
    QVERIFY(DocumentManager::instance()->waitForIdle(kWait));
    goHome(page);
    if (QTest::currentTestFailed())
        return;
    page = nullptr;
    openScannedVolume(fat_, "fat-after-filter", &page);
    if (!page)
        return;
    selectAllThroughThePrompt(page);
    if (QTest::currentTestFailed())
        return;
    QString exportFolder;
    recoverChecked(page, "fat-after-filter", &exportFolder);
    if (exportFolder.isEmpty())
        return;
    compareWithSleuthKit(fat_, exportFolder, QString());
    goHome(page);
}

// Every style sheet of the results page, its filter bar and dialogs parses.
// Each function starts as a user who has not exported yet in this run: the
// picker's first folder does not hang on which function ran before.
void ResultsEndToEndTest::init()
{
    CuteSettings::instance().setValue(QStringLiteral("exportExistingDirectory"), QVariant(), CuteSettings::Memory);
    lastChosen_.clear();
}

void ResultsEndToEndTest::cleanup()
{
    QCOMPARE(styleSheetErrors.exchange(0), 0);
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
