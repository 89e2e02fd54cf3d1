// Search and find over a synthetic tree, and the search panel's state.
#include "DocumentManager.h"
#include "FileFilterManager.h"
#include "ModelTestSupport.h"
#include "NameMatcher.h"
#include "SearchDataPanelMgr.h"

#include "NameTable.h"

#include <QSignalSpy>
#include <QTest>

#include <future>
#include <memory>
#include <mutex>
#include <thread>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;

using CancelFlag = QSharedPointer<QAtomicInteger<bool>>;

struct Fixture {
    Fixture()
    {
        manager->resetForScan(volumeTarget());
        for (const char* p : {"\\2021\\2.txt", "\\2021\\x.jpg", "\\docs\\file10.txt", "\\docs\\File2.txt",
                              "\\docs\\a2b.pdf", "\\other.txt"}) {
            FoundFile f;
            f.path = p;
            f.size = 100;
            manager->onEngineEvent(mountedVolume(), f.info());
        }
        QVERIFY(manager->waitForIdle(idleTimeout));
        QObject::connect(manager.get(), &DocumentManager::searchDocumentsCompleted, manager.get(), [this] {
            std::lock_guard lock(mutex);
            ++searches;
        }, Qt::DirectConnection);
        QObject::connect(manager.get(), &DocumentManager::findDocumentsCompleted, manager.get(),
                         [this](const QString&, int, const QVector<DocumentInfo*>& documents, const QVariant& p) {
                             std::lock_guard lock(mutex);
                             finds.append({documents, p});
                         }, Qt::DirectConnection);
    }
    QStringList names(const QVector<DocumentInfo*>& records)
    {
        QStringList list;
        for (const DocumentInfo* r : records)
            list.append(DocumentInfo::fileName(r));
        return list;
    }
    QStringList search(const QString& text)
    {
        manager->startDocumentSearch(text, CancelFlag::create(false));
        [&] { QVERIFY(manager->waitForIdle(idleTimeout)); }();
        return names(manager->findResults());
    }
    // Holds the thread in a task until the returned promise is set.
    std::shared_ptr<std::promise<void>> block()
    {
        auto gate = std::make_shared<std::promise<void>>();
        auto released = gate->get_future().share();
        manager->postTask(DocumentManager::Unknown, [released] { released.wait(); });
        return gate;
    }

    std::unique_ptr<DocumentManager> manager = std::make_unique<DocumentManager>();
    std::mutex mutex;
    int searches = 0;
    QList<QPair<QVector<DocumentInfo*>, QVariant>> finds;
};

} // namespace

class BridgeSearchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillNameTable(); }

    // The folder 2021 matches "2" and stands for its inside; results in natural order.
    void matchingFolderIsNotSearchedInside()
    {
        Fixture f;
        QCOMPARE(f.search("2"), (QStringList{"2021", "a2b.pdf", "File2.txt"}));
        QCOMPARE(f.searches, 1);
        QCOMPARE(f.manager->searchResultSizeAndCount(), (QPair<quint64, quint64>{200, 3}));
        QCOMPARE(f.search("FILE").size(), 2);
        // An empty text matches the top entries, which stand for everything below them.
        QCOMPARE(f.search(""), (QStringList{"2021", "docs", "other.txt"}));
    }

    // The byte matcher answers exactly as QString::contains ignoring case on the decoded
    // name, for every needle over every name: ASCII and non-ASCII on both sides, letters
    // whose folding crosses into ASCII (Kelvin sign, long s), supplementary letters, bytes
    // that are not UTF-8.
    void matcherEqualsDecodedContains()
    {
        const QList<QByteArray> names{"", "a", "IMG_2021.JPG", "file10.txt", "Kelvin.txt", "\xE2\x84\xAA" "elvin",
                                      "Ma\xC3\x9F" "e.doc", "MASSE", "\xC5\xBF" "ki", "\xC3\x84rger.pdf",
                                      "\xC3\xA4rger", "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.jpg",
                                      "\xCF\x83\xCE\xBF\xCF\x86", "\xE4\xB8\xAD\xE6\x96\x87" "2.png",
                                      "\xF0\x90\x90\x80x", "\xF0\x90\x90\xA8X", "bad\xFF\xFEk",
                                      "cut\xE2\x84", "\xC4\xB0stanbul", "istanbul", "\xEF\xBC\xA1" "b"};
        const QStringList needles{"", "2", "k", "K", "s", "S", "img_", "TXT", "elvin", "ss",
                                  QString::fromUtf8("\xC3\x9F"), QString::fromUtf8("\xC3\xA4"),
                                  QString::fromUtf8("\xC3\x84R"), QString::fromUtf8("\xCF\x83"),
                                  QString::fromUtf8("\xCE\xA3\xCE\x9F"), QString::fromUtf8("\xE2\x84\xAA"),
                                  QString::fromUtf8("\xC5\xBF"), QString::fromUtf8("\xE4\xB8\xAD"),
                                  QString::fromUtf8("\xF0\x90\x90\xA8"), QString::fromUtf8("\xEF\xBF\xBD"),
                                  QString::fromUtf8("\xC4\xB0"), "i", QString::fromUtf8("\xEF\xBD\x81"), "ab"};
        for (const QString& needle : needles) {
            const NameMatcher matcher(needle);
            for (const QByteArray& name : names) {
                const bool expected = QString::fromUtf8(name).contains(needle, Qt::CaseInsensitive);
                QVERIFY2(matcher.matchesName(name.constData(), name.size()) == expected,
                         qPrintable(QStringLiteral("%1 in %2").arg(needle, QString::fromUtf8(name))));
            }
        }
    }

    // The search finds a name written with the Kelvin sign by "k", as the decoded text does.
    void searchFoldsLikeTheDecodedName()
    {
        Fixture f;
        FoundFile kelvin;
        kelvin.path = "\\docs\\\xE2\x84\xAA" "elvin.txt";
        kelvin.size = 5;
        f.manager->onEngineEvent(mountedVolume(), kelvin.info());
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.search("kel"), (QStringList{QString::fromUtf8("\xE2\x84\xAA" "elvin.txt")}));
    }

    // Thousands of files in folders of hundreds: the search runs in parallel
    // units on the walk pool and finds exactly the serial answer, the same
    // every time (ThreadSanitizer watches the pool's hand-overs).
    void largeSearchFindsEveryMatch()
    {
        Fixture f;
        QStringList wanted;
        for (int i = 0; i < 3000; ++i) {
            FoundFile file;
            const QString name = QStringLiteral("n%1.txt").arg(i);
            file.path = QStringLiteral("\\many\\d%1\\%2").arg(i % 5).arg(name).toStdString();
            file.size = 10;
            f.manager->onEngineEvent(mountedVolume(), file.info());
            if (name.contains(QLatin1String("77")))
                wanted.append(name);
        }
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        const QStringList first = f.search("77");
        QStringList found = first;
        found.sort();
        wanted.sort();
        QCOMPARE(found, wanted);
        QCOMPARE(f.manager->searchResultSizeAndCount(), (QPair<quint64, quint64>{quint64(wanted.size()) * 10,
                                                                                 quint64(wanted.size())}));
        for (int again = 0; again < 5; ++again)
            QCOMPARE(f.search("77"), first);
    }

    void cancelledSearchSendsNothing()
    {
        Fixture f;
        f.search("2");
        f.manager->startDocumentSearch("x", CancelFlag::create(true));
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.searches, 1);
        // The old results were cleared.
        QVERIFY(f.manager->findResults().isEmpty());
        QCOMPARE(f.manager->searchResultSizeAndCount().second, 0ull);
    }

    void findAnswers()
    {
        Fixture f;
        // A given list comes back reversed, whatever the column.
        QVector<DocumentInfo*> three = f.manager->allFileRecords().mid(0, 3);
        f.manager->findDocuments("any", 1, 3, Qt::AscendingOrder, 7, three);
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.finds.size(), 1);
        QCOMPARE(f.finds[0].first, (QVector<DocumentInfo*>{three[2], three[1], three[0]}));
        QCOMPARE(f.finds[0].second, QVariant(7));
        // A folder's children in natural order; an unknown path answers empty.
        f.manager->findDocuments("sdb1/docs", 1, 0, Qt::AscendingOrder);
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.names(f.finds[1].first), (QStringList{"a2b.pdf", "File2.txt", "file10.txt"}));
        f.manager->findDocuments("sdb1/nowhere", 1, 0, Qt::AscendingOrder);
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QVERIFY(f.finds[2].first.isEmpty());
    }

    // With a filter: folder results are opened and their passing files matched
    // against the panel's text.
    void findInFilteredSearchResults()
    {
        Fixture f;
        f.search("2");
        FileFilterManager::instance()->setFileTypeFilter(0x8, {});  // documents
        f.manager->setFilterCriteriaUpdated(4);
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        SearchDataPanelMgr::instance()->setSearchData("2");
        f.manager->findDocuments(QString(), 4, 0, Qt::AscendingOrder);
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.names(f.finds.last().first), (QStringList{"2.txt", "a2b.pdf", "File2.txt"}));
        FileFilterManager::instance()->resetFilters(false);
        SearchDataPanelMgr::instance()->setSearchData(QString());
    }

    // A find behind which a search waits, or one dropped by a release, sends nothing.
    void staleFindsAreDropped()
    {
        Fixture f;
        auto gate = f.block();
        f.manager->findDocuments("sdb1/docs", 1);
        f.manager->startDocumentSearch("x", CancelFlag::create(false));
        gate->set_value();
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.finds.size(), 0);
        QCOMPARE(f.searches, 1);

        gate = f.block();
        f.manager->findDocuments("sdb1/docs", 1);
        std::thread release([&] { f.manager->clearDocumentCache(); });
        QTest::qWait(50);
        gate->set_value();
        release.join();
        QVERIFY(f.manager->waitForIdle(idleTimeout));
        QCOMPARE(f.finds.size(), 0);
    }

    void panelState()
    {
        SearchDataPanelMgr panel;
        QCOMPARE(panel.searchData(), QString());
        QVERIFY(!panel.currentPath().isValid());
        QCOMPARE(panel.currentPreviewType(), 1);
        QSignalSpy text(&panel, &SearchDataPanelMgr::searchDataChanged);
        panel.setSearchData("a");
        panel.setSearchData("a");
        QCOMPARE(text.count(), 2);
        QSignalSpy crumb(&panel, &SearchDataPanelMgr::breadcrumbPathChanged);
        QSignalSpy tree(&panel, &SearchDataPanelMgr::fileSystemTreePathChanged);
        panel.setBreadcrumbPath("x");
        panel.setFileSystemTreePath("y");
        QCOMPARE(panel.currentPath(), QVariant("y"));
        QCOMPARE(crumb.count(), 1);
        QCOMPARE(tree.count(), 1);
    }
};

QTEST_GUILESS_MAIN(BridgeSearchTest)
#include "BridgeSearchTest.moc"
