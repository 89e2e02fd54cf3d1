#include "support/FakeSystem.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace TestSupport {

FakeSystem::FakeSystem()
{
    fs::create_directories(dir / "sys/block");
    fs::create_directories(dir / "sys/class/block");
    fs::create_directories(dir / "dev");
    WriteFile(dir / "mountinfo", "");
}

void FakeSystem::WriteFile(const std::string& path, const std::string& text) const
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void FakeSystem::AddDisk(const std::string& name, const std::string& busPath, uint64_t sectors,
                         const std::map<std::string, std::string>& attributes)
{
    const std::string sys = dir / ("sys/devices/" + busPath + "/block/" + name);
    fs::create_directories(sys);
    const std::string number = "8:" + std::to_string(nextMinor);
    nextMinor += 16;
    WriteFile(sys + "/dev", number + "\n");
    WriteFile(sys + "/size", std::to_string(sectors) + "\n");
    WriteFile(sys + "/removable", "0\n");
    for (const auto& [file, text] : attributes)
        WriteFile(sys + "/" + file, text + "\n");
    fs::create_symlink(sys, dir / ("sys/block/" + name));
    fs::create_symlink(sys, dir / ("sys/class/block/" + name));
    sysPaths[name] = sys;
    numbers[name] = number;
}

void FakeSystem::AddPartition(const std::string& disk, const std::string& name, uint64_t number,
                              uint64_t startSector, uint64_t sectors)
{
    const std::string sys = sysPaths.at(disk) + "/" + name;
    fs::create_directories(sys);
    const std::string major = numbers.at(disk).substr(0, numbers.at(disk).find(':'));
    const unsigned diskMinor = std::stoul(numbers.at(disk).substr(numbers.at(disk).find(':') + 1));
    const std::string devNumbers = major + ":" + std::to_string(diskMinor + number);
    WriteFile(sys + "/dev", devNumbers + "\n");
    WriteFile(sys + "/partition", std::to_string(number) + "\n");
    WriteFile(sys + "/start", std::to_string(startSector) + "\n");
    WriteFile(sys + "/size", std::to_string(sectors) + "\n");
    fs::create_symlink(sys, dir / ("sys/class/block/" + name));
    sysPaths[name] = sys;
    numbers[name] = devNumbers;
}

void FakeSystem::RemoveDisk(const std::string& name)
{
    const std::string diskSys = sysPaths.at(name);
    for (const auto& [device, sys] : sysPaths)
        if (sys == diskSys || sys.rfind(diskSys + "/", 0) == 0)
            fs::remove(dir / ("sys/class/block/" + device));
    fs::remove(dir / ("sys/block/" + name));
    fs::remove_all(diskSys);
}

void FakeSystem::AddHolder(const std::string& device, const std::string& holder, const std::string& dmUuid)
{
    const std::string sys = dir / ("sys/devices/virtual/block/" + holder);
    WriteFile(sys + "/dm/uuid", dmUuid);
    WriteFile(sys + "/dev", "254:" + std::to_string(nextMinor++) + "\n");
    WriteFile(sys + "/size", "0\n");
    fs::create_directories(sysPaths.at(device) + "/holders");
    fs::create_symlink(sys, sysPaths.at(device) + "/holders/" + holder);
    fs::create_symlink(sys, dir / ("sys/class/block/" + holder));
    fs::create_symlink(sys, dir / ("sys/block/" + holder));
}

void FakeSystem::AddMount(const std::string& device, const std::string& escapedMountPoint, const std::string& fsType,
                          const std::string& root)
{
    mountInfo += std::to_string(nextMountId++) + " 1 " + numbers.at(device) + " " + root + " " + escapedMountPoint +
                 " rw,relatime shared:1 - " + fsType + " /dev/" + device + " rw\n";
    WriteFile(dir / "mountinfo", mountInfo);
}

std::string FakeSystem::DeviceNode(const std::string& name) const
{
    return dir / ("dev/" + name);
}

Platform::SystemRoots FakeSystem::Roots() const
{
    Platform::SystemRoots roots;
    roots.sysRoot = dir / "sys";
    roots.devRoot = dir / "dev";
    roots.mountInfoPath = dir / "mountinfo";
    return roots;
}

}
