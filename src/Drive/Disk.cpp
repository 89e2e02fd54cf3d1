#include "Drive/Disk.h"

#include "BitLocker/FveMetadata.h"
#include "DataRecovery/Log.h"
#include "Disk/BootSectorName.h"
#include "Disk/DiskBytes.h"
#include "Disk/GptTableReader.h"
#include "Disk/MbrTableReader.h"
#include "Disk/SectorReader.h"
#include "Drive/EbrChain.h"

#include <cstring>

static constexpr const char* LogSource = "src/Drive/Disk";

namespace Drive {

namespace {

constexpr size_t FirstEntryType = 0x1C2;

uint8_t EntryType(const Sector& sector, int slot)
{
    return sector[FirstEntryType + 16 * slot];
}

}

bool StartsWithFileSystem(const Sector& sector)
{
    uint8_t bytes[512];
    std::memcpy(bytes, sector.data(), sizeof bytes);
    const bool fileSystem = GetFileSystemNameFromBootSector(bytes) != "RAW" ||
                            Bitlocker::DetectFveLayout(bytes) != Bitlocker::FveLayout::None;
    explicit_bzero(bytes, sizeof bytes);
    return fileSystem;
}

std::string VirtualDiskKindName(int32_t kind)
{
    switch (kind) {
    case VirtualDisk::TrueCrypt:
        return "TrueCrypt";
    case VirtualDisk::VeraCrypt:
        return "VeraCrypt";
    case VirtualDisk::ImageFile:
        return "ImageFile";
    default:
        return "Unknown";
    }
}

Disk::Disk(int32_t number, const std::string& path, const Platform::SystemRoots& roots)
    : diskNumber(number), devicePath(path)
{
    auto device = Open();
    if (!device) {
        VLOG_ERROR("Disk %s cannot be opened.", path.c_str());
        return;
    }
    diskSize = device->Size();
    sectorSize = device->LogicalSectorSize() ? device->LogicalSectorSize() : 512;
    ReadTables(*device);
    device.reset();
    BuildVolumes(roots);
}

std::unique_ptr<Platform::DeviceFile> Disk::Open() const
{
    return devicePath.empty() ? nullptr : Platform::OpenDeviceFile(devicePath, false);
}

std::shared_ptr<Volume> Disk::GetVolume(uint32_t partitionNumber) const
{
    for (const auto& volume : volumes)
        if (volume->partitionNumber == partitionNumber)
            return volume;
    return nullptr;
}

void Disk::ReadTables(Platform::DeviceFile& device)
{
    if (device.ReadAt(0, sector0.data(), sector0.size()) != static_cast<int64_t>(sector0.size())) {
        VLOG_ERROR("Sector 0 of %s cannot be read.", devicePath.c_str());
        return;
    }
    // A disk without a table (a card formatted whole, a volume image) starts
    // with a boot sector, which read as an MBR gives nonsense partitions.
    if (StartsWithFileSystem(sector0) || sector0[510] != 0x55 || sector0[511] != 0xAA)
        return;
    int used = 0;
    for (int slot = 0; slot < 4; ++slot)
        used += EntryType(sector0, slot) != 0;
    if (used == 0)
        return;
    partitionStyle = 0;
    if (used == 1 && EntryType(sector0, 0) == 0xEE) {
        partitionStyle = 1;
        gpt = 1;
        const uint64_t headerLba = DiskBytes::U32(sector0.data(), sector0.size(), 0x1C6);
        device.ReadAt(headerLba * sectorSize, gptHeader.data(), gptHeader.size());
        SectorReader reader(devicePath);
        if (reader.Open()) {
            GptTableReader table(reader);
            gptEntries = table.Read();
            if (!table.Error().empty())
                VLOG_ERROR("GPT of %s: %s", devicePath.c_str(), table.Error().c_str());
        }
        return;
    }
    for (int slot = 0; slot < 4; ++slot) {
        if (!IsExtendedPartitionType(EntryType(sector0, slot)))
            continue;
        const uint64_t start = DiskBytes::U32(sector0.data(), sector0.size(), 0x1C6 + 16 * slot);
        extendedBootRecords = ReadEbrChain(device, start, sectorSize, diskSize);
        break;
    }
}

void Disk::BuildVolumes(const Platform::SystemRoots& roots)
{
    const auto add = [&](const PartitionExtent& extent) {
        volumes.push_back(std::make_shared<Volume>(extent, this, "", roots));
    };
    if (partitionStyle == 2) {
        if (StartsWithFileSystem(sector0))
            add({2, 0, diskSize, 0});
        return;
    }
    if (partitionStyle == 1) {
        uint32_t number = 0;
        for (const auto& entry : gptEntries) {
            if (entry.lastLba < entry.firstLba || entry.lastLba >= UINT64_MAX / sectorSize) {
                VLOG_ERROR("GPT entry %u of %s has an impossible extent.", entry.partitionNumber, devicePath.c_str());
                continue;
            }
            PartitionExtent extent{1, entry.firstLba * sectorSize, (entry.lastLba - entry.firstLba + 1) * sectorSize,
                                   number++};
            extent.gptType = entry.typeGuid;
            add(extent);
        }
        return;
    }
    bool extendedSeen = false;
    for (int slot = 0; slot < 4; ++slot) {
        const uint8_t type = EntryType(sector0, slot);
        const size_t at = 0x1BE + 16 * slot;
        if (type == 0)
            continue;
        if (IsExtendedPartitionType(type)) {
            // The first extended partition gives way to its logical partitions.
            uint32_t number = 5;
            if (!extendedSeen)
                for (const auto& record : extendedBootRecords)
                    if (record.type != 0 && !IsExtendedPartitionType(record.type))
                        add({0, record.partitionStart * sectorSize, uint64_t{record.sectorCount} * sectorSize,
                             number++, static_cast<uint8_t>(record.status == 0x80)});
            extendedSeen = true;
            continue;
        }
        add({0, DiskBytes::U32(sector0.data(), sector0.size(), at + 8) * uint64_t{sectorSize},
             DiskBytes::U32(sector0.data(), sector0.size(), at + 12) * uint64_t{sectorSize},
             static_cast<uint32_t>(slot + 1), static_cast<uint8_t>(sector0[at] == 0x80)});
    }
}

VirtualDisk::VirtualDisk(Kind kind, const std::string& path, int32_t number, const Platform::SystemRoots& roots)
    : kind(kind)
{
    diskNumber = number;
    devicePath = path;
    product = VirtualDiskKindName(kind);
    partitionStyle = 2;
    if (auto device = Open()) {
        diskSize = device->Size();
        sectorSize = device->LogicalSectorSize() ? device->LogicalSectorSize() : 512;
        device->ReadAt(0, sector0.data(), sector0.size());
    } else {
        VLOG_ERROR("%s %s cannot be opened.", product.c_str(), path.c_str());
        return;
    }
    volumes.push_back(std::make_shared<Volume>(PartitionExtent{2, 0, diskSize, 0}, this, path, roots));
}

}
