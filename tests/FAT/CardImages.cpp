#include "FAT/CardImages.h"

#include "FAT/CardLayout.h"
#include "FAT/FatImages.h"
#include "support/TaggedFiles.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace TestSupport;

namespace FatTest {

namespace {

constexpr uint64_t volumeStart = 1024 * 1024;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v)
{
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// Files written to one folder, recorded in the card as they go.
struct Batch {
    Card& card;
    std::string folder; // "DCIM/100CAM", "" for the root
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;

    void Add(const std::string& name, uint32_t id, uint64_t size)
    {
        auto bytes = TaggedPicture(id, size);
        card.files.push_back({folder.empty() ? name : folder + "/" + name, id, bytes});
        files.push_back({name, std::move(bytes)});
    }
};

void WriteThroughMount(const std::string& mountPoint, const Batch& batch)
{
    for (const auto& [name, bytes] : batch.files) {
        std::ofstream out(mountPoint + "/" + (batch.folder.empty() ? "" : batch.folder + "/") + name,
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << name;
    }
}

void Delete(Card& card, const std::string& path)
{
    std::erase_if(card.files, [&](const CardFile& f) { return f.path == path; });
    card.deleted.push_back(path);
}

// The volume image becomes the card's one partition.
void PlaceOnCard(Card& card, const std::string& volume, const std::string& disk, const std::string& type)
{
    card.disk = disk;
    card.volumeStart = volumeStart;
    card.volumeLength = std::filesystem::file_size(volume);
    PlaceInMbrDisk(volume, card.disk, volumeStart, type);
    std::filesystem::remove(volume);
}

}

const CardFile* Card::File(const std::string& path) const
{
    for (const auto& f : files)
        if (f.path == path)
            return &f;
    return nullptr;
}

std::vector<uint8_t> TaggedPicture(uint32_t id, uint64_t size)
{
    // 64 pixels of 24 bits a row: rows of 192 bytes, no padding.
    const uint32_t rows = static_cast<uint32_t>(size > 54 + 192 ? (size - 54) / 192 : 1);
    const uint32_t fileSize = 54 + 192 * rows;
    auto bytes = TaggedFileBytes(id, fileSize);
    std::vector<uint8_t> header(54, 0);
    header[0] = 'B';
    header[1] = 'M';
    Put32(header, 2, fileSize);
    Put32(header, 10, 54);
    Put32(header, 14, 40);
    Put32(header, 18, 64);
    Put32(header, 22, rows);
    Put16(header, 26, 1);
    Put16(header, 28, 24);
    Put32(header, 34, fileSize - 54);
    Put32(header, 38, 2835);
    Put32(header, 42, 2835);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

Card MakeFat32Card(const TempDir& dir)
{
    Card card;
    for (const char* tool : {"mkfs.fat", "mcopy", "sfdisk"})
        if (!HaveTool(tool)) {
            card.why = std::string("FAT32 cards need ") + tool;
            return card;
        }
    const std::string volume = dir / "fat32-volume.img";
    MakeFat32Image(volume, 40, "-s 1 -n CARD");
    RunOrFail("mmd -i " + Quote(volume) + " ::/DCIM ::/DCIM/100CAM ::/Docs");
    const std::string scratch = dir.Path().string();
    Batch root{card, "", {}};
    root.Add("README.TXT", 1, 3000);
    for (uint32_t n = 1; n <= 8; ++n)
        root.Add("Holiday picture " + std::to_string(n) + ".bmp", 1 + n, 2000 + 700 * n);
    CopyFiles(volume, scratch, "::", root.files);
    Batch camera{card, "DCIM/100CAM", {}};
    for (uint32_t n = 1; n <= 24; ++n) {
        const std::string number = std::to_string(n);
        camera.Add("IMG_" + std::string(4 - number.size(), '0') + number + ".BMP", 19 + n, 4000 + 1500 * n);
    }
    CopyFiles(volume, scratch, "::/DCIM/100CAM", camera.files);
    Batch docs{card, "Docs", {}};
    docs.Add("notes.bmp", 50, 5000);
    for (uint32_t n = 1; n <= 5; ++n)
        docs.Add("GAP" + std::to_string(n) + ".BMP", 60 + n, 1500);
    CopyFiles(volume, scratch, "::/Docs", docs.files);
    // GAP2 and GAP4 go; FRAG.BMP fills their holes and goes on after GAP5.
    RunOrFail("mdel -i " + Quote(volume) + " ::/Docs/GAP2.BMP ::/Docs/GAP4.BMP");
    Delete(card, "Docs/GAP2.BMP");
    Delete(card, "Docs/GAP4.BMP");
    ClearNextFreeHint(volume);
    Batch frag{card, "Docs", {}};
    frag.Add("FRAG.BMP", 70, 4500);
    CopyFiles(volume, scratch, "::/Docs", frag.files);
    PlaceOnCard(card, volume, dir / "fat32-card.img", "c");
    return card;
}

Card MakeExFatCard(const TempDir& dir)
{
    Card card;
    card.exfat = true;
    if (!HaveTool("sfdisk")) {
        card.why = "exFAT cards need sfdisk";
        return card;
    }
    const std::string volume = dir / "exfat-volume.img";
    {
        ExFatMount mount(volume, 16, dir / "exfat-mnt", "-c 512 -L CARD");
        if (!mount.ok) {
            card.why = mount.why;
            return card;
        }
        const std::string& m = mount.mountPoint;
        Batch root{card, "", {}};
        root.Add("README.TXT", 101, 3000);
        for (uint32_t n = 1; n <= 12; ++n)
            root.Add("root picture " + std::to_string(n) + ".bmp", 101 + n, 1500 + 300 * n);
        WriteThroughMount(m, root);
        // Sub grows between its files' clusters: a FAT chain of scattered clusters.
        std::filesystem::create_directories(m + "/Sub");
        Batch sub{card, "Sub", {}};
        for (uint32_t n = 1; n <= 20; ++n)
            sub.Add("photo number " + std::to_string(n) + ".bmp", 119 + n, 1200 + 200 * n);
        WriteThroughMount(m, sub);
        // Album and Chained take all their entries before any data: contiguous folders.
        for (const std::string folder : {"Album", "Chained"}) {
            std::filesystem::create_directories(m + "/" + folder);
            Batch batch{card, folder, {}};
            const uint32_t base = folder == "Album" ? 139 : 159;
            for (uint32_t n = 1; n <= 20; ++n)
                batch.Add(folder + " picture " + std::to_string(n) + ".bmp", base + n, 1000 + 250 * n);
            for (const auto& [name, bytes] : batch.files)
                std::ofstream(m + "/" + folder + "/" + name).close();
            WriteThroughMount(m, batch);
        }
        Batch gaps{card, "", {}};
        for (uint32_t n = 1; n <= 3; ++n)
            gaps.Add("GAP" + std::to_string(n) + ".BMP", 189 + n, 1500);
        WriteThroughMount(m, gaps);
        RunOrFail("sync; rm " + Quote(m + "/GAP2.BMP") + "; sync");
        Delete(card, "GAP2.BMP");
        Batch frag{card, "", {}};
        frag.Add("FRAG.BMP", 195, 4500);
        WriteThroughMount(m, frag);
        // The daemon writes its last metadata after umount returns: wait for it to end.
        RunOrFail("sync");
        UnmountFuse(m);
        mount.Finish();
    }
    // Chained: the same contiguous clusters, now linked in the FAT, as other writers leave them.
    const auto layout = ReadCardLayout(volume, 0, true);
    const auto chained = FindEntry(volume, layout, "Chained");
    if (chained.offset == 0)
        return card;
    const uint64_t clusters = (chained.size + layout.clusterSize - 1) / layout.clusterSize;
    for (uint64_t c = 0; c < clusters; ++c)
        SetFatEntry(volume, layout, chained.firstCluster + c,
                    c + 1 == clusters ? layout.EndOfChain() : static_cast<uint32_t>(chained.firstCluster + c + 1));
    Patch(volume, chained.streamOffset + 1, {0x01});
    FixExFatSetChecksum(volume, chained.offset);
    PlaceOnCard(card, volume, dir / "exfat-card.img", "7");
    return card;
}

}
