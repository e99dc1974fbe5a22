#include <gtest/gtest.h>

#include "text/mbcs.h"
#include "text/path.h"

namespace {

struct ClassRow {
    const char* s;
    unsigned index;
    int cls;
};

// 表 = 95 5C, ソ = 83 5C, ア = 83 41; B1 is half-width katakana.
const ClassRow kClassRows[] = {
    {"\x95\x5C\x5C", 0, MBC_LEAD},
    {"\x95\x5C\x5C", 1, MBC_TRAIL},
    {"\x95\x5C\x5C", 2, MBC_SINGLE},
    {"\x81\x30", 0, MBC_SINGLE},  // no trail follows: not a double-byte character
    {"\x81\x30", 1, MBC_SINGLE},
    {"ab\x95", 2, MBC_SINGLE},    // a lead byte cut off by the terminator
    {"\x95\x5C", 2, MBC_SINGLE},  // the terminator
    {"\x95\x5C", 7, MBC_SINGLE},  // past the end
    {"\x95\x7F", 1, MBC_SINGLE},  // 7F is never a trail byte
    {"\x95\xFD", 1, MBC_SINGLE},
    {"\x83\x40", 1, MBC_TRAIL},  // lowest trail byte
    {"\x83\xFC", 1, MBC_TRAIL},  // highest trail byte
    {"\xFC\x40", 0, MBC_LEAD},   // highest lead byte
    {"\x9F\x40", 0, MBC_LEAD},
    {"\xA0\x40", 0, MBC_SINGLE},
    {"\xDF\x40", 0, MBC_SINGLE},
    {"\xE0\x40", 0, MBC_LEAD},
    {"\xFD\x40", 0, MBC_SINGLE},
    {"\xB1\x5C", 1, MBC_SINGLE},        // half-width katakana is a single byte
    {"\x81\x81\x81\x5C", 2, MBC_LEAD},  // pairs are counted from the start
    {"\x81\x81\x81\x5C", 3, MBC_TRAIL},
    {"\x81\x30\x95\x5C", 3, MBC_TRAIL},  // a lone lead byte does not shift the pairing
};

TEST(MbcsByteClassAt, ClassifiesFromTheStart)
{
    for (const ClassRow& row : kClassRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.s)) + " at " +
                     std::to_string(row.index));
        EXPECT_EQ(row.cls, MbcsByteClassAt(row.s, row.index));
    }
}

TEST(PathIsSeparatorAt, OnlyASingleByteBackslash)
{
    const char* s = "\x95\x5C\x5C";  // 表 and a backslash
    EXPECT_FALSE(PathIsSeparatorAt(s, 0));
    EXPECT_FALSE(PathIsSeparatorAt(s, 1));
    EXPECT_TRUE(PathIsSeparatorAt(s, 2));
    EXPECT_FALSE(PathIsSeparatorAt("C:/a", 2));
    EXPECT_TRUE(PathIsSeparatorAt("\x81\x30\\", 2));
}

}  // namespace
