#pragma once

#include <QObject>
#include <atomic>

// Which module the main window shows. May be switched from any thread; the
// module layout follows on the GUI thread.
class ModuleManager : public QObject
{
    Q_OBJECT
public:
    enum ModuleType : int { NoModule = 0, StorageDevice = 1, RecoveryStorage = 2 };
    Q_ENUM(ModuleType)

    static ModuleManager* instance();

    // Stores the type and emits currentChanged only when it differs, as one
    // atomic exchange, so two threads switching at once never both see "no change".
    void setCurrentModule(ModuleManager::ModuleType type);
    ModuleManager::ModuleType currentModule() const { return current_.load(); }

signals:
    void currentChanged(ModuleManager::ModuleType type);
    void sigSetEffectIsHover(bool status);

private:
    ModuleManager();
    std::atomic<ModuleType> current_{NoModule};
};

Q_DECLARE_METATYPE(ModuleManager::ModuleType)
