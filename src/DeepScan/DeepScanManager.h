#pragma once
// The carving engine of one volume: finds where files start by their
// signatures, follows each with its parser to its end, and reports every
// accepted file as a carved file named by its extension and start offset.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DeepScan/CarveRunner.h"
#include "DeepScan/ChunkReader.h"
#include "DeepScan/ParallelCarver.h"

#include <memory>
#include <span>
#include <vector>

class DeepScanManager : public DataRecoveryEntity {
public:
    DeepScanManager(const VolumeInfoItem& volume, DiskAndVolumeInfo info, DataRecoveryCallback callback);
    ~DeepScanManager() override;

    // Sequential carve of the whole volume, one file at a time.
    int Start() override;
    int Start(const std::string& path) override;
    int ScanStructure(int64_t inode) override;
    // One block after the previous one; several carves run at once.
    int ScanBlock(uint64_t offset, const uint8_t* block, size_t length) override;
    // Reads every block of the volume and carves it.
    int ScanRaw() override;
    int AfterScanRaw() override;
    int64_t GetRootInode() override;
    bool GetClusterState(uint64_t position, uint64_t* length) override;
    int GetFileSystemType() override;
    std::shared_ptr<Utils::PartReader> GetReader() override;
    Utils::PartReader* GetRawReader() override;
    void FinishScan() override;

    // The raw search's path. BeginCarving starts the workers; CarveChunk takes
    // the volume's chunks in order, carves starting only where startAllowed says
    // so (empty: everywhere), and reports the files of chunks already carved;
    // EndCarving reports the rest and drops carves cut by the volume's end.
    // AbandonCarving stops the workers without reporting (a stopped pass).
    // Carves run on workers (empty: a set of CarveWorkers() threads of its
    // own); they and the waits poll runState (empty: this manager's own).
    void BeginCarving(std::shared_ptr<Thread::ThreadPool> workers = {}, SharedRunState runState = {});
    void CarveChunk(DeepScan::SharedChunk chunk, std::vector<bool> startAllowed);
    void EndCarving();
    void AbandonCarving();
    // Carving workers of ScanRaw; 0 (the default) takes DeepScan::CarveWorkerCount().
    void SetCarveWorkers(size_t workers) { carveWorkers = workers; }
    size_t CarveWorkers() const { return carveWorkers ? carveWorkers : DeepScan::CarveWorkerCount(); }
    // The chunk the raw passes read and hand to the workers.
    static constexpr uint64_t chunkSize = 1 << 20;

    uint64_t VolumeLength() const { return volumeLength; }

    // "jpg_1048576.jpg": the extension and the volume-relative start offset.
    static std::string CarvedName(int32_t typeId, uint64_t start);

private:
    // Start names files inside a folder of their extension (jpg/jpg_1048576.jpg).
    void Report(const std::vector<DeepScan::CarvedFile>& files, bool inTypeFolder);
    void Progress(uint64_t position);
    // Feeds the volume's bytes to a runner on this thread (one carve at a time).
    void CarveWholeVolume(DeepScan::CarveRunner& runner, bool inTypeFolder);

    VolumeInfoItem volumeRecord;
    uint64_t volumeLength = 0;
    std::shared_ptr<Utils::PartReader> reader;
    DeepScan::CarveRunner runner;
    uint64_t blockFeedOffset = 0;
    double lastPercentage = 0.0;
    size_t carveWorkers = 0;
    std::unique_ptr<DeepScan::ParallelCarver> parallel;
};
