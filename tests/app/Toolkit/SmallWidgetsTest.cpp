// Search box signals, tree view right presses, list view input switches and
// the separator line's height.

#include "ToolkitTestSupport.h"
#include "XLine.h"
#include "XListView.h"
#include "XSearchBox.h"
#include "XTreeView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QVBoxLayout>

class SmallWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void searchBoxSignals_data();
    void searchBoxSignals();
    void treeViewRightPressDoesNotSelect();
    void listViewSwitchesSwallowEvents_data();
    void listViewSwitchesSwallowEvents();
    void thinLineStaysOnePixelHigh();
};

void SmallWidgetsTest::searchBoxSignals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("searches");
    QTest::addColumn<bool>("clearButtonVisible");

    QTest::newRow("return, empty") << "" << "return" << QStringList{} << false;
    QTest::newRow("return, text") << "cat" << "return" << QStringList{"cat"} << true;
    QTest::newRow("search button, empty") << "" << "search" << QStringList{""} << false;
    QTest::newRow("search button, text") << "dog" << "search" << QStringList{"dog"} << true;
    QTest::newRow("clear button") << "dog" << "clear button" << QStringList{""} << false;
    QTest::newRow("clear silent") << "dog" << "clear(true)" << QStringList{} << false;
    QTest::newRow("clear loud") << "dog" << "clear(false)" << QStringList{""} << false;
}

void SmallWidgetsTest::searchBoxSignals()
{
    QFETCH(QString, typed);
    QFETCH(QString, action);
    QFETCH(QStringList, searches);
    QFETCH(bool, clearButtonVisible);

    XSearchBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClicks(box.lineEdit(), typed);
    QCOMPARE(box.clearButton()->isVisible(), !typed.isEmpty());

    QSignalSpy spy(&box, &XSearchBox::search);
    QSignalSpy textSpy(box.lineEdit(), &QLineEdit::textChanged);
    if (action == "return")
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    else if (action == "search")
        QTest::mouseClick(box.searchButton(), Qt::LeftButton);
    else if (action == "clear button")
        QTest::mouseClick(box.clearButton(), Qt::LeftButton);
    else if (action == "clear(true)")
        box.clear(true);
    else if (action == "clear(false)")
        box.clear(false);

    QStringList seen;
    for (const auto& args : spy)
        seen << args.at(0).toString();
    QCOMPARE(seen, searches);
    QCOMPARE(box.clearButton()->isVisible(), clearButtonVisible);
    if (action.startsWith("clear(")) {
        QCOMPARE(textSpy.count(), 0);
        QVERIFY(box.lineEdit()->text().isEmpty());
    }
}

void SmallWidgetsTest::treeViewRightPressDoesNotSelect()
{
    QStandardItemModel model;
    for (const char* name : {"alpha", "beta", "gamma"})
        model.appendRow(new QStandardItem(name));
    XTreeView view;
    view.setModel(&model);
    view.resize(200, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(model.index(0, 0));

    const QPoint onBeta = view.visualRect(model.index(1, 0)).center();
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, onBeta);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, onBeta);
    QCOMPARE(view.currentIndex(), model.index(0, 0));
    QVERIFY(!view.selectionModel()->isSelected(model.index(1, 0)));

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onBeta);
    QCOMPARE(view.currentIndex(), model.index(1, 0));

    // No keyboard navigation.
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentIndex(), model.index(1, 0));
}

void SmallWidgetsTest::listViewSwitchesSwallowEvents_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("wheel") << "wheel";
    QTest::newRow("keys") << "keys";
    QTest::newRow("left button") << "left";
    QTest::newRow("right button") << "right";
    QTest::newRow("middle button") << "middle";
}

void SmallWidgetsTest::listViewSwitchesSwallowEvents()
{
    QFETCH(QString, input);

    XListView view;
    auto send = [&](bool on) {
        view.wheelEnabled = view.keysEnabled = view.leftButtonEnabled = true;
        view.rightButtonEnabled = view.middleButtonEnabled = true;
        if (input == "wheel")
            view.wheelEnabled = on;
        else if (input == "keys")
            view.keysEnabled = on;
        else if (input == "left")
            view.leftButtonEnabled = on;
        else if (input == "right")
            view.rightButtonEnabled = on;
        else
            view.middleButtonEnabled = on;

        if (input == "wheel") {
            QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            return QApplication::sendEvent(&view, &event);
        }
        if (input == "keys") {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            return QApplication::sendEvent(&view, &event);
        }
        const Qt::MouseButton button = input == "left"    ? Qt::LeftButton
                                       : input == "right" ? Qt::RightButton
                                                          : Qt::MiddleButton;
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), button, button, Qt::NoModifier);
        return QApplication::sendEvent(&view, &event);
    };

    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    class Counter : public QObject
    {
    public:
        int seen = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            const auto t = event->type();
            if (t == QEvent::Wheel || t == QEvent::KeyPress || t == QEvent::MouseButtonPress)
                ++seen;
            return false;
        }
    };
    // Installed first, runs last: it sees only what the view's own filter let pass.
    Counter counter;
    view.removeEventFilter(&view);
    view.installEventFilter(&counter);
    view.installEventFilter(&view);
    send(false);
    QCOMPARE(counter.seen, 0);
    send(true);
    QCOMPARE(counter.seen, 1);
}

void SmallWidgetsTest::thinLineStaysOnePixelHigh()
{
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* line = new XLine(Qt::Horizontal, 1, QColor(255, 0, 0), &host);
    layout->addWidget(new QWidget(&host));
    layout->addWidget(line);
    layout->addWidget(new QWidget(&host));
    host.resize(200, 300);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(line->height(), 1);
    QCOMPARE(line->width(), 200 - layout->contentsMargins().left() - layout->contentsMargins().right());
    const QImage image = paintedImage(*line);
    QVERIFY(near(image.pixelColor(100, 0), QColor(255, 0, 0)));

    XLine vertical(Qt::Vertical, 3, Qt::blue);
    vertical.resize(50, 40);
    QCOMPARE(vertical.width(), 3);
}

OSTREL_TEST_MAIN(SmallWidgetsTest)
#include "SmallWidgetsTest.moc"
