// ostrel-shell-shots --out DIR: one PNG per shell window and dialog state
// (splash, main window, about box, update dialog), for review.

#include "AppManager.h"
#include "Application/XApplication.h"
#include "Dialogs/AboutDialog.h"
#include "Dialogs/UpgradeDialog.h"
#include "Launch/LaunchManager.h"
#include "Launch/Launcher.h"
#include "MainWindow/MainWindow.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int failures = 0;

void take(QWidget& widget, const QString& folder, const QString& name)
{
    widget.show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + ".png");
    if (widget.grab().save(path)) {
        QTextStream(stdout) << path << "\n";
    } else {
        QTextStream(stderr) << "cannot write " << path << "\n";
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Settings and logs of this run stay in a scratch folder.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toUtf8());
    XApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption out("out", "Write the PNGs into <folder>.", "folder");
    parser.addOption(out);
    parser.process(app);
    if (!parser.isSet(out))
        parser.showHelp(2);
    const QString folder = parser.value(out);
    if (!QDir().mkpath(folder))
        return 1;
    AppManager::instance()->initApplication();
    LaunchManager::setDeviceListLoader([] {});

    {
        Launcher splash;
        app.setMainWidget(&splash);
        take(splash, folder, "splash");
    }
    MainWindow window;
    app.setMainWidget(&window);
    take(window, folder, "main-window");

    {
        AboutDialog about(&window);
        take(about, folder, "about");
    }
    const QVariantMap newVersion{{"CheckResult", 1},
                                 {"Version", "1.4.0"},
                                 {"Size", "31.5 MB"},
                                 {"Release Date", "2026-11-20"},
                                 {"What's New", "Faster deep scans.\nBetter previews of RAW photos."},
                                 {"Download URL", "https://example.org/ostrel-1.4.0.tar.gz"}};
    const struct {
        const char* name;
        QVariantMap result;
    } updates[] = {
        {"update-waiting", {}},
        {"update-up-to-date", {{"CheckResult", 0}}},
        {"update-failed", {{"CheckResult", -1}}},
        {"update-new-version", newVersion},
    };
    for (const auto& update : updates) {
        UpgradeDialog dialog(&window);
        dialog.setResult(update.result);
        take(dialog, folder, update.name);
    }
    return failures == 0 ? 0 : 1;
}
