// ostrel-guide-shots --out DIR: the device tour's three steps over the device
// page (guide-device-1..3) and the results tour's four steps over the results
// page (guide-results-1..4), in the main window on a made-up machine.

#include "AppManager.h"
#include "Application/XApplication.h"
#include "GuideManagement.h"
#include "Guides/GuideStepAbstract.h"
#include "MainWindow/MainWindow.h"
#include "Modules/ModuleLayout.h"
#include "Modules/ModuleManager.h"
#include "StorageDeviceManager.h"
#include "StorageDeviceModule.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int failures = 0;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget& window, const QString& folder, const QString& name)
{
    settle();
    const QString path = QDir(folder).filePath(name + ".png");
    if (window.grab().save(path)) {
        QTextStream(stdout) << path << "\n";
    } else {
        QTextStream(stderr) << "cannot write " << path << "\n";
        ++failures;
    }
}

QDiskAndVolumeInfo volume(const QString& name, const QString& letter, double totalGiB, double freeGiB, quint64 disk,
                          quint64 index, bool external)
{
    QDiskAndVolumeInfo record;
    record.displayName = name;
    record.volumeLetter = letter;
    record.fileSystem = "ext4";
    record.volumePath = QStringLiteral("/dev/disk%1").arg(disk);
    record.partitionStart = index << 20;
    record.totalBytes = quint64(totalGiB * (1ull << 30));
    record.freeBytes = quint64(freeGiB * (1ull << 30));
    record.totalSizeText = QStringLiteral("%1 GB").arg(totalGiB, 0, 'f', 2);
    record.freeSizeText = QStringLiteral("%1 GB").arg(freeGiB, 0, 'f', 2);
    record.diskIndex = disk;
    record.volIndex = index;
    record.isExternal = external;
    return record;
}

// Walks a tour from its first step, one picture a step.
void walk(MainWindow& window, GuideManagement* tour, const QString& folder, const QString& prefix)
{
    tour->stack()->setCurrentIndex(0);
    tour->setGuideVisible(true);
    for (int step = 0; step < tour->stack()->count(); ++step) {
        tour->stack()->setCurrentIndex(step);
        save(window, folder, QString("%1-%2").arg(prefix).arg(step + 1));
    }
    tour->setGuideVisible(false);
}

}  // namespace

int main(int argc, char** argv)
{
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
    StorageDeviceManager::instance().setCachedList(
        {volume("System Disk (nvme0n1p2)", "/", 476.34, 211.08, 0, 1, false),
         volume("Home (nvme0n1p3)", "/home", 300.0, 12.5, 0, 2, false),
         volume("MYSTICK (sdb1)", "/media/user/MYSTICK", 28.87, 20.01, 1, 0, true)});
    ModuleLayout::setModuleFactory([](ModuleManager::ModuleType type, QWidget* parent) -> AbstractModuleWidget* {
        return type == ModuleManager::StorageDevice ? new StorageDeviceModule(parent) : nullptr;
    });

    {
        MainWindow window;
        window.resize(XApplication::scaledX(1240), XApplication::scaledY(780));
        // Shows the window and the device tour, as at the first start.
        window.onLaunchFinished();
        walk(window, StorageGuideManagement::instance(), folder, "guide-device");

        // The results page gives the last step its "Recover" button's size.
        ModuleManager::instance()->setCurrentModule(ModuleManager::RecoveryStorage);
        RecoveryToolkitGuideManagement::instance()->setStepTarget(3, QSize(XApplication::scaledX(120),
                                                                             XApplication::scaledY(38)),
                                                                  QPoint(-1, -1));
        walk(window, RecoveryToolkitGuideManagement::instance(), folder, "guide-results");
    }
    return failures ? 1 : 0;
}
