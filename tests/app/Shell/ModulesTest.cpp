// Module framework: which module is shown when switches come from the GUI
// thread and from pool threads, and how pages are made, kept and replaced.

#include "ShellTestSupport.h"

#include "Modules/AbstractModuleWidget.h"
#include "Modules/ModuleLayout.h"
#include "Modules/ModuleManager.h"
#include "Modules/PageWidget.h"
#include "StandInRecoveryStorageModule.h"
#include "StandInStorageDeviceModule.h"
#include "ThreadHandOver.h"

#include <QPointer>
#include <QSignalSpy>
#include <QThreadPool>

namespace {

// Counts the pages it makes; id 9 has no page.
class CountingModule : public AbstractModuleWidget
{
public:
    int made = 0;
    QList<int> changes;
    bool keepPages = false;

    QWidget* createPage(int id) override
    {
        if (id == 9)
            return nullptr;
        ++made;
        auto* page = new PageWidget(this);
        page->setObjectName(QString("page %1").arg(id));
        if (keepPages)
            page->setAttribute(Qt::WA_DeleteOnClose, false);
        return page;
    }
    void onPageChanged(int id) override { changes << id; }
};

ModuleManager* manager() { return ModuleManager::instance(); }

} // namespace

class ModulesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { manager()->setCurrentModule(ModuleManager::NoModule); }
    void layoutStartsWithTheDeviceModule();
    void sameTypeEmitsNothing();
    void poolThreadSwitchArrivesLater();
    void otherTypeLeavesTheAreaEmpty();
    void racingSwitchesEndInAgreement();
    void pageSwitchEdgeCases();
    void registeredPageIsShownAgainWithoutANewOne();
    void confirmCloseWithoutModule();
};

void ModulesTest::layoutStartsWithTheDeviceModule()
{
    ModuleLayout layout;
    QVERIFY(qobject_cast<StandInStorageDeviceModule*>(layout.currentModule()));
    QCOMPARE(manager()->currentModule(), ModuleManager::StorageDevice);
    auto* module = qobject_cast<AbstractModuleWidget*>(layout.currentModule());
    QCOMPARE(module->currentPageId(), 0);
    QVERIFY(module->currentPage());
}

void ModulesTest::sameTypeEmitsNothing()
{
    ModuleLayout layout;
    QSignalSpy spy(manager(), &ModuleManager::currentChanged);
    QWidget* before = layout.currentModule();
    manager()->setCurrentModule(ModuleManager::StorageDevice);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(layout.currentModule(), before);
    manager()->setCurrentModule(ModuleManager::RecoveryStorage);
    QCOMPARE(spy.count(), 1);
    QVERIFY(qobject_cast<StandInRecoveryStorageModule*>(layout.currentModule()));
}

void ModulesTest::poolThreadSwitchArrivesLater()
{
    ModuleLayout layout;
    QPointer<QWidget> deviceModule = layout.currentModule();
    ThreadHandOver::Run([] { manager()->setCurrentModule(ModuleManager::RecoveryStorage); })
        .waitForFinished();
    // Stored at once, shown only when the GUI thread delivers the change.
    QCOMPARE(manager()->currentModule(), ModuleManager::RecoveryStorage);
    QCOMPARE(layout.currentModule(), deviceModule.data());
    QTRY_VERIFY(qobject_cast<StandInRecoveryStorageModule*>(layout.currentModule()));
    auto* results = qobject_cast<AbstractModuleWidget*>(layout.currentModule());
    QCOMPARE(results->currentPageId(), 0);
    QTRY_VERIFY(deviceModule.isNull());
}

void ModulesTest::otherTypeLeavesTheAreaEmpty()
{
    ModuleLayout layout;
    manager()->setCurrentModule(static_cast<ModuleManager::ModuleType>(7));
    QVERIFY(!layout.currentModule());
    QCOMPARE(layout.confirmClose(), 0);
}

void ModulesTest::racingSwitchesEndInAgreement()
{
    ModuleLayout layout;
    for (int round = 0; round < 200; ++round) {
        const auto poolType = round % 2 ? ModuleManager::RecoveryStorage : ModuleManager::StorageDevice;
        const auto guiType = round % 2 ? ModuleManager::StorageDevice : ModuleManager::RecoveryStorage;
        QFuture<void> pool = ThreadHandOver::Run([poolType] { manager()->setCurrentModule(poolType); });
        manager()->setCurrentModule(guiType);
        pool.waitForFinished();
        if (round % 10 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const ModuleManager::ModuleType current = manager()->currentModule();
    QCOMPARE(layout.shownType(), current);
    if (current == ModuleManager::StorageDevice)
        QVERIFY(qobject_cast<StandInStorageDeviceModule*>(layout.currentModule()));
    else
        QVERIFY(qobject_cast<StandInRecoveryStorageModule*>(layout.currentModule()));

    // And the next switch back is not lost.
    const auto other = current == ModuleManager::StorageDevice ? ModuleManager::RecoveryStorage
                                                                : ModuleManager::StorageDevice;
    manager()->setCurrentModule(other);
    QCOMPARE(layout.shownType(), other);
}

void ModulesTest::pageSwitchEdgeCases()
{
    CountingModule module;
    module.switchToPage(1);
    QCOMPARE(module.made, 1);
    QCOMPARE(module.changes, QList<int>{1});
    QPointer<QWidget> first = module.currentPage();

    module.switchToPage(1);
    module.switchToPage(9);
    QCOMPARE(module.made, 1);
    QCOMPARE(module.changes, QList<int>{1});
    QCOMPARE(module.currentPageId(), 1);

    module.switchToPage(2);
    QCOMPARE(module.currentPage()->objectName(), QString("page 2"));
    QCOMPARE(module.changes, (QList<int>{1, 2}));
    // The page left behind deletes itself.
    QTRY_VERIFY(first.isNull());
}

void ModulesTest::registeredPageIsShownAgainWithoutANewOne()
{
    CountingModule module;
    module.keepPages = true;
    module.switchToPage(1);
    QWidget* kept = module.currentPage();
    module.switchToPage(2);
    module.switchToPage(1);
    QCOMPARE(module.made, 2);
    QCOMPARE(module.currentPage(), kept);
    QCOMPARE(module.changes, (QList<int>{1, 2, 1}));
}

void ModulesTest::confirmCloseWithoutModule()
{
    ModuleLayout layout;
    manager()->setCurrentModule(ModuleManager::NoModule);
    QVERIFY(!layout.currentModule());
    QCOMPARE(layout.confirmClose(), 0);
}

OSTREL_SHELL_TEST_MAIN(ModulesTest)
#include "ModulesTest.moc"
