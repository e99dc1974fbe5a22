#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <tuple>

#include "text/format.h"
#include "text/str.h"

// 表 = 95 5C; 81 30 is no character.
TEST(StrCopyBounded, CopiesWithinNAndNeverSplitsACharacter)
{
    const std::tuple<size_t, const char*, const char*> rows[] = {
        {1, "abc", ""},
        {4, "abcd", "abc"},
        {6, "ab", "ab"},
        {4, "ab\x95\x5C", "ab"},  // 95 would lose its trail: left out
        {5, "ab\x95\x5C", "ab\x95\x5C"},
        {4, "ab\x81\x30", "ab\x81"},
    };
    for (auto [n, src, dest] : rows) {
        char buf[8];
        memset(buf, '#', sizeof buf);
        StrCopyBounded(n, buf, src);
        EXPECT_EQ(dest, std::string(buf))
            << testing::PrintToString(std::string(src)) << " in " << n;
        EXPECT_EQ('#', buf[n]);
    }
}

TEST(StrEqualNoCase, FoldsAsciiLettersOnly)
{
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"C:\\WORK", "c:\\work", true},
        {"/open", "/ope", false},
        {"\x83\x41", "\x83\x61", false},   // ア and ヂ: a trail byte never folds
        {"\x83\x83z", "\x83\x83Z", true},  // ャ (trail 83), then a letter that folds
        {"@[", "`{", false},               // the letters' neighbours do not fold
        {"\xC1", "\xE1", false},           // nor anything past ASCII
    };
    for (auto [a, b, equal] : rows) {
        EXPECT_EQ(equal, StrEqualNoCase(a, b)) << a << " vs " << b;
        EXPECT_EQ(equal, StrEqualNoCase(b, a)) << b << " vs " << a;
    }
}

TEST(CmdLineAppend, NeverPast1024Characters)
{
    // Where the text goes, and what of its 40 characters is appended.
    const std::tuple<size_t, size_t> rows[] = {{0, 40},   {984, 40}, {1000, 24},
                                               {1023, 1}, {1024, 0}, {5000, 0}};
    const std::string text(40, 't');
    for (auto [len, appended] : rows) {
        char buf[CMDLINE_BUFFER_SIZE + 1];
        memset(buf, '#', sizeof buf);
        EXPECT_EQ(appended, CmdLineAppend(buf, len, text.c_str())) << len;
        EXPECT_EQ('#', buf[CMDLINE_BUFFER_SIZE]);
        EXPECT_TRUE(len >= CMDLINE_BUFFER_SIZE || buf[len + appended] == '\0') << len;
    }
}

// msvcrt's formatter in the Windows builds, the C library's natively. Path
// lists are formatted as "%s%c%c" with two NULs; a cut is reported however
// full the buffer is as a conversion begins.
TEST(StrFormatBounded, CountsNulsOfPercentCAndReportsEveryCut)
{
    const std::tuple<size_t, int, std::string> rows[] = {
        {7, 6, std::string("C:\\a\0\0\0", 7)},  // exact fit: n - 1 characters
        {6, -1, std::string("C:\\a\0\0", 6)},
        {5, -1, std::string("C:\\a\0", 5)},
    };
    for (auto [n, result, bytes] : rows) {
        char buf[16];
        memset(buf, '#', sizeof buf);
        EXPECT_EQ(result, StrFormatBounded(n, buf, "%s%c%c", "C:\\a", 0, 0)) << n;
        EXPECT_EQ(bytes + "#", std::string(buf, n + 1)) << n;
    }
}

// Registry data read into a buffer that held '#' before.
TEST(StrEndData, EndsTheTextRightAfterTheDataOrEmptiesIt)
{
    const std::tuple<std::string, bool, const char*> rows[] = {
        {"abc", true, "abc"},                    // stored without its terminator
        {std::string("abc\0", 4), true, "abc"},  // its own terminator fills the buffer
        {"abcd", false, ""},                     // too long to end in it
    };
    for (auto [data, ended, text] : rows) {
        char buf[8];
        memset(buf, '#', sizeof buf);
        memcpy(buf, data.data(), data.size());
        EXPECT_EQ(ended, StrEndData(buf, 4, data.size())) << data;
        EXPECT_EQ(text, std::string(buf)) << data;
        EXPECT_EQ('#', buf[4]) << data;
    }
}
