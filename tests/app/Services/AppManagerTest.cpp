// The application services with widgets: start-up set-up, fonts that follow
// the language, the dialog shade filter, the update check against a local
// server, every manifest picture and the folder picker, offscreen.
#include "AppEvent.h"
#include "AppManager.h"
#include "AppStyleSheet.h"
#include "LanguageSettings.h"
#include "LocalHttpServer.h"
#include "NameTable.h"
#include "WinFolderSelector.h"

#include <QScopeGuard>

#include "TestHome.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class EventSink : public QWidget {
public:
    QList<int> flags;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == AppEvent::EventType)
            flags.append(static_cast<AppEvent*>(event)->flags());
        return QWidget::event(event);
    }
};

class BusyIndicatorDialog : public QDialog {
    Q_OBJECT
};

}

class AppManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    LocalHttpServer server_;
    QList<QVariantMap> results_;

    QVariantMap checkOnce()
    {
        results_.clear();
        AppManager::instance()->checkForUpdates();
        if (!QTest::qWaitFor([&] { return !results_.isEmpty(); }, 10000))
            return {{"timedOut", true}};
        return results_.first();
    }

    QFileDialog* openFileDialog()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
                return dialog;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        useTestHome(home_.path());
        qputenv("LC_ALL", "en_US.UTF-8");
        AppManager::instance()->initApplication();
        AppManager::instance()->setUpdateResultHandler([this](const QVariantMap& map) { results_.append(map); });
    }

    void startUpSetUp()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("pelvane"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ostrel Windows Data Recovery"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.3.0"));
        // The launcher entry installed as share/applications/ostrel-windows-data.desktop.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("ostrel-windows-data"));
        const auto manager = AppManager::instance();
        QCOMPARE(manager.get(), AppManager::instance().get());
        QCOMPARE(manager->themeColor(AppManager::PrimaryText), QColor("#0F172A"));
        QCOMPARE(manager->themeColor(AppManager::SeparatorLine), QColor("#F1F5F9"));
        QCOMPARE(manager->fontFamily(), QStringLiteral("Carlito"));
        QCOMPARE(QApplication::font().pointSize(), 11);
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Recycle Bin"));
        QFile log(home_.path() + "/data/pelvane/Ostrel Windows Data Recovery/log/AppLog.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("system language:"));
        QCOMPARE(qgetenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING"), QByteArray("1"));
        QCOMPARE(AppManager::imagePath("cbx0.png"), QStringLiteral(":/images/cbx0.png"));
        QCOMPARE(AppManager::imagePath("cbx0.png", 1), QString());
        QVERIFY(AppStyleSheet::checkBoxStyle(1.5, 1.5).contains("width: 21px"));
    }

    void fontFollowsLanguage()
    {
        const auto manager = AppManager::instance();
        QWidget main;
        QLabel* label = new QLabel("x", &main);
        QFont big = label->font();
        big.setPointSize(20);
        big.setBold(true);
        label->setFont(big);
        QLabel outside("y");
        outside.setFont(QFont("DejaVu Sans", 13));
        manager->registerWidget(0, &main);

        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageKorean));
        QCOMPARE(manager->fontFamily(), QStringLiteral("Noto Sans CJK KR"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(label->font().family(), QStringLiteral("Noto Sans CJK KR"));
        QCOMPARE(label->font().pointSize(), 20);
        QVERIFY(label->font().bold());
        QCOMPARE(outside.font().family(), QStringLiteral("DejaVu Sans"));  // not below the main window

        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageGerman));
        QCOMPARE(manager->fontFamily(), QStringLiteral("Carlito"));
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Papierkorb"));
        QCOMPARE(AppManager::websiteLanguageSuffix(), QStringLiteral("?ref=product&lang=de"));
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageItalian));
        QCOMPARE(AppManager::websiteLanguageSuffix(), QString());
        QVERIFY(LanguageSettings::instance().setLanguage(LanguageSettings::LanguageEnglish));
        QCOMPARE(translatedNameForCode(14), QStringLiteral("Recycle Bin"));
        manager->registerWidget(0, nullptr);
    }

    void dialogsDimTheMainWindow()
    {
        QApplication::instance()->installEventFilter(new DialogEventFilter(QApplication::instance()));
        EventSink main;
        AppManager::instance()->registerWidget(0, &main);
        QDialog dialog;
        dialog.show();
        dialog.hide();
        BusyIndicatorDialog busy;
        busy.show();
        busy.close();
        QDialog closing;
        closing.show();
        closing.close();
        QTRY_COMPARE(main.flags, QList<int>({1, 2, 1, 2, 2}));
        AppManager::instance()->registerWidget(0, nullptr);
    }

    void updateCheck_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        const QByteArray fields = ", \"Size\": \"52 MB\", \"Release Date\": \"2026-11-02\", \"What's New\": \"x\","
                                  " \"Download URL\": \"http://127.0.0.1/x\", \"Md5sum\": \"00\"}";
        QTest::newRow("same") << 200 << QByteArray("{\"Version\": \"1.3.0\"") + fields << 0;
        QTest::newRow("patch") << 200 << QByteArray("{\"Version\": \"1.3.1\"") + fields << 1;
        QTest::newRow("short same") << 200 << QByteArray("{\"Version\": \"1.3\"") + fields << 0;
        QTest::newRow("numeric") << 200 << QByteArray("{\"Version\": \"1.10.0\"") + fields << 1;
        QTest::newRow("older") << 200 << QByteArray("{\"Version\": \"1.2.9\"") + fields << 0;
        QTest::newRow("blanks") << 200 << QByteArray("{\"Version\": \"  1.4.0 \"") + fields << 1;
        QTest::newRow("no version") << 200 << QByteArray("{\"Size\": \"1\"}") << 0;
        QTest::newRow("404") << 404 << QByteArray("{\"Version\": \"9.0.0\"}") << -1;
        QTest::newRow("not JSON") << 200 << QByteArray("<html>Version 9</html>") << -1;
        QTest::newRow("array") << 200 << QByteArray("[{\"Version\": \"9.0.0\"}]") << -1;
        QTest::newRow("empty object") << 200 << QByteArray("{}") << -1;
        QTest::newRow("2 MiB") << 200
                               << QByteArray("{\"Version\": \"9.0.0\", \"pad\": \"") + QByteArray(2 << 20, 'x') + "\"}"
                               << -1;
    }

    void updateCheck()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        server_.setResponse(status, body);
        qputenv("OSTREL_UPDATE_URL", (server_.baseUrl() + "/ostrel-windows/update.json").toUtf8());
        const QVariantMap map = checkOnce();
        qunsetenv("OSTREL_UPDATE_URL");
        QCOMPARE(map.value("CheckResult").toInt(), result);
        QCOMPARE(map.contains("CheckResult"), true);
        if (result != -1 && body.contains("Release Date"))
            QCOMPARE(map.value("Release Date").toString(), QStringLiteral("2026-11-02"));
        if (result == -1)
            QCOMPARE(map.size(), 1);
        QCOMPARE(server_.requests.last().target, QByteArray("/ostrel-windows/update.json"));
    }

    void updateCheckSilentServer()
    {
        server_.setSilent(true);
        AppManager::instance()->setUpdateTransferTimeout(500);
        qputenv("OSTREL_UPDATE_URL", (server_.baseUrl() + "/u.json").toUtf8());
        const QVariantMap map = checkOnce();
        qunsetenv("OSTREL_UPDATE_URL");
        server_.setSilent(false);
        QCOMPARE(map.value("CheckResult").toInt(), -1);
    }

    void updateCheckWithoutEndpointAnswersQueued()
    {
        results_.clear();
        AppManager::instance()->checkForUpdates();
        QVERIFY(results_.isEmpty());  // a dialog opened right after the call still gets it
        QTRY_COMPARE(results_.size(), 1);
        QCOMPARE(results_.first(), QVariantMap({{"CheckResult", -1}}));
    }

    void everyManifestPictureLoads()
    {
        QFile manifest(VELMORA_SOURCE_DIR "/app/resources/images/manifest.txt");
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        int pictures = 0;
        while (!manifest.atEnd()) {
            const QString line = QString::fromUtf8(manifest.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList fields = line.split('|');
            const QString name = fields.value(0).trimmed();
            const QString size = fields.value(2).trimmed();
            QImageReader reader(AppManager::imagePath(name));
            QVERIFY2(reader.canRead(), qPrintable(name));
            if (name.endsWith(".ico")) {
                QCOMPARE(reader.imageCount(), size.split(',').size());
            } else {
                const QStringList edges = size.split('x');
                QCOMPARE(reader.size(), QSize(edges.value(0).toInt(), edges.value(1).toInt()));
                QVERIFY2(!reader.read().isNull(), qPrintable(name));
                if (name.endsWith(".gif"))
                    QVERIFY(reader.imageCount() > 1 || reader.supportsAnimation());
            }
            ++pictures;
        }
        // The program's own 34 and those the pages add to the same manifest.
        QVERIFY2(pictures >= 34, qPrintable(QString::number(pictures)));
    }

    void folderPicker_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("root");
        QTest::newRow("Qt dialog, accept") << 1 << true << false;
        QTest::newRow("Qt dialog, cancel") << 1 << false << false;
        QTest::newRow("platform dialog, accept") << 0 << true << false;
        QTest::newRow("platform dialog, cancel") << 0 << false << false;
        QTest::newRow("root keeps its slash") << 1 << true << true;
    }

    void folderPicker()
    {
        QFETCH(int, flag);
        QFETCH(bool, accept);
        QFETCH(bool, root);
        QTemporaryDir dir;
        const QString target = root ? QStringLiteral("/") : dir.filePath("Chosen Folder");
        QVERIFY(QDir().mkpath(target));
        QWidget owner;
        owner.show();
        QList<int> states;
        QTimer::singleShot(300, [&] {
            QFileDialog* dialog = openFileDialog();
            if (!dialog)
                return;
            if (accept) {
                dialog->setDirectory(target);
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                dialog->reject();
            }
        });
        QString path = "stale";
        WinFolderSelector selector;
        selector.selectFolder(path, flag, dir.path() + "/", &owner, [&](int state) { states.append(state); });
        QVERIFY(!states.isEmpty());
        QCOMPARE(states.first(), 0);
        if (accept) {
            QCOMPARE(path, target);
            QCOMPARE(states.last(), 2);
        } else {
            QCOMPARE(path, QString());
            QCOMPARE(states.last(), 3);
        }
        QCOMPARE(states.count(2) + states.count(3), 1);
    }

    // Without a start folder the picker opens in the home folder, not in the
    // working directory (often "/" for a program started from a menu).
    void folderPickerWithoutStartOpensHome()
    {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QStringLiteral("/")));
        auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        QWidget owner;
        owner.show();
        QString opened;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QFileDialog* dialog = openFileDialog()) {
                poll.stop();
                opened = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        poll.start(10);
        QString path = "stale";
        WinFolderSelector().selectFolder(path, 1, QString(), &owner);
        QCOMPARE(path, QString());
        QCOMPARE(QDir::cleanPath(opened), QDir::cleanPath(QDir::homePath()));
    }
};

QTEST_MAIN(AppManagerTest)
#include "AppManagerTest.moc"
