// The navigator and its folder tree: nodes made before it exists, the switch,
// check toggles, tool tips, withdrawal on destruction, and a real FAT32 scan
// compared with The Sleuth Kit's folder list.
#include "DocumentManager.h"
#include "ImageResources.h"
#include "FileSystemPathNavigato.h"
#include "FileSystemPathTreeDelegate.h"
#include "FileSystemPathTreeModel.h"
#include "FileSystemPathTreeProxyModel.h"
#include "FileSystemPathTreeView.h"
#include "FileTreeNodeObserverRegistry.h"
#include "ModelTestSupport.h"
#include "ResultsTestSupport.h"
#include "StorageDataRecoverMgr.h"
#include "StorageDeviceManager.h"
#include "XTreeView.h"

#include "NameTable.h"
#include "MountSupport.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>

#include <atomic>
#include <memory>

using namespace ModelTest;
using namespace ResultsTest;

namespace {

bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (out)
        *out = process.readAllStandardOutput();
    return ok;
}

QStringList folderPaths(const FileSystemPathTreeModel& model, const QModelIndex& top)
{
    QStringList paths;
    QVector<QModelIndex> stack;
    for (int r = 0; r < model.rowCount(top); ++r)
        stack << model.index(r, 0, top);
    while (!stack.isEmpty()) {
        const QModelIndex index = stack.takeLast();
        paths << index.data(FileSystemPathTreeModel::PathRole).toString();
        for (int r = 0; r < model.rowCount(index); ++r)
            stack << model.index(r, 0, index);
    }
    paths.sort();
    return paths;
}

QStyleOptionViewItem rowOption(const QRect& rect)
{
    QStyleOptionViewItem option;
    option.rect = rect;
    option.font = QApplication::font();
    return option;
}

} // namespace

class ResultsTreeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fillNameTable();
        initImageResources();
    }
    void cleanup() { FileTreeNodeObserverRegistry::instance().reset(); }

    // Nodes made before the navigator, and while it catches up, all appear;
    // later ones arrive through the batched events.
    void earlyAndLateNodesAllAppear()
    {
        auto manager = newManager();
        send(manager.get(), "\\early\\deep\\a.jpg");
        manager->waitForIdle(idleTimeout);
        FileSystemPathNavigato navigator(manager.get());
        const FileSystemPathTreeModel& model = *navigator.tree()->model();
        QVERIFY(model.indexForPath(QStringLiteral("sdb1/early/deep")).isValid());
        send(manager.get(), "\\late\\b.jpg");
        send(manager.get(), "\\early\\deep\\deeper\\c.jpg");
        manager->waitForIdle(idleTimeout);
        QTRY_VERIFY(model.indexForPath(QStringLiteral("sdb1/early/deep/deeper")).isValid());
        QCOMPARE(folderPaths(model, model.index(0, 0)),
                 (QStringList{"sdb1/early", "sdb1/early/deep", "sdb1/early/deep/deeper", "sdb1/late"}));
    }

    void destroyingTheNavigatorWithdrawsItsObserver()
    {
        auto manager = newManager();
        auto navigator = std::make_unique<FileSystemPathNavigato>(manager.get());
        QCOMPARE(FileTreeNodeObserverRegistry::instance().size(), 1);
        send(manager.get(), "\\x\\a.jpg");
        manager->waitForIdle(idleTimeout);
        navigator.reset();  // a flush is still queued for it
        QCOMPARE(FileTreeNodeObserverRegistry::instance().size(), 0);
        send(manager.get(), "\\y\\a.jpg");
        manager->waitForIdle(idleTimeout);
        QCoreApplication::processEvents();
    }

    void switchAnnouncesTheCurrentRow()
    {
        auto manager = newManager();
        send(manager.get(), "\\d\\a.jpg");
        manager->waitForIdle(idleTimeout);
        FileSystemPathNavigato navigator(manager.get());
        QSignalSpy selected(&navigator, &FileSystemPathNavigato::itemSelectedChanged);
        navigator.pathButton()->click();
        QVERIFY(navigator.pathButton()->isChecked());
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected[0][0].toInt(), 1);
        QCOMPARE(selected[0][1].toString(), QStringLiteral("Data (sdb1)"));
        navigator.typeButton()->click();
        QVERIFY(navigator.typeButton()->isChecked());
        QVERIFY(!navigator.pathButton()->isChecked());
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected[1][0].toInt(), 2);
        QCOMPARE(selected[1][1].toString(), QStringLiteral("All Files"));
        navigator.setViewMode(4);  // neither bit: buttons stay, the tree shows nothing
        QVERIFY(navigator.typeButton()->isChecked());
        QCOMPARE(navigator.viewMode(), 4);
        QCOMPARE(navigator.tree()->proxy()->rowCount(), 0);
    }

    void languageChangeRelabels()
    {
        auto manager = newManager();
        FileSystemPathNavigato navigator(manager.get());
        navigator.pathButton()->setText(QString());
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&navigator, &change);
        QCOMPARE(navigator.pathButton()->text(), QStringLiteral("File Path"));
        QCOMPARE(navigator.typeButton()->text(), QStringLiteral("File Type"));
    }

    // Press table over the check box: count 0 is inert; checked goes to 0; partly checked and unchecked go to 2.
    void checkToggles()
    {
        auto manager = newManager();
        send(manager.get(), "\\d\\a.jpg");
        send(manager.get(), "\\e\\b.jpg");
        manager->waitForIdle(idleTimeout);
        FileSystemPathNavigato navigator(manager.get());
        FileSystemPathTreeView* view = navigator.tree();
        QSignalSpy requested(view, &FileSystemPathTreeView::nodeCheckStateRequested);
        QSignalSpy clicked(view->delegate(), &FileSystemPathTreeDelegate::itemClicked);
        FileTreeNode* d = manager->findFolderNode(QStringLiteral("sdb1/d"));
        FileTreeNode* e = manager->findFolderNode(QStringLiteral("sdb1/e"));
        d->record->exchangeCheckState(false, 2);
        e->record->exchangeCheckState(false, 1);
        auto press = [&](const QString& path, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
            const QModelIndex index = view->proxy()->mapFromSource(view->model()->indexForPath(path));
            const QStyleOptionViewItem option = rowOption(QRect(0, 0, 240, 36));
            QMouseEvent event(QEvent::MouseButtonPress, at, button, button, Qt::NoModifier);
            return view->delegate()->editorEvent(&event, view->proxy(), option, index);
        };
        const QPoint box(6, 18);
        QVERIFY(press("sdb1/d", box));
        QVERIFY(press("sdb1/e", box));
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested[0][1].toInt(), 0);
        QCOMPARE(requested[1][1].toInt(), 2);
        QCOMPARE(requested[1][0].toString(), QStringLiteral("sdb1/e"));
        QVERIFY(press("sdb1/d", box, Qt::RightButton));
        QCOMPARE(requested.count(), 2);
        QVERIFY(press("sdb1/d", QPoint(120, 18)));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(requested.count(), 2);

        // A row counting no files cannot be checked (the document manager is done with the requests first).
        QVERIFY(manager->waitForIdle(idleTimeout));
        e->storeFileCount(0);
        QVERIFY(press("sdb1/e", box));
        QCOMPARE(requested.count(), 2);
    }

    void toolTipsShowNamesAsText()
    {
        const QString tip = FileSystemPathTreeDelegate::plainToolTip(QStringLiteral("<b>x</b> & y"));
        QVERIFY(Qt::mightBeRichText(tip));
        QTextDocument document;
        document.setHtml(tip);
        QCOMPARE(document.toPlainText(), QStringLiteral("<b>x</b> & y"));
    }

    // A FAT32 image made by mkfs.fat and mtools, scanned through the bridge while
    // the navigator watches: its folders are exactly those fls lists.
    void fatScanMatchesFls()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString image = dir.filePath(QStringLiteral("fat32.img"));
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mmd"), QStringLiteral("mcopy"), QStringLiteral("fls"));
        QVERIFY(run(QStringLiteral("mkfs.fat"), {"-F", "32", "-C", image, "65536"}));
        const QString notes = dir.filePath(QStringLiteral("notes.txt"));
        {
            QFile out(notes);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QByteArray(3000, 'n'));
        }
        for (const char* folder : {"::/Photos", "::/Photos/2023", "::/Photos/2023/Trip", "::/Docs", "::/Docs/Old",
                                   "::/Empty"}) {
            QVERIFY(run(QStringLiteral("mmd"), {"-i", image, folder}));
        }
        for (const char* target : {"::/Photos/2023/Trip/a.txt", "::/Photos/2023/b.txt", "::/Docs/Old/c.txt",
                                   "::/Docs/d.txt", "::/top.txt"})
            QVERIFY(run(QStringLiteral("mcopy"), {"-i", image, notes, target}));
        QVERIFY(run(QStringLiteral("mdel"), {"-i", image, "::/Docs/Old/c.txt"}));
        QVERIFY(run(QStringLiteral("mdel"), {"-i", image, "::/Photos/2023/b.txt"}));

        QByteArray listing;
        QVERIFY(run(QStringLiteral("fls"), {"-r", "-D", "-p", image}, &listing));
        QStringList expected;
        for (const QString& line : QString::fromUtf8(listing).split(QLatin1Char('\n'))) {
            const int tab = line.indexOf(QLatin1Char('\t'));
            if (tab < 0)
                continue;
            const QString path = line.mid(tab + 1);
            if (!path.startsWith(QLatin1Char('$')))
                expected << path;
        }
        QVERIFY(expected.contains(QStringLiteral("Photos/2023/Trip")));
        // The model builds folders from the files found in them: an empty folder has no row.
        QByteArray files;
        QVERIFY(run(QStringLiteral("fls"), {"-r", "-F", "-p", image}, &files));
        const QString fileList = QString::fromUtf8(files);
        expected.erase(std::remove_if(expected.begin(), expected.end(),
                                      [&](const QString& folder) {
                                          return !fileList.contains(QLatin1Char('\t') + folder + QLatin1Char('/'));
                                      }),
                       expected.end());
        QVERIFY(!expected.contains(QStringLiteral("Empty")));
        QVERIFY(expected.contains(QStringLiteral("Docs/Old")));  // holds only a deleted file

        qputenv("VELMORA_IMAGES_ONLY", "1");
        qputenv("VELMORA_DISK_IMAGES", image.toUtf8());
        const QVector<QDiskAndVolumeInfo> list = StorageDeviceManager::instance().refreshDiskList();
        QCOMPARE(list.size(), 1);
        StorageDataRecoverMgr::instance()->setStartDelayMs(0);
        DocumentManager* manager = DocumentManager::instance();
        // Both signals come from worker threads: counted directly, not through a spy.
        std::atomic<int> started{0};
        std::atomic<int> finished{0};
        const auto onStart = connect(manager, &DocumentManager::scanStarted, manager, [&] { ++started; },
                                     Qt::DirectConnection);
        const auto onFinish = connect(manager, &DocumentManager::scanFinished, manager, [&] { ++finished; },
                                      Qt::DirectConnection);
        StorageDataRecoverMgr::instance()->startVolumeScan(list[0], Volume);
        QVERIFY(QTest::qWaitFor([&] { return started.load() > 0; }, 30000));
        FileSystemPathNavigato navigator(manager);
        QVERIFY(QTest::qWaitFor([&] { return finished.load() > 0; }, 60000));
        disconnect(onStart);
        disconnect(onFinish);
        QVERIFY(StorageDataRecoverMgr::instance()->waitForStarters(30000));
        QVERIFY(manager->waitForIdle(30000));
        QTest::qWait(50);
        navigator.flushTreeEvents();

        const FileSystemPathTreeModel& model = *navigator.tree()->model();
        QStringList found;
        for (const QString& path : folderPaths(model, model.index(0, 0)))
            found << path.mid(path.indexOf(QLatin1Char('/')) + 1);
        found.removeAll(QString());
        expected.sort();
        QCOMPARE(found, expected);
        StorageDataRecoverMgr::instance()->releaseScanData();
    }
};

QTEST_MAIN(ResultsTreeTest)
#include "ResultsTreeTest.moc"
