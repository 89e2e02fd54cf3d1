// The UI scale steps a screen's logical DPI to one of the fixed factors.

#include "Application/UiScale.h"
#include "Application/XApplication.h"

#include <QScreen>
#include <QTest>

class UiScaleTest : public QObject
{
    Q_OBJECT

private slots:
    void scaleForDpi_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("scale");
        QTest::newRow("96") << 96.0 << 1.0;
        QTest::newRow("105 (ratio just under 1.1)") << 105.0 << 1.0;
        QTest::newRow("120") << 120.0 << 1.25;
        QTest::newRow("144") << 144.0 << 1.5;
        QTest::newRow("168") << 168.0 << 1.75;
        QTest::newRow("192") << 192.0 << 2.0;
        QTest::newRow("216") << 216.0 << 2.25;
        QTest::newRow("240") << 240.0 << 2.5;
        QTest::newRow("288") << 288.0 << 3.0;
        QTest::newRow("300 (ratio 3.125)") << 300.0 << 3.5;
        QTest::newRow("72") << 72.0 << 1.0;
    }
    void scaleForDpi()
    {
        QFETCH(double, dpi);
        QFETCH(double, scale);
        QCOMPARE(uiScaleForDpi(dpi), scale);
    }

    void scaledLengthsFloor()
    {
        QCOMPARE(scaledLength(35, 1.25), 43);
        QCOMPARE(scaledLength(18, 1.75), 31);
        QCOMPARE(scaledLength(21, 1.0), 21);
    }

    void applicationHoldsScaleAndMainWidget()
    {
        XApplication* app = XApplication::instance();
        QVERIFY(app);
        QCOMPARE(app->scaleX, app->scaleY);
        QCOMPARE(app->scaleX, uiScaleForDpi(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
        QVERIFY(!app->mainWidget());
        {
            QWidget window;
            app->setMainWidget(&window);
            QCOMPARE(app->mainWidget(), &window);
        }
        // A destroyed window is not left behind as a dangling parent.
        QVERIFY(!app->mainWidget());
    }
};

int main(int argc, char** argv)
{
    XApplication app(argc, argv);
    UiScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UiScaleTest.moc"
