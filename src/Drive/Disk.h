#pragma once
// A disk as a self-contained object: its partition tables, what the system
// says of the device, and its volumes. Read completely when it is built; no
// device stays open afterwards.
#include "Disk/PartitionEntries.h"
#include "Drive/EbrChain.h"
#include "Drive/Volume.h"
#include "Platform/Linux/DeviceFile.h"
#include "Platform/Linux/SystemRoots.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Drive {

class Disk {
public:
    // Builds the disk at devicePath (a whole disk's node or an image file).
    // Device errors leave fields at their initial values; nothing throws for them.
    Disk(int32_t number, const std::string& devicePath, const Platform::SystemRoots& roots);
    virtual ~Disk() = default;
    Disk(const Disk&) = delete;
    Disk& operator=(const Disk&) = delete;

    virtual bool IsVirtual() const { return false; }
    // The device opened again for reading; null when it cannot be.
    std::unique_ptr<Platform::DeviceFile> Open() const;
    // The first volume with this partition number, or null.
    std::shared_ptr<Volume> GetVolume(uint32_t partitionNumber) const;

    int32_t diskNumber = -1;
    std::string devicePath;
    uint64_t diskSize = 0;
    uint32_t sectorSize = 512;
    uint32_t partitionStyle = 2; // 0 MBR, 1 GPT, 2 RAW
    Sector sector0{};
    std::vector<EbrRecord> extendedBootRecords; // of the first extended partition, addresses made absolute
    uint8_t gpt = 0;
    Sector gptHeader{};
    std::vector<GptPartitionEntry> gptEntries;
    std::string vendor, product, revision, serial;
    uint32_t mediaKind = 0; // 0 unknown, 1 rotational, 2 not, 3 USB without the answer
    uint8_t usb = 0;
    uint8_t removable = 0;
    std::vector<std::shared_ptr<Volume>> volumes;

protected:
    // For virtual disks: fields set by the derived constructor.
    Disk() = default;
    void ReadTables(Platform::DeviceFile& device);
    void BuildVolumes(const Platform::SystemRoots& roots);
};

class VirtualDisk : public Disk {
public:
    enum Kind : int32_t { TrueCrypt = 0, VeraCrypt = 1, ImageFile = 2 };

    // One volume over the whole device or file at path, style RAW, start 0.
    VirtualDisk(Kind kind, const std::string& path, int32_t number, const Platform::SystemRoots& roots);
    bool IsVirtual() const override { return true; }

    Kind kind;
};

// "TrueCrypt", "VeraCrypt", "ImageFile", or "Unknown" for any other kind.
std::string VirtualDiskKindName(int32_t kind);

// Whether a first sector is a file system's boot sector (including a BitLocker
// volume header) rather than a partition table.
bool StartsWithFileSystem(const Sector& sector);

}
