#pragma once
// Where the listing looks for the machine's devices. Tests point these at a
// fake tree; the real program uses the system's own folders.
#include <string>
#include <vector>

namespace Platform {

struct SystemRoots {
    std::string sysRoot = "/sys";
    std::string devRoot = "/dev";
    std::string mountInfoPath = "/proc/self/mountinfo";
    // Image files (or block devices) listed as disks after the real ones.
    std::vector<std::string> diskImages;
    // False lists the images alone (VELMORA_IMAGES_ONLY=1): nothing on the
    // machine's own disks can be selected, and their numbering cannot shift
    // the images' numbers when devices come and go.
    bool includeMachineDisks = true;

    // The real folders, with the images named by VELMORA_DISK_IMAGES
    // (and VELMORA_IMAGES_ONLY); VELMORA_SYSTEM_ROOT=DIR (a test seam) reads
    // DIR/sys, DIR/dev and DIR/mountinfo instead, as FakeSystem lays them out.
    static SystemRoots FromEnvironment();

    // The udev database describes only the real sysfs tree.
    bool UsesRealSysfs() const { return sysRoot == "/sys"; }
};

// Splits a colon-separated list of paths, dropping empty items.
std::vector<std::string> SplitPathList(const std::string& list);

}
