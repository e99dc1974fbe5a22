#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "text/str.h"

namespace {

struct CopyRow {
    size_t n;
    const char* src;
    std::string dest;  // all n bytes the copy leaves, terminator and padding included
};

const CopyRow kCopyRows[] = {
    {1, "abc", std::string(1, '\0')},
    {1, "", std::string(1, '\0')},
    {4, "abc", std::string("abc\0", 4)},
    {4, "abcd", std::string("abc\0", 4)},
    {6, "ab", std::string("ab\0\0\0\0", 6)},      // short source: padded
    {4, "ab\x95\x5C", std::string("ab\0\0", 4)},  // ab表: 95 would lose its trail
    {5, "ab\x95\x5C", std::string("ab\x95\x5C\0", 5)},
    {3,
     "\x95\x5C"
     "a",
     std::string("\x95\x5C\0", 3)},
    {2, "\x95\x5C", std::string("\0\0", 2)},
    {4, "ab\x81\x30", std::string("ab\x81\0", 4)},  // 81 30 is no character: cut anywhere
    {4, "ab\x95", std::string("ab\x95\0", 4)},
};

TEST(StrCopyBounded, CopiesWithinNAndNeverSplitsACharacter)
{
    for (const CopyRow& row : kCopyRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.src)) + " n=" + std::to_string(row.n));
        char dest[16];
        memset(dest, '#', sizeof dest);
        EXPECT_EQ(dest, StrCopyBounded(row.n, dest, row.src));
        // Either all n bytes or n - 1 of them when the last character was left out.
        EXPECT_EQ(row.dest.substr(0, strlen(row.dest.c_str()) + 1),
                  std::string(dest, strlen(dest) + 1));
        EXPECT_EQ('#', dest[row.n]);
        for (size_t i = strlen(dest); i < row.n - 1; ++i) EXPECT_EQ('\0', dest[i]) << i;
    }
}

struct EqualRow {
    const char* a;
    const char* b;
    bool exact;
    bool noCase;
};

const EqualRow kEqualRows[] = {
    {"C:\\work", "C:\\work", true, true},
    {"C:\\WORK", "c:\\work", false, true},
    {"/OPEN", "/open", false, true},
    {"/open", "/open:x", false, false},
    {"/open", "/ope", false, false},
    {"", "", true, true},
    {"", "a", false, false},
    {"\x83\x41", "\x83\x61", false, false},   // ア and ヂ: a trail byte never folds
    {"\x83\x83z", "\x83\x83Z", false, true},  // ャ (trail 83), then a letter that folds
    {"a\x83", "A\x83", false, true},          // a lead byte at the end
    {"\x83\x41", "\x84\x41", false, false},
    {"@", "`", false, false},  // neighbours of the letters do not fold
    {"[", "{", false, false},
    {"\xC1", "\xE1", false, false},  // no folding outside ASCII
};

TEST(StrEqual, ComparesBytesAndLength)
{
    for (const EqualRow& row : kEqualRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.a)) + " vs " +
                     testing::PrintToString(std::string(row.b)));
        EXPECT_EQ(row.exact, StrEqual(row.a, row.b));
        EXPECT_EQ(row.exact, StrEqual(row.b, row.a));
        EXPECT_EQ(row.noCase, StrEqualNoCase(row.a, row.b));
        EXPECT_EQ(row.noCase, StrEqualNoCase(row.b, row.a));
    }
}

struct AppendRow {
    size_t len;
    size_t textLen;
    size_t appended;
};

const AppendRow kAppendRows[] = {
    {0, 40, 40},   {1000, 40, 24}, {984, 40, 40},   {1023, 40, 1}, {1024, 40, 0},
    {1025, 40, 0}, {5000, 40, 0},  {0, 2000, 1024}, {10, 0, 0},
};

TEST(CmdLineAppend, AppendsUpTo1024Characters)
{
    for (const AppendRow& row : kAppendRows) {
        SCOPED_TRACE("len=" + std::to_string(row.len) + " text=" + std::to_string(row.textLen));
        std::string text(row.textLen, 't');
        char buf[CMDLINE_BUFFER_SIZE + 1];
        memset(buf, '#', sizeof buf);
        EXPECT_EQ(row.appended, CmdLineAppend(buf, row.len, text.c_str()));
        EXPECT_EQ(row.textLen, CmdLineAppend(nullptr, row.len, text.c_str()));
        EXPECT_EQ('#', buf[CMDLINE_BUFFER_SIZE]);
        if (row.len >= CMDLINE_BUFFER_SIZE) {
            EXPECT_EQ(std::string(CMDLINE_BUFFER_SIZE, '#'), std::string(buf, CMDLINE_BUFFER_SIZE));
            continue;
        }
        EXPECT_EQ(std::string(row.len, '#'), std::string(buf, row.len));  // before len: untouched
        EXPECT_EQ(std::string(row.appended, 't'), std::string(buf + row.len, row.appended));
        const size_t end = row.len + row.appended;
        EXPECT_EQ(std::string(CMDLINE_BUFFER_SIZE - end, '\0'),
                  std::string(buf + end, CMDLINE_BUFFER_SIZE - end));
    }
}

// Measuring and writing add up the same way when nothing is cut.
TEST(CmdLineAppend, BuildsALineInPieces)
{
    const char* pieces[] = {"\"", "C:\\Program Files\\nobo.exe", "\" \"", "%1", "\""};
    char buf[CMDLINE_BUFFER_SIZE];
    size_t measured = 0, written = 0;
    for (const char* piece : pieces) {
        measured += CmdLineAppend(nullptr, measured, piece);
        written += CmdLineAppend(buf, written, piece);
    }
    EXPECT_EQ(measured, written);
    EXPECT_STREQ("\"C:\\Program Files\\nobo.exe\" \"%1\"", buf);
}

TEST(StrEnd, PointsAtTheTerminator)
{
    const char* s = "ab\x95\x5C";
    EXPECT_EQ(s + 4, StrEnd(s));
    EXPECT_EQ(s + 4, StrEnd(s + 4));
}

}  // namespace
