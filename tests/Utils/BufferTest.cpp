#include "Utils/Buffer.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Buffer, SizesAndZeroFill)
{
    auto empty = Utils::MakeBuffer(0);
    EXPECT_EQ(empty->length, 0u);
    EXPECT_EQ(empty->data, nullptr);

    auto block = Utils::MakeBuffer<unsigned char>(4096);
    ASSERT_NE(block->data, nullptr);
    EXPECT_EQ(block->length, 4096u);
    EXPECT_TRUE(std::all_of(block->data, block->data + block->length, [](unsigned char c) { return c == 0; }));
}

TEST(Buffer, ResizeKeepsPrefixAndZeroFillsTheRest)
{
    auto block = Utils::MakeBuffer<char>(4);
    std::memcpy(block->data, "abcd", 4);
    block->Resize(8);
    ASSERT_EQ(block->length, 8u);
    EXPECT_EQ(std::string(block->data, 4), "abcd");
    EXPECT_EQ(std::string(block->data + 4, 4), std::string(4, '\0'));

    block->Resize(2);
    ASSERT_EQ(block->length, 2u);
    EXPECT_EQ(std::string(block->data, 2), "ab");

    block->Resize(0);
    EXPECT_EQ(block->length, 0u);
    EXPECT_EQ(block->data, nullptr);
}

TEST(Buffer, SharedOwnersKeepTheBytes)
{
    auto first = Utils::MakeBuffer<char>(16);
    std::memcpy(first->data, "kept", 4);
    auto second = first;
    first.reset();
    EXPECT_EQ(std::string(second->data, 4), "kept");
}
