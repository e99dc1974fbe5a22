#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>

#include <string>
#include <tuple>

#include "text/mbcs.h"
#include "text/path.h"

// 表 = 95 5C and ソ = 83 5C end in the byte of a backslash.
TEST(MbcsByteClassAt, PairsFromTheStart)
{
    // Each byte's class: S single, L lead, T trail.
    const std::tuple<const char*, const char*> rows[] = {
        {"\x95\x5C\x5C", "LTS"},
        {"ab\x95", "SSS"},             // a lead byte cut off by the terminator
        {"\x95\x7F\x81\x30", "SSSS"},  // a lead byte with no trail after it
        {"\x83\x40\x9F\xFC\xE0\x40\xFC\x40\xA0\x40\xFD\x40", "LTLTLTLTSSSS"},
        {"\x81\x81\x81\x5C", "LTLT"},
        {"\x81\x30\x95\x5C\xB1\x5C", "SSLTSS"},  // B1: half-width katakana
    };
    for (auto [s, classes] : rows) {
        const unsigned n = static_cast<unsigned>(strlen(s));
        std::string got;
        for (unsigned i = 0; i <= n + 2; ++i) got += "SLT"[MbcsByteClassAt(s, i)];
        EXPECT_EQ(classes + std::string("SSS"), got) << testing::PrintToString(std::string(s));
    }
}

TEST(PathStripLast, CutsAtTheLastRealSeparator)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"C:\\a\\b", "C:\\a", "b"},
        {"C:\\\x95\x5C", "C:", "\x95\x5C"},
        {"C:\\\x95\x5C\\x", "C:\\\x95\x5C", "x"},
        {"\x83\x5C\x83\x5C", "\x83\x5C\x83\x5C", "\x83\x5C\x83\x5C"},
    };
    for (auto [path, left, cut] : rows) {
        EXPECT_STREQ(cut, PathFindName(path)) << testing::PrintToString(std::string(path));
        char buf[PATH_BUFFER_SIZE];
        strcpy(buf, path);
        EXPECT_STREQ(cut, PathStripLast(buf));
        EXPECT_STREQ(left, buf);
    }
}

TEST(PathJoin, JoinsWithinThePathBuffer)
{
    const std::string a = "C:\\" + std::string(247, 'a'), f(259, 'f');
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"C:\\work", "a.txt", "C:\\work\\a.txt"},
        {"C:\\", "a.txt", "C:\\a.txt"},
        {"C:\\\x95\x5C", "a", "C:\\\x95\x5C\\a"},  // 表's 5C is no separator: one is added
        {"C:\\a", "..", "C:\\"},
        {"C:", "..", "C:"},  // no separator: no parent to name
        {"C:\\\x95\x5C\\x", "..", "C:\\\x95\x5C"},
        {"\x83\x5C\\x", "..", "\x83\x5C\\"},  // ソ's 5C is no root separator: one is put back
        // 259 characters when a separator is added, 260 when the folder has one.
        {a, "0123456789", a + "\\01234567"},
        {a + "\\", "0123456789", a + "\\012345678"},
        {a, "0123456\x95\x5C", a + "\\0123456"},  // cut before 表, not in it
        {a, "012345\x95\x5C", a + "\\012345\x95\x5C"},
        {f, "a", f + "\\"},
        {f + "f", "a", f + "f"},  // no room for a separator
    };
    for (auto [folder, name, joined] : rows) {
        char out[PATH_BUFFER_SIZE + 1];
        memset(out, '#', sizeof out);
        PathJoin(out, folder.c_str(), name.c_str());
        EXPECT_EQ(joined, std::string(out))
            << testing::PrintToString(folder) << " + " << testing::PrintToString(name);
        EXPECT_EQ('#', out[PATH_BUFFER_SIZE]);
    }
}

TEST(PathNumberedName, NumbersBeforeTheLastExtensionWithinSize)
{
    const std::tuple<const wchar_t*, unsigned, bool, size_t, const wchar_t*> rows[] = {
        {L"報告書.txt", 2, false, 20, L"報告書 (2).txt"},
        {L"a.tar.gz", 2, false, 20, L"a.tar (2).gz"},
        {L"写真", 2, true, 20, L"写真 (2)"},
        {L"d.x", 2, true, 20, L"d.x (2)"},
        {L".gitignore", 10, false, 20, L".gitignore (10)"},
        {L".a.b", 2, false, 20, L".a (2).b"},
        {L"ab", 123, false, 9, L"ab (123)"},  // exactly fills 9 units
        {L"abc", 123, false, 9, nullptr},
    };
    for (auto [name, n, folder, size, want] : rows) {
        wchar_t out[32];
        wmemset(out, L'#', 32);
        EXPECT_EQ(want != nullptr, PathNumberedName(out, size, name, n, folder));
        EXPECT_EQ(want ? std::wstring(want) : std::wstring(32, L'#'),
                  want ? std::wstring(out) : std::wstring(out, 32));
        EXPECT_EQ(L'#', out[size]);
    }
}
