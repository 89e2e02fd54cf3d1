#include "NTFS/NtfsVolumeBytes.h"

#include "support/Tools.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

using TestSupport::Quote;
using TestSupport::RunOrFail;

namespace NtfsImage {

namespace {

uint64_t Le(const Bytes& b, size_t at, int n)
{
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
    return v;
}

}

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

VolumeBytes::VolumeBytes(std::string image) : image(std::move(image)), bytes(ReadAll(this->image))
{
    const uint64_t cluster = Le(bytes, 0x0B, 2) * bytes.at(0x0D);
    const std::string text = RunOrFail("istat " + Quote(this->image) + " 0");
    const auto data = text.find("Type: $DATA (128-");
    if (data == std::string::npos) {
        ADD_FAILURE() << text;
        return;
    }
    const auto size = text.find("size: ", data);
    const auto end = text.find("Type:", data + 1);
    const uint64_t clusters = (std::stoull(text.substr(size + 6)) + cluster - 1) / cluster;
    std::istringstream in(text.substr(text.find('\n', data), end - text.find('\n', data)));
    for (uint64_t number; mftClusters.size() < clusters && in >> number;)
        mftClusters.push_back(number * cluster);
    clusterSize = cluster;
}

uint64_t VolumeBytes::Record(uint64_t inode) const
{
    const uint64_t stream = inode * recordSize;
    if (stream / clusterSize >= mftClusters.size()) {
        ADD_FAILURE() << "record " << inode << " lies past the $MFT";
        return 0;
    }
    return mftClusters[stream / clusterSize] + stream % clusterSize;
}

size_t VolumeBytes::Attribute(uint64_t inode, uint32_t type) const
{
    Bytes record(bytes.begin() + static_cast<std::ptrdiff_t>(Record(inode)),
                 bytes.begin() + static_cast<std::ptrdiff_t>(Record(inode) + recordSize));
    const size_t usa = Le(record, 4, 2);
    for (size_t i = 1; i < Le(record, 6, 2); ++i)
        for (int k = 0; k < 2; ++k)
            record.at(i * 512 - 2 + k) = record.at(usa + 2 * i + k);
    for (size_t at = Le(record, 0x14, 2); at + 8 < recordSize && Le(record, at, 4) != 0xFFFFFFFF;
         at += Le(record, at + 4, 4)) {
        if (Le(record, at, 4) == type)
            return at;
        if (Le(record, at + 4, 4) == 0)
            break;
    }
    ADD_FAILURE() << "record " << inode << " has no attribute " << type;
    return 0;
}

uint64_t VolumeBytes::Field(uint64_t inode, size_t at, int width) const
{
    return Get(Record(inode) + at, width);
}

uint64_t VolumeBytes::Get(uint64_t offset, int width) const
{
    return Le(bytes, offset, width);
}

void VolumeBytes::Put(uint64_t offset, uint64_t value, int width)
{
    // The last two bytes of a sector hold the update sequence number.
    ASSERT_LT((offset + width - 1) % 512, 510u) << "a patch over a sector's protected end";
    for (int i = 0; i < width; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

std::pair<size_t, uint64_t> FirstRun(const VolumeBytes& volume, uint64_t inode)
{
    const size_t data = volume.Attribute(inode, 0x80);
    EXPECT_EQ(volume.Field(inode, data + 8, 1), 1u) << "a non-resident $DATA";
    const size_t runs = data + volume.Field(inode, data + 0x20, 2);
    const uint64_t header = volume.Field(inode, runs, 1);
    const int lengthBytes = header & 0x0F, offsetBytes = static_cast<int>(header >> 4);
    return {runs, volume.Field(inode, runs + 1 + lengthBytes, offsetBytes)};
}

}
