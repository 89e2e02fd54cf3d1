// The no-SD-card help: its tabs, its steps and where their links lead.
#include "NoSDCardDialog.h"
#include "NoSDCardSolutionProvider.h"
#include "NoSDCardSolutionProviderDelegate.h"
#include "NoSDCardTabBar.h"
#include "XLabel.h"
#include "UrlRecorder.h"
#include "XListView.h"

#include <QDesktopServices>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A point of the row over its first link, or (-1, -1).
QPoint anchorPoint(NoSDCardSolutionProvider* page, int row, QString* anchor = nullptr)
{
    XListView* list = page->listView();
    const QModelIndex index = page->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = list->font();
    option.rect = list->visualRect(index);
    option.widget = list;
    // Coarse steps: a link is wider than 12 pixels and a line taller than 4.
    for (int y = option.rect.top(); y <= option.rect.bottom(); y += 4)
        for (int x = option.rect.left(); x <= option.rect.right(); x += 12) {
            const QString found = page->delegate()->anchorAt(option, index, QPoint(x, y));
            if (!found.isEmpty()) {
                if (anchor)
                    *anchor = found;
                return {x, y};
            }
        }
    return {-1, -1};
}

void mouse(QWidget* viewport, QEvent::Type type, const QPoint& at)
{
    QMouseEvent event(type, at, viewport->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

}  // namespace

class NoSDCardHelpTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabsKeepExactlyOneChecked();
    void cursorShowsTheLinks();
    void contactUsOpensTheSupportPage_data();
    void contactUsOpensTheSupportPage();
    void diskManagementLinkStartsThePartitionTool();
    void lastStepHasNoSeparator();

private:
    QByteArray path_;
};

void NoSDCardHelpTest::init()
{
    path_ = qgetenv("PATH");
    qunsetenv("OSTREL_WEBSITE");
}

void NoSDCardHelpTest::cleanup()
{
    qputenv("PATH", path_);
    qunsetenv("OSTREL_WEBSITE");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void NoSDCardHelpTest::tabsKeepExactlyOneChecked()
{
    NoSDCardDialog dialog;
    QSignalSpy changes(dialog.tabBar(), &NoSDCardTabBar::currentChanged);
    QCOMPARE(dialog.stack()->currentIndex(), 0);
    QVERIFY(dialog.tabBar()->button(0)->isChecked());
    for (int tab : {1, 1, 0, 0, 1}) {
        dialog.tabBar()->button(tab)->click();
        QVERIFY(dialog.tabBar()->button(tab)->isChecked());
        QVERIFY(!dialog.tabBar()->button(1 - tab)->isChecked());
        QCOMPARE(dialog.stack()->currentIndex(), tab);
        QCOMPARE(changes.takeLast().at(0).toInt(), tab);  // also when already checked
    }
}

void NoSDCardHelpTest::cursorShowsTheLinks()
{
    qputenv("OSTREL_WEBSITE", "https://example.test");
    NoSDCardDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.tabBar()->button(1)->click();
    NoSDCardSolutionProvider* status = dialog.page(1);
    QWidget* viewport = status->listView()->viewport();
    const QPoint link = anchorPoint(status, 0);
    QVERIFY(link.x() >= 0);
    mouse(viewport, QEvent::MouseMove, link);
    QCOMPARE(viewport->cursor().shape(), Qt::PointingHandCursor);
    mouse(viewport, QEvent::MouseMove, status->listView()->visualRect(status->model()->index(1, 0)).center());
    QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
}

void NoSDCardHelpTest::contactUsOpensTheSupportPage_data()
{
    QTest::addColumn<QByteArray>("website");
    QTest::addColumn<QString>("support");
    QTest::newRow("site") << QByteArray("https://example.test") << "https://example.test/support/";
    QTest::newRow("site with a final slash") << QByteArray("https://example.test/") << "https://example.test/support/";
    QTest::newRow("none: no link") << QByteArray() << QString();
    QTest::newRow("not secure: no link") << QByteArray("http://example.test") << QString();
}

void NoSDCardHelpTest::contactUsOpensTheSupportPage()
{
    QFETCH(QByteArray, website);
    QFETCH(QString, support);
    if (!website.isEmpty())
        qputenv("OSTREL_WEBSITE", website);
    UrlRecorder urls;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
    NoSDCardDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.tabBar()->button(1)->click();
    NoSDCardSolutionProvider* status = dialog.page(1);
    const QString healthy = status->model()->index(0, 0).data(NoSDCardSolutionProviderDelegate::TextRole).toString();
    QCOMPARE(dialog.bottomLabel()->isHidden(), support.isEmpty());
    if (support.isEmpty()) {
        QVERIFY2(!healthy.contains(QLatin1String("<a")), qPrintable(healthy));
        QVERIFY(healthy.contains(QLatin1String("contact us")));
        QVERIFY(!NoSDCardDialog::openSupportPage());
        QCOMPARE(urls.urls, QList<QUrl>());
        return;
    }
    QString anchor;
    const QPoint link = anchorPoint(status, 0, &anchor);
    QVERIFY(link.x() >= 0);
    QCOMPARE(anchor, support);  // not ".../support//"
    mouse(status->listView()->viewport(), QEvent::MouseButtonPress, link);
    mouse(status->listView()->viewport(), QEvent::MouseButtonRelease, link);
    emit dialog.bottomLabel()->linkActivated(QStringLiteral("help/"));
    QCOMPARE(urls.urls, QList<QUrl>({QUrl(support), QUrl(support)}));
}

void NoSDCardHelpTest::diskManagementLinkStartsThePartitionTool()
{
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    QFile tool(bin.filePath(QStringLiteral("gnome-disks")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho \"$@\" > '" + marker.toUtf8() + "'\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + path_);
    {
        NoSDCardDialog dialog;
        XLabel* header = dialog.page(1)->header();
        QVERIFY(header && header->text().contains(QLatin1String("<a ")));
        QVERIFY(header->text().contains(QLatin1String("Disk Management")));
        QVERIFY(!header->text().contains(QLatin1String("lsblk")));
        emit header->linkActivated(QStringLiteral("help/"));
        QTRY_VERIFY(QFile::exists(marker));
    }
    QTemporaryDir nothing;
    qputenv("PATH", nothing.path().toUtf8());
    NoSDCardDialog dialog;
    XLabel* header = dialog.page(1)->header();
    // Nothing to open: the help names what to use instead, not a tool that is not there.
    QVERIFY2(!header->text().contains(QLatin1String("<a")), qPrintable(header->text()));
    QVERIFY2(!header->text().contains(QLatin1String("Disk Management")), qPrintable(header->text()));
    QVERIFY(header->text().contains(QLatin1String("disk tool")));
    QVERIFY(header->text().contains(QLatin1String("<b>lsblk</b>")));
    QVERIFY(!dialog.page(0)->header());  // the connection tab has none
}

void NoSDCardHelpTest::lastStepHasNoSeparator()
{
    NoSDCardDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int tab : {0, 1}) {
        dialog.tabBar()->button(tab)->click();
        NoSDCardSolutionProvider* page = dialog.page(tab);
        QCOMPARE(page->model()->rowCount(), 3);
        const QImage shot = page->listView()->viewport()->grab().toImage();
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = page->model()->index(row, 0);
            QCOMPARE(index.data(NoSDCardSolutionProviderDelegate::SeparatorRole).toBool(), row < 2);
            QVERIFY(!index.data(NoSDCardSolutionProviderDelegate::PictureRole).value<QPixmap>().isNull());
            const QRect rect = page->listView()->visualRect(index);
            if (rect.bottom() >= shot.height())
                continue;  // below the fold
            const QColor line = shot.pixelColor(rect.right() - 2, rect.bottom());
            QCOMPARE(line == QColor("#F1F5F9"), row < 2);
        }
    }
}

QTEST_MAIN(NoSDCardHelpTest)
#include "NoSDCardHelpTest.moc"
