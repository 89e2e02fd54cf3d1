// Dialog manager, about and update dialogs, and the title bar's menu and
// maximise button.

#include "ShellTestSupport.h"

#include "FolderOpener.h"

#include "CuteSettings.h"
#include "Dialogs/AboutDialog.h"
#include "Dialogs/DialogManager.h"
#include "Dialogs/UpgradeDialog.h"
#include "LanguageSettings.h"
#include "MainWindow/MainWindow.h"
#include "TitleBar/MainTitleBar.h"
#include "XBusyIndicator.h"
#include "XLabel.h"
#include "XPushButton.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

namespace {

template <typename Dialog>
QList<Dialog*> openDialogs()
{
    QList<Dialog*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            found << dialog;
    return found;
}

void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        action(QApplication::activeModalWidget());
    });
}

QVariantMap newVersion()
{
    return {{"CheckResult", 1},
            {"Version", "2.0.1"},
            {"Size", "31.5 MB"},
            {"Release Date", "2024-05-20"},
            {"What's New", "Faster scans."},
            {"Download URL", "https://downloads.example.org/ostrel-2.0.1.tar.gz"}};
}

} // namespace

class ShellDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void aboutTwiceGivesOneBox();
    void manualCheckWaitsThenShowsTheAnswer();
    void automaticCheckUpToDateOpensNothing();
    void automaticCheckWithNewVersionOpensTheDialog();
    void upgradeResults_data();
    void upgradeResults();
    void releaseDateRewrite_data();
    void releaseDateRewrite();
    void downloadAddresses_data();
    void downloadAddresses();
    void upgradeNowOpensOnlyWebAddresses();
    void languageMenu();
    void updateEntryNeedsAnAddress();
    void logFolderWithoutAFileManager_data();
    void logFolderWithoutAFileManager();
    void maximiseTwiceReturnsNormalPictures();
};

void ShellDialogsTest::aboutTwiceGivesOneBox()
{
    int seen = -1;
    whenModal([&seen](QWidget* modal) {
        QVERIFY(qobject_cast<AboutDialog*>(modal));
        // Asked again while the first is open (a nested event loop).
        DialogManager::instance()->showDialog(DialogManager::AboutDialogType, QVariant());
        seen = openDialogs<AboutDialog>().size();
        modal->close();
    });
    DialogManager::instance()->showDialog(DialogManager::AboutDialogType, QVariant());
    QCOMPARE(seen, 1);
    QTRY_VERIFY(!DialogManager::instance()->aboutDialog());
}

void ShellDialogsTest::manualCheckWaitsThenShowsTheAnswer()
{
    QString waiting, answered;
    bool spinning = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<UpgradeDialog*>(modal);
        QVERIFY(dialog);
        waiting = dialog->statusLabel()->text();
        spinning = dialog->busyIndicator()->isSpinning();
        DialogManager::instance()->onUpdateCheckFinished({{"CheckResult", 0}});
        answered = dialog->statusLabel()->text();
        QVERIFY(!dialog->busyIndicator()->isSpinning());
        dialog->close();
    });
    DialogManager::instance()->showDialog(DialogManager::UpgradeDialogType, QVariant());
    QCOMPARE(waiting, QString("Waiting for checking..."));
    QVERIFY(spinning);
    QCOMPARE(answered, QString("Current version is up to date."));
}

void ShellDialogsTest::automaticCheckUpToDateOpensNothing()
{
    for (int outcome : {0, 2}) {
        DialogManager::instance()->onUpdateCheckFinished({{"CheckResult", outcome}});
        QVERIFY(!DialogManager::instance()->upgradeDialog());
        QVERIFY(openDialogs<UpgradeDialog>().isEmpty());
    }
    DialogManager::instance()->updateDialog(DialogManager::UpgradeDialogType, newVersion());
    QVERIFY(!DialogManager::instance()->upgradeDialog());
}

void ShellDialogsTest::automaticCheckWithNewVersionOpensTheDialog()
{
    QString status;
    whenModal([&status](QWidget* modal) {
        auto* dialog = qobject_cast<UpgradeDialog*>(modal);
        QVERIFY(dialog);
        status = dialog->statusLabel()->text();
        dialog->laterButton()->click();
    });
    DialogManager::instance()->onUpdateCheckFinished(newVersion());
    QCOMPARE(status, QString("A new version is available!"));
}

void ShellDialogsTest::upgradeResults_data()
{
    QTest::addColumn<QVariantMap>("result");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("information"); // empty: hidden
    QTest::addColumn<bool>("details");        // notes and "Remind Me Later"
    QTest::addColumn<bool>("upgrade");
    QTest::addColumn<bool>("spinning");

    QTest::newRow("no answer yet") << QVariantMap() << "Waiting for checking..." << "" << false << false << true;
    QTest::newRow("up to date") << QVariantMap{{"CheckResult", 0}} << "Current version is up to date." << ""
                                << false << false << false;
    QTest::newRow("failed") << QVariantMap{{"CheckResult", 5}}
                            << "Fetch update info failed. Please retry later." << "" << false << false << false;
    QTest::newRow("new version") << newVersion() << "A new version is available!"
                                 << "Version: 2.0.1 | Size: 31.5 MB | Release Date: 05-20.2024" << true << true
                                 << false;
    QVariantMap noVersion = newVersion();
    noVersion.remove("Version");
    QTest::newRow("new version without number") << noVersion << "A new version is available!" << "" << true
                                                << true << false;
    QVariantMap localFile = newVersion();
    localFile["Download URL"] = "file:///etc/passwd";
    QTest::newRow("download address not on the web")
        << localFile << "A new version is available!"
        << "Version: 2.0.1 | Size: 31.5 MB | Release Date: 05-20.2024" << true << false << false;
}

void ShellDialogsTest::upgradeResults()
{
    QFETCH(QVariantMap, result);
    QFETCH(QString, status);
    QFETCH(QString, information);
    QFETCH(bool, details);
    QFETCH(bool, upgrade);
    QFETCH(bool, spinning);

    UpgradeDialog dialog;
    dialog.show();
    dialog.setResult(result);
    QCOMPARE(dialog.statusLabel()->text(), status);
    QCOMPARE(dialog.informationLabel()->isVisible(), !information.isEmpty());
    if (!information.isEmpty())
        QCOMPARE(dialog.informationLabel()->text(), information);
    // While waiting the notes stay in place, empty.
    if (spinning)
        QVERIFY(dialog.notes()->toPlainText().isEmpty());
    else
        QCOMPARE(dialog.notes()->isVisible(), details);
    QCOMPARE(dialog.laterButton()->isVisible(), details);
    QCOMPARE(dialog.upgradeButton()->isVisible(), upgrade);
    QCOMPARE(dialog.busyIndicator()->isSpinning(), spinning);
    if (details)
        QCOMPARE(dialog.notes()->toPlainText(), QString("Faster scans."));
}

void ShellDialogsTest::releaseDateRewrite_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full date") << "2024-05-20" << "05-20.2024";
    QTest::newRow("year only") << "2024" << ".2024";
    QTest::newRow("empty") << "" << ".";
}

void ShellDialogsTest::releaseDateRewrite()
{
    QFETCH(QString, date);
    QFETCH(QString, shown);
    QCOMPARE(UpgradeDialog::rewriteReleaseDate(date), shown);
}

void ShellDialogsTest::downloadAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("https") << "https://downloads.example.org/a.tar.gz" << true;
    QTest::newRow("http") << "http://example.org/" << true;
    QTest::newRow("upper-case scheme") << "HTTPS://example.org/a" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("custom scheme") << "ostrel-update://run" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "https:///path" << false;
    QTest::newRow("relative") << "downloads/a.tar.gz" << false;
    QTest::newRow("empty") << "" << false;
}

void ShellDialogsTest::downloadAddresses()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    QCOMPARE(UpgradeDialog::isAcceptableDownloadUrl(address), accepted);
}

void ShellDialogsTest::upgradeNowOpensOnlyWebAddresses()
{
    UpgradeDialog dialog;
    QList<QUrl> opened;
    dialog.openUrl = [&opened](const QUrl& url) { opened << url; };
    dialog.show();
    dialog.setResult(newVersion());
    QTest::mouseClick(dialog.upgradeButton(), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl("https://downloads.example.org/ostrel-2.0.1.tar.gz")});
    QVERIFY(dialog.isVisible());

    QVariantMap local = newVersion();
    local["Download URL"] = "file:///bin/sh";
    dialog.setResult(local);
    dialog.upgradeButton()->click();
    QCOMPARE(opened.size(), 1);
}

void ShellDialogsTest::languageMenu()
{
    MainTitleBar bar;
    LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish);
    std::unique_ptr<QMenu> menu(bar.buildMainMenu());
    QMenu* languages = menu->actions().first()->menu();
    QVERIFY(languages);
    const QList<QAction*> entries = languages->actions();
    QCOMPARE(entries.size(), 13);
    const QList<int> codes{0, 3, 9, 4, 5, 6, 7, 11, 8, 1, 2, 10, 12};
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i]->data().toInt(), codes[i]);
        QCOMPARE(entries[i]->isChecked(), codes[i] == 0);
    }
    QCOMPARE(entries[2]->text().at(0), QChar(0x0420)); // Cyrillic Er
    QCOMPARE(entries[1]->text(), QString("Italiano"));
    // Every language by its own name in its own script, whatever the current language.
    const QStringList ownNames{"English", "Italiano", "Русский", "Deutsch", "Français", "Español", "Português",
                               "한국어", "日本語", "简体中文", "繁體中文", "Bahasa Indonesia", "Tiếng Việt"};
    for (int language : {int(LanguageSettings::LanguageEnglish), int(LanguageSettings::LanguageGerman),
                         int(LanguageSettings::LanguageJapanese)}) {
        QVERIFY(LanguageSettings::instance().setLanguage(language));
        std::unique_ptr<QMenu> again(bar.buildMainMenu());
        QStringList names;
        for (QAction* action : again->actions().first()->menu()->actions())
            names << action->text();
        QCOMPARE(names, ownNames);
    }
    LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish);

    entries[3]->trigger(); // Deutsch
    QCOMPARE(LanguageSettings::instance().currentLanguage(), int(LanguageSettings::LanguageGerman));
    LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish);

    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu())
            texts << action->text();
    // Without a configured web site there are no Guide and FAQ entries.
    QCOMPARE(texts, (QStringList{"Open Log Folder", "About"}));
}

// "Check for Updates" only where an update address is configured: without one it can only fail.
void ShellDialogsTest::updateEntryNeedsAnAddress()
{
    MainTitleBar bar;
    auto entries = [&] {
        std::unique_ptr<QMenu> menu(bar.buildMainMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu())
                texts << action->text();
        return texts;
    };
    qunsetenv("OSTREL_UPDATE_URL");
    QVERIFY(!entries().contains("Check for Updates"));
    qputenv("OSTREL_UPDATE_URL", "http://127.0.0.1:1/update.json");
    QCOMPARE(entries(), (QStringList{"Open Log Folder", "Check for Updates", "About"}));
    qunsetenv("OSTREL_UPDATE_URL");
}

// "Open Log Folder" as "Check Recovered Data": where no file manager answers
// (xdg-open starts even without one, then fails), the user is told the folder.
void ShellDialogsTest::logFolderWithoutAFileManager_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("message");
    QTest::newRow("file manager opened") << QStringLiteral("exit 0") << false;
    QTest::newRow("no file manager") << QStringLiteral("exit 3") << true;
    QTest::newRow("opener missing") << QString() << true;
}

void ShellDialogsTest::logFolderWithoutAFileManager()
{
    QFETCH(QString, script);
    QFETCH(bool, message);
    QTemporaryDir base;
    const QString asked = base.filePath(QStringLiteral("asked"));
    // No script: an opener that is not there.
    const QString opener = script.isNull() ? base.filePath(QStringLiteral("opener"))
                                           : writeFolderOpener(base.path(), script, asked);
    QVERIFY(!opener.isEmpty());
    MainTitleBar bar;
    bar.setFolderOpener(opener);
    std::unique_ptr<QMenu> menu(bar.buildMainMenu());
    QAction* logFolder = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == QLatin1String("Open Log Folder"))
            logFolder = action;
    QVERIFY(logFolder);
    QString shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            for (auto* label : box->findChildren<QLabel*>())
                shown += label->text();
            box->close();
        }
    });
    answer.start(20);
    logFolder->trigger();
    // The opener's process is the bar's child until it has ended and been reported.
    QTRY_VERIFY_WITH_TIMEOUT(bar.findChildren<QProcess*>().isEmpty(), 60000);
    QCoreApplication::processEvents();
    answer.stop();
    const QString folder = QDir::toNativeSeparators(CuteSettings::logDirectory());
    QCOMPARE(shown.contains(folder), message);
    if (!script.isNull()) {
        QFile file(asked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), CuteSettings::logDirectory());
    }
}

void ShellDialogsTest::maximiseTwiceReturnsNormalPictures()
{
    MainWindow window;
    XApplication::instance()->setMainWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MainTitleBar* bar = window.titleBar();
    QVERIFY(!bar->showsRestorePictures());
    bar->maximizeButton()->click();
    QTRY_VERIFY(window.isMaximized());
    QVERIFY(bar->showsRestorePictures());
    bar->maximizeButton()->click();
    QTRY_VERIFY(!window.isMaximized());
    QVERIFY(!bar->showsRestorePictures());
    XApplication::instance()->setMainWidget(nullptr);
}

OSTREL_SHELL_TEST_MAIN(ShellDialogsTest)
#include "ShellDialogsTest.moc"
