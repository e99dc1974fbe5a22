#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/cmdline_split.h"
#include "base/mem.h"

template <typename C>
std::vector<std::basic_string<C>> Split(C** (*split)(const C*, int*), const C* line)
{
    int count = 0;
    C** argv = split(line, &count);
    std::vector<std::basic_string<C>> args(argv, argv + count);
    EXPECT_EQ(nullptr, argv[count]);
    MemFree(argv);
    return args;
}

// The runtime's classic rules. 表 = 95 5C and ソ = 83 5C end in a backslash byte.
TEST(SplitCommandLine, SplitsAnsiAndUtf16)
{
    const std::tuple<const char*, std::vector<std::string>> rows[] = {
        {"", {""}},
        {"\"C:\\My Files\\nobo.exe\"x \"C:\\a b\\c.txt\" /open",
         {"C:\\My Files\\nobo.exe", "x", "C:\\a b\\c.txt", "/open"}},
        {"C:\\no\"bo.exe a", {"C:\\no\"bo.exe", "a"}},  // the program path knows no escapes
        {"\"C:\\unterminated x", {"C:\\unterminated x"}},
        {" p\ta", {"", "p", "a"}},
        {"p \"D:\\dir\\\"", {"p", "D:\\dir\""}},  // an escaped quote does not end the argument
        {"p \"D:\\dir\\\\\" x", {"p", "D:\\dir\\", "x"}},
        {"p a\\\\\\\"b", {"p", "a\\\"b"}},
        {"p a\\b\\\\", {"p", "a\\b\\\\"}},       // backslashes before no quote stay
        {"p \"a\"\"b c\"", {"p", "a\"b", "c"}},  // a doubled quote inside quotes ends them
        {"p a\"\"b \"\"", {"p", "ab", ""}},
        {"p \"C:\\\x95\x5C\" x", {"p", "C:\\\x95\x5C", "x"}},
        {"p \x83\x5C\"x y\"", {"p", "\x83\x5Cx y"}},
        {"p \xB1\\\"x", {"p", "\xB1\"x"}},  // half-width katakana is a single byte
        {"p \x95 x", {"p", "\x95 x"}},      // a lead byte takes the next byte along
        {"p a\x95", {"p", "a\x95"}},        // but never the terminator
    };
    for (const auto& [line, args] : rows) {
        EXPECT_EQ(args, Split<char>(SplitCommandLine, line))
            << testing::PrintToString(std::string(line));
        // The UTF-16 line follows the same rules: the ASCII rows once more.
        const std::string s = line;
        if (std::any_of(s.begin(), s.end(), [](char c) { return c & 0x80; })) continue;
        std::vector<std::wstring> wide;
        for (const std::string& a : args) wide.emplace_back(a.begin(), a.end());
        EXPECT_EQ(wide, Split<wchar_t>(SplitCommandLineW, std::wstring(s.begin(), s.end()).c_str()))
            << s;
    }
}
