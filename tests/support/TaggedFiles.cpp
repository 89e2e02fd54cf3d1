#include "support/TaggedFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace TestSupport {
namespace {

constexpr size_t blockSize = 512;
constexpr char magic[4] = {'V', 'T', 'A', 'G'};

void Put32(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Get32(const uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

void FillBlock(uint8_t* block, size_t length, uint32_t fileId, uint32_t blockNumber)
{
    uint8_t full[blockSize];
    std::memcpy(full, magic, 4);
    Put32(full + 4, fileId);
    Put32(full + 8, blockNumber);
    uint32_t state = fileId * 2654435761u ^ blockNumber * 40503u ^ 0x9E3779B9u;
    for (size_t i = 12; i < blockSize; ++i) {
        state = state * 1103515245u + 12345u;
        full[i] = static_cast<uint8_t>(state >> 16);
    }
    std::memcpy(block, full, length);
}

}

std::vector<uint8_t> TaggedFileBytes(uint32_t fileId, uint64_t size)
{
    std::vector<uint8_t> bytes(size);
    for (uint64_t at = 0; at < size; at += blockSize)
        FillBlock(bytes.data() + at, std::min<uint64_t>(blockSize, size - at), fileId,
                  static_cast<uint32_t>(at / blockSize));
    return bytes;
}

TagCheck CheckTaggedFile(uint32_t fileId, uint64_t size, const std::vector<uint8_t>& recovered)
{
    TagCheck check;
    const auto expected = TaggedFileBytes(fileId, size);
    check.exact = recovered == expected;
    for (uint64_t at = 0; at < recovered.size(); at += blockSize) {
        const uint64_t length = std::min<uint64_t>(blockSize, recovered.size() - at);
        const uint8_t* block = recovered.data() + at;
        const auto number = static_cast<uint32_t>(at / blockSize);
        if (at + length <= expected.size() && std::equal(block, block + length, expected.data() + at)) {
            ++check.ownBlocks;
            continue;
        }
        const bool tagged = length >= 12 && std::memcmp(block, magic, 4) == 0;
        if (tagged && (Get32(block + 4) != fileId || Get32(block + 8) != number))
            ++check.foreignBlocks;
        else
            ++check.otherBlocks;
    }
    return check;
}

void WriteTaggedFile(const std::string& path, uint32_t fileId, uint64_t size)
{
    const auto bytes = TaggedFileBytes(fileId, size);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    ASSERT_TRUE(out) << "cannot write " << path;
}

}
