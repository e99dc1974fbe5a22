#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>

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

// Paths shown in a box, UTF-16: a surrogate pair (U+1F600 here) is never cut
// in two, in the format or in a path, and nothing is written past n units.
TEST(StrFillBounded, FillsInTurnAndCutsBetweenCharacters)
{
    const wchar_t* const paths[] = {L"C:\\\xD83D\xDE00", L"D:"};
    const std::tuple<size_t, const wchar_t*, std::wstring> rows[] = {
        {32, L"a%sb%sc%s",
         L"aC:\\\xD83D\xDE00"
         L"bD:c"},  // a third %s has no path
        {7, L"a%sb", L"aC:\\\xD83D\xDE00"},
        {6, L"a%sb", L"aC:\\"},
        {3, L"\xD83D\xDE00%s", L"\xD83D\xDE00"},
        {2, L"\xD83D\xDE00", L""},
    };
    for (auto [n, format, filled] : rows) {
        wchar_t buf[40];
        wmemset(buf, L'#', 40);
        StrFillBounded(n, buf, format, paths, 2);
        EXPECT_EQ(filled, std::wstring(buf)) << n;
        EXPECT_EQ(L'#', buf[n]) << n;
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

// A text cut at a buffer's edge: a lone high surrogate goes, a pair stays;
// あ then a lone lead byte; ぃ (82 82), whose trail byte may also lead.
TEST(StrDropCutPair, EndsOnAWholeCharacter)
{
    std::wstring wide[] = {L"a\xD83D", L"a\xD83D\xDE00"};
    std::string ansi[] = {"\x82\xA0\x82", "\x82\x82"};
    const size_t left[] = {1, 3, 2, 2};  // units left in each
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(left[i], StrDropCutPair(wide[i].data()));
        EXPECT_EQ(left[i], wcslen(wide[i].c_str()));
        EXPECT_EQ(left[i + 2], StrDropCutPair(ansi[i].data()));
        EXPECT_EQ(left[i + 2], strlen(ansi[i].c_str()));
    }
}
