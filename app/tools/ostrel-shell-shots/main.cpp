// ostrel-shell-shots --out DIR: one PNG per shell window and dialog state
// (splash, main window, about box, update dialog), for review.

#include "AppManager.h"
#include "Application/XApplication.h"
#include "Dialogs/AboutDialog.h"
#include "Dialogs/UpgradeDialog.h"
#include "Launch/LaunchManager.h"
#include "Launch/Launcher.h"
#include "MainWindow/MainWindow.h"

#include "ShotRun.h"
#include "ShotWriter.h"

int main(int argc, char** argv)
{
    ScratchHome scratch;
    XApplication app(argc, argv);
    const QString folder = shotsFolder(app);
    if (folder.isEmpty())
        return 1;
    ShotWriter shots(folder);
    AppManager::instance()->initApplication();
    LaunchManager::setDeviceListLoader([] {});

    {
        Launcher splash;
        app.setMainWidget(&splash);
        shots.take(splash, "splash", 3);
    }
    MainWindow window;
    app.setMainWidget(&window);
    shots.take(window, "main-window", 3);

    {
        AboutDialog about(&window);
        shots.take(about, "about", 3);
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
        shots.take(dialog, update.name, 3);
    }
    return shots.failures() == 0 ? 0 : 1;
}
