// ostrel-guide-shots --out DIR: the device tour's three steps over the device
// page (guide-device-1..3) and the results tour's four steps over the results
// page (guide-results-1..4, the real page before any scan), in the main window on a
// made-up machine.

#include "AppManager.h"
#include "Application/XApplication.h"
#include "GuideManagement.h"
#include "Guides/GuideStepAbstract.h"
#include "MainWindow/MainWindow.h"
#include "Modules/ModuleManager.h"

#include "MadeUpMachine.h"
#include "ShotRun.h"
#include "ShotWriter.h"

#include <QStackedWidget>

namespace {

// Walks a tour from its first step, one picture a step.
void walk(MainWindow& window, GuideManagement* tour, ShotWriter& shots, const QString& prefix)
{
    tour->stack()->setCurrentIndex(0);
    tour->setGuideVisible(true);
    for (int step = 0; step < tour->stack()->count(); ++step) {
        tour->stack()->setCurrentIndex(step);
        shots.take(window, QString("%1-%2").arg(prefix).arg(step + 1));
    }
    tour->setGuideVisible(false);
}

}  // namespace

int main(int argc, char** argv)
{
    ScratchHome scratch;
    XApplication app(argc, argv);
    const QString folder = shotsFolder(app);
    if (folder.isEmpty())
        return 1;
    ShotWriter shots(folder);
    AppManager::instance()->initApplication();
    useMadeUpMachine("ext4");

    {
        MainWindow window;
        window.resize(XApplication::scaledX(1240), XApplication::scaledY(780));
        // Shows the window and the device tour, as at the first start.
        window.onLaunchFinished();
        walk(window, StorageGuideManagement::instance(), shots, "guide-device");

        // The results page, before any scan, hands the last step its "Recover" button.
        ModuleManager::instance()->setCurrentModule(ModuleManager::RecoveryStorage);
        walk(window, RecoveryToolkitGuideManagement::instance(), shots, "guide-results");
    }
    return shots.failures() ? 1 : 0;
}
