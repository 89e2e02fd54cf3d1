// Dialog frame and message box: what the modal call returns for each way of
// closing, how buttons are coloured, dragging, close interception, titles.

#include "ToolkitTestSupport.h"
#include "XDialog.h"
#include "XLabel.h"
#include "XMessageBox.h"
#include "XPushButton.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

// Runs the action on the message box once it is modal on screen.
void whenBoxOpens(std::function<void(XMessageBox*)> action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(qobject_cast<XMessageBox*>(QApplication::activeModalWidget()));
        action(qobject_cast<XMessageBox*>(QApplication::activeModalWidget()));
    });
}

const QStringList kThree{"One", "Two", "Three"};

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& local, const QPoint& global,
               Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void clickedButtonIsTheResult();
    void returnGivesDefaultId_data();
    void returnGivesDefaultId();
    void closeButtonGivesZero();
    void escapeLeavesBoxOpen();
    void buttonSchemes_data();
    void buttonSchemes();
    void loadingIconHidesCloseButton();
    void dragsFromTitleArea_data();
    void dragsFromTitleArea();
    void closeInterception();
    void titleElision();
    void centresOnParentAfterResize();
    void longTextGetsItsLines();
};

void DialogsTest::clickedButtonIsTheResult()
{
    whenBoxOpens([](XMessageBox* box) {
        QCOMPARE(box->buttons().size(), 3);
        QTest::mouseClick(box->buttons().at(1), Qt::LeftButton);
    });
    QCOMPARE(XMessageBox::question(nullptr, QString(), "Pick one", kThree, 1), 2);
}

void DialogsTest::returnGivesDefaultId_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("defaultId");
    QTest::newRow("return, default 2") << int(Qt::Key_Return) << 2;
    QTest::newRow("enter, default 3") << int(Qt::Key_Enter) << 3;
    QTest::newRow("return, no default") << int(Qt::Key_Return) << -1;
    QTest::newRow("return, default names no button") << int(Qt::Key_Return) << 7;
}

void DialogsTest::returnGivesDefaultId()
{
    QFETCH(int, key);
    QFETCH(int, defaultId);
    whenBoxOpens([key](XMessageBox* box) { QTest::keyClick(box, Qt::Key(key)); });
    QCOMPARE(XMessageBox::information(nullptr, QString(), "Text", kThree, defaultId), defaultId);
}

void DialogsTest::closeButtonGivesZero()
{
    whenBoxOpens([](XMessageBox* box) { QTest::mouseClick(box->closeButton(), Qt::LeftButton); });
    QCOMPARE(XMessageBox::question(nullptr, QString(), "Text", kThree, 2), 0);
}

void DialogsTest::escapeLeavesBoxOpen()
{
    QPointer<XMessageBox> seen;
    whenBoxOpens([&seen](XMessageBox* box) {
        seen = box;
        QTest::keyClick(box, Qt::Key_Escape);
        QTimer::singleShot(50, box, [box] {
            QVERIFY(box->isVisible());
            QTest::mouseClick(box->buttons().at(0), Qt::LeftButton);
        });
    });
    QCOMPARE(XMessageBox::success(nullptr, QString(), "Text", {"Only"}, 1), 1);
    // The box deletes itself once closed.
    QTRY_VERIFY(seen.isNull());
}

void DialogsTest::buttonSchemes_data()
{
    QTest::addColumn<int>("styles");
    QTest::addColumn<int>("defaultId");
    QTest::addColumn<QStringList>("backgrounds");

    const QString weak = "#ffffff", strong = "#2563eb", super = "#ffb43a";
    QTest::newRow("no styles, default 2") << 0 << 2 << QStringList{weak, strong, weak};
    QTest::newRow("no styles, no default") << 0 << -1 << QStringList{weak, weak, weak};
    QTest::newRow("weak|strong, default ignored")
        << int(XMessageBox::WeakButtonStyle | XMessageBox::StrongButtonStyle) << 3
        << QStringList{weak, strong, weak};
    QTest::newRow("super") << int(XMessageBox::SuperButtonStyle) << 1
                           << QStringList{super, weak, weak};
    QTest::newRow("strong|super") << int(XMessageBox::StrongButtonStyle | XMessageBox::SuperButtonStyle)
                                  << -1 << QStringList{strong, super, weak};
}

void DialogsTest::buttonSchemes()
{
    QFETCH(int, styles);
    QFETCH(int, defaultId);
    QFETCH(QStringList, backgrounds);

    XMessageBox box;
    box.setButtons(kThree, defaultId, XMessageBox::ButtonStyles(styles));
    QCOMPARE(box.buttons().size(), 3);
    for (int i = 0; i < 3; ++i) {
        XPushButton* button = box.buttons().at(i);
        QCOMPARE(button->property("id").toInt(), i + 1);
        QCOMPARE(button->size(), QSize(128, 32));
        const QImage image = paintedImage(*button);
        const QColor fill = image.pixelColor(8, 16);
        QVERIFY2(near(fill, QColor(backgrounds[i])),
                 qPrintable(QString("button %1 painted %2").arg(i + 1).arg(fill.name())));
    }
    if (styles & XMessageBox::SuperButtonStyle) {
        // The super scheme sets no border: the background list stands in.
        XPushButton* superButton = box.buttons().at(styles == XMessageBox::SuperButtonStyle ? 0 : 1);
        QCOMPARE(superButton->borderColors(), superButton->backgroundColors());
        QCOMPARE(superButton->borderWidth(), 1.0);
    }
    // A second build replaces the row.
    box.setButtons({"A"}, 1, XMessageBox::NoButtonStyle);
    QCOMPARE(box.buttons().size(), 1);
}

void DialogsTest::loadingIconHidesCloseButton()
{
    XMessageBox box;
    QVERIFY(!box.closeButton()->isHidden());
    box.setIconKind(XMessageBox::LoadingIcon);
    QVERIFY(box.closeButton()->isHidden());
}

void DialogsTest::dragsFromTitleArea_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("drags");
    QTest::newRow("shadow band") << 5 << true;
    QTest::newRow("title bar") << 30 << true;
    QTest::newRow("title area edge") << 35 + 18 << true;
    QTest::newRow("below title area") << 35 + 18 + 1 << false;
    QTest::newRow("content") << 120 << false;
}

void DialogsTest::dragsFromTitleArea()
{
    QFETCH(int, y);
    QFETCH(bool, drags);

    XDialog dialog;
    dialog.resize(400, 300);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.titleAreaHeight(), 35 + 18);
    const QPoint start = dialog.pos();
    const QPoint local(200, y);
    const QPoint global = dialog.mapToGlobal(local);
    sendMouse(&dialog, QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&dialog, QEvent::MouseMove, local, global + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    sendMouse(&dialog, QEvent::MouseButtonRelease, local, global + QPoint(30, 20), Qt::LeftButton,
              Qt::NoButton);
    QTRY_COMPARE(dialog.pos(), drags ? start + QPoint(30, 20) : start);
}

void DialogsTest::closeInterception()
{
    XDialog dialog;
    QSignalSpy tried(&dialog, &XDialog::tryClosed);
    dialog.setCloseIntercepted(true);
    dialog.show();
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QCOMPARE(tried.count(), 1);

    dialog.closeLater(1);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);

    // Only that one close passed.
    dialog.show();
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QCOMPARE(tried.count(), 2);

    dialog.closeLater(0);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 0);

    dialog.setCloseIntercepted(false);
    dialog.show();
    QVERIFY(dialog.close());
    QCOMPARE(tried.count(), 2);
}

void DialogsTest::titleElision()
{
    XDialog dialog;
    dialog.resize(300, 200);
    dialog.setTitle("Short");
    QCOMPARE(dialog.titleLabel()->text(), QString("Short"));
    QVERIFY(dialog.titleLabel()->toolTip().isEmpty());

    const QString longTitle = QString("A title far too long for the dialog ").repeated(4);
    dialog.setTitle(longTitle);
    QVERIFY(dialog.titleLabel()->text() != longTitle);
    QVERIFY(dialog.titleLabel()->text().endsWith(QChar(0x2026)));
    QVERIFY(dialog.titleLabel()->fontMetrics().horizontalAdvance(dialog.titleLabel()->text()) <= 210);
    QCOMPARE(dialog.titleLabel()->toolTip(), longTitle);

    dialog.setTitle("Short again");
    QVERIFY(dialog.titleLabel()->toolTip().isEmpty());
}

void DialogsTest::centresOnParentAfterResize()
{
    QWidget parent;
    parent.setGeometry(50, 60, 700, 500);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    XDialog dialog(&parent);
    dialog.show();
    for (const QSize size : {QSize(300, 200), QSize(451, 333)}) {
        dialog.resize(size);
        QTRY_COMPARE(dialog.size(), size);
        const QPoint parentCentre = parent.mapToGlobal(parent.rect().center());
        const QRect frame = dialog.frameGeometry();
        QCOMPARE(frame.topLeft(),
                 parentCentre - QPoint(frame.width() / 2, frame.height() / 2));
    }
}


// A message longer than the box's first guess is shown whole, not cut at the
// bottom; a short one keeps the box's smallest size.
void DialogsTest::longTextGetsItsLines()
{
    const QString word = QString::fromUtf8("「アクセス不可」と表示されたデバイスは管理者権限でのみ読み取れます。");
    for (const QString& text : {QStringLiteral("Short."), word + word + word}) {
        XMessageBox box;
        box.setText(text, false);
        box.setButtons({QStringLiteral("OK")}, 1, XMessageBox::NoButtonStyle);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        XLabel* label = nullptr;
        for (XLabel* candidate : box.findChildren<XLabel*>())
            if (candidate->text() == text)
                label = candidate;
        QVERIFY(label);
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(QStringLiteral("%1 of %2").arg(label->height()).arg(label->heightForWidth(label->width()))));
        if (text.size() < 10)
            QCOMPARE(box.height(), box.minimumHeight());
    }
}

OSTREL_TEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
