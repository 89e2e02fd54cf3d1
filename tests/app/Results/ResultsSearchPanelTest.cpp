// The breadcrumb (elision, clicks, cursor, tool tip) and the search panel above
// the results (Home and Return looks, back and crumb navigation written back
// through SearchDataPanelMgr, the filter button and its dot, the search box).
#include "AnalyticsLog.h"
#include "BreadcrumbView.h"
#include "FileFilterManager.h"
#include "GaService.h"
#include "ImageResources.h"
#include "SearchConfig.h"
#include "SearchDataPanel.h"
#include "SearchDataPanelMgr.h"
#include "SizeText.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"
#include "XSearchBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

SearchConfig config(int kind, const QStringList& crumbs, const QString& text)
{
    SearchConfig c;
    c.kind = quint16(kind);
    c.pathParts = crumbs;
    c.text = text;
    return c;
}

void showLocation(const SearchConfig& c)
{
    SearchDataPanelMgr::instance()->setBreadcrumbPath(QVariant::fromValue(c));
}

QPoint centreOfRow(BreadcrumbView& view, int row)
{
    return view.visualRect(view.itemModel()->index(row, 0)).center();
}

QStringList itemTexts(BreadcrumbView& view)
{
    QStringList texts;
    for (int row = 0; row < view.itemModel()->rowCount(); ++row)
        texts << view.itemModel()->item(row)->text();
    return texts;
}

} // namespace

class ResultsSearchPanelTest : public QObject {
    Q_OBJECT

    AnalyticsLog analytics_;

private slots:
    void initTestCase()
    {
        QVERIFY(analytics_.start());
        initImageResources();
        SearchConfig::registerMetaType();
    }
    void cleanup() { FileFilterManager::instance()->resetFilters(false); }

    // Shrinking a row of five crumbs walks through every elision step of the middle.
    void elisionSequence()
    {
        const QStringList full{"Volume", "Users", "Pictures", "Holidays", "Beaches"};
        BreadcrumbView view;
        view.show();
        QList<QStringList> seen;
        for (int width = 700; width >= 30; width -= 2) {
            view.resize(width, 32);
            view.setPath(full);
            if (seen.isEmpty() || seen.last() != view.crumbs())
                seen << view.crumbs();
        }
        const QList<QStringList> expected{full,
                                          {"Volume", "Users", "....", "Holidays", "Beaches"},
                                          {"Volume", "Users", "....", "Beaches"},
                                          {"Volume", "....", "Beaches"},
                                          {"Volume", "...."}};
        QCOMPARE(seen, expected);
        QCOMPARE(itemTexts(view), (QStringList{"Volume", "\\", "...."}));
        QCOMPARE(view.itemModel()->item(2)->data(BreadcrumbView::KindRole).toBool(), true);

        // Widening lays out the elided list again; only a new path brings the crumbs back.
        view.resize(700, 32);
        QCOMPARE(view.crumbs(), (QStringList{"Volume", "...."}));
        view.setPath(full);
        QCOMPARE(view.crumbs(), full);
    }

    void shortPathsAreNeverElided_data()
    {
        QTest::addColumn<QStringList>("crumbs");
        QTest::newRow("one") << QStringList{"A very long volume name that cannot fit"};
        QTest::newRow("two") << QStringList{"A very long volume name", "and a long folder name"};
    }

    void shortPathsAreNeverElided()
    {
        QFETCH(QStringList, crumbs);
        BreadcrumbView view;
        view.resize(30, 32);
        view.show();
        view.setPath(crumbs);
        QCOMPARE(view.crumbs(), crumbs);
        QCOMPARE(view.itemModel()->rowCount(), crumbs.size() * 2 - 1);
    }

    void clicksAndCursor()
    {
        BreadcrumbView view;
        view.resize(600, 32);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setPath({"Data (sdb1)", "Users", "ann", "Docs"});
        QCOMPARE(itemTexts(view), (QStringList{"Data (sdb1)", "\\", "Users", "\\", "ann", "\\", "Docs"}));
        QSignalSpy clicked(&view, &BreadcrumbView::pathClicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOfRow(view, 4));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first(), (QVariantList{4, QStringLiteral("ann")}));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOfRow(view, 3));  // a separator
        QCOMPARE(clicked.size(), 1);

        const auto moveTo = [&](const QPoint& point) {
            QMouseEvent move(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view.viewport(), &move);
            return view.viewport()->cursor().shape();
        };
        QCOMPARE(moveTo(centreOfRow(view, 2)), Qt::PointingHandCursor);
        QCOMPARE(moveTo(centreOfRow(view, 1)), Qt::ArrowCursor);
        QCOMPARE(moveTo(centreOfRow(view, 6)), Qt::PointingHandCursor);
        QCOMPARE(moveTo(QPoint(590, 16)), Qt::ArrowCursor);  // past the last crumb
        moveTo(centreOfRow(view, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view.viewport(), &leave);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);

        view.resize(160, 32);
        view.setPath({"Data (sdb1)", "Users", "ann", "Docs", "Old"});
        const int ellipsisRow = itemTexts(view).indexOf("....");
        QVERIFY(ellipsisRow > 0);
        QCOMPARE(moveTo(centreOfRow(view, ellipsisRow)), Qt::ArrowCursor);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOfRow(view, ellipsisRow));
        QCOMPARE(clicked.size(), 1);
    }

    void toolTipShowsMarkupLiterally()
    {
        BreadcrumbView view;
        view.resize(600, 32);
        view.setPath({"Data (sdb1)", "<b>x</b>", "a & b"});
        const QString tip = view.toolTip();
        QVERIFY(Qt::mightBeRichText(tip));
        QTextDocument document;
        document.setHtml(tip);
        QCOMPARE(document.toPlainText(), QStringLiteral("Data (sdb1)\\<b>x</b>\\a & b"));
        view.setPath({});
        QVERIFY(view.toolTip().isEmpty());
        QCOMPARE(view.itemModel()->rowCount(), 0);
    }

    void homeAndReturnLooks()
    {
        SearchDataPanel panel;
        panel.resize(1100, 66);
        panel.show();
        showLocation(config(1, {"Data (sdb1)", "Users"}, "sdb1/Users"));
        QCOMPARE(panel.homeButton()->text(), QStringLiteral("Home"));
        QCOMPARE(panel.homeButton()->backgroundColors().first(), QColor("#FFFFFF"));
        QCOMPARE(panel.homeButton()->textColors().first(), QColor("#64748B"));
        QVERIFY(panel.breadcrumb()->isVisible() && panel.locationIcon()->isVisible());
        QVERIFY(panel.countLabel()->isHidden() && panel.searchIcon()->isHidden());

        SearchConfig search = config(4, {}, QString());
        search.matchCount = 1234;
        search.totalBytes = 1536;
        showLocation(search);
        QCOMPARE(panel.homeButton()->text(), QStringLiteral("Return"));
        QCOMPARE(panel.homeButton()->backgroundColors(),
                 (QVector<QColor>{QColor("#2563EB"), QColor("#0349E3"), QColor("#0349E3"), QColor("#D7D7D7")}));
        QVERIFY(panel.countLabel()->isVisible() && panel.searchIcon()->isVisible());
        QVERIFY(panel.breadcrumb()->isHidden() && panel.locationIcon()->isHidden());
        QCOMPARE(panel.countLabel()->text(),
                 QStringLiteral("1,234 (%1) items are found.").arg(formatFileSize(1536, 2, false)));

        // A search config with crumbs (a folder inside the results) keeps the Return look with the breadcrumb.
        showLocation(config(4, {"Data (sdb1)"}, "sdb1"));
        QCOMPARE(panel.homeButton()->text(), QStringLiteral("Return"));
        QVERIFY(panel.breadcrumb()->isVisible() && panel.countLabel()->isHidden());
    }

    void startsFromTheKeptLocation()
    {
        showLocation(config(4, {"Data (sdb1)"}, "sdb1"));
        SearchDataPanel panel;
        QCOMPARE(panel.homeButton()->text(), QStringLiteral("Return"));
        QVERIFY(panel.backButton()->isEnabled());
        QCOMPARE(panel.breadcrumb()->crumbs(), QStringList{"Data (sdb1)"});
    }

    void backButtonEnabling_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("crumbs");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("home, no crumb") << 1 << 0 << false;
        QTest::newRow("home, one crumb") << 1 << 1 << false;
        QTest::newRow("home, two crumbs") << 1 << 2 << true;
        QTest::newRow("types, two crumbs") << 2 << 2 << true;
        QTest::newRow("return, no crumb") << 4 << 0 << false;
        QTest::newRow("return, one crumb") << 4 << 1 << true;
    }

    void backButtonEnabling()
    {
        QFETCH(int, kind);
        QFETCH(int, crumbs);
        QFETCH(bool, enabled);
        SearchDataPanel panel;
        QStringList parts;
        for (int i = 0; i < crumbs; ++i)
            parts << QStringLiteral("c%1").arg(i);
        showLocation(config(kind, parts, parts.join('/')));
        QCOMPARE(panel.backButton()->isEnabled(), enabled);
    }

    void crumbClickTrimsTheLocation_data()
    {
        QTest::addColumn<QStringList>("crumbs");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QStringList>("expectedCrumbs");
        QTest::addColumn<QString>("expectedPath");
        const QStringList four{"Data (sdb1)", "Users", "ann", "Docs"};
        QTest::newRow("first of four") << four << "sdb1/Users/ann/Docs" << 0 << "Data (sdb1)"
                                       << QStringList{"Data (sdb1)"} << "sdb1";
        QTest::newRow("third of four") << four << "sdb1/Users/ann/Docs" << 4 << "ann"
                                       << QStringList{"Data (sdb1)", "Users", "ann"} << "sdb1/Users/ann";
        QTest::newRow("last of four") << four << "/sdb1//Users/ann/Docs/" << 6 << "Docs" << four
                                      << "sdb1/Users/ann/Docs";
        // Shown as Data, x, ...., x, c: the second "x" sits at row 6 (index 3), found at index 4.
        const QStringList repeated{"Data (sdb1)", "x", "b", "y", "x", "c"};
        QTest::newRow("repeated crumb after the ellipsis")
            << repeated << "sdb1/x/b/y/x/c" << 6 << "x" << QStringList(repeated.mid(0, 5)) << "sdb1/x/b/y/x";
        QTest::newRow("repeated crumb before the ellipsis")
            << repeated << "sdb1/x/b/y/x/c" << 2 << "x" << QStringList(repeated.mid(0, 2)) << "sdb1/x";
        QTest::newRow("no match") << four << "sdb1/Users/ann/Docs" << 2 << "gone" << four << "sdb1/Users/ann/Docs";
    }

    void crumbClickTrimsTheLocation()
    {
        QFETCH(QStringList, crumbs);
        QFETCH(QString, path);
        QFETCH(int, row);
        QFETCH(QString, node);
        QFETCH(QStringList, expectedCrumbs);
        QFETCH(QString, expectedPath);
        SearchDataPanel panel;
        showLocation(config(1, crumbs, path));
        QSignalSpy changed(SearchDataPanelMgr::instance(), &SearchDataPanelMgr::fileSystemTreePathChanged);
        emit panel.breadcrumb()->pathClicked(row, node);
        QCOMPARE(changed.size(), 1);
        const SearchConfig result = SearchConfig::fromVariant(changed.first().first().value<QVariant>());
        QCOMPARE(result.pathParts, expectedCrumbs);
        QCOMPARE(result.text, expectedPath);
        QCOMPARE(result.kind, quint16(1));
    }

    void backDropsOneCrumbAndOneComponent()
    {
        SearchDataPanel panel;
        showLocation(config(1, {"Data (sdb1)", "Users", "ann"}, "sdb1/Users/ann"));
        QSignalSpy changed(SearchDataPanelMgr::instance(), &SearchDataPanelMgr::fileSystemTreePathChanged);
        panel.backButton()->click();
        QCOMPARE(changed.size(), 1);
        SearchConfig result = SearchConfig::fromVariant(changed.first().first().value<QVariant>());
        QCOMPARE(result.pathParts, (QStringList{"Data (sdb1)", "Users"}));
        QCOMPARE(result.text, QStringLiteral("sdb1/Users"));

        showLocation(config(4, {}, QString()));
        emit panel.backButton()->clicked();  // disabled in the UI; still hands the location back unchanged
        QCOMPARE(changed.size(), 2);
        result = SearchConfig::fromVariant(changed.last().first().value<QVariant>());
        QVERIFY(result.pathParts.isEmpty() && result.text.isEmpty());
    }

    void filterDotFollowsTheFilter()
    {
        SearchDataPanel panel;
        panel.resize(1100, 66);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(panel.filterDot()->isHidden());
        FileFilterManager::instance()->setFileStateFilter(true);
        QVERIFY(panel.filterDot()->isVisible());
        QCOMPARE(panel.filterButton()->textColors().first(), QColor("#2563EB"));
        QCOMPARE(panel.filterButton()->backgroundColors().first(), QColor("#EBF5FF"));
        const QRect button(panel.filterButton()->mapTo(&panel, QPoint(0, 0)), panel.filterButton()->size());
        QCOMPARE(panel.filterDot()->pos(), QPoint(button.right() - 7, button.top() - 3));
        FileFilterManager::instance()->setFileStateFilter(false);  // nothing active any more
        QVERIFY(panel.filterDot()->isHidden());
        QCOMPARE(panel.filterButton()->textColors().first(), QColor("#64748B"));
        QCOMPARE(panel.filterButton()->backgroundColors().first(), QColor("#FFFFFF"));
    }

    void filterButtonUnfoldsTheBar()
    {
        SearchDataPanel panel;
        auto* bar = new QWidget;
        bar->setFixedHeight(54);
        panel.setFilterBar(bar);
        panel.resize(1100, 66);
        panel.show();
        QVERIFY(bar->isHidden());
        QSignalSpy toggled(&panel, &SearchDataPanel::filterToggled);
        panel.filterButton()->click();
        QCOMPARE(panel.minimumHeight(), 120);
        QVERIFY(bar->isVisible());
        QTRY_VERIFY(panel.height() >= 120);
        panel.filterButton()->click();
        QCOMPARE(panel.minimumHeight(), 66);
        QCOMPARE(panel.maximumHeight(), 66);
        QVERIFY(bar->isHidden());
        QCOMPARE(toggled.size(), 2);
    }

    void breadcrumbGetsAShareOfTheWidth()
    {
        QWidget holder;  // a child is not held to its layout's minimum width
        holder.resize(1200, 66);
        auto* panel = new SearchDataPanel(&holder);
        showLocation(config(1, {"Data (sdb1)", "Users"}, "sdb1/Users"));
        holder.show();
        panel->resize(460, 66);
        QCOMPARE(panel->width(), 460);
        QCOMPARE(panel->breadcrumb()->minimumWidth(), 200);
    }

    // The breadcrumb's share of a wide panel must not hold the window at that width.
    void panelShrinksBackAfterAWideWindow()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* panel = new SearchDataPanel(&window);
        layout->addWidget(panel);
        showLocation(config(1, {"Data (sdb1)", "Users"}, "sdb1/Users"));
        window.resize(1920, 66);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(panel->breadcrumb()->minimumWidth(), int(1920 / 2.3));
        window.resize(1100, 66);
        QTRY_COMPARE(panel->width(), 1100);
        QCOMPARE(panel->breadcrumb()->minimumWidth(), int(1100 / 2.3));
    }

    // A path set before the panel was first shown (its row not laid out yet) shows whole once it is.
    void pathSetBeforeTheFirstShowIsWhole()
    {
        QWidget holder;
        holder.resize(1600, 66);
        auto* panel = new SearchDataPanel(&holder);
        panel->resize(1600, 66);
        const QStringList crumbs{"Data (sdb1)", "Users", "ann", "Pictures", "Holidays in the mountains 2023"};
        showLocation(config(1, crumbs, "sdb1/Users/ann/Pictures/Holidays in the mountains 2023"));
        QVERIFY(panel->breadcrumb()->crumbs().contains("...."));  // laid out at the unshown width
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        QTRY_COMPARE(panel->breadcrumb()->crumbs(), crumbs);
    }

    void homeDuringASearchClearsTheBox()
    {
        SearchDataPanel panel;
        QSignalSpy home(&panel, &SearchDataPanel::homeButtonClicked);
        QSignalSpy searched(SearchDataPanelMgr::instance(), &SearchDataPanelMgr::searchDataChanged);
        showLocation(config(4, {}, QString()));
        panel.searchBox()->lineEdit()->setText("holiday");
        panel.homeButton()->click();
        QVERIFY(panel.searchBox()->lineEdit()->text().isEmpty());
        QCOMPARE(searched.size(), 1);
        QCOMPARE(searched.first().first().toString(), QString());
        QCOMPARE(home.size(), 0);
        QTRY_COMPARE(analytics_.events("SearchFilter"), QStringList{"SearchBackHome/"});

        showLocation(config(1, {"Data (sdb1)"}, "sdb1"));
        panel.homeButton()->click();
        QCOMPARE(home.size(), 1);
        QCOMPARE(searched.size(), 1);
        waitForGaEvents(30000);
        QTest::qWait(50);
        QCOMPARE(analytics_.events("SearchFilter"), QStringList{"SearchBackHome/"});

        panel.searchBox()->lineEdit()->setText("x");
        panel.clearSearchText();  // silent by default
        QVERIFY(panel.searchBox()->lineEdit()->text().isEmpty());
        QCOMPARE(searched.size(), 1);
    }

    // Separators and the ellipsis are measured in "Calibri" (Carlito here), crumbs in the view's font.
    void crumbSizes()
    {
        BreadcrumbView view;
        view.resize(600, 32);
        view.setPath({"Data", "Users"});
        QCOMPARE(QFontInfo(BreadcrumbDelegate::separatorFont()).family(), QStringLiteral("Carlito"));
        QStyleOptionViewItem option;
        option.font = view.font();
        BreadcrumbDelegate delegate;
        const QSize separator = delegate.sizeHint(option, view.itemModel()->index(1, 0));
        QCOMPARE(separator, QSize(4 + QFontMetrics(BreadcrumbDelegate::separatorFont()).horizontalAdvance("\\"), 32));
        const QSize crumb = delegate.sizeHint(option, view.itemModel()->index(2, 0));
        QCOMPARE(crumb.width(), 4 + QFontMetrics(BreadcrumbDelegate::crumbFont(view.font())).horizontalAdvance("Users"));
    }

    void languageChangeRetranslates()
    {
        SearchDataPanel panel;
        showLocation(config(4, {}, QString()));
        panel.homeButton()->setText("x");
        panel.filterButton()->setText("y");
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&panel, &change);
        QCOMPARE(panel.homeButton()->text(), QStringLiteral("Return"));
        QCOMPARE(panel.filterButton()->text(), QStringLiteral("Filter"));
        QCOMPARE(panel.searchBox()->lineEdit()->placeholderText(), QStringLiteral("Search"));
    }

    void viewSwitch()
    {
        SearchDataPanel panel;
        QSignalSpy preview(SearchDataPanelMgr::instance(), &SearchDataPanelMgr::currentPreviewTypeChanged);
        panel.thumbnailButton()->click();
        QCOMPARE(SearchDataPanelMgr::instance()->currentPreviewType(), 1);
        panel.listButton()->click();
        QCOMPARE(SearchDataPanelMgr::instance()->currentPreviewType(), 0);
        QCOMPARE(preview.size(), 2);
    }
};

QTEST_MAIN(ResultsSearchPanelTest)
#include "ResultsSearchPanelTest.moc"
