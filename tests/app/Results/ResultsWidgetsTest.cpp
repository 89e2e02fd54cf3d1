// The state indicator, the lost-partition tip and the information panel.
#include "DocumentManager.h"
#include "ImageResources.h"
#include "LanguageSettings.h"
#include "CheckableHeaderView.h"
#include "FileBrowserDelegate.h"
#include "FileBrowserModel.h"
#include "LostTipWidget.h"
#include "ModelTestSupport.h"
#include "RecoverFileInfoPanel.h"
#include "RecoverFileInfoPanelProviderDelegate.h"
#include "RecoveryStateIndicator.h"
#include "SearchGuideDialog.h"
#include "XBusyIndicator.h"
#include "XImageBox.h"
#include "XLabel.h"
#include "XPushButton.h"

#include "NameTable.h"

#include <QApplication>
#include <QListView>
#include <QMouseEvent>
#include <QMovie>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace ModelTest;

namespace {

constexpr int idleTimeout = 20000;

QString plain(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

class ResultsWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fillNameTable();
        initImageResources();
    }

    void indicatorStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("scanning") << 0 << QStringList{"Scanning data, please wait..."};
        QTest::newRow("nothing found") << 1 << QStringList{"No files found, please try again."};
        QTest::newRow("searching") << 2 << QStringList{"Searching files, please wait..."};
        QTest::newRow("no search result")
            << 3
            << QStringList{"No files found...", "1. Try again after the scan is complete.",
                           "2. Please make sure that you've entered correct words.",
                           "<p>3. The name of the file may be lost. Please <a href=\"123\">search it here</a>.</p>"};
        QTest::newRow("filtering") << 4 << QStringList{"Filtering data, please wait..."};
        QTest::newRow("no filter result")
            << 5
            << QStringList{"No files found...", "1. Wait until the scan is complete and try again.",
                           "2. You can try to reduce filters."};
    }

    void indicatorStates()
    {
        QFETCH(int, state);
        QFETCH(QStringList, texts);
        RecoveryStateIndicator indicator;
        indicator.setState(0);
        indicator.show();
        indicator.setState(state);
        QCOMPARE(indicator.state(), state);
        QStringList shown = indicator.visibleTexts();
        shown.sort();
        texts.sort();
        QCOMPARE(shown, texts);
        QCOMPARE(indicator.movie()->state() == QMovie::Running, state == 0 || state == 2);
        QCOMPARE(indicator.spinner() && indicator.spinner()->isSpinning(), state == 4);
    }

    void indicatorLinkHidingAndLanguage()
    {
        RecoveryStateIndicator indicator;
        indicator.setState(0);
        indicator.show();
        indicator.hide();
        QVERIFY(indicator.movie()->state() != QMovie::Running);
        indicator.setState(0);
        QCOMPARE(indicator.movie()->state(), QMovie::Running);

        indicator.setState(3);
        QSignalSpy guide(&indicator, &RecoveryStateIndicator::clickToSearchGuidence);
        emit indicator.linkLabel()->linkActivated(QStringLiteral("123"));
        QCOMPARE(guide.count(), 1);
        indicator.setState(5);
        QVERIFY(indicator.linkLabel()->isHidden());
        indicator.setState(1);
        const int pages = indicator.pages()->count();
        for (XLabel* label : indicator.findChildren<XLabel*>())
            label->setText(QString());
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&indicator, &change);
        QCOMPARE(indicator.visibleTexts(), QStringList{"No files found, please try again."});
        QCOMPARE(indicator.pages()->count(), pages);  // pages are kept, never rebuilt
        indicator.setState(9);                        // unknown: no page change
        QCOMPARE(indicator.visibleTexts(), QStringList{"No files found, please try again."});
    }

    void lostTipKinds_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("title");
        QTest::newRow("lost partition") << 6 << true << "What is a \"Lost Partition\"?";
        QTest::newRow("lost partition folder") << 8 << true << "What is a \"Lost Partition\"?";
        QTest::newRow("unmounted") << 9 << true << "What is an \"Unmounted Partition\"?";
        QTest::newRow("unallocated") << 12 << true << "What is an \"Unallocated Partition\"?";
        QTest::newRow("lost names") << 17 << true << "What are \"Lost-name files\"?";
        QTest::newRow("lost paths") << 18 << false << "";
        QTest::newRow("plain folder") << 16 << false << "";
    }

    void lostTipKinds()
    {
        QFETCH(int, code);
        QFETCH(bool, shown);
        QFETCH(QString, title);
        QWidget window;
        auto* tip = new LostTipWidget(&window);
        window.show();
        tip->setKind(quint8(code));
        QCOMPARE(tip->isVisible(), shown);
        if (shown)
            QCOMPARE(tip->title(), title);
    }

    void closedKindsStayClosed()
    {
        QWidget window;
        auto* tip = new LostTipWidget(&window);
        window.show();
        tip->setKind(6);
        QVERIFY(tip->isVisible());
        tip->closeButton()->click();
        QVERIFY(!tip->isVisible());
        QCOMPARE(tip->closedKinds(), 2);
        tip->setKind(7);
        QVERIFY(!tip->isVisible());
        tip->setKind(9);
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->body(), QStringLiteral("Partitions may appear unmounted if hidden or lacking a drive letter."));
    }

    // The needed height follows the width and the kind: a narrow window wraps the body into more lines.
    void heightFollowsWidthAndKind()
    {
        LostTipWidget tip;
        tip.setKind(17);
        QVERIFY(tip.hasHeightForWidth());
        const int wide = tip.heightForWidth(1200);
        const int narrow = tip.heightForWidth(300);
        QVERIFY2(narrow > wide, qPrintable(QStringLiteral("%1 vs %2").arg(narrow).arg(wide)));
        QVERIFY(wide >= 60);
        tip.setKind(9);
        QVERIFY(tip.heightForWidth(300) < narrow);
    }

    void panelFieldsAndButton()
    {
        auto manager = std::make_unique<DocumentManager>();
        manager->resetForScan(volumeTarget());
        FoundFile photo;
        photo.path = "\\one\\two\\three\\<b>x<b> & y.jpg";
        manager->onEngineEvent(mountedVolume(), photo.info());
        FoundFile text;
        text.path = "\\notes.zzz";
        manager->onEngineEvent(mountedVolume(), text.info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        DocumentInfo* jpg = nullptr;
        DocumentInfo* other = nullptr;
        for (DocumentInfo* r : manager->allFileRecords())
            (DocumentInfo::fileName(r).endsWith(".jpg") ? jpg : other) = r;
        QVERIFY(jpg && other);

        RecoverFileInfoPanel panel;
        panel.resize(230, 600);
        panel.show();
        QSignalSpy open(&panel, &RecoverFileInfoPanel::openClicked);
        QCOMPARE(panel.rows()->rowCount(), 5);
        QCOMPARE(panel.button()->text(), QStringLiteral("Open"));
        panel.button()->click();
        QCOMPARE(open.count(), 0);

        panel.setDocument(QVariant::fromValue(jpg));
        QCOMPARE(panel.button()->text(), QStringLiteral("Preview"));
        const QString nameRow = RecoverFileInfoPanelProviderDelegate::formatRow(0, panel.rows()->item(0)->text());
        QCOMPARE(plain(nameRow), QStringLiteral("Name\n<b>x<b> & y.jpg"));
        QCOMPARE(panel.rows()->item(2)->text(), QStringLiteral("Photo"));
        QCOMPARE(panel.rows()->item(3)->text(), DocumentInfo::sizeText(jpg));
        QCOMPARE(panel.rows()->item(4)->text(), QStringLiteral("sdb1/one/two/three/<b>x<b> & y.jpg"));
        panel.button()->click();
        QCOMPARE(open.count(), 1);
        QCOMPARE(open[0][0].value<DocumentInfo*>(), jpg);

        // A new language reaches the shown record's rows at once, not at the next click.
        // (The application refills the name table on the language signal, before the change event.)
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageGerman));
        fillNameTable();
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&panel, &change);
        const QString germanPhoto = panel.rows()->item(2)->text();
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish));
        fillNameTable();
        QCOMPARE(germanPhoto, QStringLiteral("Foto"));
        QCoreApplication::sendEvent(&panel, &change);
        QCOMPARE(panel.rows()->item(2)->text(), QStringLiteral("Photo"));

        // A thumbnail for another record changes nothing; the current one's shows.
        QPixmap red(40, 30);
        red.fill(Qt::red);
        panel.onThumbnailLoaded(qulonglong(reinterpret_cast<quintptr>(other)), red, true);
        QVERIFY(panel.imageBox()->grab().toImage().pixelColor(panel.imageBox()->width() / 2,
                                                              panel.imageBox()->height() / 2) != QColor(Qt::red));
        panel.onThumbnailLoaded(qulonglong(reinterpret_cast<quintptr>(jpg)), red, true);
        QVERIFY(panel.imageBox()->grab().toImage().pixelColor(panel.imageBox()->width() / 2,
                                                              panel.imageBox()->height() / 2) == QColor(Qt::red));

        panel.setDocument(QVariant::fromValue(other));
        QCOMPARE(panel.button()->text(), QStringLiteral("Preview"));  // any found file, 29 to 38
        panel.setDocument(QVariant::fromValue(manager->findFolderNode(QStringLiteral("sdb1/one"))->record));
        QCOMPARE(panel.button()->text(), QStringLiteral("Open"));
        panel.setDocument(QVariant());
        for (int row = 0; row < 5; ++row)
            QVERIFY(panel.rows()->item(row)->text().isEmpty());
    }

    // Press table over the hit areas of a search row, with the signal each emits.
    void delegatePresses_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("signal");
        QTest::newRow("check box") << "box" << int(Qt::LeftButton) << int(QEvent::MouseButtonPress) << "toggled";
        QTest::newRow("check box twice") << "box" << int(Qt::LeftButton) << int(QEvent::MouseButtonDblClick) << "toggled";
        QTest::newRow("View>") << "link" << int(Qt::LeftButton) << int(QEvent::MouseButtonPress) << "view";
        QTest::newRow("row") << "row" << int(Qt::LeftButton) << int(QEvent::MouseButtonPress) << "clicked";
        QTest::newRow("row double") << "row" << int(Qt::LeftButton) << int(QEvent::MouseButtonDblClick) << "double";
        QTest::newRow("right button") << "row" << int(Qt::RightButton) << int(QEvent::MouseButtonPress) << "";
    }

    void delegatePresses()
    {
        QFETCH(QString, where);
        QFETCH(int, button);
        QFETCH(int, type);
        QFETCH(QString, signal);
        auto manager = std::make_unique<DocumentManager>();
        manager->resetForScan(volumeTarget());
        FoundFile f;
        f.path = "\\a\\b.jpg";
        manager->onEngineEvent(mountedVolume(), f.info());
        QVERIFY(manager->waitForIdle(idleTimeout));
        QListView list;
        FileBrowserModel model(&list);
        model.setDocuments(manager->allFileRecords());
        model.setViewDisplayMode(4);
        FileBrowserDelegate delegate(&list);
        QSignalSpy toggled(&delegate, &FileBrowserDelegate::itemCheckStateToggled);
        QSignalSpy view(&delegate, &FileBrowserDelegate::viewActionTriggered);
        QSignalSpy clicked(&delegate, &FileBrowserDelegate::itemClicked);
        QSignalSpy doubled(&delegate, &FileBrowserDelegate::itemDoubleClicked);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 760, 48);
        option.font = QApplication::font();
        const QPoint at = where == "box" ? delegate.checkBoxArea(option, false).center()
                          : where == "link" ? delegate.viewLinkArea(option).center()
                                            : QPoint(200, 24);
        QMouseEvent event(QEvent::Type(type), at, Qt::MouseButton(button), Qt::MouseButton(button), Qt::NoModifier);
        delegate.editorEvent(&event, &model, option, model.index(0, 0));
        QCOMPARE(toggled.count(), signal == "toggled" ? 1 : 0);
        QCOMPARE(view.count(), signal == "view" ? 1 : 0);
        QCOMPARE(clicked.count(), signal == "clicked" ? 1 : 0);
        QCOMPARE(doubled.count(), signal == "double" ? 1 : 0);
    }

    // Size: ascending first, then descending, then ascending; after resetSort
    // Name goes descending; the Path title is inert; the box sends the next state.
    void headerSortsAndChecks()
    {
        QListView list;
        FileBrowserModel model(&list);
        CheckableHeaderView header(Qt::Horizontal);
        header.setModel(&model);
        header.resize(760, 40);
        header.resizeSection(0, 300);
        for (int s = 1; s < 5; ++s)
            header.resizeSection(s, 110);
        header.show();
        QSignalSpy sorted(&header, &CheckableHeaderView::sortButtonClicked);
        QSignalSpy checked(&header, &CheckableHeaderView::checkBoxClicked);
        auto clickSection = [&](int section) {
            QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(header.sectionViewportPosition(section) + 60, 20));
        };
        for (int i = 0; i < 3; ++i)
            clickSection(3);
        QCOMPARE(sorted.count(), 3);
        QCOMPARE(sorted[0], (QVariantList{3, QVariant::fromValue(Qt::AscendingOrder), true}));
        QCOMPARE(sorted[1], (QVariantList{3, QVariant::fromValue(Qt::DescendingOrder), false}));
        QCOMPARE(sorted[2], (QVariantList{3, QVariant::fromValue(Qt::AscendingOrder), false}));
        header.resetSort();
        clickSection(0);
        QCOMPARE(sorted.count(), 4);
        QCOMPARE(sorted[3], (QVariantList{0, QVariant::fromValue(Qt::DescendingOrder), false}));
        clickSection(4);
        QCOMPARE(sorted.count(), 4);

        const QPoint box(header.sectionViewportPosition(0) + 12 + 5, 20);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, box);
        header.setCheckState(1);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, box);
        header.setCheckState(2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, box);
        QCOMPARE(checked.count(), 3);
        QCOMPARE(checked[0][0].value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(checked[1][0].value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(checked[2][0].value<Qt::CheckState>(), Qt::Unchecked);
        QCOMPARE(sorted.count(), 4);  // the box is no section click
    }

    void searchGuideClosesOnOk()
    {
        SearchGuideDialog guide;
        guide.show();
        QVERIFY(guide.isVisible());
        QVERIFY(guide.minimumWidth() >= 520);
        guide.okButton()->click();
        QTRY_VERIFY(!guide.isVisible());
    }

    void fittingAndPathForm()
    {
        const QSize box(198, 131);
        QPixmap small(50, 40);
        small.fill(Qt::blue);
        QPixmap big(800, 530);
        big.fill(Qt::blue);
        const QPixmap fitted = RecoverFileInfoPanel::fitted(big, box);
        QVERIFY(fitted.width() <= 198 && fitted.height() <= 131);
        QCOMPARE(fitted.toImage().pixelColor(0, 0).alpha(), 0);  // rounded corner
        QCOMPARE(RecoverFileInfoPanel::displayPath(QStringLiteral("/a//b/c/d/e")), QStringLiteral("a/b/c/d/e"));
    }
};

QTEST_MAIN(ResultsWidgetsTest)
#include "ResultsWidgetsTest.moc"
