#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "app/ansi_lead_byte.h"
#include "app/cmdline_split.h"
#include "base/mem.h"

namespace {

// Splits text and checks the block's layout on the way: count + 1 pointers,
// the last NULL, then the texts back to back, and nothing else.
template <typename C>
std::vector<std::basic_string<C>> SplitChecked(C** (*split)(const C*, int*), const C* text)
{
    std::vector<std::basic_string<C>> args;
    int count = -1;
    C** argv = split(text, &count);
    EXPECT_NE(nullptr, argv);
    if (!argv) return args;
    EXPECT_GE(count, 1);
    const C* expected = reinterpret_cast<const C*>(argv + count + 1);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(expected, argv[i]) << "argument " << i << " is not where the previous one ended";
        args.emplace_back(argv[i]);
        expected = argv[i] + args.back().size() + 1;
    }
    EXPECT_EQ(nullptr, argv[count]);
    MemFree(argv);
    return args;
}

std::vector<std::string> Split(const char* text)
{
    return SplitChecked<char>(SplitCommandLine, text);
}

struct Row {
    const char* line;
    std::vector<std::string> args;
};

// The classic runtime rules, plus the double-byte rows that are the reason the
// program splits by itself (Shift-JIS: 表 = 95 5C, ソ = 83 5C).
const Row kRows[] = {
    {"", {""}},
    {"\"C:\\Program Files\\x\\nobo.exe\" \"C:\\My Files\\a.txt\" /open",
     {"C:\\Program Files\\x\\nobo.exe", "C:\\My Files\\a.txt", "/open"}},
    {"\"C:\\x\\nobo.exe\"abc def", {"C:\\x\\nobo.exe", "abc", "def"}},
    {"C:\\x\\no\"bo.exe a", {"C:\\x\\no\"bo.exe", "a"}},
    {"\"C:\\a b\\\\\" x", {"C:\\a b\\\\", "x"}},
    {"\"C:\\unterminated x", {"C:\\unterminated x"}},
    {"p\tq", {"p", "q"}},
    {"p \"D:\\dir\\\"", {"p", "D:\\dir\""}},
    {"p \"D:\\dir\\\\\"", {"p", "D:\\dir\\"}},
    {"p a\\\\\"b c\"", {"p", "a\\b c"}},
    {"p a\\\\\\\"b", {"p", "a\\\"b"}},
    {"p a\\b\\c", {"p", "a\\b\\c"}},
    {"p a\\\\", {"p", "a\\\\"}},
    {"p \\\\\\\\\"x y\"", {"p", "\\\\x y"}},
    {"p \"a\"\"b\"", {"p", "a\"b"}},
    {"p \"a\"\"b c\"", {"p", "a\"b", "c"}},
    {"p a\"\"b", {"p", "ab"}},
    {"p \"\" x", {"p", "", "x"}},
    {"p \"a b", {"p", "a b"}},
    {"p  \t \ta   b   ", {"p", "a", "b"}},
    {" nobo.exe a", {"", "nobo.exe", "a"}},
    {"p a\nb\x0B"
     "c",
     {"p",
      "a\nb\x0B"
      "c"}},
    {"p \"C:\\\x95\x5C\"", {"p", "C:\\\x95\x5C"}},
    {"p \x83\x5C\"x y\"", {"p", "\x83\x5Cx y"}},
    {"p \"\x95\x5C\" \x95\x5C", {"p", "\x95\x5C", "\x95\x5C"}},
    {"p \xB1\\\"x", {"p", "\xB1\"x"}},  // half-width katakana is single
    {"p \x95 x", {"p", "\x95 x"}},      // a lead byte takes the next byte along
    {"p a\x95", {"p", "a\x95"}},        // ... but never the terminator
    {"\"C:\\\x95\x5C\" a", {"C:\\\x95\x5C", "a"}},
};

TEST(SplitCommandLine, SplitsEveryRow)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.line)));
        EXPECT_EQ(row.args, Split(row.line));
    }
}

// The single allocation is sized by the counting pass: pointers, then the texts.
TEST(SplitCommandLine, BlockSizeIsPointersPlusTexts)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.line)));
        size_t texts = 0;
        for (const std::string& a : row.args) texts += a.size() + 1;
        SplitPass<char> counting = {AnsiIsLeadByte, nullptr, nullptr, 0};
        size_t size = 0;
        const int count = SplitRunPass(&counting, row.line, &size);
        EXPECT_EQ(static_cast<int>(row.args.size()), count);
        EXPECT_EQ((row.args.size() + 1) * sizeof(char*) + texts, size);
    }
}

// Without a lead-byte test the trail byte 5C of 表 escapes the closing quote:
// the reason the lead bytes must be known.
TEST(SplitCommandLine, TrailByteBeforeQuoteNeedsTheLeadByteTest)
{
    int count = 0;
    char** argv = SplitCommandLineWith("p \"C:\\\x95\x5C\" x", &count, nullptr);
    ASSERT_NE(nullptr, argv);
    ASSERT_EQ(2, count);
    EXPECT_STREQ("C:\\\x95\" x", argv[1]);  // 5C" read as an escaped quote
    MemFree(argv);
}

// GetCommandLineW text follows the same rules; UTF-16 has no lead units, and
// 表 is one unit there.
TEST(SplitCommandLineW, SplitsTheSameRulesOverUtf16)
{
    for (const Row& row : kRows) {
        bool ascii = true;
        for (const char* p = row.line; *p; ++p)
            ascii = ascii && static_cast<unsigned char>(*p) < 0x80;
        if (!ascii) continue;
        SCOPED_TRACE(testing::PrintToString(std::string(row.line)));
        const std::wstring line(row.line, row.line + strlen(row.line));
        std::vector<std::wstring> expected;
        for (const std::string& a : row.args) expected.emplace_back(a.begin(), a.end());
        EXPECT_EQ(expected, SplitChecked<wchar_t>(SplitCommandLineW, line.c_str()));
    }
    const std::vector<std::wstring> hyo = {L"p", L"C:\\\x8868", L"\x8868"};
    EXPECT_EQ(hyo, SplitChecked<wchar_t>(SplitCommandLineW, L"p \"C:\\\x8868\" \x8868"));
}

}  // namespace
