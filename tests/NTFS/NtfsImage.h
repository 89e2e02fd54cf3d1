#pragma once
// NTFS images made at test time: mkntfs, then files written through an
// ntfs-3g FUSE mount of the image file.
#include "DataRecovery/DiskAndVolumeInfo.h"
#include "Disk/VolumeInfoItem.h"
#include "support/Tools.h"

#include <cstdint>
#include <map>
#include <string>

namespace NtfsImage {

// Whether mkntfs, ntfs-3g, /dev/fuse and the Sleuth Kit are all here; else why not.
std::string MissingTools();

// Makes path (sizeMiB, mkntfs options), mounts it at a folder beside it, runs
// the bash script with $M set to the mount folder, unmounts. Fails the test on
// any error (the mount is always undone). mountOptions go to ntfs-3g -o
// (streams_interface=windows opens named streams as "file:stream").
void Make(const std::string& path, uint64_t sizeMiB, const std::string& mkntfsOptions, const std::string& script,
          const std::string& mountOptions = "");

// Mounts the image at a folder beside it, runs the bash script with $M set to
// the mount folder, unmounts; fails the test on any error.
void RunMounted(const std::string& path, const std::string& script, const std::string& mountOptions = "");

VolumeInfoItem Volume(const std::string& path);

// A Python script: FILE COUNT FILL writes every other 4 KiB block of FILE
// (COUNT blocks), and with FILL 1 the gaps too, afterwards.
extern const char* const GapWriter;

// fls -r -p of the image: path (with "/") to inode, for allocated entries
// (with deleted, fls -d: the deleted ones).
std::map<std::string, uint64_t> ListFiles(const std::string& path, bool deleted = false);

// A found file's path (".\\dir\file", as the node store builds it) in fls's
// form: "/" and without the start folder.
std::string FoundPath(std::string enginePath);

// The $DATA size istat gives for an inode.
std::string Istat(const std::string& path, uint64_t inode);
std::string Icat(const std::string& path, uint64_t inode);

}

// Skips the current test, saying why, when MissingTools() names something (a
// failure under VELMORA_NO_TOOL_SKIPS).
#define REQUIRE_NTFS_TOOLS()                                  \
    do {                                                      \
        const std::string missingNtfsTool = NtfsImage::MissingTools(); \
        if (!missingNtfsTool.empty())                         \
            SKIP_FOR_MISSING(missingNtfsTool);                \
    } while (0)
