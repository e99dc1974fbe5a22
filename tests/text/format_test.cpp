#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "text/format.h"

// The contract must hold for every formatter behind StrFormatBounded: msvcrt's
// in the Windows builds, the C library's natively.
namespace {

struct FormatRow {
    size_t n;
    const char* path;  // formatted as "%s%c%c" with two zeros, as path lists are
    int result;
    std::string buf;  // the text, its NULs and the terminator
};

const FormatRow kFormatRows[] = {
    {20, "C:\\a", 6, std::string("C:\\a\0\0\0", 7)},
    {7, "C:\\a", 6, std::string("C:\\a\0\0\0", 7)},  // exact fit: n - 1 characters
    {6, "C:\\a", -1, std::string("C:\\a\0\0", 6)},   // one short: cut, still terminated
    {5, "C:\\a", -1, std::string("C:\\a\0", 5)},
    {3, "C:\\a", -1, std::string("C:\0", 3)},
    {1, "C:\\a", -1, std::string("\0", 1)},
    {3, "", 2, std::string("\0\0\0", 3)},
    {2, "", -1, std::string("\0\0", 2)},
    {4, "\x95\x5C\x95\x5C", -1, std::string("\x95\x5C\x95\0", 4)},  // the cut may split 表
};

TEST(StrFormatBounded, WritesNulsOfPercentCAndCountsThem)
{
    for (const FormatRow& row : kFormatRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.path)) + " n=" + std::to_string(row.n));
        char buf[32];
        memset(buf, '#', sizeof buf);
        EXPECT_EQ(row.result, StrFormatBounded(row.n, buf, "%s%c%c", row.path, 0, 0));
        EXPECT_EQ(row.buf, std::string(buf, row.buf.size()));
        EXPECT_EQ('#', buf[row.n]);
    }
}

TEST(StrFormatBounded, ExactFitAndOneLonger)
{
    char buf[8];
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(4, StrFormatBounded(5, buf, "%s", "abcd"));
    EXPECT_EQ(std::string("abcd\0", 5), std::string(buf, 5));
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(-1, StrFormatBounded(5, buf, "%s", "abcde"));
    EXPECT_EQ(std::string("abcd\0", 5), std::string(buf, 5));
    EXPECT_EQ('#', buf[5]);
    // The buffer is full just as a conversion begins: still a cut.
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(-1, StrFormatBounded(4, buf, "abc%c", 'x'));
    EXPECT_EQ(std::string("abc\0", 4), std::string(buf, 4));
    EXPECT_EQ(-1, StrFormatBounded(4, buf, "abc%s", "x"));
    EXPECT_EQ(std::string("abc\0", 4), std::string(buf, 4));
    EXPECT_EQ('#', buf[4]);
}

TEST(StrFormatBounded, SizeZeroWritesNothing)
{
    char buf[2] = {'#', '#'};
    EXPECT_EQ(-1, StrFormatBounded(0, buf, "%s", "a"));
    EXPECT_EQ(-1, StrFormatBounded(0, buf, ""));
    EXPECT_EQ('#', buf[0]);
}

TEST(StrFormatBounded, EmptyTextIsZero)
{
    char buf[4];
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(0, StrFormatBounded(4, buf, ""));
    EXPECT_EQ('\0', buf[0]);
    EXPECT_EQ('\0', buf[3]);
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(0, StrFormatBounded(1, buf, "%s", ""));
    EXPECT_EQ('\0', buf[0]);
    EXPECT_EQ('#', buf[1]);
}

// The trace line's form, width flag included, gives the same text everywhere.
TEST(StrFormatBounded, FormatsTheTraceLine)
{
    char buf[64];
    EXPECT_EQ(16, StrFormatBounded(sizeof buf, buf, "argv[%2d]=%s\r\n", 0, "C:\\\x95\x5C"));
    EXPECT_STREQ("argv[ 0]=C:\\\x95\x5C\r\n", buf);
    EXPECT_EQ(16, StrFormatBounded(sizeof buf, buf, "argv[%2d]=%s\r\n", 12, "C:\\\x95\x5C"));
    EXPECT_STREQ("argv[12]=C:\\\x95\x5C\r\n", buf);
}

}  // namespace
