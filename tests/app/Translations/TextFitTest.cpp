// The check behind ostrel-i18n-shots: which texts it takes as cut short.

#include "TextFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("tooltip");
        QTest::addColumn<int>("misfits");
        const QString longText = QStringLiteral("Nach verlorenen Daten auf dem Datenträger suchen");
        QTest::newRow("label fits") << "label" << "Stop" << 200 << false << 0;
        QTest::newRow("label too narrow") << "label" << longText << 60 << false << 1;
        QTest::newRow("elided label with tooltip") << "label" << longText << 60 << true << 0;
        QTest::newRow("rich label counts its text, not its markup")
            << "label" << "<a style='color: #2563EB;' href=\"help/\">Hilfe</a>" << 120 << false << 0;
        QTest::newRow("rich label too narrow") << "label" << "<b>" + longText + "</b>" << 60 << false << 1;
        QTest::newRow("wrapped label too low") << "wrapped" << longText + " " + longText << 80 << false << 1;
        QTest::newRow("wrapped label fits") << "wrapped" << "Stop" << 200 << false << 0;
        QTest::newRow("button too narrow") << "button" << longText << 60 << false << 1;
        QTest::newRow("button accelerator takes no room") << "button" << "&OK" << 60 << false << 0;
        QTest::newRow("check box counts its box") << "check" << "Stop" << 0 << false << 1;
        QTest::newRow("tab too narrow") << "tab" << longText << 0 << false << 1;
    }

    void cases()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(bool, tooltip);
        QFETCH(int, misfits);
        QWidget window;
        window.resize(400, 200);
        QWidget* widget = nullptr;
        if (kind == "label" || kind == "wrapped") {
            auto* label = new QLabel(text, &window);
            label->setWordWrap(kind == "wrapped");
            label->setFixedSize(width, QFontMetrics(label->font()).height() + 2);
            widget = label;
        } else if (kind == "button") {
            widget = new QPushButton(text, &window);
            widget->setFixedWidth(width);
        } else if (kind == "check") {
            // Room for the text alone, none for the box in front of it.
            auto* box = new QCheckBox(text, &window);
            box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(text) + 2);
            widget = box;
        } else {
            auto* bar = new QTabBar(&window);
            bar->setElideMode(Qt::ElideNone);
            bar->setUsesScrollButtons(true);
            bar->addTab(text);
            bar->setStyleSheet(QStringLiteral("QTabBar::tab { width: 40px; }"));
            widget = bar;
        }
        if (tooltip)
            widget->setToolTip(text);
        window.show();
        QApplication::processEvents();
        const QVector<Misfit> found = findMisfits(&window);
        QVERIFY2(found.size() == misfits, qPrintable(found.isEmpty() ? QString("none") : found.first().text));
    }

    void hiddenWidgetsDoNotCount()
    {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("Nach verlorenen Daten suchen"), &window);
        label->setFixedWidth(30);
        label->hide();
        window.show();
        QVERIFY(findMisfits(&window).isEmpty());
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
