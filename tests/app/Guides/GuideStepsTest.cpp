// The seven tour steps painted at UI scale 1.0 and 1.5: the page shows
// through the hole, the shade around it is black at alpha 77, the hole's
// edge carries the outline colour, and the holes that follow their target
// have the widths of the design. A language change reaches hidden steps.
#include "AppManager.h"
#include "Application/XApplication.h"
#include "Guides/GuideManagement.h"
#include "Guides/GuideStepAbstract.h"
#include "Guides/RecoveryToolkitGuideStep1.h"
#include "Guides/RecoveryToolkitGuideStep2.h"
#include "Guides/RecoveryToolkitGuideStep3.h"
#include "Guides/RecoveryToolkitGuideStep4.h"
#include "Guides/StorageGuideStep1.h"
#include "Guides/StorageGuideStep2.h"
#include "Guides/StorageGuideStep3.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QImage>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using StepFactory = std::function<GuideStepAbstract*(QWidget*)>;

template <class Step>
StepFactory factory()
{
    return [](QWidget* parent) { return new Step(parent); };
}

// The hole of each step, in design pixels as the design gives it, for a step
// of size w x h at the scale; floor() of each term on its own.
using HoleRule = std::function<QRect(int w, int h, double scale, int targetWidth)>;

int f(double value, double scale) { return int(std::floor(value * scale)); }

const QColor PageColour(0x3C, 0xA0, 0x5A);
const QColor Blue("#2563EB");
const QColor Grey("#D9D9D9");

// A pixel of the page under black at alpha 77.
QColor shaded(const QColor& page)
{
    const auto dim = [](int c) { return int(std::lround(c * (255.0 - 77.0) / 255.0)); };
    return QColor(dim(page.red()), dim(page.green()), dim(page.blue()));
}

bool near(const QColor& a, const QColor& b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor& c) { return QString("%1 (%2, %3, %4)").arg(c.name()).arg(c.red()).arg(c.green()).arg(c.blue()); }

// Replaces every text of the steps' contexts with a marked copy.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context).contains("GuideStep"))
            return QStringLiteral("[de] ") + QString::fromUtf8(source);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

Q_DECLARE_METATYPE(StepFactory)
Q_DECLARE_METATYPE(HoleRule)

class GuideStepsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void shadeHoleAndOutline_data();
    void shadeHoleAndOutline();
    void holeFollowsTargetAndSize();
    void managerTargetsByIndex();
    void languageChangeReachesHiddenSteps();

private:
    void setScale(double scale)
    {
        XApplication::instance()->scaleX = scale;
        XApplication::instance()->scaleY = scale;
    }
};

void GuideStepsTest::cleanup()
{
    setScale(1.0);
}

void GuideStepsTest::shadeHoleAndOutline_data()
{
    QTest::addColumn<StepFactory>("make");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("targetWidth");
    QTest::addColumn<HoleRule>("hole");
    QTest::addColumn<QColor>("outline");
    // The hole's width as the design states it for the steps that follow their target.
    QTest::addColumn<int>("designWidth");

    const HoleRule device1 = [](int, int, double s, int) { return QRect(f(6, s), f(97, s), f(254, s), f(72, s)); };
    const HoleRule device2 = [](int, int, double s, int) { return QRect(f(286, s), f(152, s), f(310, s), f(142, s)); };
    const HoleRule device3 = [](int w, int h, double s, int target) {
        const int width = std::max(target + f(25, s), f(176, s));
        return QRect(w - f(23, s) - width, h - f(57, s), width, f(54, s));
    };
    const HoleRule results1 = [](int, int, double s, int) { return QRect(f(6, s), f(122, s), f(256, s), f(58, s)); };
    const HoleRule results2 = [](int w, int, double s, int) { return QRect(w - f(206, s), f(51, s), f(198, s), f(59, s)); };
    const HoleRule results3 = [](int w, int h, double s, int) {
        return QRect(f(266, s), f(114, s), w - f(278, s), h - f(172, s));
    };
    const HoleRule results4 = [](int w, int h, double s, int target) {
        const int width = std::max(target + 20, f(140, s));
        return QRect(w - f(10, s) - width, h - f(55, s), width, f(49, s));
    };

    for (double scale : {1.0, 1.5}) {
        const bool big = scale > 1.0;
        const QByteArray at = QByteArray(" at ") + QByteArray::number(scale);
        QTest::newRow("device 1" + at) << factory<StorageGuideStep1>() << scale << -1 << device1 << Blue << -1;
        QTest::newRow("device 2" + at) << factory<StorageGuideStep2>() << scale << -1 << device2 << Blue << -1;
        QTest::newRow("device 3, no target" + at)
            << factory<StorageGuideStep3>() << scale << -1 << device3 << Grey << (big ? 264 : 176);
        QTest::newRow("device 3, 200 target" + at)
            << factory<StorageGuideStep3>() << scale << 200 << device3 << Grey << (big ? 264 : 225);
        QTest::newRow("results 1" + at) << factory<RecoveryToolkitGuideStep1>() << scale << -1 << results1 << Blue << -1;
        QTest::newRow("results 2" + at) << factory<RecoveryToolkitGuideStep2>() << scale << -1 << results2 << Blue << -1;
        QTest::newRow("results 3" + at) << factory<RecoveryToolkitGuideStep3>() << scale << -1 << results3 << Blue << -1;
        QTest::newRow("results 4, no target" + at)
            << factory<RecoveryToolkitGuideStep4>() << scale << -1 << results4 << Grey << (big ? 210 : 140);
        QTest::newRow("results 4, 200 target" + at)
            << factory<RecoveryToolkitGuideStep4>() << scale << 200 << results4 << Grey << 220;
    }
}

void GuideStepsTest::shadeHoleAndOutline()
{
    QFETCH(StepFactory, make);
    QFETCH(double, scale);
    QFETCH(int, targetWidth);
    QFETCH(HoleRule, hole);
    QFETCH(QColor, outline);
    QFETCH(int, designWidth);

    setScale(scale);
    QWidget page;
    page.setAutoFillBackground(true);
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, PageColour);
    page.setPalette(palette);
    const QSize size(f(1240, scale) + 37, f(780, scale) + 21);
    page.resize(size);
    GuideStepAbstract* step = make(&page);
    if (targetWidth > 0)
        step->setTarget(QSize(targetWidth, 38), QPoint(-1, -1));
    step->setGeometry(page.rect());

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    page.render(&image);

    const QRect expected = hole(size.width(), size.height(), scale, targetWidth);
    if (designWidth > 0)
        QCOMPARE(expected.width(), designWidth);
    const QPoint centre = expected.center();
    const QColor dim = shaded(PageColour);
    struct Probe {
        QPoint at;
        QColor colour;
        const char* what;
    };
    const Probe probes[] = {
        {centre, PageColour, "inside the hole"},
        {QPoint(expected.left() + 2, centre.y()), PageColour, "just inside the left edge"},
        {QPoint(expected.right() - 2, centre.y()), PageColour, "just inside the right edge"},
        {QPoint(centre.x(), expected.top() + 2), PageColour, "just inside the top edge"},
        {QPoint(centre.x(), expected.bottom() - 2), PageColour, "just inside the bottom edge"},
        {QPoint(expected.left(), centre.y()), outline, "left edge"},
        {QPoint(expected.right(), centre.y()), outline, "right edge"},
        {QPoint(centre.x(), expected.top()), outline, "top edge"},
        {QPoint(centre.x(), expected.bottom()), outline, "bottom edge"},
        {QPoint(expected.left() - 1, centre.y()), dim, "just left of the hole"},
        {QPoint(expected.right() + 1, centre.y()), dim, "just right of the hole"},
        {QPoint(centre.x(), expected.top() - 1), dim, "just above the hole"},
        {QPoint(centre.x(), expected.bottom() + 1), dim, "just below the hole"},
        {QPoint(1, 1), dim, "the top left corner"},
        {QPoint(size.width() - 2, size.height() - 2), dim, "the bottom right corner"},
    };
    for (const Probe& probe : probes) {
        const QColor seen = image.pixelColor(probe.at);
        QVERIFY2(near(seen, probe.colour),
                 qPrintable(QString("%1 at (%2, %3) in hole (%4, %5, %6 x %7): %8, expected %9")
                                .arg(probe.what)
                                .arg(probe.at.x())
                                .arg(probe.at.y())
                                .arg(expected.x())
                                .arg(expected.y())
                                .arg(expected.width())
                                .arg(expected.height())
                                .arg(describe(seen), describe(probe.colour))));
    }
}

void GuideStepsTest::holeFollowsTargetAndSize()
{
    QWidget page;
    page.resize(1240, 780);
    auto* step = new StorageGuideStep3(&page);
    step->setGeometry(page.rect());
    const auto render = [&page] {
        QImage image(page.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        page.render(&image);
        return image;
    };
    // The hole's left edge without a target: 1240 - 23 - 176.
    QVERIFY(near(render().pixelColor(1041, 780 - 30), Grey));

    // A target set after the first paint moves the edge at once.
    step->setTarget(QSize(300, 38), QPoint(-1, -1));
    QImage image = render();
    QVERIFY(near(image.pixelColor(1240 - 23 - 325, 780 - 30), Grey));
    QVERIFY(!near(image.pixelColor(1041, 780 - 30), Grey));

    // A bigger window: the hole stays 23 from the right and 57 from the bottom.
    page.resize(1500, 900);
    step->setGeometry(page.rect());
    image = render();
    QVERIFY(near(image.pixelColor(1500 - 23 - 325, 900 - 30), Grey));
    QVERIFY(near(image.pixelColor(1500 - 100, 900 - 57), Grey));
    // Just above it, the page's background under the shade.
    QVERIFY(near(image.pixelColor(1500 - 100, 900 - 58), shaded(page.palette().window().color())));
}

void GuideStepsTest::managerTargetsByIndex()
{
    auto* manager = RecoveryToolkitGuideManagement::instance();
    manager->setStepTarget(3, QSize(131, 40), QPoint(-1, -1));
    QCOMPARE(manager->step(3)->targetSize(), QSize(131, 40));
    QCOMPARE(manager->step(0)->targetSize(), QSize(-1, -1));
    manager->setStepTarget(4, QSize(10, 10), QPoint());
    manager->setStepTarget(-1, QSize(10, 10), QPoint());
    QCOMPARE(manager->stack()->count(), 4);
    QCOMPARE(StorageGuideManagement::instance()->stack()->count(), 3);
    // Nothing to cover without a host window: it must not open as a window of its own.
    manager->setGuideVisible(true);
    QVERIFY(!manager->overlay()->isVisible());
    QCOMPARE(manager->overlay()->minimumSize(), QSize(1240, 780));
}

void GuideStepsTest::languageChangeReachesHiddenSteps()
{
    QStackedWidget stack;
    const QList<StepFactory> makers = {factory<StorageGuideStep1>(),         factory<StorageGuideStep2>(),
                                       factory<StorageGuideStep3>(),         factory<RecoveryToolkitGuideStep1>(),
                                       factory<RecoveryToolkitGuideStep2>(), factory<RecoveryToolkitGuideStep3>(),
                                       factory<RecoveryToolkitGuideStep4>()};
    for (const StepFactory& make : makers)
        stack.addWidget(make(&stack));
    stack.resize(1240, 780);
    stack.show();

    const auto texts = [&stack](int index) {
        QStringList out;
        for (auto* label : stack.widget(index)->findChildren<XLabel*>())
            out << label->text();
        for (auto* button : stack.widget(index)->findChildren<XPushButton*>())
            out << button->text();
        return out;
    };
    const QStringList before = texts(6);
    QVERIFY(before.contains("Done"));
    QVERIFY(before.contains("(4/4)"));
    QVERIFY(texts(1).contains("<a href=\"#\" style=\"text-decoration: underline; color:#2563eb;\">Back</a>"));
    QVERIFY(texts(4).contains("<font style='color:#2563eb'>Search</font>"));

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::processEvents();
    for (int index = 1; index < stack.count(); ++index) {
        QVERIFY(!stack.widget(index)->isVisible());
        const QStringList after = texts(index);
        const QString button = index == 2 || index == 6 ? "[de] Done" : "[de] Next";
        QVERIFY2(after.contains(button), qPrintable(after.join(" | ")));
        // The counter is not translated.
        QVERIFY(after.filter(QRegularExpression("^\\(\\d/\\d\\)$")).size() == 1);
    }
    // Only the word goes through translation; the markup stays as it is.
    QVERIFY(texts(4).contains("<font style='color:#2563eb'>[de] Search</font>"));
    QVERIFY(texts(1).contains("[de] <a href=\"#\" style=\"text-decoration: underline; color:#2563eb;\">Back</a>"));

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(texts(6), before);
}

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    XApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    AppManager::instance()->initApplication();
    GuideStepsTest test;
    const int result = QTest::qExec(&test, argc, argv);
    // The tours' overlays were never given a host window to own them.
    delete StorageGuideManagement::instance()->overlay();
    delete RecoveryToolkitGuideManagement::instance()->overlay();
    return result;
}

#include "GuideStepsTest.moc"
