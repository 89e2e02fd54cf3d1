#pragma once
#include "QDiskAndVolumeInfo.h"
#include "ScanTargetInfo.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

struct DataRecoveryInfo;

using DiskVolumeHash = QHash<quint64, QDiskAndVolumeInfo>;

// The program's only owner of the engine object: resolves scan targets, creates
// the engine object, starts, pauses, resumes and stops scans, carries every
// engine event into the document manager, and releases the engine object.
class StorageDataRecoverMgr : public QObject {
    Q_OBJECT
public:
    static StorageDataRecoverMgr* instance();
    explicit StorageDataRecoverMgr(QObject* parent = nullptr);
    ~StorageDataRecoverMgr() override;

    // Starters: return at once; the scan runs on Qt's global pool.
    void startVolumeScan(const QDiskAndVolumeInfo& volume, quint8 deviceType);
    void startWholeDiskScan(const QVector<QDiskAndVolumeInfo>& volumes, quint8 deviceType);
    void startPathScan(const QStringList& paths, int deviceType);
    void startRecycleBinScan();

    void pauseScan();
    void resumeScan();
    void stopScan();
    void stopRecovery();
    // The engine's recovery may run again: a stop left from an earlier export ends.
    void resumeRecovery();
    // The first step of the quit: the engine stops scanning and recovering and the
    // model's export stops asking for files.
    void stopEngineWork();
    // A stop was asked (by the user or the quit) since the current scan began to start.
    bool isScanStopWanted() const;
    int recoverData(const QString& folder, const DataRecoveryInfo& item);
    int recoverToMemory(char* buffer, size_t* inOutLength, const DataRecoveryInfo& item);
    void releaseDataRecovery();
    void releaseScanData();

    // Copies: the scan's records may be replaced by the next start.
    DiskVolumeHash diskVolumeHash() const;
    ScanTargetInfo currentScanTarget() const;
    quint8 currentDeviceType() const;
    // The record of a key, or none.
    std::optional<QDiskAndVolumeInfo> diskInfo(quint64 key) const;
    std::optional<QDiskAndVolumeInfo> currentDiskInfo() const;
    bool hasEngine() const;

    void sendDiskStatistics();
    void sendExternalDiskStatistics();
    void sendSDCardStatistics();

    // Seams: the shell's module switch, the thumbnail engine's clearing, the
    // analytics sender (tests capture it) and the start's settling delay.
    void setModuleSwitcher(std::function<void(int)> switcher);
    void setThumbnailClearer(std::function<void()> clearer);
    using AnalyticsSender = std::function<void(const QString& category, const QString& action, const QString& label,
                                               const QString& value)>;
    void setAnalyticsSender(AnalyticsSender sender);
    void setStartDelayMs(int ms);
    // Waits until no starter task runs (tests and the probe tool).
    bool waitForStarters(int timeoutMs);
    // Test seams: whileCreating runs on the starter's thread while the engine
    // object is being built (the bridge's engine lock held); beforeRun once the
    // run is let through (after its stop-wanted check) and before the engine's
    // run is called; onEngineEvent sees every engine event as the engine sends it.
    struct TestHooks {
        std::function<void()> whileCreating;
        std::function<void()> beforeRun;
        std::function<void(const DataRecoveryInfo&)> onEngineEvent;
    };
    void setTestHooks(TestHooks hooks);

signals:
    void initCfgFinished(bool ok);

public:
    class StorageDataRecoverMgrImpl;

private:
    std::unique_ptr<StorageDataRecoverMgrImpl> d;
};
