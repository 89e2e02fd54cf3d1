#include "Utils/SizeFormat.h"

#include <gtest/gtest.h>

using Utils::FormatSize;

TEST(SizeFormat, Boundaries)
{
    constexpr uint64_t KiB = 1024, MiB = KiB * 1024, GiB = MiB * 1024, TiB = GiB * 1024, PiB = TiB * 1024;
    struct Case {
        uint64_t bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0.00 byte"},
        {1, "1.00 byte"},
        {2, "2.00 bytes"},
        {512, "512.00 bytes"},
        {1023, "1023.00 bytes"},
        {KiB, "1.00 KiB"},
        {1536, "1.50 KiB"},
        {2047, "2.00 KiBs"},   // 1.999 KiB is shown as 2.00, and read as plural
        {2048, "2.00 KiBs"},
        {3072, "3.00 KiBs"},
        {MiB - 1, "1024.00 KiBs"},
        {MiB, "1.00 MiB"},
        {2 * GiB, "2.00 GiBs"},
        {TiB, "1.00 TiB"},
        {PiB - 1, "1024.00 TiBs"},
        {PiB, "1.00 PiB"},
        {1024 * PiB, "1024.00 PiBs"}, // nothing above PiB
        {UINT64_MAX, "16384.00 PiBs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
}
