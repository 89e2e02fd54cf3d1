#include "Platform/Linux/FileSystemProbe.h"

#include <blkid/blkid.h>

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {

class Probe {
public:
    Probe(const std::string& path, uint64_t offset, uint64_t length)
    {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        probe = blkid_new_probe();
        if (probe && blkid_probe_set_device(probe, fd, static_cast<blkid_loff_t>(offset),
                                            static_cast<blkid_loff_t>(length)) != 0) {
            blkid_free_probe(probe);
            probe = nullptr;
        }
    }
    ~Probe()
    {
        if (probe)
            blkid_free_probe(probe);
        if (fd >= 0)
            ::close(fd);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    blkid_probe get() const { return probe; }

    std::string Value(const char* name) const
    {
        const char* data = nullptr;
        size_t size = 0;
        if (blkid_probe_lookup_value(probe, name, &data, &size) != 0 || !data)
            return {};
        std::string value(data, size);
        while (!value.empty() && value.back() == '\0')
            value.pop_back();
        return value;
    }

private:
    int fd = -1;
    blkid_probe probe = nullptr;
};

}

std::optional<FileSystemProbeResult> ProbeFileSystem(const std::string& path, uint64_t offset,
                                                     uint64_t length)
{
    Probe probe(path, offset, length);
    if (!probe.get())
        return std::nullopt;
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID |
                                                       BLKID_SUBLKS_TYPE | BLKID_SUBLKS_VERSION);
    blkid_probe_enable_partitions(probe.get(), 0);
    if (blkid_do_safeprobe(probe.get()) != 0)
        return std::nullopt;
    FileSystemProbeResult result;
    result.type = probe.Value("TYPE");
    result.version = probe.Value("VERSION");
    result.label = probe.Value("LABEL");
    result.uuid = probe.Value("UUID");
    if (result.type.empty())
        return std::nullopt;
    return result;
}

std::string PartitionTableType(const std::string& path)
{
    Probe probe(path, 0, 0);
    if (!probe.get())
        return {};
    blkid_probe_enable_superblocks(probe.get(), 0);
    blkid_probe_enable_partitions(probe.get(), 1);
    if (blkid_do_safeprobe(probe.get()) != 0)
        return {};
    return probe.Value("PTTYPE");
}

std::string FileSystemDisplayName(const std::string& type, const std::string& version)
{
    if (type.empty())
        return "N/A";
    if (type == "ntfs" || type == "ntfs3")
        return "NTFS";
    if (type == "vfat" || type == "msdos") {
        if (version == "FAT32" || version == "FAT16" || version == "FAT12")
            return version;
        return "FAT";
    }
    if (type == "exfat")
        return "EXFAT";
    if (type == "BitLocker")
        return "Bitlocker";
    std::string upper = type;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

uint64_t VolumeSerialFromUuid(const std::string& type, const std::string& uuid)
{
    if (type != "ntfs" && type != "vfat" && type != "exfat")
        return 0;
    std::string digits;
    for (char c : uuid) {
        if (c == '-')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return 0;
        digits += c;
    }
    if (digits.empty() || digits.size() > 16)
        return 0;
    // NTFS keeps a 64-bit serial; the volume serial is its low half.
    return std::stoull(digits, nullptr, 16) & 0xFFFFFFFFull;
}

}
