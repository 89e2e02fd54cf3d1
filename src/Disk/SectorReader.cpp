#include "Disk/SectorReader.h"

#include <cerrno>
#include <cstring>
#include <iostream>

SectorReader::SectorReader(std::string path, uint64_t baseOffset) : path(std::move(path)), baseOffset(baseOffset) {}

SectorReader::~SectorReader()
{
    Close();
}

bool SectorReader::Open()
{
    Close();
    std::string name = path;
    if (!name.empty() && name.back() == '\\')
        name.pop_back();
    file = Platform::OpenDeviceFile(name, false);
    if (!file) {
        const int error = errno;
        std::cerr << "Failed to open disk: " << name << " Error: " << error << " (" << std::strerror(error) << ")"
                  << std::endl;
        return false;
    }
    return true;
}

bool SectorReader::ReadAt(uint64_t offset, void* buffer, uint32_t count)
{
    if (!file) {
        std::cerr << "Disk not open" << std::endl;
        return false;
    }
    const int64_t n = file->ReadAt(offset, buffer, count);
    if (n < 0) {
        std::cerr << "ReadFile failed: " << -n << " (" << std::strerror(static_cast<int>(-n)) << ")" << std::endl;
        return false;
    }
    if (static_cast<uint64_t>(n) != count) {
        std::cerr << "Read " << n << " bytes, expected " << count << std::endl;
        return false;
    }
    return true;
}

bool SectorReader::ReadSector(uint64_t sector, void* buffer, uint32_t count)
{
    const uint64_t size = SectorSize();
    const uint64_t first = sector + baseOffset / size;
    if (first > UINT64_MAX / size) {
        std::cerr << "Sector " << sector << " lies beyond any disk" << std::endl;
        return false;
    }
    return ReadAt(first * size, buffer, count);
}

uint64_t SectorReader::GetDiskSize()
{
    if (!file) {
        std::cerr << "Disk not open" << std::endl;
        return 0;
    }
    const uint64_t size = file->Size();
    if (size == 0)
        std::cerr << "Cannot tell the size of " << path << std::endl;
    return size;
}

uint32_t SectorReader::SectorSize() const
{
    return file ? file->LogicalSectorSize() : 512;
}

void SectorReader::Close()
{
    file.reset();
}
