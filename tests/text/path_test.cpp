#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "text/path.h"

namespace {

struct StripRow {
    const char* path;
    const char* left;
    const char* cut;  // the component PathStripLast hands back
};

const StripRow kStripRows[] = {
    {"C:\\a\\b", "C:\\a", "b"},
    {"C:\\a", "C:", "a"},
    {"C:\\", "C:", ""},
    {"C:", "C:", "C:"},
    {"", "", ""},
    {"C:\\\x95\x5C", "C:", "\x95\x5C"},        // C:\表: the trail 5C is no separator
    {"C:\\\x95\x5C\\x", "C:\\\x95\x5C", "x"},  // C:\表\x
    {"\x83\x5C\x83\x5C", "\x83\x5C\x83\x5C", "\x83\x5C\x83\x5C"},  // ソソ: none at all
    {"\\\\server\\share", "\\\\server", "share"},
};

TEST(PathStripLast, CutsAtTheLastRealSeparator)
{
    for (const StripRow& row : kStripRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.path)));
        char buf[PATH_BUFFER_SIZE];
        strcpy(buf, row.path);
        const char* cut = PathStripLast(buf);
        EXPECT_STREQ(row.left, buf);
        EXPECT_STREQ(row.cut, cut);
        EXPECT_TRUE(cut >= buf && cut <= buf + strlen(row.path));
    }
}

TEST(PathFindName, FindsTheLastComponentWithoutChangingThePath)
{
    for (const StripRow& row : kStripRows) {
        SCOPED_TRACE(testing::PrintToString(std::string(row.path)));
        const char* name = PathFindName(row.path);
        EXPECT_STREQ(row.cut, name);
        EXPECT_TRUE(name >= row.path && name <= row.path + strlen(row.path));
    }
    const char* whole = "report.txt";
    EXPECT_EQ(whole, PathFindName(whole));
}

struct JoinRow {
    std::string folder;
    std::string name;
    std::string joined;
};

const std::string k258(258, 'f');

const JoinRow kJoinRows[] = {
    {"C:\\work", "report.txt", "C:\\work\\report.txt"},
    {"C:", "a.txt", "C:\\a.txt"},
    {"C:\\", "a.txt", "C:\\a.txt"},
    {"", "a.txt", "a.txt"},
    {"C:\\\x95\x5C", "a", "C:\\\x95\x5C\\a"},  // 表 ends in 5C but needs a separator
    {"C:\\", ".", "C:\\"},
    {"C:\\a", ".", "C:\\a"},
    {"C:\\a\\b", "..", "C:\\a"},
    {"C:\\a", "..", "C:\\"},
    {"C:\\", "..", "C:\\"},
    {"C:\\a\\", "..", "C:\\a"},
    {"C:\\\x95\x5C\\x", "..", "C:\\\x95\x5C"},
    {"C:", "..", "C:"},  // no separator: no parent to name, left as it is
    {"abc", "..", "abc"},
    {"\x83\x5C\\x", "..", "\x83\x5C\\"},  // ソ ends in 5C: no separator left, put back
    // Room: 259 characters when a separator is added, 260 when the folder has one.
    {k258, "xyz", k258 + "\\"},
    {"C:\\" + std::string(250, 'a'), "0123456789", "C:\\" + std::string(250, 'a') + "\\01234"},
    {"C:\\" + std::string(250, 'a') + "\\", "0123456789",
     "C:\\" + std::string(250, 'a') + "\\012345"},
    // A name that does not fit is cut before a double-byte character, not in it.
    {"C:\\" + std::string(250, 'a'), "0123\x95\x5C", "C:\\" + std::string(250, 'a') + "\\0123"},
    {"C:\\" + std::string(250, 'a'), "012\x95\x5C",
     "C:\\" + std::string(250, 'a') + "\\012\x95\x5C"},
    {"", std::string(300, 'n'), std::string(260, 'n')},
    // A full folder without a separator has no room for one: no name at all.
    {std::string(260, 'f'), "a", std::string(260, 'f')},
    {std::string(259, 'f'), "a", std::string(259, 'f') + "\\"},
    {std::string(259, 'f') + "\\", "a", std::string(259, 'f') + "\\"},
};

TEST(PathJoin, JoinsWithinThePathBuffer)
{
    for (const JoinRow& row : kJoinRows) {
        SCOPED_TRACE(testing::PrintToString(row.folder) + " + " + testing::PrintToString(row.name));
        // One byte past the buffer is watched: the join must never reach it.
        char out[PATH_BUFFER_SIZE + 1];
        memset(out, '#', sizeof out);
        PathJoin(out, row.folder.c_str(), row.name.c_str());
        EXPECT_EQ(row.joined, std::string(out));
        EXPECT_EQ('#', out[PATH_BUFFER_SIZE]);
    }
}

}  // namespace
