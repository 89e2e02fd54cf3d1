#pragma once
// Memory-card images: an MBR disk whose one partition holds a FAT32 volume
// (mkfs.fat, files copied with mtools) or an exFAT volume (mkfs.exfat, files
// written through exfat-fuse). Every file is a picture whose 512-byte blocks
// name their file and block, so what a recovery gives back is checked block by
// block, and carvers (ours, photorec) can cut it out of raw space by its header.
#include "support/TempDir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace FatTest {

struct CardFile {
    std::string path; // "DCIM/100CAM/IMG_0003.BMP", as written
    uint32_t id = 0;  // its blocks' tag
    std::vector<uint8_t> bytes;
};

struct Card {
    bool exfat = false;
    std::string disk; // the disk image
    uint64_t volumeStart = 0;
    uint64_t volumeLength = 0;
    std::vector<CardFile> files;      // every live file on the volume
    std::vector<std::string> deleted; // files written, then deleted (their clusters taken again)
    std::string why;             // not empty: the card cannot be made here (tool, root, /dev/fuse)

    const CardFile* File(const std::string& path) const;
};

// A BMP picture of about size bytes whose blocks after its header are TaggedFileBytes(id).
std::vector<uint8_t> TaggedPicture(uint32_t id, uint64_t size);

// A 40 MiB FAT32 volume of 512-byte clusters: a root of long names over
// several clusters, DCIM/100CAM with 24 pictures one after the other, Docs
// with a fragmented file (FRAG.BMP) spread over the holes two deleted files left.
Card MakeFat32Card(const TestSupport::TempDir& dir);
// A 16 MiB exFAT volume of 512-byte clusters: a root over several clusters,
// Sub (its entries spread over a FAT chain between the files' clusters),
// Album (contiguous, no FAT chain), Chained (contiguous with a FAT chain),
// and a fragmented root file (FRAG.BMP).
Card MakeExFatCard(const TestSupport::TempDir& dir);

}
