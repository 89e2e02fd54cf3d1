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

namespace {

void take(ShotWriter& shots, QWidget& widget, const QString& name)
{
    widget.show();
    processEventRounds(3);
    shots.save(widget.grab(), name);
}

} // namespace

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
        take(shots, splash, "splash");
    }
    MainWindow window;
    app.setMainWidget(&window);
    take(shots, window, "main-window");

    {
        AboutDialog about(&window);
        take(shots, about, "about");
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
        take(shots, dialog, update.name);
    }
    return shots.failures() == 0 ? 0 : 1;
}
