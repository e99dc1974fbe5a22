#include <gtest/gtest.h>

#include <string.h>

#include "base/mem.h"

namespace {

TEST(MemZero, ZeroesExactlyTheBlock)
{
    unsigned char block[8];
    memset(block, 0xAA, sizeof block);
    MemZero(block + 1, 5);
    const unsigned char expected[8] = {0xAA, 0, 0, 0, 0, 0, 0xAA, 0xAA};
    EXPECT_EQ(0, memcmp(expected, block, sizeof block));
}

}  // namespace
