// The filter bar and its drop-downs driven with mouse and key events: the
// shared popup and debounce mechanics, Reset, and what each control hands to
// FileFilterManager (read back from its stored criteria).
#include "AdvanceFilterComboBox.h"
#include "AppManager.h"
#include "CheckableHeaderView.h"
#include "Application/XApplication.h"
#include "FileFilterManager.h"
#include "FileSizeComboBox.h"
#include "FileTypeComboBox.h"
#include "FilterDataPanel.h"
#include "GaService.h"
#include "LocalHttpServer.h"
#include "TestHome.h"
#include "ImageResources.h"
#include "ModifiedDateComboBox.h"
#include "NodeTypeCode.h"
#include "SpinComboBox.h"
#include "XDateEdit.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <limits>
#include <memory>

namespace {

// Only a bound against hangs: every wait ends as soon as its condition holds.
constexpr int settleMs = 30000;

FilterCriteria stored()
{
    return *FileFilterManager::instance()->criteria();
}

QString plain(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

qint64 utcMs(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs).toMSecsSinceEpoch();
}

QString queryValue(const QByteArray& target, const QString& key)
{
    return QUrlQuery(QUrl::fromEncoded(target)).queryItemValue(key, QUrl::FullyDecoded);
}

bool inBerlin()
{
    return qgetenv("TZ") == "Europe/Berlin";
}

void openPopup(FilterComboBox& box)
{
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mousePress(box.faceLabel(), Qt::LeftButton);
    QVERIFY(box.popup()->isVisible());
}

void clickRow(FilterComboBox& box, int row)
{
    QListView* list = box.listView();
    const QRect rect = list->visualRect(box.model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

int checkedValue(FilterComboBox& box)
{
    for (int row = 0; row < box.model()->rowCount(); ++row) {
        if (box.model()->item(row)->checkState() == Qt::Checked)
            return box.model()->item(row)->data(FilterComboBox::ValueRole).toInt();
    }
    return -1;
}

struct RecordFree {
    void operator()(DocumentInfo* record) const { freeRecord(record); }
};

bool passes(qint64 timeMs)
{
    FileRecordFields fields;
    fields.typeCode = PhotoFile;
    fields.eventKind = 8;
    fields.size = 100;
    fields.timeMs = timeMs;
    fields.path = QByteArrayLiteral("sdb1/a.jpg");
    std::unique_ptr<DocumentInfo, RecordFree> record(createFileRecord(fields));
    return FileFilterManager::instance()->passesFilter(record.get());
}

} // namespace

class FilterBarTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    std::unique_ptr<LocalHttpServer> analytics_;

    FileFilterManager* filters() { return FileFilterManager::instance(); }

    // The "SearchFilter" events sent since the last call, as "action|label|value".
    QStringList takeFilterEvents()
    {
        waitForGaEvents(30000);
        QTest::qWait(100);
        QStringList events;
        for (const auto& request : analytics_->requests) {
            if (queryValue(request.target, QStringLiteral("en")) == QLatin1String("SearchFilter"))
                events << QStringList{queryValue(request.target, QStringLiteral("ep.action")),
                                      queryValue(request.target, QStringLiteral("ep.label")),
                                      queryValue(request.target, QStringLiteral("ep.value"))}
                              .join(QLatin1Char('|'));
        }
        analytics_->requests.clear();
        return events;
    }

private slots:
    void initTestCase()
    {
        initImageResources();
        // The drop-downs' usage events go to a collection server of this test.
        QVERIFY(home_.isValid());
        useTestHome(home_.path());
        setApplicationNames();
        analytics_ = std::make_unique<LocalHttpServer>();
        qputenv("OSTREL_ANALYTICS_URL", analytics_->baseUrl().toUtf8() + "/");
        qputenv("OSTREL_MEASUREMENT_ID", "G-FILTERS");
    }

    void init()
    {
        filters()->resetFilters(false);
        filters()->setClock([] { return QDateTime::currentDateTime(); });
    }

    // Three rows ticked within the pause hand one mask with all three bits, once.
    void rowsWithinThePauseHandOneMask()
    {
        FileTypeComboBox box;
        openPopup(box);
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        clickRow(box, 0);
        clickRow(box, 1);
        clickRow(box, 3);
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, settleMs);
        QTest::qWait(3 * FilterComboBox::DebounceMs);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(stored().typeMask, 1u | 2u | 8u);
        QVERIFY(plain(box.faceLabel()->text()).startsWith(QStringLiteral("File Type: Photo, Video, D")));
    }

    void advancedRowsHandTheirBitsAndKeepThePopupSize()
    {
        AdvanceFilterComboBox box;
        openPopup(box);
        const QSize size = box.popup()->size();
        QCOMPARE(size, QSize(225, 144));
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        clickRow(box, 0);
        clickRow(box, 1);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, settleMs);
        QCOMPARE(stored().exclusionFlags, 3u);
        QCOMPARE(box.popup()->size(), size);
        clickRow(box, 0);
        clickRow(box, 1);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, settleMs);
        QCOMPARE(stored().exclusionFlags, 0u);
        QVERIFY(!filters()->isFilterActive());
    }

    void rightPressOnTheFaceIsSwallowed()
    {
        FileTypeComboBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        press.ignore();
        QVERIFY(static_cast<QObject&>(box).eventFilter(box.faceLabel(), &press));
        QTest::mousePress(box.faceLabel(), Qt::RightButton);
        QVERIFY(!box.popup()->isVisible());
    }

    // The press on the face reaches the open popup first, which closes; the
    // same press must not open it again.
    void aPressOnTheFaceWhileOpenClosesIt()
    {
        FileSizeComboBox box;
        openPopup(box);
        QVERIFY(QTest::qWaitForWindowExposed(box.popup()));
        const QPoint onFace = box.faceLabel()->mapTo(box.window(), box.faceLabel()->rect().center());
        QTest::mousePress(box.window()->windowHandle(), Qt::LeftButton, {}, onFace);
        QTest::mouseRelease(box.window()->windowHandle(), Qt::LeftButton, {}, onFace);
        QTest::qWait(50);
        QVERIFY(!box.popup()->isVisible());
        // The arrow stays blocked for the guard's 200 ms, then opens again.
        QTest::mouseClick(box.arrow(), Qt::LeftButton);
        QVERIFY(!box.popup()->isVisible());
        QVERIFY(box.reopenGuard()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!box.reopenGuard()->isActive(), settleMs);
        QTest::mouseClick(box.arrow(), Qt::LeftButton);
        QVERIFY(box.popup()->isVisible());
        box.popup()->hide();
    }

    void customizeGrowsAndShrinksThePopup_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("customRow");
        QTest::addColumn<int>("otherRow");
        QTest::newRow("type") << 0 << 9 << 9;
        QTest::newRow("size") << 1 << 6 << 2;
        QTest::newRow("date") << 2 << 5 << 1;
    }
    void customizeGrowsAndShrinksThePopup()
    {
        QFETCH(int, kind);
        QFETCH(int, customRow);
        QFETCH(int, otherRow);
        std::unique_ptr<FilterComboBox> box;
        if (kind == 0)
            box = std::make_unique<FileTypeComboBox>();
        else if (kind == 1)
            box = std::make_unique<FileSizeComboBox>();
        else
            box = std::make_unique<ModifiedDateComboBox>();
        openPopup(*box);
        const int rows = box->model()->rowCount();
        const int height = box->popup()->height();
        QCOMPARE(height, 16 + rows * box->listView()->sizeHintForRow(0));
        const int listHeight = box->listView()->height();
        clickRow(*box, customRow);
        QVERIFY(box->customBox()->isVisible());
        QCOMPARE(box->popup()->height(), height + box->customBox()->height());
        QCOMPARE(box->customBox()->y(), listHeight + 8);
        clickRow(*box, otherRow);
        QVERIFY(!box->customBox()->isVisible());
        QCOMPARE(box->popup()->height(), height);
        box->popup()->hide();
    }

    // The file list's header box and sort arrow grow with the UI scale, as its rows do.
    void listHeaderFollowsTheScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }
    void listHeaderFollowsTheScale()
    {
        QFETCH(double, scale);
        XApplication* app = XApplication::instance();
        const double savedX = app->scaleX, savedY = app->scaleY;
        app->scaleX = app->scaleY = scale;
        CheckableHeaderView header(Qt::Horizontal);
        const QSize box = header.checkBoxRect().size();
        const QSize sort = header.sortButton()->size();
        app->scaleX = savedX;
        app->scaleY = savedY;
        QCOMPARE(box.width(), int(14 * scale));
        QCOMPARE(sort, QSize(int(16 * scale), int(16 * scale)));
    }

    void faceSummaryElides_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("1.5") << 1.5;
    }
    void faceSummaryElides()
    {
        QFETCH(double, scale);
        XApplication* app = XApplication::instance();
        const double saved = app->scaleX;
        app->scaleX = scale;
        FileTypeComboBox box;
        for (int row = 0; row < 9; ++row)
            box.model()->item(row)->setCheckState(Qt::Checked);
        box.updateFilter(true);
        const QFontMetrics metrics = box.faceLabel()->fontMetrics();
        const QString shown = plain(box.faceLabel()->text());
        app->scaleX = saved;
        QVERIFY(shown.startsWith(QStringLiteral("File Type: Photo, Video")));
        QVERIFY(shown.endsWith(QChar(0x2026)));
        const int room = int(177 * scale) - metrics.horizontalAdvance(QStringLiteral("File Type: "));
        const QString summary = shown.mid(QStringLiteral("File Type: ").size());
        QVERIFY(metrics.horizontalAdvance(summary) <= room);
        QVERIFY(metrics.horizontalAdvance(summary + QStringLiteral("Docu")) > room);
        // Markup characters are elided as text, then escaped: no entity is cut in half.
        const QString marks = plain(FilterComboBox::faceText(metrics, QStringLiteral("File Size"), QString(80, QLatin1Char('<')), 1));
        QVERIFY(QRegularExpression(QStringLiteral("^File Size: <+\u2026$")).match(marks).hasMatch());
        // No room at all: three dots.
        QCOMPARE(plain(FilterComboBox::faceText(metrics, QString(300, QLatin1Char('W')), QStringLiteral("Photo"), 1)),
                 QString(300, QLatin1Char('W')) + QStringLiteral(": ..."));
    }

    void sizeBandShowsItsLessThanSign()
    {
        FileSizeComboBox box;
        openPopup(box);
        clickRow(box, 1);
        QTRY_COMPARE_WITH_TIMEOUT(stored().sizePreset, 1, settleMs);
        QCOMPARE(plain(box.faceLabel()->text()), QStringLiteral("File Size: <500 kb"));
        QCOMPARE(stored().sizeMax, 512000);
        box.popup()->hide();
    }

    void dateRowClickOnTheCheckedRowChangesNothing()
    {
        ModifiedDateComboBox box;
        openPopup(box);
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        clickRow(box, 0);
        QCOMPARE(checkedValue(box), 0);
        // The pause still runs and hands "No Limit" over.
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, settleMs);
        QCOMPARE(stored().datePreset, 0);
        box.popup()->hide();
    }

    void resetWithNothingActiveNotifiesNothing()
    {
        FilterDataPanel panel;
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        panel.resetAllFilters();
        QTest::qWait(FilterComboBox::DebounceMs + 50);
        QCOMPARE(spy.count(), 0);
    }

    void switchActsAtOnceAndResetTurnsItOffSilently()
    {
        FilterDataPanel panel;
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        QTest::mouseClick(panel.deletedSwitch(), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(stored().deletedOnly);
        QTest::mouseClick(panel.deletedSwitch(), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!stored().deletedOnly);
        QTest::mouseClick(panel.deletedSwitch(), Qt::LeftButton);
        QCOMPARE(spy.count(), 3);
        panel.resetAllFilters();
        QCOMPARE(spy.count(), 4);
        QVERIFY(!panel.deletedSwitch()->isChecked());
        QVERIFY(!stored().deletedOnly);
        QVERIFY(!filters()->isFilterActive());
        QTest::qWait(FilterComboBox::DebounceMs + 50);
        QCOMPARE(spy.count(), 4);
    }

    // Reset while a pause runs: the pause still fires, with the neutral state.
    void resetDuringThePauseHandsTheNeutralState()
    {
        FilterDataPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        FileTypeComboBox& type = *panel.fileTypeBox();
        filters()->setFileSizeFilter(2, -1, -1);
        QTest::mousePress(type.faceLabel(), Qt::LeftButton);
        clickRow(type, 0);
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        panel.resetAllFilters();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(stored().sizePreset, 0);
        QCOMPARE(plain(type.faceLabel()->text()), QStringLiteral("File Type"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, settleMs);
        QCOMPARE(stored().typeMask, 0u);
        QVERIFY(!filters()->isFilterActive());
        type.popup()->hide();
    }

    void languageChangeKeepsTheSummaries()
    {
        FilterDataPanel panel;
        panel.fileTypeBox()->model()->item(0)->setCheckState(Qt::Checked);
        panel.fileTypeBox()->updateFilter(true);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&panel, &change);
        QCOMPARE(plain(panel.fileTypeBox()->faceLabel()->text()), QStringLiteral("File Type: Photo"));
        QCOMPARE(plain(panel.advancedBox()->faceLabel()->text()), QStringLiteral("Advanced Filter"));
    }

    // Typed extensions reach the filter trimmed, lower-cased, without "*." or
    // "." and without empty or repeated entries; the face keeps "Customize".
    void customExtensions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<quint32>("mask");
        QTest::newRow("placeholder example") << "doc; pptx;" << QStringList{"doc", "pptx"} << 512u;
        QTest::newRow("upper case") << "DOC" << QStringList{"doc"} << 512u;
        QTest::newRow("leading dot") << ".doc" << QStringList{"doc"} << 512u;
        QTest::newRow("wildcard") << " *.Doc ;*.jpg" << QStringList{"doc", "jpg"} << 512u;
        QTest::newRow("repeated") << "jpg;JPG; .jpg" << QStringList{"jpg"} << 512u;
        QTest::newRow("only separators") << ";;" << QStringList{} << 0u;
        QTest::newRow("empty") << "" << QStringList{} << 0u;
    }
    void customExtensions()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, extensions);
        QFETCH(quint32, mask);
        FileTypeComboBox box;
        openPopup(box);
        clickRow(box, 9);
        QVERIFY(box.extensionField()->isVisible());
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        box.extensionField()->setFocus();
        QTest::keyClicks(box.extensionField(), typed);
        QTest::keyClick(box.extensionField(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, settleMs);
        QCOMPARE(stored().extensions, extensions);
        QCOMPARE(stored().typeMask, mask);
        QCOMPARE(box.extensionField()->text(), typed);
        QCOMPARE(plain(box.faceLabel()->text()), QStringLiteral("File Type: Customize"));
        box.popup()->hide();
    }

    void spinValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<quint64>("bytes");
        const quint64 largest = quint64(std::numeric_limits<qint64>::max());
        QTest::newRow("empty b") << "" << 0 << quint64(0);
        QTest::newRow("empty gb") << "" << 3 << quint64(0);
        QTest::newRow("zero mb") << "0" << 2 << quint64(0);
        QTest::newRow("32-bit largest b") << "4294967295" << 0 << quint64(4294967295u);
        QTest::newRow("above 32 bits b") << "5000000000" << 0 << quint64(5000000000ull);
        QTest::newRow("32-bit largest gb") << "4294967295" << 3 << quint64(4294967295ull * 1073741824ull);
        QTest::newRow("ten nines gb saturate") << "9999999999" << 3 << largest;
        QTest::newRow("ten nines mb") << "9999999999" << 2 << quint64(9999999999ull * 1048576ull);
        QTest::newRow("eleven digits cut to ten") << "12345678901" << 1 << quint64(1234567890ull * 1024ull);
        QTest::newRow("letters refused") << "12a3" << 0 << quint64(123);
    }
    void spinValues()
    {
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(quint64, bytes);
        SpinComboBox spin;
        spin.unitBox()->setCurrentIndex(unit);
        QTest::keyClicks(spin.numberField(), typed);
        QCOMPARE(spin.value(), bytes);
        QCOMPARE(spin.isEmpty(), typed.isEmpty());
    }

    void spinSignalsAndInertInput()
    {
        SpinComboBox spin;
        spin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spin));
        QSignalSpy spy(&spin, &SpinComboBox::spinBoxValueChanged);
        spin.numberField()->setFocus();
        QTest::keyClicks(spin.numberField(), QStringLiteral("12"));
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(spin.numberField(), Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        spin.unitBox()->setCurrentIndex(1);
        QCOMPARE(spy.count(), 2);
        spin.unitBox()->setCurrentIndex(2);
        QCOMPARE(spy.count(), 3);
        const int cursor = spin.numberField()->cursorPosition();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(spin.numberField(), key);
        QCOMPARE(spin.numberField()->cursorPosition(), cursor);
        QWheelEvent wheel(QPointF(5, 5), spin.numberField()->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QVERIFY(static_cast<QObject&>(spin).eventFilter(spin.numberField(), &wheel));
        QCOMPARE(spin.numberField()->text(), QStringLiteral("12"));
        QCOMPARE(spin.unitBox()->currentIndex(), 2);
        QCOMPARE(spy.count(), 3);
        spin.clear();
        QCOMPARE(spin.unitBox()->currentIndex(), 0);
        QVERIFY(spin.isEmpty());
    }

    // Custom size pairs; the size filter set before stays when nothing is handed over.
    void customSizePairs_data()
    {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<int>("minimumUnit");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<int>("maximumUnit");
        QTest::addColumn<int>("preset");
        QTest::addColumn<qint64>("low");
        QTest::addColumn<qint64>("high");
        QTest::newRow("10 mb, empty") << "10" << 2 << "" << 0 << 6 << qint64(10485760) << qint64(-1);
        QTest::newRow("empty, 1 kb") << "" << 0 << "1" << 1 << 6 << qint64(-1) << qint64(1024);
        QTest::newRow("10 mb, 2 mb") << "10" << 2 << "2" << 2 << 6 << qint64(2097152) << qint64(10485760);
        QTest::newRow("empty, empty") << "" << 0 << "" << 0 << 1 << qint64(-1) << qint64(512000);
        QTest::newRow("0, empty") << "0" << 0 << "" << 0 << 6 << qint64(0) << qint64(-1);
        QTest::newRow("0, 0") << "0" << 0 << "0" << 0 << 6 << qint64(0) << qint64(0);
    }
    void customSizePairs()
    {
        QFETCH(QString, minimum);
        QFETCH(int, minimumUnit);
        QFETCH(QString, maximum);
        QFETCH(int, maximumUnit);
        QFETCH(int, preset);
        QFETCH(qint64, low);
        QFETCH(qint64, high);
        filters()->setFileSizeFilter(1, -1, -1);
        FileSizeComboBox box;
        box.minimumBox()->numberField()->setText(minimum);
        box.minimumBox()->unitBox()->setCurrentIndex(minimumUnit);
        box.maximumBox()->numberField()->setText(maximum);
        box.maximumBox()->unitBox()->setCurrentIndex(maximumUnit);
        openPopup(box);
        clickRow(box, 6);
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        QTest::keyClick(box.maximumBox()->numberField(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!box.debounceTimer()->isActive(), settleMs);
        QCOMPARE(spy.count(), preset == 6 ? 1 : 0);
        QCOMPARE(stored().sizePreset, preset);
        QCOMPARE(stored().sizeMin, low);
        QCOMPARE(stored().sizeMax, high);
        box.popup()->hide();
    }

    // Presets at a fixed "now" (2021-03-28 12:00 local, a 23-hour day in Berlin).
    void datePresets_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        const bool berlin = inBerlin();
        const qint64 now = berlin ? utcMs("2021-03-28T10:00:00.000Z") : utcMs("2021-03-28T12:00:00.000Z");
        constexpr qint64 day = 86400000;
        QTest::newRow("today") << 1 << (berlin ? utcMs("2021-03-27T23:00:00.000Z") : utcMs("2021-03-28T00:00:00.000Z"))
                               << (berlin ? utcMs("2021-03-28T21:59:59.999Z") : utcMs("2021-03-28T23:59:59.999Z"));
        QTest::newRow("yesterday") << 2
                                   << (berlin ? utcMs("2021-03-26T23:00:00.000Z") : utcMs("2021-03-27T00:00:00.000Z"))
                                   << (berlin ? utcMs("2021-03-27T22:59:59.999Z") : utcMs("2021-03-27T23:59:59.999Z"));
        QTest::newRow("last week") << 3 << now - 7 * day << now;
        QTest::newRow("last month") << 4 << now - 30 * day << now;
    }
    void datePresets()
    {
        QFETCH(int, row);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        filters()->setClock([] { return QDateTime(QDate(2021, 3, 28), QTime(12, 0), Qt::LocalTime); });
        ModifiedDateComboBox box;
        openPopup(box);
        clickRow(box, row);
        QTRY_COMPARE_WITH_TIMEOUT(stored().datePreset, row, settleMs);
        QCOMPARE(stored().dateFrom, from);
        QCOMPARE(stored().dateTo, to);
        box.popup()->hide();
    }

    // Custom ranges: whole local days in either order, the last millisecond of
    // the later day included.
    void dateCustomRanges_data()
    {
        QTest::addColumn<QDate>("fromDay");
        QTest::addColumn<QDate>("toDay");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        const bool berlin = inBerlin();
        const QDate short23(2021, 3, 28);
        QTest::newRow("one 23-hour day")
            << short23 << short23 << (berlin ? utcMs("2021-03-27T23:00:00.000Z") : utcMs("2021-03-28T00:00:00.000Z"))
            << (berlin ? utcMs("2021-03-28T21:59:59.999Z") : utcMs("2021-03-28T23:59:59.999Z"));
        QTest::newRow("from after to")
            << QDate(2021, 10, 31) << QDate(2021, 10, 30)
            << (berlin ? utcMs("2021-10-29T22:00:00.000Z") : utcMs("2021-10-30T00:00:00.000Z"))
            << (berlin ? utcMs("2021-10-31T22:59:59.999Z") : utcMs("2021-10-31T23:59:59.999Z"));
    }
    void dateCustomRanges()
    {
        QFETCH(QDate, fromDay);
        QFETCH(QDate, toDay);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        ModifiedDateComboBox box;
        box.fromBox()->setDate(fromDay);
        box.toBox()->setDate(toDay);
        openPopup(box);
        clickRow(box, 5);
        QTRY_COMPARE_WITH_TIMEOUT(stored().datePreset, 5, settleMs);
        QCOMPARE(stored().dateFrom, from);
        QCOMPARE(stored().dateTo, to);
        QCOMPARE(plain(box.faceLabel()->text()), QStringLiteral("Date Modified: Customize"));
        const QDate last = qMax(fromDay, toDay);
        const QDate first = qMin(fromDay, toDay);
        QVERIFY(passes(QDateTime(last, QTime(23, 59, 59, 500), Qt::LocalTime).toMSecsSinceEpoch()));
        QVERIFY(passes(QDateTime(first, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch()));
        QVERIFY(!passes(QDateTime(first, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch() - 1));
        QVERIFY(!passes(QDateTime(last.addDays(1), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch()));
        box.popup()->hide();
    }

    // Today, the periods and Customize send the two boxes' dates; No Limit and
    // Yesterday send nothing.
    void dateAnalytics_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("sent");
        QTest::newRow("no limit") << 0 << false;
        QTest::newRow("today") << 1 << true;
        QTest::newRow("yesterday") << 2 << false;
        QTest::newRow("last week") << 3 << true;
        QTest::newRow("customize") << 5 << true;
    }
    void dateAnalytics()
    {
        QFETCH(int, row);
        QFETCH(bool, sent);
        takeFilterEvents();
        ModifiedDateComboBox box;
        box.fromBox()->setDate(QDate(2021, 3, 27));
        box.toBox()->setDate(QDate(2021, 3, 28));
        openPopup(box);
        QSignalSpy spy(filters(), &FileFilterManager::filterOptionsChanged);
        clickRow(box, row);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, settleMs);
        const QStringList expected = sent ? QStringList{"FilterDateCustom|Label1|2021/03/27",
                                                        "FilterDateCustom|Label2|2021/03/28"}
                                          : QStringList{};
        QCOMPARE(takeFilterEvents(), expected);
        box.popup()->hide();
    }

    void customExtensionAnalyticsKeepTheTypedText()
    {
        takeFilterEvents();
        FileTypeComboBox box;
        openPopup(box);
        clickRow(box, 9);
        box.extensionField()->setFocus();
        QTest::keyClicks(box.extensionField(), QStringLiteral(" *.DOC; pptx"));
        QTest::keyClick(box.extensionField(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(stored().extensions, (QStringList{"doc", "pptx"}), settleMs);
        QCOMPARE(takeFilterEvents(), QStringList{"FilterTypeCustom| *.DOC; pptx|"});
        box.popup()->hide();
    }

    void customRangeNeedsTwoDays()
    {
        using Range = QPair<qint64, qint64>;
        QCOMPARE(ModifiedDateComboBox::customRange(QDate(), QDate(2021, 3, 28)), Range(-1, -1));
        QCOMPARE(ModifiedDateComboBox::customRange(QDate(2021, 3, 28), QDate()), Range(-1, -1));
    }

    // A day picked in the calendar is written, closes it and restarts the pause once.
    void calendarClickPicksADay()
    {
        ModifiedDateComboBox box;
        box.fromBox()->setDate(QDate(2021, 3, 1));
        openPopup(box);
        clickRow(box, 5);
        QTRY_COMPARE_WITH_TIMEOUT(stored().datePreset, 5, settleMs);
        XDateEdit& edit = *box.fromBox();
        QSignalSpy picked(&edit, &XDateEdit::dateSelected);
        QTest::mousePress(edit.dateField(), Qt::LeftButton);
        QVERIFY(edit.popup()->isVisible());
        QCOMPARE(edit.calendar()->selectedDate(), QDate(2021, 3, 1));
        auto* view = edit.calendar()->findChild<QTableView*>();
        QVERIFY(view);
        QModelIndex day15;
        for (int r = 0; r < view->model()->rowCount() && !day15.isValid(); ++r) {
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const QModelIndex index = view->model()->index(r, c);
                if (r > 0 && index.data().toInt() == 15)
                    day15 = index;
            }
        }
        QVERIFY(day15.isValid());
        const QPoint at = view->visualRect(day15).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(picked.count(), 1);
        QVERIFY(!edit.popup()->isVisible());
        QCOMPARE(edit.dateField()->text(), QStringLiteral("2021/03/15"));
        QTRY_COMPARE_WITH_TIMEOUT(stored().dateFrom,
                                  QDateTime(QDate(2021, 3, 15), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch(),
                                  settleMs);
        box.popup()->hide();
    }
};

int main(int argc, char** argv)
{
    // As the program runs: "@2x" pictures load at their pixel size.
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");
    XApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // The program's interface font, which the face widths are designed for.
    QApplication::setFont(QFont(QString::fromLatin1(defaultFontRecord.family), defaultFontRecord.baseSize));
    FilterBarTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FilterBarTest.moc"
