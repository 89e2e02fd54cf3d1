// Frameless window: where a point moves or resizes the window, and what a
// press there does on a platform with and without system moves.

#include "ToolkitTestSupport.h"
#include "XFramelessWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Records what the window asks of the window system; answers as told.
class RecordingWindow : public XFramelessWindow
{
public:
    bool systemAnswers = true;
    int moves = 0;
    QList<Qt::Edges> resizes;

    QWidget* bar = nullptr;
    QLabel* captionLabel = nullptr;
    QPushButton* barButton = nullptr;

    RecordingWindow()
    {
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        bar = new QWidget(central);
        bar->setFixedHeight(40);
        auto* barLayout = new QHBoxLayout(bar);
        barLayout->setContentsMargins(10, 5, 10, 5);
        captionLabel = new QLabel("Caption", bar);
        captionLabel->setFixedWidth(80);
        barButton = new QPushButton("B", bar);
        barButton->setFixedSize(30, 30);
        barLayout->addWidget(captionLabel);
        barLayout->addStretch();
        barLayout->addWidget(barButton);
        layout->addWidget(bar);
        layout->addStretch();
        setCentralWidget(central);
        setTitleBar(bar);
        addCaptionWidget(captionLabel);
        setGeometry(100, 100, 400, 300);
    }

protected:
    bool startSystemMove() override
    {
        ++moves;
        return systemAnswers;
    }
    bool startSystemResize(Qt::Edges edges) override
    {
        resizes.append(edges);
        return systemAnswers;
    }
};

using Hit = XFramelessWindow::HitArea;

} // namespace

class FramelessTest : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data();
    void hitTest();
    void bandPressStartsSystemResize();
    void captionPressStartsSystemMove();
    void buttonPressReachesButton();
    void fallbackMovesByMouseDelta();
    void fallbackResizesByMouseDelta();
    void captionDoubleClickMaximisesAndRestores();
    void screenChangeKeepsSizeWithoutNormalSize();
};

void FramelessTest::hitTest_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QPoint>("local");
    QTest::addColumn<int>("expected");

    const QString plain = "plain";
    QTest::newRow("left band outer") << plain << QPoint(0, 150) << int(Hit::HitLeft);
    QTest::newRow("left band inner") << plain << QPoint(4, 150) << int(Hit::HitLeft);
    QTest::newRow("just inside left band") << plain << QPoint(5, 150) << int(Hit::HitNone);
    QTest::newRow("right band") << plain << QPoint(399, 150) << int(Hit::HitRight);
    QTest::newRow("right band inner") << plain << QPoint(395, 150) << int(Hit::HitRight);
    QTest::newRow("inside right band") << plain << QPoint(394, 150) << int(Hit::HitNone);
    QTest::newRow("top band") << plain << QPoint(200, 0) << int(Hit::HitTop);
    QTest::newRow("bottom band") << plain << QPoint(200, 299) << int(Hit::HitBottom);
    QTest::newRow("top left") << plain << QPoint(2, 2) << int(Hit::HitTopLeft);
    QTest::newRow("top right") << plain << QPoint(397, 1) << int(Hit::HitTopRight);
    QTest::newRow("bottom left") << plain << QPoint(0, 299) << int(Hit::HitBottomLeft);
    QTest::newRow("bottom right") << plain << QPoint(399, 296) << int(Hit::HitBottomRight);
    QTest::newRow("empty title bar") << plain << QPoint(200, 20) << int(Hit::HitCaption);
    QTest::newRow("caption label") << plain << QPoint(40, 20) << int(Hit::HitCaption);
    QTest::newRow("title bar button") << plain << QPoint(375, 20) << int(Hit::HitNone);
    QTest::newRow("client area") << plain << QPoint(200, 150) << int(Hit::HitNone);

    const QString fixedWidth = "fixed width";
    QTest::newRow("fixed width: left") << fixedWidth << QPoint(0, 150) << int(Hit::HitNone);
    QTest::newRow("fixed width: right") << fixedWidth << QPoint(399, 150) << int(Hit::HitNone);
    QTest::newRow("fixed width: top left") << fixedWidth << QPoint(0, 0) << int(Hit::HitTop);
    QTest::newRow("fixed width: bottom right") << fixedWidth << QPoint(399, 299) << int(Hit::HitBottom);

    const QString off = "hit test off";
    QTest::newRow("off: band") << off << QPoint(0, 150) << int(Hit::HitClient);
    QTest::newRow("off: caption") << off << QPoint(200, 20) << int(Hit::HitClient);
    QTest::newRow("off: client") << off << QPoint(200, 150) << int(Hit::HitClient);

    const QString fixedSize = "not resizable";
    QTest::newRow("not resizable: corner") << fixedSize << QPoint(0, 0) << int(Hit::HitCaption);
    QTest::newRow("not resizable: left") << fixedSize << QPoint(0, 150) << int(Hit::HitNone);

    const QString destroyed = "title bar destroyed";
    QTest::newRow("destroyed: caption") << destroyed << QPoint(200, 20) << int(Hit::HitNone);
    QTest::newRow("destroyed: band") << destroyed << QPoint(0, 150) << int(Hit::HitLeft);
}

void FramelessTest::hitTest()
{
    QFETCH(QString, setup);
    QFETCH(QPoint, local);
    QFETCH(int, expected);

    RecordingWindow window;
    if (setup == "fixed width") {
        window.setMinimumWidth(400);
        window.setMaximumWidth(400);
    } else if (setup == "hit test off") {
        window.setHitTestEnabled(false);
    } else if (setup == "not resizable") {
        window.setResizable(false);
    } else if (setup == "title bar destroyed") {
        delete window.bar;
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));

    QCOMPARE(int(window.hitTest(window.mapToGlobal(local))), expected);
}

void FramelessTest::bandPressStartsSystemResize()
{
    struct Case {
        QPoint local;
        Qt::Edges edges;
    };
    const Case cases[] = {
        {{0, 150}, Qt::LeftEdge},
        {{399, 299}, Qt::RightEdge | Qt::BottomEdge},
        {{200, 0}, Qt::TopEdge},
        {{1, 1}, Qt::TopEdge | Qt::LeftEdge},
    };
    RecordingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const Case& c : cases) {
        window.resizes.clear();
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, c.local);
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, c.local);
        QCOMPARE(window.resizes, QList<Qt::Edges>{c.edges});
    }
    QCOMPARE(window.moves, 0);
    QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));
}

void FramelessTest::captionPressStartsSystemMove()
{
    RecordingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A press alone is not a move yet: a double-click must reach the window.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QCOMPARE(window.moves, 0);
    // Past the drag distance it is, on the empty title bar and on the caption label.
    for (const QPoint& start : {QPoint(200, 20), QPoint(40, 20)}) {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, start);
        QTest::mouseMove(window.windowHandle(), start + QPoint(20, 0));
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, start + QPoint(20, 0));
    }
    QCOMPARE(window.moves, 2);
    QVERIFY(window.resizes.isEmpty());
    QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));
}

void FramelessTest::buttonPressReachesButton()
{
    RecordingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    connect(window.barButton, &QPushButton::clicked, [&] { ++clicks; });
    const QPoint onButton = window.barButton->mapTo(&window, window.barButton->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
    QCOMPARE(clicks, 1);
    QCOMPARE(window.moves, 0);
}

void FramelessTest::fallbackMovesByMouseDelta()
{
    RecordingWindow window;
    window.systemAnswers = false;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QTest::mouseMove(window.windowHandle(), QPoint(230, 40));
    // The window moved under the mouse: the same screen point is now at (200, 20).
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QCOMPARE(window.moves, 1);
    QTRY_COMPARE(window.pos(), QPoint(130, 120));
    QCOMPARE(window.size(), QSize(400, 300));
}

void FramelessTest::fallbackResizesByMouseDelta()
{
    RecordingWindow window;
    window.systemAnswers = false;
    window.setMinimumSize(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Right edge grows by the delta.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(398, 150));
    QTest::mouseMove(window.windowHandle(), QPoint(448, 150));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(448, 150));
    QTRY_COMPARE(window.geometry(), QRect(100, 100, 450, 300));

    // Top-left corner keeps the bottom-right corner and stops at the minimum size.
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(window.windowHandle(), QPoint(401, 201));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(401, 201));
    QTRY_COMPARE(window.geometry(), QRect(350, 250, 200, 150));
    QCOMPARE(window.resizes.size(), 2);
}

void FramelessTest::captionDoubleClickMaximisesAndRestores()
{
    RecordingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 20));
    QTRY_VERIFY(window.isMaximized());
    const QPoint caption = window.bar->mapTo(&window, QPoint(200, 20));
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, caption);
    QTRY_VERIFY(!window.isMaximized());
    QTRY_COMPARE(window.geometry(), QRect(100, 100, 400, 300));
}

void FramelessTest::screenChangeKeepsSizeWithoutNormalSize()
{
    RecordingWindow window;
    // Never on the primary screen: no normal size is ever taken.
    window.setGeometry(5000, 5000, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.normalSize().isValid());
    emit window.windowHandle()->screenChanged(QGuiApplication::primaryScreen());
    QCOMPARE(window.size(), QSize(400, 300));

    // Once a size was taken on the primary screen, a return there restores it.
    window.setGeometry(100, 100, 420, 310);
    QTRY_COMPARE(window.normalSize(), QSize(420, 310));
    window.setGeometry(5000, 5000, 500, 400);
    QTRY_COMPARE(window.size(), QSize(500, 400));
    QCOMPARE(window.normalSize(), QSize(420, 310));
    emit window.windowHandle()->screenChanged(QGuiApplication::primaryScreen());
    QCOMPARE(window.size(), QSize(420, 310));
}

OSTREL_TEST_MAIN(FramelessTest)
#include "FramelessTest.moc"
