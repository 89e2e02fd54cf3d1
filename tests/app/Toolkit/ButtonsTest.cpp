// Push button: which state colour, gradient or fill each state paints, the
// colour-list rule, the width rule of setText, the icon set-up.

#include "ToolkitTestSupport.h"
#include "XPushButton.h"

#include <QLinearGradient>
#include <QTemporaryDir>

namespace {

const QVector<QColor> kBackgrounds{QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                   QColor(200, 200, 0)};
const QVector<QColor> kBorders{QColor(0, 200, 200), QColor(200, 0, 200), QColor(90, 90, 90),
                               QColor(250, 150, 50)};

QGradient flat(const QColor& colour)
{
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour);
    return gradient;
}

void putInState(XPushButton& button, const QString& state)
{
    if (state == "disabled") {
        button.setEnabled(false);
    } else if (state == "checked") {
        button.setCheckable(true);
        button.setChecked(true);
    } else if (state == "down") {
        button.setButtonState(2);
    } else if (state == "hovered") {
        button.setButtonState(1);
    }
}

} // namespace

class ButtonsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statePainting_data();
    void statePainting();
    void hoverImageWithoutHoverPictureShowsNothing();
    void colourListRule_data();
    void colourListRule();
    void setTextWidthRule();
    void setIconKeepsMarginAndSpacingOnZero();
    void gradientCounts_data();
    void gradientCounts();
    void hoverFlagAddsToDown();

private:
    QTemporaryDir dir_;
    QString smallImage_;
};

void ButtonsTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    smallImage_ = dir_.filePath("dot.png");
    QVERIFY(solidImage(QSize(4, 4), Qt::black).save(smallImage_));
}

void ButtonsTest::statePainting_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("centreIndex"); // -1: nothing painted
    QTest::addColumn<int>("borderIndex"); // -1: not checked

    const struct {
        const char* state;
        int colour;
        int gradient;
        int fill;
    } rows[] = {
        {"disabled", 3, 3, -1},
        {"checked", 1, 2, 1},
        {"down", 2, 2, 2},
        {"hovered", 1, 1, 1},
        {"normal", 0, 0, -1},
    };
    for (const auto& row : rows) {
        QTest::addRow("colour, %s", row.state) << "colour" << row.state << row.colour << row.colour;
        QTest::addRow("icon and text, %s", row.state) << "icon" << row.state << row.colour << row.colour;
        QTest::addRow("gradient, %s", row.state) << "gradient" << row.state << row.gradient << -1;
        QTest::addRow("single image, %s", row.state) << "pixmap" << row.state << row.fill << -1;
    }
}

void ButtonsTest::statePainting()
{
    QFETCH(QString, mode);
    QFETCH(QString, state);
    QFETCH(int, centreIndex);
    QFETCH(int, borderIndex);

    XPushButton button;
    button.resize(60, 40);
    button.setBackgroundColors(kBackgrounds);
    button.setBorderColors(kBorders);
    button.setBorderWidth(3);
    if (mode == "icon")
        button.setIcon(smallImage_, QSize(4, 4), Qt::AlignLeft, 0, 0);
    else if (mode == "gradient")
        button.setGradients({flat(kBackgrounds[0]), flat(kBackgrounds[1]), flat(kBackgrounds[2]),
                             flat(kBackgrounds[3])});
    else if (mode == "pixmap")
        button.setPixmap(smallImage_);
    putInState(button, state);

    const QImage image = paintedImage(button);
    // The single-image mode draws its picture in the centre; read the fill beside it.
    const QPoint inside = mode == "pixmap" ? QPoint(10, 10) : QPoint(30, 20);
    const QColor centre = image.pixelColor(inside);
    if (centreIndex < 0)
        QCOMPARE(centre.alpha(), 0);
    else
        QVERIFY2(near(centre, kBackgrounds[centreIndex]), qPrintable(centre.name()));
    if (borderIndex >= 0) {
        const QColor border = image.pixelColor(1, 20);
        QVERIFY2(near(border, kBorders[borderIndex]), qPrintable(border.name()));
    }
    if (mode == "pixmap")
        QVERIFY(near(image.pixelColor(30, 20), Qt::black));
}

void ButtonsTest::hoverImageWithoutHoverPictureShowsNothing()
{
    XPushButton button;
    button.resize(40, 40);
    button.setHoverPixmaps(smallImage_, dir_.filePath("missing.png"), false);
    QVERIFY(near(paintedImage(button).pixelColor(20, 20), Qt::black));
    button.setButtonState(1);
    QCOMPARE(paintedImage(button).pixelColor(20, 20).alpha(), 0);
}

void ButtonsTest::colourListRule_data()
{
    QTest::addColumn<QVector<QColor>>("given");
    QTest::addColumn<QVector<QColor>>("expected");
    const QColor a(1, 2, 3), b(4, 5, 6), c(7, 8, 9), d(10, 11, 12), e(13, 14, 15);
    const QVector<QColor> defaults{QColor(64, 64, 83), QColor(53, 53, 67), QColor(50, 50, 64),
                                   QColor(64, 64, 83)};
    QTest::newRow("two replace the first two") << QVector<QColor>{a, b}
                                               << QVector<QColor>{a, b, defaults[2], defaults[3]};
    QTest::newRow("four replace all") << QVector<QColor>{a, b, c, d} << QVector<QColor>{a, b, c, d};
    QTest::newRow("five use the first four") << QVector<QColor>{a, b, c, d, e}
                                             << QVector<QColor>{a, b, c, d};
    QTest::newRow("empty changes nothing") << QVector<QColor>{} << defaults;
}

void ButtonsTest::colourListRule()
{
    QFETCH(QVector<QColor>, given);
    QFETCH(QVector<QColor>, expected);
    XPushButton button;
    button.setBackgroundColors(given);
    QCOMPARE(button.backgroundColors(), expected);
    // The border list is copied from the whole new background list.
    QCOMPARE(button.borderColors(), expected);

    XPushButton textButton;
    const QVector<QColor> textDefaults = textButton.textColors();
    textButton.setTextColors(given);
    QVector<QColor> text = textDefaults;
    for (int i = 0; i < std::min<int>(4, given.size()); ++i)
        text[i] = given[i];
    QCOMPARE(textButton.textColors(), text);
}

void ButtonsTest::setTextWidthRule()
{
    XPushButton button;
    button.resize(128, 32);
    button.setMaximumWidth(128);
    button.setText("OK");
    QCOMPARE(button.width(), 128);
    QCOMPARE(button.minimumWidth(), 128);

    const QString longText = "A much longer button text than fits";
    button.setText(longText);
    const int wanted = button.fontMetrics().horizontalAdvance(longText) + 20;
    QVERIFY(wanted > 128);
    QCOMPARE(button.width(), wanted);
    QCOMPARE(button.minimumWidth(), wanted);
    QCOMPARE(button.maximumWidth(), wanted);
    QCOMPARE(button.height(), 32);

    // Back to a short text: never below the first width, and it still fits.
    button.setText("OK");
    QCOMPARE(button.width(), 128);
}

void ButtonsTest::setIconKeepsMarginAndSpacingOnZero()
{
    XPushButton button;
    QCOMPARE(button.iconMargin(), 12);
    QCOMPARE(button.iconSpacing(), 2);
    button.setIcon(smallImage_, QSize(16, 16), Qt::AlignLeft, 7, 5);
    QCOMPARE(button.iconMargin(), 7);
    QCOMPARE(button.iconSpacing(), 5);
    button.setIcon(smallImage_, QSize(16, 16), Qt::AlignRight, 0, 0);
    QCOMPARE(button.iconMargin(), 7);
    QCOMPARE(button.iconSpacing(), 5);
    QCOMPARE(button.paintMode(), XPushButton::IconTextMode);
}

void ButtonsTest::gradientCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<int>>("expected"); // which given gradient each state takes
    QTest::newRow("one") << 1 << QVector<int>{0, 0, 0, 0};
    QTest::newRow("two") << 2 << QVector<int>{0, 1, 1, 1};
    QTest::newRow("three") << 3 << QVector<int>{0, 1, 1, 2};
    QTest::newRow("four") << 4 << QVector<int>{0, 1, 2, 3};
}

void ButtonsTest::gradientCounts()
{
    QFETCH(int, count);
    QFETCH(QVector<int>, expected);
    QVector<QGradient> given;
    for (int i = 0; i < count; ++i)
        given.append(flat(kBackgrounds[i]));
    XPushButton button;
    button.setGradients(given);
    const QVector<QGradient> stored = button.gradients();
    QCOMPARE(stored.size(), 4);
    for (int state = 0; state < 4; ++state)
        QCOMPARE(stored[state], given[expected[state]]);
}

void ButtonsTest::hoverFlagAddsToDown()
{
    XPushButton button;
    button.setButtonState(2);
    button.setButtonState(1);
    QVERIFY(button.isDown());
    QVERIFY(button.isHovered());
    button.setButtonState(0);
    QVERIFY(!button.isDown());
    QVERIFY(!button.isHovered());
}

OSTREL_TEST_MAIN(ButtonsTest)
#include "ButtonsTest.moc"
